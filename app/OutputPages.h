#pragma once

// Pages 3 to 5 of the wizard: behaviour settings, preview and output. Wires those pages'
// controls; the main window calls the hooks below from its start-up and page switch.

#include "app/PageContext.h"
#include "output/PopupSettings.h"

#include <QString>

#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;
class TPaintBox;
class TPanel;
class TPopupSource;

class TOutputPages {
public:
    explicit TOutputPages(const TPageContext &context);
    ~TOutputPages();
    TOutputPages(const TOutputPages &) = delete;
    TOutputPages &operator=(const TOutputPages &) = delete;

    // Creates the controls of pages 3, 4 (PreviewTextPaint, PreviewBrowser) and 5 inside
    // their panels (called by the window before start-up runs).
    void BuildControls(TPanel *page3, TPanel *page4, TPanel *page5);
    // Start-up: the behaviour page's enabling handlers once each, then the default folder
    // and page of the output page.
    void ApplyDefaults();
    // Entering page 4 (not from page 5): builds a fresh preview folder and returns the full
    // path of its page; records what it made in TempFiles and TempFolders.
    QString WritePreviewFiles();

    // The behaviour settings as the controls show them now, with the further options of
    // "More options..." (kept in the design document) and the text for screen readers.
    TPopupSettings ReadPopupSettings() const;
    // Sets the behaviour page's controls to the settings, with their enabling rules.
    void ShowPopupSettings(const TPopupSettings &settings);
    // Pages 3 and 5 into the design document (behaviour settings, page and folder); runs on
    // every edit of their controls.
    void SyncDocument();
    // The design document onto pages 3 and 5.
    void ShowDocument();
    // Entering page 3: the text for screen readers follows the design until the user edits it.
    void EnterBehaviourPage();
    // Next on page 3: refuses (raises) settings no popup can use and a close button off the
    // picture; says once, until the link changes, that a popup without a link does nothing
    // when clicked.
    void LeaveBehaviourPage();

    // Handlers, public so that the window and tests can drive them like the controls do.
    void PopupClickActionChanged();
    void EnableAutoCloseClick();
    void PositionTypeChanged();
    void AddPopupChange();
    void ExistingFileEditChange();
    // "Publish to a site...": the site dialog on the design as it is now.
    void SitePublishClick();
    void SaveFilesClick();
    void BrowseExistingFileClick();
    void BrowseSaveFolderClick();
    void MoreOptionsClick();

    // The group frames of pages 3 and 5, styled by the window like every group.
    const std::vector<TPanel *> &GroupPanels() const noexcept { return m_groups; }
    TPaintBox *PreviewTextPaint() const noexcept { return m_previewTextPaint; }
    QWidget *PreviewBrowser() const noexcept { return m_previewBrowser; }

    // The last component of the folder the last output went to.
    QString ScriptFolderName;

private:
    // Add popup and Save files: the design's cookie name, a new one when it has none or the
    // user asked to show the popup again, kept only when the files were written.
    template <class F> void Publish(F write);

    // Records an edit of pages 3 and 5 as a step; keystrokes in a row in one box make one.
    void RecordSettingsChange(const TDesignState &before);

    TPageContext m_context;
    TPanel *m_behaviourPage = nullptr;
    TPanel *m_outputPage = nullptr;
    std::unique_ptr<TPopupSource> m_source;
    // While the controls are filled from the document, their change events write nothing.
    bool m_showing = false;

    QRadioButton *m_closePopup = nullptr;
    QRadioButton *m_openLink = nullptr;
    QLabel *m_urlLabel = nullptr;
    QLineEdit *m_urlEdit = nullptr;
    QRadioButton *m_sameWindow = nullptr;
    QRadioButton *m_newWindow = nullptr;
    QCheckBox *m_enableAutoClose = nullptr;
    QLabel *m_delayLabel = nullptr;
    QSpinBox *m_delayTime = nullptr;
    QRadioButton *m_openOncePerSession = nullptr;
    QRadioButton *m_everyLoad = nullptr;
    QRadioButton *m_autoCenter = nullptr;
    QRadioButton *m_setManual = nullptr;
    QLabel *m_leftLabel = nullptr;
    QLabel *m_topLabel = nullptr;
    QSpinBox *m_leftSpin = nullptr;
    QSpinBox *m_topSpin = nullptr;
    QLineEdit *m_screenReaderText = nullptr;
    QPushButton *m_moreOptions = nullptr;
    QCheckBox *m_showAgain = nullptr;
    // The note that the popup has no link was shown, and the link is still empty.
    bool m_noLinkNoted = false;
    // Whether the user typed their own text for screen readers.
    bool m_readerTextEdited = false;

    std::vector<TPanel *> m_groups;
    TPaintBox *m_previewTextPaint = nullptr;
    QWidget *m_previewBrowser = nullptr;
    QLabel *m_previewNote = nullptr;

    QLineEdit *m_existingFileEdit = nullptr;
    QPushButton *m_addPopup = nullptr;
    QPushButton *m_browseExistingFile = nullptr;
    QLineEdit *m_saveToFolder = nullptr;
    QPushButton *m_browseSaveFolder = nullptr;
    QPushButton *m_saveFiles = nullptr;
    QPlainTextEdit *m_htmlCode = nullptr;
};
