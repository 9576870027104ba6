#include "app/OutputPages.h"

#include "app/AppStart.h"
#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "app/MoreOptionsDialog.h"
#include "app/SitePublishDialog.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "document/DesignDocument.h"
#include "output/PageText.h"
#include "output/PopupComposer.h"
#include "output/PopupWriter.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>

#include <limits>

namespace {

template <class W> W *Place(W *widget, const QString &name, int x, int y, int w, int h)
{
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, int x, int y, int w)
{
    return Place(new QLabel(text, parent), name, x, y, w, 18);
}

QRadioButton *MakeRadio(QWidget *parent, const QString &name, const QString &text, int x, int y,
                        int w, bool checked)
{
    auto *radio = Place(new QRadioButton(text, parent), name, x, y, w, 20);
    radio->setChecked(checked);
    return radio;
}

// Left edge of "Show it again to visitors who have seen it" in the sessions group.
constexpr int kShowAgainLeft = 250;

// Any whole number: the settings read the box's text, so no range may get in the way.
// A number box that lets its page hear every keystroke in it, a half-typed number included.
class TNumberBox : public QSpinBox {
public:
    using QSpinBox::lineEdit;
    using QSpinBox::QSpinBox;
};

QSpinBox *MakeSpin(QWidget *parent, const QString &name, int x, int y, int value)
{
    auto *spin = Place(new TNumberBox(parent), name, x, y, 90, 22);
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spin->setValue(value);
    // An emptied box reads as 0 and must not get its old number back when focus leaves it.
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return spin;
}

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, int x, int y)
{
    return Place(new QPushButton(text, parent), name, x, y, 75, 23);
}

TPanel *MakeGroup(QWidget *page, const QString &name, const QString &caption, int x, int y, int w,
                  int h)
{
    auto *group = new TPanel(page, name, caption);
    group->setGeometry(x, y, w, h);
    return group;
}

QLabel *GreyLabel(QWidget *parent, const QString &name, const QString &text, int x, int y)
{
    QLabel *label = MakeLabel(parent, name, text, x, y, 660);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 128, 128));
    label->setPalette(palette);
    return label;
}

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

TOutputPages::TOutputPages(const TPageContext &context)
    : m_context(context), m_source(std::make_unique<TDocumentPopupSource>(
                              context.Document, context.TemplateBitmap, context.OutputPicture))
{
}

TOutputPages::~TOutputPages() = default;

void TOutputPages::BuildControls(TPanel *page3, TPanel *page4, TPanel *page5)
{
    m_behaviourPage = page3;
    m_outputPage = page5;
    // Page 3: behaviour.
    TPanel *clickGroup = MakeGroup(page3, QStringLiteral("Panel8"),
                                   QStringLiteral("Popup click action"), 16, 16, 692, 81);
    m_closePopup = MakeRadio(clickGroup, QStringLiteral("ClosePopup"),
                             QStringLiteral("Close Popup"), 24, 32, 300, false);
    m_openLink = MakeRadio(clickGroup, QStringLiteral("OpenLink"), QStringLiteral("Open Link"), 24,
                           54, 300, true);

    // Beside the click action, where the group has room: the text that screen readers say for
    // the popup, made from the design's texts until the user writes their own.
    MakeLabel(clickGroup, QStringLiteral("ScreenReaderTextLabel"),
              QStringLiteral("Text for screen readers:"), 330, 30, 340);
    m_screenReaderText =
        Place(new QLineEdit(clickGroup), QStringLiteral("ScreenReaderText"), 330, 50, 347, 22);
    m_screenReaderText->setToolTip(QStringLiteral(
        "What screen readers say for the popup and its picture; empty: the design's texts"));

    TPanel *linkGroup = MakeGroup(page3, QStringLiteral("Panel9"), QStringLiteral("Website link"),
                                  16, 108, 692, 121);
    m_urlLabel = MakeLabel(linkGroup, QStringLiteral("Label8"), QStringLiteral("URL:"), 24, 36, 40);
    // Empty means no link: a click on the popup then does nothing.
    m_urlEdit = Place(new QLineEdit(linkGroup), QStringLiteral("URLEdit"), 60, 34, 617, 22);
    m_urlEdit->setPlaceholderText(QStringLiteral("https://"));
    m_urlEdit->setToolTip(QStringLiteral("The address a click on the popup opens: http:// or "
                                         "https://, mailto:, tel:, or relative to the page; "
                                         "empty for none"));
    m_sameWindow =
        MakeRadio(linkGroup, QStringLiteral("SameWindow"),
                  QStringLiteral("Open link in the same browser window"), 24, 68, 420, true);
    m_newWindow =
        MakeRadio(linkGroup, QStringLiteral("NewWindow"),
                  QStringLiteral("Open link in a new browser window"), 24, 92, 420, false);

    TPanel *autoCloseGroup = MakeGroup(page3, QStringLiteral("Panel10"),
                                       QStringLiteral("Auto close popup"), 16, 240, 692, 89);
    m_enableAutoClose = Place(new QCheckBox(QStringLiteral("Enable auto close"), autoCloseGroup),
                              QStringLiteral("EnableAutoClose"), 24, 32, 300, 20);
    m_delayLabel = MakeLabel(autoCloseGroup, QStringLiteral("Label9"),
                             QStringLiteral("Delay in seconds:"), 24, 60, 120);
    m_delayTime = MakeSpin(autoCloseGroup, QStringLiteral("DelayTime"), 150, 58, 7);
    // A popup closed after 0 seconds is never seen; the box takes only what the design does.
    m_delayTime->setRange(SettingRanges::AutoCloseDelay.Lowest,
                          SettingRanges::AutoCloseDelay.Highest);
    // An emptied box gets its number back rather than the smallest delay.
    m_delayTime->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);

    TPanel *sessionGroup =
        MakeGroup(page3, QStringLiteral("Panel11"), QStringLiteral("Sessions"), 16, 340, 692, 81);
    m_openOncePerSession =
        MakeRadio(sessionGroup, QStringLiteral("OpenOncePerSession"),
                  QStringLiteral("Open popup once per session"), 24, 32, 420, true);
    m_everyLoad =
        MakeRadio(sessionGroup, QStringLiteral("RadioButton4"),
                  QStringLiteral("Open popup every time page is loaded"), 24, 54, 420, false);

    // The further options, in the free right part of the sessions group.
    m_moreOptions = Place(new QPushButton(QStringLiteral("More options..."), sessionGroup),
                          QStringLiteral("MoreOptions"), 567, 43, 110, 23);
    // Beside the short first choice, left of "More options...". The first choice's box ends
    // where this one starts, so that neither takes the other's clicks.
    m_openOncePerSession->resize(kShowAgainLeft - 24, m_openOncePerSession->height());
    m_showAgain = Place(
        new QCheckBox(QStringLiteral("Show it again to visitors who have seen it"), sessionGroup),
        QStringLiteral("ShowAgain"), kShowAgainLeft, 32, 560 - kShowAgainLeft, 20);
    m_showAgain->setToolTip(QStringLiteral(
        "The next Add popup or Save files gives the popup a new name, so that browsers show it "
        "again to visitors who have seen it; otherwise the popup keeps its name"));

    TPanel *positionGroup =
        MakeGroup(page3, QStringLiteral("Panel12"), QStringLiteral("Position"), 16, 432, 692, 81);
    m_autoCenter = MakeRadio(positionGroup, QStringLiteral("AutoCenter"),
                             QStringLiteral("Auto center popup window"), 24, 32, 300, true);
    m_setManual =
        MakeRadio(positionGroup, QStringLiteral("SetManual"),
                  QStringLiteral("Set popup window position on page"), 24, 54, 300, false);
    m_leftLabel =
        MakeLabel(positionGroup, QStringLiteral("Label10"), QStringLiteral("Left:"), 340, 56, 36);
    m_leftSpin = MakeSpin(positionGroup, QStringLiteral("LeftSpin"), 378, 54, 0);
    m_topLabel =
        MakeLabel(positionGroup, QStringLiteral("Label11"), QStringLiteral("Top:"), 490, 56, 34);
    m_topSpin = MakeSpin(positionGroup, QStringLiteral("TopSpin"), 526, 54, 0);

    for (QRadioButton *radio : {m_closePopup, m_openLink})
        QObject::connect(radio, &QRadioButton::clicked, radio,
                         guarded([this] { PopupClickActionChanged(); }));
    QObject::connect(m_enableAutoClose, &QCheckBox::clicked, m_enableAutoClose,
                     guarded([this] { EnableAutoCloseClick(); }));
    for (QRadioButton *radio : {m_autoCenter, m_setManual})
        QObject::connect(radio, &QRadioButton::clicked, radio,
                         guarded([this] { PositionTypeChanged(); }));
    // A box the user empties follows the design again.
    QObject::connect(m_screenReaderText, &QLineEdit::textEdited, m_screenReaderText,
                     [this](const QString &text) { m_readerTextEdited = !text.isEmpty(); });
    QObject::connect(m_moreOptions, &QPushButton::clicked, m_moreOptions,
                     guarded([this] { MoreOptionsClick(); }));

    // Page 4: preview. The window sizes, places and paints the heading.
    m_previewTextPaint = new TPaintBox(page4, QStringLiteral("PreviewTextPaint"));
    m_previewTextPaint->resize(190, 40);
    // The browser's place: the browser itself is made from its module when first needed.
    m_previewBrowser =
        Place(new QWidget(page4), QStringLiteral("PreviewBrowser"), 16, 48, 692, 465);
    // Beside the heading while the design has a schedule or device limit.
    m_previewNote = GreyLabel(page4, QStringLiteral("PreviewScheduleNote"),
                              QStringLiteral("The preview shows the popup whatever its schedule "
                                             "and devices."),
                              470, 8);
    m_previewNote->setGeometry(470, 8, 238, 36);
    m_previewNote->setWordWrap(true);
    m_previewNote->hide();

    // Page 5: output.
    TPanel *pageGroup = MakeGroup(page5, QStringLiteral("Panel6"),
                                  QStringLiteral("Auto modify existing HTML file (or create new)"),
                                  16, 24, 692, 105);
    MakeLabel(pageGroup, QStringLiteral("Label12"), QStringLiteral("File to modify or create:"), 16,
              34, 300);
    m_existingFileEdit =
        Place(new QLineEdit(pageGroup), QStringLiteral("ExistingFileEdit"), 16, 53, 585, 22);
    m_browseExistingFile =
        MakeButton(pageGroup, QStringLiteral("Button2"), QStringLiteral("Browse..."), 608, 52);
    m_addPopup =
        MakeButton(pageGroup, QStringLiteral("AddPopup"), QStringLiteral("Add popup"), 608, 78);
    // A whole site instead of one page, in the free corner below the page's name.
    auto *site = Place(new QPushButton(QStringLiteral("Publish to a site..."), pageGroup),
                       QStringLiteral("SitePublishButton"), 16, 78, 150, 23);
    QObject::connect(site, &QPushButton::clicked, site, guarded([this] { SitePublishClick(); }));

    TPanel *manualGroup = MakeGroup(page5, QStringLiteral("Panel7"),
                                    QStringLiteral("Manual HTML change"), 16, 152, 692, 361);
    MakeLabel(manualGroup, QStringLiteral("Label14"),
              QStringLiteral("Folder to save necessary files:"), 16, 34, 300);
    m_saveToFolder =
        Place(new QLineEdit(manualGroup), QStringLiteral("SaveToFolder"), 16, 53, 585, 22);
    m_browseSaveFolder =
        MakeButton(manualGroup, QStringLiteral("Button4"), QStringLiteral("Change..."), 608, 52);
    GreyLabel(manualGroup, QStringLiteral("Label18"),
              QStringLiteral("HTML file must be one level above the popup files."), 16, 82);
    GreyLabel(manualGroup, QStringLiteral("Label16"),
              QStringLiteral("If used in an alternative location, please edit paths in JavaScript "
                             "and HTML files manually."),
              16, 100);
    m_saveFiles =
        MakeButton(manualGroup, QStringLiteral("SaveFiles"), QStringLiteral("Save files"), 608, 86);
    MakeLabel(manualGroup, QStringLiteral("Label13"), QStringLiteral("Code to place in HTML file:"),
              16, 134, 300);
    m_htmlCode =
        Place(new QPlainTextEdit(manualGroup), QStringLiteral("HTMLCode"), 16, 154, 665, 185);
    m_htmlCode->setReadOnly(true);
    m_htmlCode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_htmlCode->setLineWrapMode(QPlainTextEdit::NoWrap);

    QObject::connect(m_existingFileEdit, &QLineEdit::textChanged, m_existingFileEdit,
                     guarded([this] { ExistingFileEditChange(); }));

    // Every edit on pages 3 and 5 goes into the design document at once.
    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
             m_closePopup, m_openLink, m_sameWindow, m_newWindow, m_enableAutoClose,
             m_openOncePerSession, m_everyLoad, m_showAgain, m_autoCenter, m_setManual})
        QObject::connect(button, &QAbstractButton::toggled, button, [this] { SyncDocument(); });
    for (QLineEdit *edit : {m_screenReaderText, m_urlEdit, m_existingFileEdit, m_saveToFolder,
                            static_cast<TNumberBox *>(m_delayTime)->lineEdit(),
                            static_cast<TNumberBox *>(m_leftSpin)->lineEdit(),
                            static_cast<TNumberBox *>(m_topSpin)->lineEdit()})
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { SyncDocument(); });
    m_groups = {clickGroup,    linkGroup, autoCloseGroup, sessionGroup,
                positionGroup, pageGroup, manualGroup};
    QObject::connect(m_addPopup, &QPushButton::clicked, m_addPopup,
                     guarded([this] { AddPopupChange(); }));
    QObject::connect(m_saveFiles, &QPushButton::clicked, m_saveFiles,
                     guarded([this] { SaveFilesClick(); }));
    QObject::connect(m_browseExistingFile, &QPushButton::clicked, m_browseExistingFile,
                     guarded([this] { BrowseExistingFileClick(); }));
    QObject::connect(m_browseSaveFolder, &QPushButton::clicked, m_browseSaveFolder,
                     guarded([this] { BrowseSaveFolderClick(); }));
}

void TOutputPages::ApplyDefaults()
{
    PopupClickActionChanged();
    EnableAutoCloseClick();
    PositionTypeChanged();
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    m_saveToFolder->setText(desktop);
    m_existingFileEdit->setText(JoinPath(desktop, QStringLiteral("Popup.htm")));
}

TPopupSettings TOutputPages::ReadPopupSettings() const
{
    // The further options live in the document only; the page's controls cover the rest.
    TPopupSettings s = m_context.Document.Settings;
    s.ClickOpensLink = m_openLink->isChecked();
    s.LinkURL = m_urlEdit->text();
    s.LinkInSameWindow = m_sameWindow->isChecked();
    s.AutoClose = m_enableAutoClose->isChecked();
    // The box's number, always in its range, even while its text is being typed.
    s.AutoCloseDelay = m_delayTime->value();
    s.OncePerSession = m_openOncePerSession->isChecked();
    s.AutoCenter = m_autoCenter->isChecked();
    s.ManualLeft = ReadSpinValue(m_leftSpin->text());
    s.ManualTop = ReadSpinValue(m_topSpin->text());
    // Left empty while it follows the design, so that the output takes the design's texts as
    // they are at that moment.
    s.ScreenReaderText = m_readerTextEdited ? m_screenReaderText->text() : QString();
    return s;
}

void TOutputPages::PopupClickActionChanged()
{
    const bool on = m_openLink->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_urlLabel), static_cast<QWidget *>(m_urlEdit),
                       static_cast<QWidget *>(m_sameWindow), static_cast<QWidget *>(m_newWindow)})
        w->setEnabled(on);
}

void TOutputPages::EnableAutoCloseClick()
{
    const bool on = m_enableAutoClose->isChecked();
    m_delayLabel->setEnabled(on);
    m_delayTime->setEnabled(on);
}

void TOutputPages::PositionTypeChanged()
{
    const bool on = m_setManual->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_leftLabel), static_cast<QWidget *>(m_topLabel),
                       static_cast<QWidget *>(m_leftSpin), static_cast<QWidget *>(m_topSpin)})
        w->setEnabled(on);
}

void TOutputPages::SyncDocument()
{
    if (m_showing)
        return;
    const TDesignState before = m_context.Document.Snapshot();
    m_context.Document.Settings = ReadPopupSettings();
    m_context.Document.Output.ExistingFile = m_existingFileEdit->text();
    m_context.Document.Output.SaveToFolder = m_saveToFolder->text();
    RecordSettingsChange(before);
}

void TOutputPages::RecordSettingsChange(const TDesignState &before)
{
    // Keystrokes go to the box with the focus; a button or a choice is a step of its own.
    const QWidget *focus = QApplication::focusWidget();
    const bool typing =
        focus &&
        (qobject_cast<const QLineEdit *>(focus) || qobject_cast<const QAbstractSpinBox *>(focus)) &&
        (m_behaviourPage->isAncestorOf(focus) || m_outputPage->isAncestorOf(focus));
    const int box = typing ? static_cast<int>(qHash(focus->objectName()) & 0x7FFFFFFF) : -1;
    m_context.History.Record(QStringLiteral("Settings"), before,
                             typing ? TChangeKind::Field : TChangeKind::Other, box);
}

void TOutputPages::ShowPopupSettings(const TPopupSettings &s)
{
    (s.ClickOpensLink ? m_openLink : m_closePopup)->setChecked(true);
    m_urlEdit->setText(s.LinkURL);
    (s.LinkInSameWindow ? m_sameWindow : m_newWindow)->setChecked(true);
    m_enableAutoClose->setChecked(s.AutoClose);
    m_delayTime->setValue(s.AutoCloseDelay);
    (s.OncePerSession ? m_openOncePerSession : m_everyLoad)->setChecked(true);
    (s.AutoCenter ? m_autoCenter : m_setManual)->setChecked(true);
    m_leftSpin->setValue(s.ManualLeft);
    m_topSpin->setValue(s.ManualTop);
    m_readerTextEdited = !s.ScreenReaderText.isEmpty();
    m_screenReaderText->setText(m_readerTextEdited ? s.ScreenReaderText
                                                   : DesignReadingText(m_context.Document.Model));
    m_screenReaderText->setEnabled(s.ScreenReaderTextOn);
    PopupClickActionChanged();
    EnableAutoCloseClick();
    PositionTypeChanged();
}

void TOutputPages::EnterBehaviourPage()
{
    if (!m_readerTextEdited)
        m_screenReaderText->setText(DesignReadingText(m_context.Document.Model));
    m_screenReaderText->setEnabled(m_context.Document.Settings.ScreenReaderTextOn);
}

void TOutputPages::LeaveBehaviourPage()
{
    SyncDocument();
    const TPopupSettings &s = m_context.Document.Settings;
    CheckPopupSettings(s);
    CheckCloseButtonPlace(
        m_context.Document.DocumentSize,
        CloseButtonRect(m_context.Document.Model, m_context.Document.DocumentSize));
    if (!s.ClickOpensLink || OpensLink(s)) {
        m_noLinkNoted = false;
        return;
    }
    if (m_noLinkNoted)
        return;
    m_noLinkNoted = true;
    Dialogs::message(&m_context.Window, ApplicationTitle(),
                     QStringLiteral("The popup has no link: a click on it will do nothing.\r\n"
                                    "Type the address to open in the URL box, or choose "
                                    "\"Close Popup\" to let a click close it."),
                     QMessageBox::Information, QMessageBox::Ok);
}

void TOutputPages::MoreOptionsClick()
{
    SyncDocument();
    TMoreOptionsDialog dialog(&m_context.Window);
    dialog.SetSettings(m_context.Document.Settings);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TDesignState before = m_context.Document.Snapshot();
    m_context.Document.Settings = dialog.Settings(m_context.Document.Settings);
    m_context.History.Record(QStringLiteral("More options"), before);
    m_screenReaderText->setEnabled(m_context.Document.Settings.ScreenReaderTextOn);
}

void TOutputPages::ShowDocument()
{
    m_showing = true;
    ShowPopupSettings(m_context.Document.Settings);
    m_existingFileEdit->setText(m_context.Document.Output.ExistingFile);
    m_saveToFolder->setText(m_context.Document.Output.SaveToFolder);
    m_showAgain->setChecked(false);
    m_noLinkNoted = false;
    m_showing = false;
    SyncDocument();
}

QString TOutputPages::WritePreviewFiles()
{
    SyncDocument();
    const QString page = ::WritePreviewFiles(*m_source, QDir::tempPath(), m_context.TempFiles,
                                             m_context.TempFolders);
    ScriptFolderName = QStringLiteral("files");
    const TPopupSettings &settings = m_context.Document.Settings;
    m_previewNote->setVisible(settings.Schedule.IsSet() || settings.Devices != TPopupDevices::All);
    return page;
}

template <class F> void TOutputPages::Publish(F write)
{
    // The new name is the design's from now on (a change to save), but not a step to undo.
    const TDesignState before = m_context.Document.Snapshot();
    QString &name = m_context.Document.Settings.CookieName;
    const QString kept = name;
    if (kept.isEmpty() || m_showAgain->isChecked())
        name = NewCookieName();
    try {
        write();
    } catch (...) {
        name = kept;
        throw;
    }
    m_context.Document.Announce(before);
    m_showAgain->setChecked(false);
}

void TOutputPages::AddPopupChange()
{
    SyncDocument();
    const QString page = m_existingFileEdit->text();
    const QString folder = PopupFolderForPage(page);
    TWrittenPopup written;
    Publish([&] { written = WritePopupFiles(*m_source, page, folder, false); });
    ScriptFolderName = written.ScriptFolderName;
    // The design goes with the popup, so that the page can be opened and edited later.
    m_context.Navigation.DesignPublished(folder);
    m_htmlCode->clear();
    Dialogs::message(&m_context.Window, QStringLiteral("Done"),
                     QStringLiteral("Your Vantelle files have been saved,\r\n"
                                    "and your HTML document modified.\r\n"
                                    "You are now ready to upload the files to your server"),
                     QMessageBox::Information, QMessageBox::Ok);
}

void TOutputPages::SitePublishClick()
{
    SyncDocument();
    const QString design = m_context.Navigation.DesignPath();
    TSitePublishDialog dialog(&m_context.Window, *m_source,
                              design.isEmpty() ? QStringLiteral("popup") : FileBaseName(design));
    dialog.exec();
}

void TOutputPages::ExistingFileEditChange()
{
    m_addPopup->setEnabled(!m_existingFileEdit->text().isEmpty());
}

void TOutputPages::SaveFilesClick()
{
    SyncDocument();
    TWrittenPopup written;
    Publish(
        [&] { written = WritePopupFiles(*m_source, QString(), m_saveToFolder->text(), false); });
    ScriptFolderName = written.ScriptFolderName;
    m_htmlCode->setPlainText(DisplayText(written.PageText));
    Dialogs::message(&m_context.Window, QStringLiteral("Done"),
                     QStringLiteral("Your Vantelle files have been saved,\r\n"
                                    "but your HTML document ought to be modified by you"),
                     QMessageBox::Information, QMessageBox::Ok);
}

void TOutputPages::BrowseExistingFileClick()
{
    QString name = Dialogs::getSaveFileName(
        &m_context.Window, QString(), m_existingFileEdit->text(),
        QStringLiteral("HTML pages (*.htm;*.html)|*.htm;*.html|Any file (*.*)|*.*"));
    if (name.isEmpty())
        return;
    // The dialog's default extension.
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".htm");
    m_existingFileEdit->setText(name);
}

void TOutputPages::BrowseSaveFolderClick()
{
    const QString folder = Dialogs::getExistingDirectory(
        &m_context.Window, QStringLiteral("Folder to save files to"), m_saveToFolder->text());
    if (!folder.isEmpty())
        m_saveToFolder->setText(folder);
}
