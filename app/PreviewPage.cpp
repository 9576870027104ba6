#include "app/PreviewPage.h"

#include "app/PageControls.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "document/DesignDocument.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "imaging/VantelleError.h"
#include "output/PopupWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QFuture>
#include <QFutureWatcher>
#include <QLabel>
#include <QPromise>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

using namespace PageControls;

// What a worker needs to write a preview: a copy of the design (its pictures are shared and
// never changed in place), the folder made for it on the window's thread, and what it holds.
struct TPreviewPage::TJob {
    quint64 Revision = 0;
    TDesignState Design;
    QString Page;
    QStringList Files;
    QStringList Folders;
    // Set by the worker; read once Done has finished.
    bool Written = false;
    QFuture<void> Done;
};

namespace {

// Runs on a worker: the design is rebuilt in a document of its own and composed into pictures
// of its own, so nothing of the window's is touched.
void WriteJobFiles(const TDesignState &state, const QString &page, bool &written)
{
    TDesignDocument design;
    design.Restore(state);
    Bitmap32 templateBitmap;
    TPNGObject picture;
    TDocumentPopupSource source(design, templateBitmap, picture);
    try {
        WritePreviewInto(source, page);
        written = true;
    } catch (...) {
        // Next writes the preview again and says what is wrong.
    }
}

} // namespace

TPreviewPage::TPreviewPage(const TPageContext &context)
    : m_context(context), m_source(std::make_unique<TDocumentPopupSource>(
                              context.Document, context.TemplateBitmap, context.OutputPicture)),
      m_workers(std::make_unique<QThreadPool>())
{
    m_workers->setMaxThreadCount(1);
}

TPreviewPage::~TPreviewPage()
{
    // A job under way is not in the lists the window empties at exit: it is waited for and its
    // files removed here.
    if (m_job) {
        m_job->Done.waitForFinished();
        RemoveTempFiles(m_job->Files, m_job->Folders);
    }
}

void TPreviewPage::CreateBrowser(QWidget *page)
{
    // The browser's place: the browser itself is made from its module when first needed.
    m_previewBrowser = Place(new QWidget(page), QStringLiteral("PreviewBrowser"), 16, 48, 692, 465);
    // The browser takes these over when it is made.
    m_previewBrowser->setAccessibleName(tr("Preview of the popup"));
    m_previewBrowser->setAccessibleDescription(
        tr("The popup on an empty page, as a browser shows it"));
    m_loader = std::make_unique<TPreviewLoader>(m_previewBrowser);
}

void TPreviewPage::BuildControls(TPanel *page)
{
    // The window sizes, places and paints the heading.
    m_previewTextPaint = new TPaintBox(page, QStringLiteral("PreviewTextPaint"));
    m_previewTextPaint->resize(190, 40);
    CreateBrowser(page);
    // Beside the heading while the design has a schedule or device limit.
    m_previewNote = GreyLabel(page, QStringLiteral("PreviewScheduleNote"),
                              tr("The preview shows the popup whatever its schedule "
                                 "and devices."),
                              470, 8);
    m_previewNote->setGeometry(470, 8, 238, 36);
    m_previewNote->setWordWrap(true);
    m_previewNote->hide();

    m_prepareTimer = new QTimer(page);
    m_prepareTimer->setSingleShot(true);
    QObject::connect(m_prepareTimer, &QTimer::timeout, page, [this] { Prepare(); });
    QObject::connect(&m_context.Document, &TDesignDocument::Changed, page,
                     [this] { DesignChanged(); });
    QObject::connect(&m_context.Document, &TDesignDocument::Replaced, page,
                     [this] { DesignChanged(); });
}

QString TPreviewPage::WritePreviewFiles()
{
    const QString page = ::WritePreviewFiles(*m_source, QDir::tempPath(), m_context.TempFiles,
                                             m_context.TempFolders);
    ShowNote();
    return page;
}

void TPreviewPage::ShowNote()
{
    const TPopupSettings &settings = m_context.Document.Settings;
    m_previewNote->setVisible(settings.Schedule.IsSet() || settings.Devices != TPopupDevices::All);
}

void TPreviewPage::PrepareAhead()
{
    m_prepareTimer->start(PrepareDelay);
}

bool TPreviewPage::PreparedIsCurrent() const
{
    return !m_preparedPage.isEmpty() && m_preparedRevision == m_context.Document.Revision();
}

void TPreviewPage::DesignChanged()
{
    // What the browser holds, shown or loaded ahead, is of the design before the change. A view
    // that has drawn it goes (it would show it again when next shown); a page loaded ahead that
    // no view has shown is emptied.
    m_loader->DropBrowser();
    const QUrl held = m_loader->PageUrl();
    if (!held.isEmpty() && held.isLocalFile())
        m_loader->Clear();
    // On page 4 itself (an undo there) the preview is made again as on entering it.
    const int shown = m_context.Navigation.ShownPage();
    if (shown == 3 || shown == 4)
        PrepareAhead();
}

void TPreviewPage::RemovePreview(const QStringList &files, const QStringList &folders, bool listed)
{
    RemoveTempFiles(files, folders);
    if (listed)
        for (const QString &file : files)
            m_context.TempFiles.removeOne(file);
    // A folder that holds something else stays, and stays listed for the exit.
    for (const QString &folder : folders) {
        const bool stays = QFileInfo::exists(folder);
        if (listed && !stays)
            m_context.TempFolders.removeOne(folder);
        else if (!listed && stays)
            m_context.TempFolders << folder;
    }
}

void TPreviewPage::DropPrepared()
{
    if (!m_preparedPage.isEmpty() && m_loader->PageUrl() == QUrl::fromLocalFile(m_preparedPage))
        m_loader->Clear();
    RemovePreview(m_preparedFiles, m_preparedFolders, true);
    m_preparedPage.clear();
    m_preparedFiles.clear();
    m_preparedFolders.clear();
}

void TPreviewPage::StartJob()
{
    auto job = std::make_shared<TJob>();
    job->Revision = m_context.Document.Revision();
    job->Design = m_context.Document.Snapshot();
    try {
        // Named and made here: the names never meet another folder's, written now or later.
        job->Page = MakePreviewFolder(QDir::tempPath(), job->Files, job->Folders);
    } catch (const EVantelleError &) {
        // Next writes the preview again and says what is wrong.
        RemovePreview(job->Files, job->Folders, false);
        return;
    }
    auto promise = std::make_shared<QPromise<void>>();
    job->Done = promise->future();
    promise->start();
    m_workers->start([job, promise] {
        WriteJobFiles(job->Design, job->Page, job->Written);
        promise->finish();
    });
    m_job = std::move(job);
    if (!m_jobWatch) {
        m_jobWatch = std::make_unique<QFutureWatcher<void>>();
        QObject::connect(m_jobWatch.get(), &QFutureWatcherBase::finished, m_jobWatch.get(),
                         [this] { JobEnded(); });
    }
    m_jobWatch->setFuture(m_job->Done);
}

bool TPreviewPage::TakeJob(TJob &job)
{
    if (!job.Written || job.Revision != m_context.Document.Revision()) {
        RemovePreview(job.Files, job.Folders, false);
        return false;
    }
    DropPrepared();
    m_context.TempFiles << job.Files;
    m_context.TempFolders << job.Folders;
    m_preparedPage = job.Page;
    m_preparedRevision = job.Revision;
    m_preparedFiles = job.Files;
    m_preparedFolders = job.Folders;
    return true;
}

void TPreviewPage::JobEnded()
{
    // Next may have waited for it and taken it already.
    if (!m_job || !m_job->Done.isFinished())
        return;
    const std::shared_ptr<TJob> job = std::move(m_job);
    if (!TakeJob(*job)) {
        // The design changed while it was written: its own preview, unless a change since
        // has that in hand. A preview that failed is left to Next, which says why.
        if (job->Revision != m_context.Document.Revision() && !m_prepareTimer->isActive())
            Prepare();
        return;
    }
    if (m_context.Navigation.ShownPage() == 4) {
        // A change on page 4 itself: shown at once, and kept until the exit as every shown one.
        const QString page = m_preparedPage;
        m_preparedPage.clear();
        m_preparedFiles.clear();
        m_preparedFolders.clear();
        ShowNote();
        try {
            m_loader->SetUrl(QUrl::fromLocalFile(page));
        } catch (const EVantelleError &) {
            // Left empty: going back to page 3 says what is wrong.
        }
        return;
    }
    m_loader->Preload(QUrl::fromLocalFile(m_preparedPage));
}

void TPreviewPage::Prepare()
{
    const int shown = m_context.Navigation.ShownPage();
    if (shown == 4 && m_loader->ExistingBrowser() && m_loader->PageUrl().isLocalFile())
        return; // already the design as it is
    if (shown != 3 && shown != 4)
        return;
    if (shown == 3 && PreparedIsCurrent()) {
        m_loader->Preload(QUrl::fromLocalFile(m_preparedPage));
        return;
    }
    // One job at a time: one for an older design is followed by a new one when it ends.
    if (m_job)
        return;
    DropPrepared();
    StartJob();
}

QString TPreviewPage::PreviewFiles()
{
    m_prepareTimer->stop();
    // The preview of the design as it is, under way: sooner finished than begun again.
    if (m_job && m_job->Revision == m_context.Document.Revision()) {
        m_job->Done.waitForFinished();
        const std::shared_ptr<TJob> job = std::move(m_job);
        TakeJob(*job);
    }
    if (PreparedIsCurrent() && QFileInfo::exists(m_preparedPage)) {
        const QString page = m_preparedPage;
        // Shown now: it stays until the exit, as every shown preview does.
        m_preparedPage.clear();
        m_preparedFiles.clear();
        m_preparedFolders.clear();
        ShowNote();
        return page;
    }
    DropPrepared();
    m_loader->Clear();
    return WritePreviewFiles();
}

bool TPreviewPage::ShowsDesign() const
{
    return m_loader->ExistingBrowser() && m_loader->PageUrl().isLocalFile();
}

void TPreviewPage::ClearBrowser()
{
    const bool coming = m_job && m_job->Revision == m_context.Document.Revision();
    if (!PreparedIsCurrent() && !coming)
        m_loader->Clear();
}

void TPreviewPage::ShowPreview(const QString &page)
{
    m_loader->SetUrl(QUrl::fromLocalFile(page));
}
