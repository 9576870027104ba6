#pragma once

// Writing an output: the folder with logo.png, script.js and pix.gif, and the page that loads
// the script through the marker-framed tag. The preview uses the same path.

#include "imaging/Bitmap32.h"
#include "output/PixelRect.h"
#include "output/PopupSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TPNGObject;

// What one composition produced; the references stay valid until the next composition.
struct TComposedPopup {
    const Bitmap32 &Picture;   // the composed picture, alpha fixed, DocumentSize square
    const TPNGObject &Encoded; // the same picture as the PNG object that becomes logo.png
    TPixelRect CloseArea;      // the close button's rectangle in picture coordinates
};

// The design and settings an output is made from (the main window, or the command-line tool).
class TPopupSource {
public:
    virtual ~TPopupSource() = default;
    virtual TComposedPopup ComposePopupImage() = 0;
    virtual int DocumentSize() const = 0;
    virtual TPopupSettings PopupSettings() const = 0;
    // The design's texts in reading order, for screen readers.
    virtual QString DesignText() const { return QString(); }
    // Composes logo@2x.png's picture; false when this source has none.
    virtual bool ComposeSharpImage(TPNGObject & /*picture*/) { return false; }
};

// The 43 bytes of the transparent one-pixel GIF.
QByteArray PixGif();

struct TWrittenPopup {
    QString ScriptFolderName;
    // The page text with the tag; for an empty page name the three-line page that the user is
    // shown to paste from.
    QByteArray PageText;
};

// Reads page and builds its new text, and makes sure the page can be replaced, before anything
// is written; then creates folder, writes logo.png (and logo@2x.png when the settings ask for
// it), replaces the page (only builds the page text when page is empty), then writes script.js
// and pix.gif. The first failure ends it with an EVantelleError; files written before stay, and
// a page is never left half-written. FastPictures encodes the pictures at zlib's fastest level
// (the same pixels in larger files, for the preview's folder); else they are the smallest the
// encoder's default makes.
TWrittenPopup WritePopupFiles(TPopupSource &source, const QString &page, const QString &folder,
                              bool ForPreview, bool FastPictures = false);

// A fresh "Popup_<number>" folder under tempDir with index.htm and a "files" folder, its pictures
// encoded fast; returns the page's full path. The folders and the four files are appended to
// TempFolders and TempFiles before anything is written into them. The same as MakePreviewFolder
// followed by WritePreviewInto.
QString WritePreviewFiles(TPopupSource &source, const QString &tempDir, QStringList &TempFiles,
                          QStringList &TempFolders);

// The first half of WritePreviewFiles: makes the fresh folder and its "files" folder, lists them
// and the files to come, and returns the page's full path. Names are drawn on the calling thread.
QString MakePreviewFolder(const QString &tempDir, QStringList &TempFiles, QStringList &TempFolders);
// The second half: writes the page and files of the folder made for page. It touches nothing but
// source and those files, so a worker thread may run it with a source of its own.
void WritePreviewInto(TPopupSource &source, const QString &page);

// Removes what previews left: the files first in list order, then the folders from last to
// first (only when empty).
void RemoveTempFiles(const QStringList &TempFiles, const QStringList &TempFolders);
