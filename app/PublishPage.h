#pragma once

// Page 5 of the wizard: the popup into a page (Add popup), into a folder with the code to
// place by hand (Save files), or into a whole site ("Publish to a site..."). The page and the
// folder are the design document's; the controls write them as they change.

#include "app/PageContext.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TPanel;
class TPopupSource;

class TPublishPage {
    Q_DECLARE_TR_FUNCTIONS(TPublishPage)

public:
    explicit TPublishPage(const TPageContext &context);
    ~TPublishPage();
    TPublishPage(const TPublishPage &) = delete;
    TPublishPage &operator=(const TPublishPage &) = delete;

    // Creates the page's controls inside page (called by the window before start-up runs).
    void BuildControls(TPanel *page);
    // Start-up: the default folder and page, on the desktop.
    void ApplyDefaults();
    // The page and folder of the controls into the design document; runs on every edit.
    void SyncDocument();
    // The design document onto the page.
    void ShowDocument();

    // Handlers, public so that the window and tests can drive them like the controls do.
    void AddPopupChange();
    void ExistingFileEditChange();
    // "Publish to a site...": the site dialog on the design as it is now.
    void SitePublishClick();
    void SaveFilesClick();
    void BrowseExistingFileClick();
    void BrowseSaveFolderClick();

    // The page's group frames, styled by the window like every group.
    const std::vector<TPanel *> &GroupPanels() const noexcept { return m_groups; }

private:
    // Add popup and Save files: the design's cookie name, a new one when it has none or the
    // user asked to show the popup again, kept only when the files were written.
    template <class F> void Publish(F write);

    TPageContext m_context;
    TPanel *m_page = nullptr;
    std::unique_ptr<TPopupSource> m_source;
    // While the controls are filled from the document, their change events write nothing.
    bool m_showing = false;

    std::vector<TPanel *> m_groups;
    QLineEdit *m_existingFileEdit = nullptr;
    QPushButton *m_addPopup = nullptr;
    QPushButton *m_browseExistingFile = nullptr;
    QLineEdit *m_saveToFolder = nullptr;
    QPushButton *m_browseSaveFolder = nullptr;
    QPushButton *m_saveFiles = nullptr;
    QPlainTextEdit *m_htmlCode = nullptr;
};
