#include "app/PublishPage.h"

#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "app/PageControls.h"
#include "app/SitePublishDialog.h"
#include "controls/Panel.h"
#include "document/DesignDocument.h"
#include "output/PageText.h"
#include "output/PopupWriter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>

using namespace PageControls;

namespace {

// The page text as the user reads it in the code field.
QString DisplayText(const QByteArray &pageText)
{
    QByteArray text = pageText;
    text.replace("\r\n", "\n");
    if (text.endsWith('\n'))
        text.chop(1);
    return QFile::decodeName(text);
}

} // namespace

TPublishPage::TPublishPage(const TPageContext &context)
    : m_context(context), m_source(std::make_unique<TDocumentPopupSource>(
                              context.Document, context.TemplateBitmap, context.OutputPicture))
{
}

TPublishPage::~TPublishPage() = default;

void TPublishPage::BuildControls(TPanel *page)
{
    m_page = page;
    TPanel *pageGroup =
        MakeGroup(page, QStringLiteral("Panel6"),
                  tr("Auto modify existing HTML file (or create new)"), 16, 24, 692, 105);
    QLabel *pageLabel = MakeLabel(pageGroup, QStringLiteral("Label12"),
                                  tr("File to modify or create:"), 16, 34, 300);
    m_existingFileEdit =
        Place(new QLineEdit(pageGroup), QStringLiteral("ExistingFileEdit"), 16, 53, 585, 22);
    m_browseExistingFile =
        MakeButton(pageGroup, QStringLiteral("Button2"), tr("Browse..."), 608, 52);
    m_addPopup = MakeButton(pageGroup, QStringLiteral("AddPopup"), tr("Add popup"), 608, 78);
    // A whole site instead of one page, in the free corner below the page's name.
    auto *site = Place(new QPushButton(tr("Publish to a site..."), pageGroup),
                       QStringLiteral("SitePublishButton"), 16, 78, 150, 23);
    QObject::connect(site, &QPushButton::clicked, site, guarded([this] { SitePublishClick(); }));

    TPanel *manualGroup =
        MakeGroup(page, QStringLiteral("Panel7"), tr("Manual HTML change"), 16, 152, 692, 361);
    QLabel *folderLabel = MakeLabel(manualGroup, QStringLiteral("Label14"),
                                    tr("Folder to save necessary files:"), 16, 34, 300);
    m_saveToFolder =
        Place(new QLineEdit(manualGroup), QStringLiteral("SaveToFolder"), 16, 53, 585, 22);
    m_browseSaveFolder =
        MakeButton(manualGroup, QStringLiteral("Button4"), tr("Change..."), 608, 52);
    GreyLabel(manualGroup, QStringLiteral("Label18"),
              tr("HTML file must be one level above the popup files."), 16, 82);
    GreyLabel(manualGroup, QStringLiteral("Label16"),
              tr("If used in an alternative location, please edit paths in JavaScript "
                 "and HTML files manually."),
              16, 100);
    m_saveFiles = MakeButton(manualGroup, QStringLiteral("SaveFiles"), tr("Save files"), 608, 86);
    QLabel *codeLabel = MakeLabel(manualGroup, QStringLiteral("Label13"),
                                  tr("Code to place in HTML file:"), 16, 134, 300);
    m_htmlCode =
        Place(new QPlainTextEdit(manualGroup), QStringLiteral("HTMLCode"), 16, 154, 665, 185);
    m_htmlCode->setReadOnly(true);
    m_htmlCode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_htmlCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The code is read and copied with the keyboard too; Tab goes on to the next control.
    m_htmlCode->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_htmlCode->setTabChangesFocus(true);
    pageLabel->setBuddy(m_existingFileEdit);
    folderLabel->setBuddy(m_saveToFolder);
    codeLabel->setBuddy(m_htmlCode);
    SetReadingOrder({m_existingFileEdit, m_browseExistingFile, site, m_addPopup, m_saveToFolder,
                     m_browseSaveFolder, m_saveFiles, m_htmlCode});

    QObject::connect(m_existingFileEdit, &QLineEdit::textChanged, m_existingFileEdit,
                     guarded([this] { ExistingFileEditChange(); }));

    // Every edit goes into the design document at once.
    for (QLineEdit *edit : {m_existingFileEdit, m_saveToFolder})
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { SyncDocument(); });
    m_groups = {pageGroup, manualGroup};
    QObject::connect(m_addPopup, &QPushButton::clicked, m_addPopup,
                     guarded([this] { AddPopupChange(); }));
    QObject::connect(m_saveFiles, &QPushButton::clicked, m_saveFiles,
                     guarded([this] { SaveFilesClick(); }));
    QObject::connect(m_browseExistingFile, &QPushButton::clicked, m_browseExistingFile,
                     guarded([this] { BrowseExistingFileClick(); }));
    QObject::connect(m_browseSaveFolder, &QPushButton::clicked, m_browseSaveFolder,
                     guarded([this] { BrowseSaveFolderClick(); }));
}

void TPublishPage::ApplyDefaults()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    m_saveToFolder->setText(desktop);
    m_existingFileEdit->setText(JoinPath(desktop, QStringLiteral("Popup.htm")));
}

void TPublishPage::SyncDocument()
{
    if (m_showing)
        return;
    const TDesignState before = m_context.Document.Snapshot();
    m_context.Document.Output.ExistingFile = m_existingFileEdit->text();
    m_context.Document.Output.SaveToFolder = m_saveToFolder->text();
    RecordSettingsStep(m_context.History, before, *m_page);
}

void TPublishPage::ShowDocument()
{
    m_showing = true;
    m_existingFileEdit->setText(m_context.Document.Output.ExistingFile);
    m_saveToFolder->setText(m_context.Document.Output.SaveToFolder);
    m_showing = false;
    SyncDocument();
}

template <class F> void TPublishPage::Publish(F write)
{
    // The new name is the design's from now on (a change to save), but not a step to undo.
    const TDesignState before = m_context.Document.Snapshot();
    QString &name = m_context.Document.Settings.CookieName;
    const QString kept = name;
    if (kept.isEmpty() || m_context.Navigation.NewPopupNameWanted())
        name = NewCookieName();
    try {
        write();
    } catch (...) {
        name = kept;
        throw;
    }
    // The behaviour page sees the new name and clears its wish for one.
    m_context.Document.Announce(before);
}

void TPublishPage::AddPopupChange()
{
    SyncDocument();
    const QString page = m_existingFileEdit->text();
    const QString folder = PopupFolderForPage(page);
    TWrittenPopup written;
    Publish([&] { written = WritePopupFiles(*m_source, page, folder, false); });
    // The design goes with the popup, so that the page can be opened and edited later.
    m_context.Navigation.DesignPublished(folder);
    m_htmlCode->clear();
    Dialogs::message(&m_context.Window, tr("Done"),
                     tr("Your Vantelle files have been saved,\r\n"
                        "and your HTML document modified.\r\n"
                        "You are now ready to upload the files to your server"),
                     QMessageBox::Information, QMessageBox::Ok);
}

void TPublishPage::SitePublishClick()
{
    SyncDocument();
    const QString design = m_context.Navigation.DesignPath();
    TSitePublishDialog dialog(&m_context.Window, *m_source,
                              design.isEmpty() ? QStringLiteral("popup") : FileBaseName(design));
    dialog.exec();
}

void TPublishPage::ExistingFileEditChange()
{
    m_addPopup->setEnabled(!m_existingFileEdit->text().isEmpty());
}

void TPublishPage::SaveFilesClick()
{
    SyncDocument();
    TWrittenPopup written;
    Publish(
        [&] { written = WritePopupFiles(*m_source, QString(), m_saveToFolder->text(), false); });
    m_htmlCode->setPlainText(DisplayText(written.PageText));
    Dialogs::message(&m_context.Window, tr("Done"),
                     tr("Your Vantelle files have been saved,\r\n"
                        "but your HTML document ought to be modified by you"),
                     QMessageBox::Information, QMessageBox::Ok);
}

void TPublishPage::BrowseExistingFileClick()
{
    QString name =
        Dialogs::getSaveFileName(&m_context.Window, QString(), m_existingFileEdit->text(),
                                 tr("HTML pages (*.htm;*.html)|*.htm;*.html|Any file (*.*)|*.*"));
    if (name.isEmpty())
        return;
    // The dialog's default extension.
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".htm");
    m_existingFileEdit->setText(name);
}

void TPublishPage::BrowseSaveFolderClick()
{
    const QString folder = Dialogs::getExistingDirectory(
        &m_context.Window, tr("Folder to save files to"), m_saveToFolder->text());
    if (!folder.isEmpty())
        m_saveToFolder->setText(folder);
}
