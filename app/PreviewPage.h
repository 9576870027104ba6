#pragma once

// Page 4 of the wizard: the popup as a browser shows it, from files written into a fresh
// preview folder each time the page is entered from page 3. While page 3 is on show the
// preview of the design as it stands is written and loaded off screen ahead of Next, again
// after each change; Next then shows it when the design has not changed since. The browser is
// made from its module when first needed (TPreviewLoader).

#include "app/PageContext.h"
#include "app/PreviewLoader.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

class QLabel;
class QTimer;
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

    // Page 3 is on show: the preview is prepared once the event loop has been free for
    // PrepareDelay ms, and again that long after each change while the page stays on show.
    void PrepareAhead();
    int PrepareDelay = 250;
    // The page to show on entering page 4 from page 3: the one prepared ahead when it is of
    // the design as it is now, else one written now (WritePreviewFiles).
    QString PreviewFiles();

    // Shows the page's preview: an empty browser while the files are written (unless it
    // already holds the preview of the design as it is), then the page they make. Raises
    // EVantelleError when the browser cannot be made.
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
    void Prepare();
    // The preview prepared ahead is of the design as it is now.
    bool PreparedIsCurrent() const;
    // Removes a preview prepared ahead that was never shown (as the exit does: files the
    // folder holds besides its own keep it).
    void DropPrepared();
    // The design changed: a browser holding its old preview is emptied at once, off screen.
    void DesignChanged();

    TPageContext m_context;
    std::unique_ptr<TPopupSource> m_source;
    TPaintBox *m_previewTextPaint = nullptr;
    QWidget *m_previewBrowser = nullptr;
    std::unique_ptr<TPreviewLoader> m_loader;
    QLabel *m_previewNote = nullptr;
    QTimer *m_prepareTimer = nullptr;
    // The preview prepared ahead and not shown yet: its page, the design's revision it shows,
    // and what it added to TempFiles and TempFolders.
    QString m_preparedPage;
    quint64 m_preparedRevision = 0;
    QStringList m_preparedFiles;
    QStringList m_preparedFolders;
};
