#include "app/BehaviourPage.h"

#include "app/AppStart.h"
#include "app/Dialogs.h"
#include "app/ErrorGuard.h"
#include "app/MoreOptionsDialog.h"
#include "app/PageControls.h"
#include "app/PopupLanguageControl.h"
#include "controls/Panel.h"
#include "document/DesignDocument.h"
#include "output/PopupComposer.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <limits>

using namespace PageControls;

namespace {

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

} // namespace

TBehaviourPage::TBehaviourPage(const TPageContext &context)
    : m_context(context),
      m_documentChanged(QObject::connect(&context.Document, &TDesignDocument::Changed,
                                         &context.Window, [this] { DocumentChanged(); }))
{
}

TBehaviourPage::~TBehaviourPage()
{
    QObject::disconnect(m_documentChanged);
}

void TBehaviourPage::BuildControls(TPanel *page)
{
    m_page = page;
    TPanel *clickGroup =
        MakeGroup(page, QStringLiteral("Panel8"), tr("Popup click action"), 16, 16, 692, 81);
    m_closePopup =
        MakeRadio(clickGroup, QStringLiteral("ClosePopup"), tr("Close Popup"), 24, 32, 300, false);
    m_openLink =
        MakeRadio(clickGroup, QStringLiteral("OpenLink"), tr("Open Link"), 24, 54, 300, true);

    // Beside the click action, where the group has room: the text that screen readers say for
    // the popup, made from the design's texts until the user writes their own.
    QLabel *readerLabel = MakeLabel(clickGroup, QStringLiteral("ScreenReaderTextLabel"),
                                    tr("Text for screen readers:"), 330, 30, 340);
    m_screenReaderText =
        Place(new QLineEdit(clickGroup), QStringLiteral("ScreenReaderText"), 330, 50, 347, 22);
    m_screenReaderText->setToolTip(
        tr("What screen readers say for the popup and its picture; empty: the design's texts"));

    TPanel *linkGroup =
        MakeGroup(page, QStringLiteral("Panel9"), tr("Website link"), 16, 108, 692, 121);
    m_urlLabel = MakeLabel(linkGroup, QStringLiteral("Label8"), tr("URL:"), 24, 36, 40);
    // Empty means no link: a click on the popup then does nothing.
    m_urlEdit = Place(new QLineEdit(linkGroup), QStringLiteral("URLEdit"), 60, 34, 617, 22);
    m_urlEdit->setPlaceholderText(QStringLiteral("https://"));
    m_urlEdit->setToolTip(tr("The address a click on the popup opens: http:// or "
                             "https://, mailto:, tel:, or relative to the page; "
                             "empty for none"));
    m_sameWindow = MakeRadio(linkGroup, QStringLiteral("SameWindow"),
                             tr("Open link in the same browser window"), 24, 68, 420, true);
    m_newWindow = MakeRadio(linkGroup, QStringLiteral("NewWindow"),
                            tr("Open link in a new browser window"), 24, 92, 420, false);

    TPanel *autoCloseGroup =
        MakeGroup(page, QStringLiteral("Panel10"), tr("Auto close popup"), 16, 240, 692, 89);
    m_enableAutoClose = Place(new QCheckBox(tr("Enable auto close"), autoCloseGroup),
                              QStringLiteral("EnableAutoClose"), 24, 32, 300, 20);
    m_delayLabel =
        MakeLabel(autoCloseGroup, QStringLiteral("Label9"), tr("Delay in seconds:"), 24, 60, 120);
    m_delayTime = MakeSpin(autoCloseGroup, QStringLiteral("DelayTime"), 150, 58, 7);
    // A popup closed after 0 seconds is never seen; the box takes only what the design does.
    m_delayTime->setRange(SettingRanges::AutoCloseDelay.Lowest,
                          SettingRanges::AutoCloseDelay.Highest);
    // An emptied box gets its number back rather than the smallest delay.
    m_delayTime->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);

    TPanel *sessionGroup =
        MakeGroup(page, QStringLiteral("Panel11"), tr("Sessions"), 16, 340, 692, 81);
    m_openOncePerSession = MakeRadio(sessionGroup, QStringLiteral("OpenOncePerSession"),
                                     tr("Open popup once per session"), 24, 32, 420, true);
    m_everyLoad = MakeRadio(sessionGroup, QStringLiteral("RadioButton4"),
                            tr("Open popup every time page is loaded"), 24, 54, 420, false);

    // The further options, in the free right part of the sessions group.
    m_moreOptions = Place(new QPushButton(tr("More options..."), sessionGroup),
                          QStringLiteral("MoreOptions"), 567, 43, 110, 23);
    // Beside the short first choice, left of "More options...". The first choice's box ends
    // where this one starts, so that neither takes the other's clicks.
    m_openOncePerSession->resize(kShowAgainLeft - 24, m_openOncePerSession->height());
    m_showAgain =
        Place(new QCheckBox(tr("Show it again to visitors who have seen it"), sessionGroup),
              QStringLiteral("ShowAgain"), kShowAgainLeft, 32, 560 - kShowAgainLeft, 20);
    m_showAgain->setToolTip(
        tr("The next Add popup or Save files gives the popup a new name, so that browsers show it "
           "again to visitors who have seen it; otherwise the popup keeps its name"));

    TPanel *positionGroup =
        MakeGroup(page, QStringLiteral("Panel12"), tr("Position"), 16, 432, 692, 81);
    m_autoCenter = MakeRadio(positionGroup, QStringLiteral("AutoCenter"),
                             tr("Auto center popup window"), 24, 32, 300, true);
    m_setManual = MakeRadio(positionGroup, QStringLiteral("SetManual"),
                            tr("Set popup window position on page"), 24, 54, 300, false);
    m_leftLabel = MakeLabel(positionGroup, QStringLiteral("Label10"), tr("Left:"), 340, 56, 36);
    m_leftSpin = MakeSpin(positionGroup, QStringLiteral("LeftSpin"), 378, 54, 0);
    m_topLabel = MakeLabel(positionGroup, QStringLiteral("Label11"), tr("Top:"), 490, 56, 34);
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

    // Every edit goes into the design document at once.
    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
             m_closePopup, m_openLink, m_sameWindow, m_newWindow, m_enableAutoClose,
             m_openOncePerSession, m_everyLoad, m_showAgain, m_autoCenter, m_setManual})
        QObject::connect(button, &QAbstractButton::toggled, button, [this] { SyncDocument(); });
    for (QLineEdit *edit :
         {m_screenReaderText, m_urlEdit, static_cast<TNumberBox *>(m_delayTime)->lineEdit(),
          static_cast<TNumberBox *>(m_leftSpin)->lineEdit(),
          static_cast<TNumberBox *>(m_topSpin)->lineEdit()})
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { SyncDocument(); });
    m_groups = {clickGroup, linkGroup, autoCloseGroup, sessionGroup, positionGroup};

    // The labels name their boxes (for screen readers and their Alt+letter), and Tab goes
    // through the page as it reads: down the groups, left to right in a row.
    readerLabel->setBuddy(m_screenReaderText);
    m_urlLabel->setBuddy(m_urlEdit);
    m_delayLabel->setBuddy(m_delayTime);
    m_leftLabel->setBuddy(m_leftSpin);
    m_topLabel->setBuddy(m_topSpin);
    // The popup's own words' language, in the free right part of the auto-close group.
    QComboBox *popupLanguage = AddPopupLanguageControl(autoCloseGroup, m_context, 360, 30, 317);
    SetReadingOrder({m_closePopup, m_openLink, m_screenReaderText, m_urlEdit, m_sameWindow,
                     m_newWindow, m_enableAutoClose, popupLanguage, m_delayTime,
                     m_openOncePerSession, m_showAgain, m_everyLoad, m_moreOptions, m_autoCenter,
                     m_setManual, m_leftSpin, m_topSpin});
}

void TBehaviourPage::ApplyDefaults()
{
    PopupClickActionChanged();
    EnableAutoCloseClick();
    PositionTypeChanged();
}

TPopupSettings TBehaviourPage::ReadPopupSettings() const
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

void TBehaviourPage::PopupClickActionChanged()
{
    const bool on = m_openLink->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_urlLabel), static_cast<QWidget *>(m_urlEdit),
                       static_cast<QWidget *>(m_sameWindow), static_cast<QWidget *>(m_newWindow)})
        w->setEnabled(on);
}

void TBehaviourPage::EnableAutoCloseClick()
{
    const bool on = m_enableAutoClose->isChecked();
    m_delayLabel->setEnabled(on);
    m_delayTime->setEnabled(on);
}

void TBehaviourPage::PositionTypeChanged()
{
    const bool on = m_setManual->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_leftLabel), static_cast<QWidget *>(m_topLabel),
                       static_cast<QWidget *>(m_leftSpin), static_cast<QWidget *>(m_topSpin)})
        w->setEnabled(on);
}

void TBehaviourPage::SyncDocument()
{
    if (m_showing)
        return;
    const TDesignState before = m_context.Document.Snapshot();
    m_context.Document.Settings = ReadPopupSettings();
    RecordSettingsStep(m_context.History, before, *m_page);
}

void TBehaviourPage::ShowPopupSettings(const TPopupSettings &s)
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

void TBehaviourPage::Enter()
{
    if (!m_readerTextEdited)
        m_screenReaderText->setText(DesignReadingText(m_context.Document.Model));
    m_screenReaderText->setEnabled(m_context.Document.Settings.ScreenReaderTextOn);
}

void TBehaviourPage::Leave()
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
                     tr("The popup has no link: a click on it will do nothing.\r\n"
                        "Type the address to open in the URL box, or choose "
                        "\"Close Popup\" to let a click close it."),
                     QMessageBox::Information, QMessageBox::Ok);
}

void TBehaviourPage::MoreOptionsClick()
{
    SyncDocument();
    TMoreOptionsDialog dialog(&m_context.Window);
    dialog.SetSettings(m_context.Document.Settings);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TDesignState before = m_context.Document.Snapshot();
    m_context.Document.Settings = dialog.Settings(m_context.Document.Settings);
    m_context.History.Record(tr("More options"), before);
    m_screenReaderText->setEnabled(m_context.Document.Settings.ScreenReaderTextOn);
}

void TBehaviourPage::ShowDocument()
{
    m_showing = true;
    ShowPopupSettings(m_context.Document.Settings);
    m_showAgain->setChecked(false);
    m_noLinkNoted = false;
    m_cookieName = m_context.Document.Settings.CookieName;
    m_showing = false;
    SyncDocument();
}

bool TBehaviourPage::NewPopupNameWanted() const
{
    return m_showAgain->isChecked();
}

void TBehaviourPage::DocumentChanged()
{
    const QString &name = m_context.Document.Settings.CookieName;
    if (name == m_cookieName)
        return;
    m_cookieName = name;
    if (!m_showing)
        m_showAgain->setChecked(false);
}
