#include "app/PreviewPage.h"

#include "app/PageControls.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "document/DesignDocument.h"
#include "output/PopupWriter.h"

#include <QDir>
#include <QLabel>
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
}

QString TPreviewPage::WritePreviewFiles()
{
    const QString page = ::WritePreviewFiles(*m_source, QDir::tempPath(), m_context.TempFiles,
                                             m_context.TempFolders);
    const TPopupSettings &settings = m_context.Document.Settings;
    m_previewNote->setVisible(settings.Schedule.IsSet() || settings.Devices != TPopupDevices::All);
    return page;
}

void TPreviewPage::ClearBrowser()
{
    if (QWidget *browser = m_loader->ExistingBrowser())
        browser->setProperty("url", QUrl(QStringLiteral("about:blank")));
}

void TPreviewPage::ShowPreview(const QString &page)
{
    m_loader->SetUrl(QUrl::fromLocalFile(page));
}
