#pragma once

// Page 4 of the wizard: the popup as a browser shows it, from files written into a fresh
// preview folder each time the page is entered from page 3. While page 3 is on show the
// preview of the design as it stands is written and loaded off screen ahead of Next, again
// after each change; Next then shows it when the design has not changed since. Those files are
// composed and written on a worker thread from a copy of the design, so typing on page 3 never
// waits for them; a preview that comes back for a design changed since is thrown away. The
// browser is made from its module when first needed (TPreviewLoader).

#include "app/PageContext.h"
#include "app/PreviewLoader.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <memory>

template <typename T> class QFutureWatcher;
class QLabel;
class QThreadPool;
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
    // Whether the view is there and shows a preview of the design as it is (a change drops
    // the view): coming back from page 5 it is shown again only when it is not.
    bool ShowsDesign() const;

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
    // The one thread that writes the preview prepared ahead (tests hold it to see a job outlast
    // a change). Qt's own image work waits for threads of the global pool, so the preview
    // keeps out of it.
    QThreadPool &Workers() noexcept { return *m_workers; }

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

    // A preview being written on a worker thread.
    struct TJob;
    // Starts writing the preview of the design as it is now on a worker.
    void StartJob();
    // The worker is done with the job under way (called on the window's thread).
    void JobEnded();
    // Takes a job that has ended: a preview of the design as it is now becomes the one prepared
    // (listed for the exit); any other is removed. True when it was taken.
    bool TakeJob(TJob &job);
    // Removes a preview's files and its folders where they hold nothing else; listed says
    // whether TempFiles and TempFolders name them. A folder that stays is listed for the exit.
    void RemovePreview(const QStringList &files, const QStringList &folders, bool listed);
    // The note beside the heading follows the design's schedule and devices.
    void ShowNote();

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
    std::unique_ptr<QThreadPool> m_workers;
    // The job under way, if any, and what tells the window's thread that it ended.
    std::shared_ptr<TJob> m_job;
    std::unique_ptr<QFutureWatcher<void>> m_jobWatch;
};
