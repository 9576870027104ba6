#include "output/PageText.h"

#include "imaging/VantelleError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <QTemporaryFile>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <utility>

QByteArray NormalizeLineBreaks(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 32 + 2);
    const char *p = text.constData();
    const qsizetype n = text.size();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = p[i];
        if (c != '\r' && c != '\n')
            continue;
        out.append(p + lineStart, i - lineStart);
        out += "\r\n";
        if (c == '\r' && i + 1 < n && p[i + 1] == '\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < n) {
        out.append(p + lineStart, n - lineStart);
        out += "\r\n";
    }
    return out;
}

QByteArray FolderAddress(const QString &scriptFolderName)
{
    return QUrl::toPercentEncoding(scriptFolderName);
}

QByteArray ScriptTag(const QString &scriptFolderName)
{
    return "<!-- POPUP --><script src=" + FolderAddress(scriptFolderName) +
           "/script.js></script><!-- END -->";
}

namespace {

const QByteArray kStartMarker = "<!-- POPUP -->";
const QByteArray kEndMarker = "<!-- END -->";

// Position just behind the ">" of the first tag that begins with "<body" in any letter case.
qsizetype FindBodyTagEnd(const QByteArray &text)
{
    QByteArray lowered = text;
    for (char &c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    const qsizetype q = lowered.indexOf("<body");
    if (q < 0)
        return -1;
    const qsizetype r = text.indexOf('>', q + 5);
    return r < 0 ? -1 : r + 1;
}

// The earliest marker block: the first end marker that has a start marker before it, paired
// with the nearest such start marker. A stray start or end marker never pairs with a block
// written later, so the block that Add popup writes is the one it finds again. The markers
// share no characters that could overlap, so plain searches suffice.
std::optional<std::pair<qsizetype, qsizetype>> FindMarkerBlock(const QByteArray &text)
{
    const qsizetype firstStart = text.indexOf(kStartMarker);
    if (firstStart < 0)
        return std::nullopt;
    const qsizetype end = text.indexOf(kEndMarker, firstStart + kStartMarker.size());
    if (end < 0)
        return std::nullopt;
    const qsizetype start = text.lastIndexOf(kStartMarker, end - kStartMarker.size());
    return std::make_pair(start, end + kEndMarker.size());
}

} // namespace

QByteArray InsertPopupTag(const std::optional<QByteArray> &page, const QByteArray &tag)
{
    QByteArray text;
    qsizetype at = -1;
    if (page) {
        text = NormalizeLineBreaks(*page);
        if (const auto block = FindMarkerBlock(text)) {
            text.remove(block->first, block->second - block->first);
            at = block->first;
        } else {
            at = FindBodyTagEnd(text);
        }
    } else {
        text = "<BODY>\r\n\r\n</BODY>\r\n";
        at = 8;
    }
    if (at < 0 || at > text.size())
        at = text.size();
    text.insert(at, tag);
    return NormalizeLineBreaks(text);
}

void CheckSingleByteText(const QByteArray &text, const QString &path)
{
    const bool wideMark = text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF") ||
                          text.startsWith(QByteArray("\x00\x00\xFE\xFF", 4));
    if (wideMark || text.contains('\0'))
        throw EVantelleError(
            QStringLiteral("The page \"%1\" is not single-byte text (it is stored as UTF-16 or "
                           "UTF-32, or holds NUL bytes); it was left unchanged")
                .arg(path));
}

QString FileBaseName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString ScriptFolderNameOf(const QString &folder)
{
    QString trimmed = folder;
    while (trimmed.endsWith(u'/'))
        trimmed.chop(1);
    return trimmed.mid(trimmed.lastIndexOf(u'/') + 1);
}

QString PopupFolderForPage(const QString &page)
{
    const QString absolute =
        QDir::isAbsolutePath(page) ? page : QDir::current().absoluteFilePath(page);
    const qsizetype slash = absolute.lastIndexOf(u'/');
    return JoinPath(absolute.left(slash + 1), FileBaseName(absolute) + QStringLiteral(".popup"));
}

QString JoinPath(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QByteArray ReadFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason = EFileError::LastSystemReason();
        throw EFileError::CannotOpen(path, reason);
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        const QString reason = EFileError::LastSystemReason();
        throw EFileError::CannotOpen(path, reason);
    }
    return bytes;
}

void WriteFileBytes(const QString &path, const QByteArray &bytes, bool durable)
{
    errno = 0;
    if (durable) {
        QSaveFile file(path);
        const auto fail = [&] {
            const QString reason = errno != 0 ? EFileError::LastSystemReason() : file.errorString();
            file.cancelWriting();
            throw EFileError::CannotCreate(path, reason);
        };
        if (!file.open(QIODevice::WriteOnly))
            fail();
        if (file.write(bytes) != bytes.size())
            fail();
        if (!file.commit())
            fail();
        return;
    }

    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    const auto fail = [&] {
        const QString reason = errno != 0 ? EFileError::LastSystemReason() : file.errorString();
        throw EFileError::CannotCreate(path, reason);
    };
    if (!file.open())
        fail();
    // Web files must be readable by the web server, not only by their owner.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    if (file.write(bytes) != bytes.size() || !file.flush())
        fail();
    file.close();
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        fail();
    file.setAutoRemove(false);
}
