#pragma once

// Page 4 of the wizard: the popup as a browser shows it, from files written into a fresh
// preview folder each time the page is entered from page 3.

#include "app/PageContext.h"

#include <QString>

#include <memory>

class QLabel;
class QWebEngineView;
class TPaintBox;
class TPanel;
class TPopupSource;

class TPreviewPage {
public:
    explicit TPreviewPage(const TPageContext &context);
    ~TPreviewPage();
    TPreviewPage(const TPreviewPage &) = delete;
    TPreviewPage &operator=(const TPreviewPage &) = delete;

    // Creates the page's heading (PreviewTextPaint), browser (PreviewBrowser) and note inside
    // page (called by the window before start-up runs).
    void BuildControls(TPanel *page);
    // Builds a fresh preview folder and returns the full path of its page; records what it
    // made in the context's TempFiles and TempFolders.
    QString WritePreviewFiles();

    TPaintBox *PreviewTextPaint() const noexcept { return m_previewTextPaint; }
    QWebEngineView *PreviewBrowser() const noexcept { return m_previewBrowser; }

private:
    // The one place the page's browser is made.
    static QWebEngineView *CreateBrowser(QWidget *page);

    TPageContext m_context;
    std::unique_ptr<TPopupSource> m_source;
    TPaintBox *m_previewTextPaint = nullptr;
    QWebEngineView *m_previewBrowser = nullptr;
    QLabel *m_previewNote = nullptr;
};
