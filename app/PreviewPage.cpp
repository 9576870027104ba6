#include "app/PreviewPage.h"

#include "app/PageControls.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "document/DesignDocument.h"
#include "imaging/VantelleError.h"
#include "output/PopupWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QUrl>

using namespace PageControls;

TPreviewPage::TPreviewPage(const TPageContext &context)
    : m_context(context), m_source(std::make_unique<TDocumentPopupSource>(
                              context.Document, context.TemplateBitmap, context.OutputPicture))
{
}

TPreviewPage::~TPreviewPage() = default;

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
    const TPopupSettings &settings = m_context.Document.Settings;
    m_previewNote->setVisible(settings.Schedule.IsSet() || settings.Devices != TPopupDevices::All);
    return page;
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

void TPreviewPage::DropPrepared()
{
    if (!m_preparedPage.isEmpty() && m_loader->PageUrl() == QUrl::fromLocalFile(m_preparedPage))
        m_loader->Clear();
    RemoveTempFiles(m_preparedFiles, m_preparedFolders);
    for (const QString &file : std::as_const(m_preparedFiles))
        m_context.TempFiles.removeOne(file);
    // A folder that holds something else stays, and stays listed for the exit.
    for (const QString &folder : std::as_const(m_preparedFolders))
        if (!QFileInfo::exists(folder))
            m_context.TempFolders.removeOne(folder);
    m_preparedPage.clear();
    m_preparedFiles.clear();
    m_preparedFolders.clear();
}

void TPreviewPage::Prepare()
{
    const int shown = m_context.Navigation.ShownPage();
    if (shown == 4) {
        if (m_loader->ExistingBrowser() && m_loader->PageUrl().isLocalFile())
            return; // already the design as it is
        try {
            m_loader->SetUrl(QUrl::fromLocalFile(WritePreviewFiles()));
        } catch (const EVantelleError &) {
            // Left empty: going back to page 3 says what is wrong.
        }
        return;
    }
    if (shown != 3)
        return;
    if (!PreparedIsCurrent()) {
        DropPrepared();
        QString page;
        try {
            page = ::WritePreviewFiles(*m_source, QDir::tempPath(), m_preparedFiles,
                                       m_preparedFolders);
        } catch (const EVantelleError &) {
            // Next writes the preview again and says what is wrong.
        }
        m_context.TempFiles << m_preparedFiles;
        m_context.TempFolders << m_preparedFolders;
        if (page.isEmpty()) {
            DropPrepared();
            return;
        }
        m_preparedPage = page;
        m_preparedRevision = m_context.Document.Revision();
    }
    m_loader->Preload(QUrl::fromLocalFile(m_preparedPage));
}

QString TPreviewPage::PreviewFiles()
{
    m_prepareTimer->stop();
    if (PreparedIsCurrent() && QFileInfo::exists(m_preparedPage)) {
        const QString page = m_preparedPage;
        // Shown now: it stays until the exit, as every shown preview does.
        m_preparedPage.clear();
        m_preparedFiles.clear();
        m_preparedFolders.clear();
        const TPopupSettings &settings = m_context.Document.Settings;
        m_previewNote->setVisible(settings.Schedule.IsSet() ||
                                  settings.Devices != TPopupDevices::All);
        return page;
    }
    DropPrepared();
    m_loader->Clear();
    return WritePreviewFiles();
}

void TPreviewPage::ClearBrowser()
{
    if (!PreparedIsCurrent())
        m_loader->Clear();
}

void TPreviewPage::ShowPreview(const QString &page)
{
    m_loader->SetUrl(QUrl::fromLocalFile(page));
}
