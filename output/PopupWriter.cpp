#include "output/PopupWriter.h"

#include "imaging/PngObject.h"
#include "imaging/VantelleError.h"
#include "output/PageText.h"
#include "output/PopupComposer.h"
#include "output/ScriptBuilder.h"
#include "output/UniqueNumber.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <memory>
#include <optional>

QByteArray PixGif()
{
    QFile resource(QStringLiteral(":/PIXGIF"));
    if (!resource.open(QIODevice::ReadOnly))
        throw EVantelleError(QCoreApplication::translate(
            "PopupWriter", "The spacer picture is missing from the program"));
    return resource.readAll();
}

namespace {

// logo.png, script.js and pix.gif are made again by every output, so they skip the wait for the
// disk that the user's page gets.
constexpr bool kWaitForDisk = false;

// Opens the page for replacing before anything else is written. A missing folder of the page is
// made for it, and removed again when the page still cannot be created there.
std::unique_ptr<TFileReplacement> OpenPageReplacement(const QString &page)
{
    QStringList made;
    for (QString dir = QFileInfo(page).absolutePath(); !QFileInfo::exists(dir);
         dir = QFileInfo(dir).absolutePath())
        made << dir;
    if (!made.isEmpty())
        QDir().mkpath(made.front());
    try {
        return std::make_unique<TFileReplacement>(page);
    } catch (...) {
        for (const QString &folder : made)
            QDir().rmdir(folder);
        throw;
    }
}

// The preview folder's pictures are thrown away after one look: they are encoded at zlib's
// fastest level (the same pixels, sooner), so preparing them while the user types on page 3
// stalls the window less. Every output keeps the default level.
constexpr int kFastLevel = 1;

QByteArray EncodePicture(const TPNGObject &picture, bool fast)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.saveToStream(buffer, fast ? kFastLevel : TPNGObject::kDefaultLevel);
    return buffer.data();
}

} // namespace

TWrittenPopup WritePopupFiles(TPopupSource &source, const QString &page, const QString &folder,
                              bool ForPreview, bool FastPictures)
{
    if (folder.isEmpty())
        throw EVantelleError(
            QCoreApplication::translate("PopupWriter", "Unable to create directory"));
    // Nonsense is refused before anything is written.
    CheckPopupSettings(source.PopupSettings());
    const TComposedPopup composed = source.ComposePopupImage();
    CheckCloseButtonPlace(source.DocumentSize(), composed.CloseArea);

    // The page is read, its new text built and its replacement opened first: a page that cannot
    // be read, edited or replaced stops the output before any file or folder is written.
    TWrittenPopup written;
    written.ScriptFolderName = ScriptFolderNameOf(folder);
    std::optional<QByteArray> existing;
    if (!page.isEmpty() && QFileInfo(page).isFile()) {
        existing = ReadFileBytes(page);
        CheckSingleByteText(*existing, page);
    }
    written.PageText = InsertPopupTag(existing, ScriptTag(written.ScriptFolderName), page);
    std::unique_ptr<TFileReplacement> pageFile;
    if (!page.isEmpty())
        pageFile = OpenPageReplacement(page);

    // A folder that cannot be made shows up as the failure to create logo.png inside it.
    QDir().mkpath(folder);

    WriteFileBytes(JoinPath(folder, QStringLiteral("logo.png")),
                   EncodePicture(composed.Encoded, FastPictures), kWaitForDisk);

    const TPopupSettings settings = source.PopupSettings();
    bool hasSharpPicture = false;
    if (settings.SharpPicture) {
        TPNGObject sharp;
        if (source.ComposeSharpImage(sharp)) {
            WriteFileBytes(JoinPath(folder, QStringLiteral("logo@2x.png")),
                           EncodePicture(sharp, FastPictures), kWaitForDisk);
            hasSharpPicture = true;
        }
    }

    if (pageFile)
        pageFile->Commit(written.PageText);

    TScriptValues values;
    values.DocumentSize = source.DocumentSize();
    values.ScriptFolderName = written.ScriptFolderName;
    values.ClickArea = FindClickArea(composed.Picture);
    values.CloseArea = composed.CloseArea;
    values.Settings = settings;
    values.DesignText = source.DesignText();
    values.HasSharpPicture = hasSharpPicture;
    const QByteArray script = BuildScript(ScriptTemplate(), ForPreview, values);
    WriteFileBytes(JoinPath(folder, QStringLiteral("script.js")), NormalizeLineBreaks(script),
                   kWaitForDisk);

    WriteFileBytes(JoinPath(folder, QStringLiteral("pix.gif")), PixGif(), kWaitForDisk);
    return written;
}

QString MakePreviewFolder(const QString &tempDir, QStringList &TempFiles, QStringList &TempFolders)
{
    const QString base = JoinPath(tempDir, QStringLiteral("Popup_"));
    QString folder;
    do
        folder = base + QString::number(NewUniqueNumber());
    while (QFileInfo::exists(folder));

    const QDir preview(folder);
    const QString files = preview.filePath(QStringLiteral("files"));
    if (!QDir().mkpath(files)) {
        const QString reason = EFileError::LastSystemReason();
        throw EFileError::CannotCreate(files, reason);
    }
    TempFolders << folder << files;

    // Listed before they are written, so that a preview that fails half-way leaves nothing
    // behind at exit either.
    const QString page = preview.filePath(QStringLiteral("index.htm"));
    TempFiles << page;
    const QDir written(files);
    for (const char *name : {"logo.png", "logo@2x.png", "pix.gif", "script.js"})
        TempFiles << written.filePath(QLatin1String(name));
    return page;
}

void WritePreviewInto(TPopupSource &source, const QString &page)
{
    WritePopupFiles(source, page, QFileInfo(page).dir().filePath(QStringLiteral("files")), true,
                    true);
}

QString WritePreviewFiles(TPopupSource &source, const QString &tempDir, QStringList &TempFiles,
                          QStringList &TempFolders)
{
    const QString page = MakePreviewFolder(tempDir, TempFiles, TempFolders);
    WritePreviewInto(source, page);
    return page;
}

void RemoveTempFiles(const QStringList &TempFiles, const QStringList &TempFolders)
{
    for (const QString &file : TempFiles)
        QFile::remove(file);
    for (auto it = TempFolders.crbegin(); it != TempFolders.crend(); ++it)
        QDir().rmdir(*it);
}
