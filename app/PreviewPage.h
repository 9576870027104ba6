#pragma once

// Page 4 of the wizard: the popup as a browser shows it, from files written into a fresh
// preview folder each time the page is entered from page 3. The browser is made from its module
// when first needed (TPreviewLoader).

#include "app/PageContext.h"
#include "app/PreviewLoader.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class QLabel;
class QWidget;
class TPaintBox;
class TPanel;
class TPopupSource;

class TPreviewPage {
    Q_DECLARE_TR_FUNCTIONS(TPreviewPage)

public:
    explicit TPreviewPage(const TPageContext &context);
    ~TPreviewPage();
    TPreviewPage(const TPreviewPage &) = delete;
    TPreviewPage &operator=(const TPreviewPage &) = delete;

    // Creates the page's heading (PreviewTextPaint), the browser's place (PreviewBrowser) and
    // the note inside page (called by the window before start-up runs).
    void BuildControls(TPanel *page);
    // Builds a fresh preview folder and returns the full path of its page; records what it
    // made in the context's TempFiles and TempFolders.
    QString WritePreviewFiles();

    // Shows the page's preview: an empty browser while the files are written, then the page
    // they make. Raises EVantelleError when the browser cannot be made.
    void ClearBrowser();
    void ShowPreview(const QString &page);

    TPaintBox *PreviewTextPaint() const noexcept { return m_previewTextPaint; }
    // The browser's place on the page; the browser takes it over when it is made.
    QWidget *PreviewBrowser() const noexcept { return m_previewBrowser; }
    // What makes the browser (the window starts it early, tests point it at their module).
    TPreviewLoader &Loader() noexcept { return *m_loader; }

private:
    // The one place the page's browser is made.
    void CreateBrowser(QWidget *page);

    TPageContext m_context;
    std::unique_ptr<TPopupSource> m_source;
    TPaintBox *m_previewTextPaint = nullptr;
    QWidget *m_previewBrowser = nullptr;
    std::unique_ptr<TPreviewLoader> m_loader;
    QLabel *m_previewNote = nullptr;
};
