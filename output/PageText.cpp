#include "output/PageText.h"

#include "imaging/VantelleError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <QTemporaryFile>
#include <QUrl>

#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
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

constexpr qsizetype kStartLength = sizeof(PopupStartMarker) - 1;
constexpr qsizetype kEndLength = sizeof(PopupEndMarker) - 1;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the bytes at i are word (lower case) in any letter case.
bool HasWordAt(const char *p, qsizetype n, qsizetype i, std::string_view word)
{
    if (i < 0 || n - i < static_cast<qsizetype>(word.size()))
        return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (AsciiLower(p[i + static_cast<qsizetype>(k)]) != word[k])
            return false;
    return true;
}

// Whether a tag name that starts at i is name and ends there (a blank, "/" or ">" follows).
bool HasTagNameAt(const char *p, qsizetype n, qsizetype i, std::string_view name)
{
    const qsizetype after = i + static_cast<qsizetype>(name.size());
    return HasWordAt(p, n, i, name) && after < n &&
           (IsBlank(p[after]) || p[after] == '/' || p[after] == '>');
}

qsizetype SkipBlanks(const char *p, qsizetype n, qsizetype i)
{
    while (i < n && IsBlank(p[i]))
        ++i;
    return i;
}

qsizetype Find(const char *p, qsizetype n, qsizetype from, char c)
{
    const void *hit = from < n ? std::memchr(p + from, c, static_cast<size_t>(n - from)) : nullptr;
    return hit ? static_cast<const char *>(hit) - p : -1;
}

// The first needle at or behind from, or -1. The scan looks for the needle's byte at anchor with
// memchr, which reads many bytes a step, and compares the rest where it stops: with an anchor
// that is rare in pages ("!" of "<!--") that is far quicker than a general substring search.
qsizetype Find(const char *p, qsizetype n, qsizetype from, std::string_view needle,
               size_t anchor = 0)
{
    const auto length = static_cast<qsizetype>(needle.size());
    const auto offset = static_cast<qsizetype>(anchor);
    for (qsizetype at = Find(p, n, from + offset, needle[anchor]); at >= 0;
         at = Find(p, n, at + 1, needle[anchor])) {
        const qsizetype start = at - offset;
        if (start + length > n)
            return -1;
        if (std::memcmp(p + start, needle.data(), needle.size()) == 0)
            return start;
    }
    return -1;
}

// Reads the attributes of a tag from i (just behind its name) as HTML does: a ">" inside a quoted
// value does not end the tag. Returns the position just behind the tag's ">", or -1 when the text
// ends first; attribute(nameFrom, nameTo, valueFrom, valueTo) sees every attribute.
template <typename OnAttribute>
qsizetype ReadTagRest(const char *p, qsizetype n, qsizetype i, OnAttribute attribute)
{
    for (;;) {
        while (i < n && (IsBlank(p[i]) || p[i] == '/'))
            ++i;
        if (i >= n)
            return -1;
        if (p[i] == '>')
            return i + 1;
        // A name runs to a blank, "/", ">" or "="; its first byte may be anything, "=" included.
        const qsizetype nameFrom = i++;
        while (i < n && !IsBlank(p[i]) && p[i] != '/' && p[i] != '>' && p[i] != '=')
            ++i;
        const qsizetype nameTo = i;
        i = SkipBlanks(p, n, i);
        qsizetype valueFrom = i, valueTo = i;
        if (i < n && p[i] == '=') {
            i = SkipBlanks(p, n, i + 1);
            if (i >= n)
                return -1;
            if (p[i] == '"' || p[i] == '\'') {
                const qsizetype close = Find(p, n, i + 1, p[i]);
                if (close < 0)
                    return -1;
                valueFrom = i + 1;
                valueTo = close;
                i = close + 1;
            } else {
                valueFrom = i;
                while (i < n && !IsBlank(p[i]) && p[i] != '>')
                    ++i;
                valueTo = i;
            }
        }
        attribute(nameFrom, nameTo, valueFrom, valueTo);
    }
}

qsizetype SkipTagRest(const char *p, qsizetype n, qsizetype i)
{
    return ReadTagRest(p, n, i, [](qsizetype, qsizetype, qsizetype, qsizetype) {});
}

// Position of the end tag that closes the raw text of element name begun at i, or -1.
qsizetype FindRawTextEnd(const char *p, qsizetype n, qsizetype i, std::string_view name)
{
    for (i = Find(p, n, i, '<'); i >= 0; i = Find(p, n, i + 1, '<'))
        if (i + 1 < n && p[i + 1] == '/' && HasTagNameAt(p, n, i + 2, name))
            return i;
    return -1;
}

// Position of the end tag that closes a script begun at i, or -1. Inside "<!--" a nested
// "<script>" hides the "</script>" that follows it until "-->", as browsers read it.
qsizetype FindScriptEnd(const char *p, qsizetype n, qsizetype i)
{
    enum { Data, Escaped, DoubleEscaped } state = Data;
    for (; i < n; ++i) {
        const bool closesComment = p[i] == '>' && i >= 2 && p[i - 1] == '-' && p[i - 2] == '-';
        const bool endTag =
            p[i] == '<' && i + 1 < n && p[i + 1] == '/' && HasTagNameAt(p, n, i + 2, "script");
        switch (state) {
        case Data:
            if (endTag)
                return i;
            if (p[i] == '<' && n - i >= 4 && std::memcmp(p + i, "<!--", 4) == 0) {
                state = Escaped;
                i += 3; // the dashes of "<!--" count for a "-->" right behind it
            }
            break;
        case Escaped:
            if (closesComment)
                state = Data;
            else if (endTag)
                return i;
            else if (p[i] == '<' && HasTagNameAt(p, n, i + 1, "script"))
                state = DoubleEscaped;
            break;
        case DoubleEscaped:
            if (closesComment)
                state = Data;
            else if (endTag)
                state = Escaped;
            break;
        }
    }
    return -1;
}

// Position just behind the ">" of the page's body start tag as HTML tokenises the page, or -1.
qsizetype FindBodyTagEnd(const QByteArray &text)
{
    const char *p = text.constData();
    const qsizetype n = text.size();
    static constexpr std::string_view kRawText[] = {"style",  "textarea", "title",    "xmp",
                                                    "iframe", "noembed",  "noframes", "noscript"};
    qsizetype i = 0;
    while ((i = Find(p, n, i, '<')) >= 0) {
        if (i + 1 >= n)
            return -1;
        const char next = p[i + 1];
        if (next == '!' && n - i >= 4 && p[i + 2] == '-' && p[i + 3] == '-') {
            // A comment ends at "-->" or "--!>"; "<!-->" and "<!--->" are whole comments.
            qsizetype from = i + 4;
            if (from < n && p[from] == '>') {
                i = from + 1;
                continue;
            }
            if (from + 1 < n && p[from] == '-' && p[from + 1] == '>') {
                i = from + 2;
                continue;
            }
            i = -1;
            for (qsizetype dashes = Find(p, n, from, "--"); dashes >= 0;
                 dashes = Find(p, n, dashes + 1, "--")) {
                if (dashes + 2 < n && p[dashes + 2] == '>') {
                    i = dashes + 3;
                    break;
                }
                if (dashes + 3 < n && p[dashes + 2] == '!' && p[dashes + 3] == '>') {
                    i = dashes + 4;
                    break;
                }
            }
            if (i < 0)
                return -1;
        } else if (next == '!' || next == '?' ||
                   (next == '/' && i + 2 < n && !IsAsciiLetter(p[i + 2]))) {
            // A doctype, a processing instruction or a broken end tag reads up to the next ">".
            const qsizetype close = Find(p, n, i + 2, '>');
            if (close < 0)
                return -1;
            i = close + 1;
        } else if (next == '/' || IsAsciiLetter(next)) {
            const qsizetype nameStart = next == '/' ? i + 2 : i + 1;
            qsizetype nameEnd = nameStart;
            while (nameEnd < n && !IsBlank(p[nameEnd]) && p[nameEnd] != '/' && p[nameEnd] != '>')
                ++nameEnd;
            const qsizetype end = SkipTagRest(p, n, nameEnd);
            if (end < 0)
                return -1;
            i = end;
            if (next == '/')
                continue;
            const auto named = [&](std::string_view name) {
                return nameEnd - nameStart == static_cast<qsizetype>(name.size()) &&
                       HasWordAt(p, n, nameStart, name);
            };
            if (named("body"))
                return end;
            if (named("plaintext"))
                return -1;
            if (named("script")) {
                i = FindScriptEnd(p, n, end);
            } else {
                for (const std::string_view raw : kRawText)
                    if (named(raw)) {
                        i = FindRawTextEnd(p, n, end, raw);
                        break;
                    }
            }
            if (i < 0)
                return -1;
        } else {
            ++i; // a "<" that begins no tag is text
        }
    }
    return -1;
}

// Whether text[from, to) is what Add popup puts between the markers: blanks and at most one
// script element with blanks inside; source receives the element's src value.
bool IsBlockContent(const QByteArray &text, qsizetype from, qsizetype to, QByteArray &source)
{
    const char *p = text.constData();
    qsizetype i = SkipBlanks(p, to, from);
    if (i == to)
        return true;
    if (p[i] != '<' || !HasTagNameAt(p, to, i + 1, "script"))
        return false;
    bool hasSource = false;
    i = ReadTagRest(p, to, i + 7,
                    [&](qsizetype name, qsizetype nameTo, qsizetype value, qsizetype valueTo) {
                        if (!hasSource && nameTo - name == 3 && HasWordAt(p, to, name, "src")) {
                            source = QByteArray(p + value, valueTo - value);
                            hasSource = true;
                        }
                    });
    if (i < 0)
        return false;
    i = SkipBlanks(p, to, i);
    if (!(i + 1 < to && p[i] == '<' && p[i + 1] == '/' && HasTagNameAt(p, to, i + 2, "script")))
        return false;
    i = SkipBlanks(p, to, i + 8);
    if (i >= to || p[i] != '>')
        return false;
    return SkipBlanks(p, to, i + 1) == to;
}

// Line numbers (from 1) of positions asked in increasing order, with lines broken at CR LF,
// lone CR and lone LF.
class TLineCounter {
public:
    explicit TLineCounter(const QByteArray &text) : m_text(text) {}
    int LineOf(qsizetype at)
    {
        for (; m_counted < at; ++m_counted) {
            const char c = m_text[m_counted];
            if (c == '\n' ||
                (c == '\r' && (m_counted + 1 >= m_text.size() || m_text[m_counted + 1] != '\n')))
                ++m_line;
        }
        return m_line;
    }

private:
    const QByteArray &m_text;
    qsizetype m_counted = 0;
    int m_line = 1;
};

// The page's first line end; CR LF when it has none.
QByteArray LineEndOf(const QByteArray &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n')
            return "\n";
        if (text[i] == '\r')
            return i + 1 < text.size() && text[i + 1] == '\n' ? "\r\n" : "\r";
    }
    return "\r\n";
}

} // namespace

QString TPopupMarkers::MismatchReason() const
{
    constexpr size_t kShown = 5;
    QStringList places;
    for (size_t k = 0; k < Mismatches.size() && k < kShown; ++k) {
        const auto [start, end] = Mismatches[k];
        places << (start == end ? QCoreApplication::translate("PageText", "on line %1").arg(start)
                                : QCoreApplication::translate("PageText", "on lines %1 and %2")
                                      .arg(start)
                                      .arg(end));
    }
    QString text = places.join(QCoreApplication::translate("PageText", ", and "));
    if (Mismatches.size() > kShown)
        text += QCoreApplication::translate("PageText", ", and further on");
    return QCoreApplication::translate(
               "PageText", "Its popup markers %1 do not pair: only blanks and one script element "
                           "may lie between \"%2\" and the \"%3\" after it")
        .arg(text, QLatin1String(PopupStartMarker), QLatin1String(PopupEndMarker));
}

TPopupMarkers ReadPopupMarkers(const QByteArray &page)
{
    struct TMarker {
        qsizetype At;
        bool IsStart;
    };
    std::vector<TMarker> markers;
    // The two markers cannot overlap: each holds "<!--" only at its beginning.
    const char *bytes = page.constData();
    const qsizetype size = page.size();
    for (qsizetype at = Find(bytes, size, 0, "<!-- ", 1); at >= 0;
         at = Find(bytes, size, at + 1, "<!-- ", 1)) {
        if (QByteArrayView(page).sliced(at).startsWith(PopupStartMarker))
            markers.push_back({at, true});
        else if (QByteArrayView(page).sliced(at).startsWith(PopupEndMarker))
            markers.push_back({at, false});
    }
    TPopupMarkers found;
    TLineCounter lines(page);
    for (size_t k = 0; k + 1 < markers.size(); ++k) {
        if (!markers[k].IsStart || markers[k + 1].IsStart)
            continue;
        const qsizetype start = markers[k].At;
        const qsizetype end = markers[k + 1].At;
        TPopupBlock block{start, end + kEndLength, {}};
        if (IsBlockContent(page, start + kStartLength, end, block.Source))
            found.Blocks.push_back(block);
        else {
            const int startLine = lines.LineOf(start);
            found.Mismatches.emplace_back(startLine, lines.LineOf(end));
        }
        ++k;
    }
    return found;
}

TPopupTagPlace PopupTagPlace(const QByteArray &text, const QByteArray &tag, const QString &path)
{
    const TPopupMarkers markers = ReadPopupMarkers(text);
    if (!markers.Mismatches.empty())
        throw EVantelleError(
            QCoreApplication::translate("PageText", "The page \"%1\" was left unchanged. %2")
                .arg(path, markers.MismatchReason()));
    if (!markers.Blocks.empty()) {
        const TPopupBlock &block = markers.Blocks.front();
        return {block.Start, block.End, tag};
    }
    if (const qsizetype at = FindBodyTagEnd(text); at >= 0)
        return {at, at, tag};
    // The tag becomes the last line; the page keeps its final line break, or its lack of one.
    const QByteArray lineEnd = LineEndOf(text);
    const qsizetype end = text.size();
    if (text.isEmpty() || text.endsWith('\n') || text.endsWith('\r'))
        return {end, end, tag + lineEnd};
    return {end, end, lineEnd + tag};
}

QByteArray InsertPopupTag(const std::optional<QByteArray> &page, const QByteArray &tag,
                          const QString &path, QByteArray storage)
{
    if (!page)
        return "<BODY>\r\n" + tag + "\r\n</BODY>\r\n";
    const QByteArray &text = *page;
    const TPopupTagPlace place = PopupTagPlace(text, tag, path);
    // The page's bytes before the place, the tag, and its bytes behind it, in one pass.
    QByteArray result = std::move(storage);
    result.resize(0);
    result.reserve(text.size() - (place.To - place.From) + place.Added.size());
    result.append(QByteArrayView(text).first(place.From));
    result.append(place.Added);
    result.append(QByteArrayView(text).sliced(place.To));
    return result;
}

void CheckSingleByteText(const QByteArray &text, const QString &path)
{
    const bool wideMark = text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF") ||
                          text.startsWith(QByteArray("\x00\x00\xFE\xFF", 4));
    if (wideMark || text.contains('\0'))
        throw EVantelleError(
            QCoreApplication::translate(
                "PageText", "The page \"%1\" is not single-byte text (it is stored as UTF-16 or "
                            "UTF-32, or holds NUL bytes); it was left unchanged")
                .arg(path));
}

QString FileBaseName(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}

QString ScriptFolderNameOf(const QString &folder)
{
    QString trimmed = folder;
    while (trimmed.endsWith(u'/'))
        trimmed.chop(1);
    return QFileInfo(trimmed).fileName();
}

QString PopupFolderForPage(const QString &page)
{
    const QFileInfo info(page);
    return QDir(info.absolutePath()).filePath(info.completeBaseName() + QStringLiteral(".popup"));
}

QString JoinPath(const QString &folder, const QString &name)
{
    return QDir(folder).filePath(name);
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

TFileReplacement::TFileReplacement(const QString &path) : m_path(path), m_file(path)
{
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly))
        Fail();
}

void TFileReplacement::Commit(const QByteArray &bytes)
{
    errno = 0;
    if (m_file.write(bytes) != bytes.size() || !m_file.commit())
        Fail();
}

void TFileReplacement::Fail()
{
    const QString reason = errno != 0 ? EFileError::LastSystemReason() : m_file.errorString();
    m_file.cancelWriting();
    throw EFileError::CannotCreate(m_path, reason);
}

void WriteFileBytes(const QString &path, const QByteArray &bytes, bool durable)
{
    if (durable) {
        TFileReplacement(path).Commit(bytes);
        return;
    }
    errno = 0;

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
