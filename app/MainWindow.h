#pragma once

// The one main window: owner of all run-time state and the wizard's page switch. Page 1 (the
// template chooser) is TTemplatePage, pages 2 to 5 are TDesignerPage, TBehaviourPage,
// TPreviewPage and TPublishPage, each given the page context; the design itself is the
// document, which announces its changes.

#include "app/BehaviourPage.h"
#include "app/DesignFiles.h"
#include "app/DesignerPage.h"
#include "app/PageContext.h"
#include "app/PreviewPage.h"
#include "app/PublishPage.h"
#include "app/TemplatePage.h"
#include "document/DesignDocument.h"
#include "document/DesignHistory.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <exception>
#include <future>
#include <memory>
#include <unordered_map>

class QCloseEvent;
#include <vector>

class QPainter;
class QPushButton;
class TPanel;
class TPaintBox;
struct TLoadedPictures;

class TMainForm : public QWidget, private TNavigation {
    Q_OBJECT
public:
    // programFolder is where the containers, "UpdateBaseMarker.txt" and "Resources/" are looked
    // for (with or without a trailing separator); empty means the folders ResolveProgramPaths
    // finds for the executable. Tests point it at a scratch folder so they never touch the
    // containers beside the program.
    explicit TMainForm(const QString &programFolder = QString(), QWidget *parent = nullptr);
    ~TMainForm() override;
    TMainForm(const TMainForm &) = delete;
    TMainForm &operator=(const TMainForm &) = delete;

    std::vector<std::unique_ptr<TPNGObject>> CloseButtonList;
    // The design being made: template, document size, objects, close button, behaviour and
    // output settings. The pages show and edit it; undo restores it.
    TDesignDocument Document;
    std::unique_ptr<TDesignHistory> History;
    Bitmap32 TemplateBitmap;
    Bitmap32 DesignBitmap;
    TPNGObject OutputPicture;
    // The preview's files and folders, removed at exit (files first to last, folders last to
    // first).
    QStringList TempFiles, TempFolders;
    // The page on show, 1 to 5; 0 until the first ShowPage.
    int CurrentPage = 0;
    QString TemplateStorage, UserStorage, CloseButtonStorage;
    QColor GroupFillColor = QColor(245, 245, 245);

    // The picture under the template grid's current cell, or nullptr when the base is empty.
    const TPNGObject *SelectedPicture() const override;
    // Resamples picture into TemplateBitmap as a side x side square.
    void RenderTemplate(const TPNGObject &picture, int side);
    void ShowPage(int n) override;
    // Gives a group panel its painted frame and caption tab and recolours its children.
    void StyleGroupPanel(TPanel *panel);

    // The folder the program's files are read from, with its trailing separator.
    const QString &ProgramFolder() const noexcept { return m_programFolder; }
    // The folder that holds usr.stg, with its trailing separator.
    const QString &UserFolder() const noexcept { return m_userFolder; }

    std::unique_ptr<TTemplatePage> Templates;
    std::unique_ptr<TDesignerPage> Designer;
    std::unique_ptr<TBehaviourPage> Behaviour;
    std::unique_ptr<TPreviewPage> Preview;
    std::unique_ptr<TPublishPage> Publish;
    std::unique_ptr<TDesignFiles> Files;
    // How long after page 2 is first shown the browser engine is started ahead of page 4, in
    // milliseconds of a free event loop; negative starts it only when page 4 needs it.
    int PreviewWarmUpDelay = 300;

    // Opens a design file (.vpopup) or the page of a published popup, after asking what to do
    // with unsaved changes; shows page 2. Failures are shown in the standard error box and
    // leave the open design as it was.
    void OpenDesignFile(const QString &path);
    // Shows the design of Document on every page: the grid's current picture (added to the
    // grid, not to usr.stg, when it is not in the picture base), the designer, pages 3 and 5.
    void ShowDocument() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    // Leaves the undo and redo keys to the window in every control of it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int ShownPage() const override { return CurrentPage; }
    void DesignPublished(const QString &folder) override;
    QString DesignPath() const override;
    bool NewPopupNameWanted() const override;
    // What the pages are given in place of the window.
    TPageContext PageContext();
    void BuildWindowControls();
    // Tab order of the bottom bar (after the page shown), the pages' names for screen readers
    // and the Alt+letter keys of pages 3 to 5 with the bar.
    void ArrangeKeys();
    // Screen readers hear the page shown; the focus stays on show.
    void AnnouncePage(int n);
    // A screen whose available area is smaller than the window (a small or highly scaled one)
    // gets a window that fits it, with the pages in a scroll area; elsewhere nothing changes.
    void FitToScreen();
    void FormCreate();
    void FormDestroy();
    void LoadResourcePictures();
    void LoadCloseButtons();
    void BackButtonClick();
    void NextButtonClick();
    void UpdateBaseClick();
    void PaintBlended(QPainter &painter, const TPNGObject &picture);
    void PaintBackground(QPainter &painter);

    QString m_programFolder;
    QString m_userFolder;
    bool m_switchingPage = false;
    QPixmap m_bgPixmap;
    // The artwork at twice its size, and what was last made of it for the screen's density.
    QImage m_bgTwice;
    QPixmap m_bgScreen;
    std::unordered_map<const TPNGObject *, QImage> m_twiceImages;
    std::unordered_map<const TPNGObject *, QImage> m_screenImages;
    // The decorations' pictures with their alpha, converted once for painting.
    std::unordered_map<const TPNGObject *, QImage> m_blendImages;
    // The artwork at its normal size, decoded on another thread while the controls are built;
    // LoadResourcePictures waits for it.
    struct TArtwork {
        QImage background;
        TPNGObject moreText, logo, previewText;
        // The decorations converted for painting at scale 1, as PaintBlended keeps them.
        std::unordered_map<const TPNGObject *, QImage> blends;
        std::exception_ptr error;
    };
    static void DecodeArtwork(TArtwork &art);
    std::unique_ptr<TArtwork> m_art;
    std::future<void> m_artDecoded;
    TPNGObject &m_logoPicture;
    TPNGObject &m_moreTextPicture;
    TPNGObject &m_previewTextPicture;
    // The window icon waits for the first paint.
    bool m_iconPending = true;

    QPushButton *m_updateBase = nullptr;
    QPushButton *m_backButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    TPanel *m_pages[5] = {};
    TPaintBox *m_bg2 = nullptr;
    TPaintBox *m_logoPaintBox = nullptr;
    // Page 1's pictures are read before the other pages are built: what that throws is kept for
    // FormCreate, and the new design's template is made from the grid's picture on another
    // thread meanwhile. Last, so that it is waited for before the pages go.
    std::exception_ptr m_picturesError;
    // The close buttons read before the controls were made, until FormCreate lists them.
    std::unique_ptr<TLoadedPictures> m_closeButtonsRead;
    std::future<TDesignPicture> m_newTemplate;
};
