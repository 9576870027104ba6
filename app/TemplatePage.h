#pragma once

// Page 1, the template chooser: the grid of the picture base (the program's templates, then the
// user's own pictures), Load..., Remove and Keep. The cell the user picks becomes the design's
// template through the history; the grid follows the document's template when a design is
// opened, restored or undone.

#include "app/PageContext.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <unordered_map>

class QLabel;
class QObject;
class QPainter;
class QPushButton;
class QRect;
class TPaintBox;
class TPanel;
class TPictureBase;
class TPngButton;
class TTemplateGrid;

class TTemplatePage {
    Q_DECLARE_TR_FUNCTIONS(TTemplatePage)

public:
    explicit TTemplatePage(TPageContext context);
    ~TTemplatePage();
    TTemplatePage(const TTemplatePage &) = delete;
    TTemplatePage &operator=(const TTemplatePage &) = delete;

    void BuildControls(TPanel *page);
    // The part of LoadPictures that needs no control: makes the picture base and reads it,
    // keeping what the user is to be told for LoadPictures. The window runs it before it makes
    // its controls.
    void ReadPictures(const QString &templateStorage, const QString &userStorage,
                      const QString &cacheFolder = QString());
    // Reads the templates and the user's pictures into the page's picture base (unless
    // ReadPictures did); every picture that cannot be read is reported once, the rest is shown
    // with the first cell current. Thumbnails are kept in cacheFolder (empty: the user's cache
    // folder). The pictures that do not decode are reported once all thumbnails are known,
    // while page 1 is shown; a template among them leaves the grid then.
    void LoadPictures(const QString &templateStorage, const QString &userStorage,
                      const QString &cacheFolder = QString());
    // The picture base the grid shows: the templates first, then the user's pictures.
    TPictureBase &Base() const { return *m_base; }
    // Page 1 has come on show (the window tells): a message that waited for it may be told now.
    void PageShown();
    // Whether pictures that do not decode may still be found or are still to be reported.
    bool DamageReportPending() const;

    // The picture under the grid's current cell, decoded now, or nullptr when there is none or
    // it is damaged; it stays valid until the next call.
    const TPNGObject *SelectedPicture() const;
    // The bytes of the picture under the grid's current cell when it is one of the program's
    // templates (those that do not decode are left out of the grid), else empty: they can be
    // decoded on another thread.
    QByteArray SelectedTemplateBytes() const;
    // Makes picture p of the list the design's template, as one undoable step.
    void ChooseTemplate(int p);
    // Puts the grid's current cell on the document's template; a template that is not in the
    // base joins the grid for this run only.
    void ShowDocument();
    // Raises when the current cell cannot be taken on to the designer.
    void CheckChoice() const;

    // The group around the grid, styled by the window with the other groups.
    TPanel *GroupPanel() const { return m_templatePanel; }
    // The hidden link to more pictures; the window paints and places it.
    TPaintBox *MorePicturesLink() const { return m_morePicturesClick; }
    // The right edge of the buttons below the grid, in page coordinates.
    int ButtonsRight() const;

private:
    void CreatePictureButtons();
    void UpdateGridRows();
    int CurrentIndex() const;
    void DrawCell(QPainter &painter, int column, int row, const QRect &cell, bool selected);
    bool SelectCell(int column, int row);
    // Remove on for a user picture at cell p, Keep shown for a design's picture not stored.
    void ShowPictureButtons(int p);
    void LoadClick();
    void RemoveClick();
    void KeepClick();
    void OpenMorePicturesPage();
    // Asks the list for every thumbnail not known yet, once.
    void StartBackground();
    void ScheduleDamageReport();
    void ReportDamage();
    // Shows the grid after the list changed, with cell p (or the last picture) current.
    void ShowGridAt(int p);
    // A template found not to decode after start-up has left the list at p.
    void TemplateLeft(int p);
    // Index in the list of the picture the document's template was made from, or -1.
    int TemplateIndex() const;

    int PictureCount() const;
    // What a screen reader says for cell p.
    QString CellName(int p) const;

    TPageContext m_context;
    std::unique_ptr<TPictureBase> m_base;
    // The picture SelectedPicture last decoded.
    mutable std::shared_ptr<const TPNGObject> m_selected;
    // The design picture made from each picture of the grid that was chosen as a template (by
    // the list's entry id), so that the grid cell of the design's template is found again.
    std::unordered_map<quint64, TDesignPicture> m_designPictures;

    TPanel *m_templatePanel = nullptr;
    QLabel *m_chooseHint = nullptr;
    TTemplateGrid *m_grid = nullptr;
    // The holders of Remove, Load... and Keep.
    TPanel *m_removePanel = nullptr;
    TPanel *m_loadPanel = nullptr;
    TPanel *m_keepPanel = nullptr;
    QPushButton *m_addUserPngSimple = nullptr;
    QPushButton *m_deleteUserPngSimple = nullptr;
    QPushButton *m_keepUserPng = nullptr;
    TPngButton *m_loadButton = nullptr;
    TPngButton *m_removeButton = nullptr;
    TPngButton *m_keepButton = nullptr;
    TPaintBox *m_morePicturesClick = nullptr;
    // What ReadPictures found to tell, until LoadPictures tells it.
    QStringList m_readMessages;
    bool m_backgroundStarted = false;
    bool m_reportScheduled = false;
    // Present while a message waits for the user to be back on page 1 with no box open.
    QObject *m_reportWatch = nullptr;
};
