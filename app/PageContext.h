#pragma once

// What each page of the window is given instead of the window itself: the design document, its
// undo history, a small navigation interface, and the few things the pages share. A page shows
// the document and changes it through the history; it never reaches the window or another page.

#include "document/DesignDocument.h"
#include "document/DesignHistory.h"

#include <QStringList>

#include <memory>
#include <vector>

class Bitmap32;
class QWidget;
class TPNGObject;

// What a page may ask of the window.
class TNavigation {
public:
    virtual ~TNavigation() = default;
    // The page on show, 1 to 5 (0 before the first).
    virtual int ShownPage() const = 0;
    virtual void ShowPage(int n) = 0;
    // Shows the document on every page, after it was opened, restored or undone.
    virtual void ShowDocument() = 0;
    // The picture of the template grid's current cell, or null.
    virtual const TPNGObject *SelectedPicture() const = 0;
    // A popup and its design were written into folder.
    virtual void DesignPublished(const QString &folder) = 0;
    // The design file's path, or empty while the design has none.
    virtual QString DesignPath() const = 0;
    // The user asked that the next popup written gets a new name, so that browsers show it
    // again to visitors who have seen it.
    virtual bool NewPopupNameWanted() const = 0;
};

struct TPageContext {
    TDesignDocument &Document;
    TDesignHistory &History;
    TNavigation &Navigation;
    // The window, as the parent of the pages' dialogs.
    QWidget &Window;
    // The close-button catalogue, loaded at start-up; a design's own close button joins it for
    // the run.
    std::vector<std::unique_ptr<TPNGObject>> &CloseButtonList;
    // The design canvas, the template at the design's size and the composed popup picture.
    Bitmap32 &DesignBitmap;
    Bitmap32 &TemplateBitmap;
    TPNGObject &OutputPicture;
    // The preview's files and folders, removed when the window goes.
    QStringList &TempFiles;
    QStringList &TempFolders;
};
