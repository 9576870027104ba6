#include "app/MoreOptionsDialog.h"

#include "app/Dialogs.h"
#include "imaging/VantelleError.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using TTrigger = TPopupSettings::TShowTrigger;
using TEntrance = TPopupSettings::TEntrance;

template <class W> W *Named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Each box takes exactly the numbers a design file takes.
QSpinBox *NumberBox(const char *name, const TSettingRange &range, const QString &suffix)
{
    auto *box = Named(new QSpinBox, name);
    box->setRange(range.Lowest, range.Highest);
    box->setSuffix(suffix);
    return box;
}

// The clock box's entry for the visitor's own time; the others hold minutes from UTC.
constexpr int kVisitorClock = 100000;
const char *const kDayControls[7] = {"ScheduleMonday",   "ScheduleTuesday", "ScheduleWednesday",
                                     "ScheduleThursday", "ScheduleFriday",  "ScheduleSaturday",
                                     "ScheduleSunday"};
const char *const kDayLabels[7] = {
    QT_TRANSLATE_NOOP("TMoreOptionsDialog", "Mon"), QT_TRANSLATE_NOOP("TMoreOptionsDialog", "Tue"),
    QT_TRANSLATE_NOOP("TMoreOptionsDialog", "Wed"), QT_TRANSLATE_NOOP("TMoreOptionsDialog", "Thu"),
    QT_TRANSLATE_NOOP("TMoreOptionsDialog", "Fri"), QT_TRANSLATE_NOOP("TMoreOptionsDialog", "Sat"),
    QT_TRANSLATE_NOOP("TMoreOptionsDialog", "Sun")};
const QString kWallClockFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

// A date and time as written, shown as it is whatever this computer's time zone.
QDateTimeEdit *WallClockBox(const char *name)
{
    auto *box = Named(new QDateTimeEdit, name);
    box->setTimeSpec(Qt::UTC);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    box->setCalendarPopup(true);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00")) +
                         48);
    box->setDateTimeRange(
        QDateTime(QDate(ScheduleRanges::FirstYear, 1, 1), QTime(0, 0), Qt::UTC),
        QDateTime(QDate(ScheduleRanges::LastYear, 12, 31), QTime(23, 59, 59), Qt::UTC));
    return box;
}

QTimeEdit *TimeOfDayBox(const char *name)
{
    auto *box = Named(new QTimeEdit, name);
    box->setDisplayFormat(QStringLiteral("HH:mm"));
    return box;
}

} // namespace

QWidget *TMoreOptionsDialog::BuildScheduleGroup()
{
    auto *group = new QGroupBox(tr("When and to whom it shows"));
    m_fromOn = Named(new QCheckBox(tr("From")), "ScheduleFromOn");
    m_from = WallClockBox("ScheduleFrom");
    m_untilOn = Named(new QCheckBox(tr("Until")), "ScheduleUntilOn");
    m_until = WallClockBox("ScheduleUntil");
    m_clock = Named(new QComboBox, "ScheduleClock");
    m_clock->addItem(tr("the visitor's local time"), kVisitorClock);
    for (int minutes = ScheduleRanges::LowestOffset; minutes <= ScheduleRanges::HighestOffset;
         minutes += 15)
        m_clock->addItem(UtcOffsetText(minutes), minutes);
    m_hoursOn = Named(new QCheckBox(tr("Only between")), "ScheduleHoursOn");
    m_hoursFrom = TimeOfDayBox("ScheduleHoursFrom");
    m_hoursUntil = TimeOfDayBox("ScheduleHoursUntil");
    m_devices = Named(new QComboBox, "Devices");
    m_devices->addItem(tr("All devices"), static_cast<int>(TPopupDevices::All));
    m_devices->addItem(tr("Touch screens only (phones and tablets)"),
                       static_cast<int>(TPopupDevices::Touch));
    m_devices->addItem(tr("Desktops only"), static_cast<int>(TPopupDevices::Desktop));

    auto *days = new QHBoxLayout;
    for (int i = 0; i < 7; ++i) {
        m_days[i] = Named(new QCheckBox(tr(kDayLabels[i])), kDayControls[i]);
        days->addWidget(m_days[i]);
    }
    days->addStretch();
    auto *hours = new QHBoxLayout;
    hours->addWidget(m_hoursFrom);
    hours->addWidget(new QLabel(tr("and")));
    hours->addWidget(m_hoursUntil);
    hours->addStretch();
    auto *note = new QLabel(QStringLiteral(
        "Outside these times and on other devices the popup does not show and keeps nothing in "
        "the visitor's browser. A touch screen has a finger as its main pointer and is at most "
        "1024 pixels on its shorter side. The preview always shows the popup."));
    note->setWordWrap(true);
    auto *form = new QFormLayout(group);
    form->addRow(m_fromOn, m_from);
    form->addRow(m_untilOn, m_until);
    form->addRow(tr("On the days:"), days);
    form->addRow(m_hoursOn, hours);
    form->addRow(tr("Times are read on:"), m_clock);
    form->addRow(tr("Devices:"), m_devices);
    form->addRow(note);

    for (QAbstractButton *b : {m_fromOn, m_untilOn, m_hoursOn})
        QObject::connect(b, &QAbstractButton::toggled, this, [this] { UpdateEnabled(); });
    return group;
}

void TMoreOptionsDialog::SetSchedule(const TPopupSettings &settings)
{
    const TPopupSchedule &s = settings.Schedule;
    // A bound not set starts at today's midnight, and a week later.
    const QDateTime today(QDate::currentDate(), QTime(0, 0), Qt::UTC);
    const auto bound = [](const QString &text, const QDateTime &fallback) {
        const QDateTime at = QDateTime::fromString(text, kWallClockFormat);
        return text.isEmpty() || !at.isValid() ? fallback
                                               : QDateTime(at.date(), at.time(), Qt::UTC);
    };
    m_fromOn->setChecked(!s.From.isEmpty());
    m_from->setDateTime(bound(s.From, today));
    m_untilOn->setChecked(!s.Until.isEmpty());
    m_until->setDateTime(bound(s.Until, today.addDays(7)));
    const int clock = s.VisitorTime ? kVisitorClock : s.UtcOffsetMinutes;
    if (m_clock->findData(clock) < 0)
        m_clock->addItem(UtcOffsetText(clock), clock);
    m_clock->setCurrentIndex(m_clock->findData(clock));
    for (int i = 0; i < 7; ++i)
        m_days[i]->setChecked((s.Days & (1u << i)) != 0);
    m_hoursOn->setChecked(s.HasHours);
    m_hoursFrom->setTime(QTime(0, 0).addSecs(s.HoursFrom * 60));
    m_hoursUntil->setTime(QTime(0, 0).addSecs(s.HoursUntil * 60));
    m_devices->setCurrentIndex(m_devices->findData(static_cast<int>(settings.Devices)));
}

void TMoreOptionsDialog::ReadSchedule(TPopupSettings &settings) const
{
    TPopupSchedule &s = settings.Schedule;
    const auto written = [](const QDateTimeEdit *box) {
        return box->dateTime().toString(kWallClockFormat);
    };
    s.From = m_fromOn->isChecked() ? written(m_from) : QString();
    s.Until = m_untilOn->isChecked() ? written(m_until) : QString();
    const int clock = m_clock->currentData().toInt();
    s.VisitorTime = clock == kVisitorClock;
    s.UtcOffsetMinutes = s.VisitorTime ? 0 : clock;
    s.Days = 0;
    for (int i = 0; i < 7; ++i)
        if (m_days[i]->isChecked())
            s.Days |= 1u << i;
    s.HasHours = m_hoursOn->isChecked();
    s.HoursFrom = QTime(0, 0).secsTo(m_hoursFrom->time()) / 60;
    s.HoursUntil = QTime(0, 0).secsTo(m_hoursUntil->time()) / 60;
    settings.Devices = static_cast<TPopupDevices>(m_devices->currentData().toInt());
}

void TMoreOptionsDialog::accept()
{
    try {
        CheckPopupSchedule(Settings(TPopupSettings()).Schedule);
    } catch (const EVantelleError &e) {
        Dialogs::message(this, windowTitle(), e.message(), QMessageBox::Warning, QMessageBox::Ok);
        return;
    }
    QDialog::accept();
}

TMoreOptionsDialog::TMoreOptionsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MoreOptionsDialog"));
    setWindowTitle(tr("More options"));

    auto *when = new QGroupBox(tr("When the popup shows"));
    m_showAtLoad = Named(new QRadioButton(tr("When the page has loaded")), "ShowAtLoad");
    m_showAfterDelay = Named(new QRadioButton(tr("After a delay")), "ShowAfterDelay");
    m_showOnExit =
        Named(new QRadioButton(tr("When the visitor is about to leave the page")), "ShowOnExit");
    m_showOnScroll = Named(new QRadioButton(tr("When the visitor has scrolled through "
                                               "part of the page")),
                           "ShowOnScroll");
    m_showDelay = NumberBox("ShowDelay", SettingRanges::ShowDelay, QStringLiteral(" s"));
    m_scrollPercent =
        NumberBox("ScrollPercent", SettingRanges::ScrollPercent, QStringLiteral(" %"));
    auto *whenForm = new QFormLayout;
    whenForm->addRow(tr("Delay (on touch screens also for leaving):"), m_showDelay);
    whenForm->addRow(tr("Share of the page scrolled:"), m_scrollPercent);
    auto *whenLayout = new QVBoxLayout(when);
    for (QWidget *w : {m_showAtLoad, m_showAfterDelay, m_showOnExit, m_showOnScroll})
        whenLayout->addWidget(w);
    whenLayout->addLayout(whenForm);

    auto *often = new QGroupBox(tr("How often"));
    m_repeat = Named(new QCheckBox(tr("Show it once in so many days, also after the "
                                      "browser was closed (instead of \"Sessions\")")),
                     "RepeatEnabled");
    m_repeatDays = NumberBox("RepeatDays", SettingRanges::RepeatDays, tr(" days"));
    auto *oftenLayout = new QVBoxLayout(often);
    oftenLayout->addWidget(m_repeat);
    oftenLayout->addWidget(m_repeatDays, 0, Qt::AlignLeft);

    auto *dim = new QGroupBox(tr("Backdrop"));
    m_backdrop = Named(new QCheckBox(tr("Dim the page behind the popup (the popup then "
                                        "keeps the keyboard until it is closed)")),
                       "BackdropEnabled");
    m_backdropColour = Named(new QPushButton, "BackdropColour");
    m_backdropOpacity =
        NumberBox("BackdropOpacity", SettingRanges::BackdropOpacity, QStringLiteral(" %"));
    m_backdropCloses =
        Named(new QCheckBox(tr("A click on the backdrop closes the popup")), "BackdropClickCloses");
    auto *dimForm = new QFormLayout;
    dimForm->addRow(tr("Colour:"), m_backdropColour);
    dimForm->addRow(tr("Opacity:"), m_backdropOpacity);
    auto *dimLayout = new QVBoxLayout(dim);
    dimLayout->addWidget(m_backdrop);
    dimLayout->addLayout(dimForm);
    dimLayout->addWidget(m_backdropCloses);

    auto *look = new QGroupBox(tr("Entrance and accessibility"));
    m_entrance = Named(new QComboBox, "Entrance");
    m_entrance->addItem(tr("None"), static_cast<int>(TEntrance::None));
    m_entrance->addItem(tr("Fade in"), static_cast<int>(TEntrance::Fade));
    m_entrance->addItem(tr("Zoom in"), static_cast<int>(TEntrance::Zoom));
    m_readerText = Named(new QCheckBox(tr("Give screen readers the popup's text "
                                          "(\"Text for screen readers\" on the page)")),
                         "ScreenReaderTextOn");
    m_sharp = Named(new QCheckBox(tr("Sharp picture for high-density screens "
                                     "(writes logo@2x.png)")),
                    "SharpPicture");
    auto *lookForm = new QFormLayout;
    lookForm->addRow(tr("Entrance (none when the visitor asks for reduced motion):"), m_entrance);
    auto *lookLayout = new QVBoxLayout(look);
    lookLayout->addLayout(lookForm);
    lookLayout->addWidget(m_readerText);
    lookLayout->addWidget(m_sharp);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The schedule and devices in a column of their own beside the others.
    auto *layout = new QVBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(when), static_cast<QWidget *>(often),
                       static_cast<QWidget *>(dim), static_cast<QWidget *>(look)})
        layout->addWidget(w);
    auto *side = new QVBoxLayout;
    side->addWidget(BuildScheduleGroup());
    side->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(layout);
    columns->addLayout(side);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addWidget(buttons);

    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             m_showAtLoad, m_showAfterDelay, m_showOnExit, m_showOnScroll, m_repeat, m_backdrop})
        QObject::connect(b, &QAbstractButton::toggled, this, [this] { UpdateEnabled(); });
    QObject::connect(m_backdropColour, &QPushButton::clicked, this,
                     [this] { ChooseBackdropColour(); });
    SetSettings(TPopupSettings());
}

void TMoreOptionsDialog::SetSettings(const TPopupSettings &s)
{
    m_showAtLoad->setChecked(s.ShowTrigger == TTrigger::Load);
    m_showAfterDelay->setChecked(s.ShowTrigger == TTrigger::Delay);
    m_showOnExit->setChecked(s.ShowTrigger == TTrigger::ExitIntent);
    m_showOnScroll->setChecked(s.ShowTrigger == TTrigger::Scroll);
    m_showDelay->setValue(s.ShowDelay);
    m_scrollPercent->setValue(s.ScrollPercent);
    m_repeat->setChecked(s.RepeatDays > 0);
    m_repeatDays->setValue(s.RepeatDays > 0 ? s.RepeatDays : 7);
    m_backdrop->setChecked(s.Backdrop);
    m_colour = s.BackdropColor & 0xFFFFFFu;
    m_backdropOpacity->setValue(s.BackdropOpacity);
    m_backdropCloses->setChecked(s.BackdropClickCloses);
    m_entrance->setCurrentIndex(m_entrance->findData(static_cast<int>(s.Entrance)));
    m_readerText->setChecked(s.ScreenReaderTextOn);
    m_sharp->setChecked(s.SharpPicture);
    SetSchedule(s);
    ShowBackdropColour();
    UpdateEnabled();
}

TPopupSettings TMoreOptionsDialog::Settings(TPopupSettings s) const
{
    s.ShowTrigger = m_showAfterDelay->isChecked() ? TTrigger::Delay
                    : m_showOnExit->isChecked()   ? TTrigger::ExitIntent
                    : m_showOnScroll->isChecked() ? TTrigger::Scroll
                                                  : TTrigger::Load;
    s.ShowDelay = m_showDelay->value();
    s.ScrollPercent = m_scrollPercent->value();
    s.RepeatDays = m_repeat->isChecked() ? m_repeatDays->value() : 0;
    s.Backdrop = m_backdrop->isChecked();
    s.BackdropColor = m_colour;
    s.BackdropOpacity = m_backdropOpacity->value();
    s.BackdropClickCloses = m_backdropCloses->isChecked();
    s.Entrance = static_cast<TEntrance>(m_entrance->currentData().toInt());
    s.ScreenReaderTextOn = m_readerText->isChecked();
    s.SharpPicture = m_sharp->isChecked();
    ReadSchedule(s);
    return s;
}

void TMoreOptionsDialog::UpdateEnabled()
{
    m_showDelay->setEnabled(m_showAfterDelay->isChecked() || m_showOnExit->isChecked());
    m_scrollPercent->setEnabled(m_showOnScroll->isChecked());
    m_repeatDays->setEnabled(m_repeat->isChecked());
    for (QWidget *w :
         {static_cast<QWidget *>(m_backdropColour), static_cast<QWidget *>(m_backdropOpacity),
          static_cast<QWidget *>(m_backdropCloses)})
        w->setEnabled(m_backdrop->isChecked());
    m_from->setEnabled(m_fromOn->isChecked());
    m_until->setEnabled(m_untilOn->isChecked());
    m_hoursFrom->setEnabled(m_hoursOn->isChecked());
    m_hoursUntil->setEnabled(m_hoursOn->isChecked());
}

void TMoreOptionsDialog::ChooseBackdropColour()
{
    QColor chosen;
    if (!Dialogs::getColor(this, QColor::fromRgb(m_colour), &chosen))
        return;
    m_colour = chosen.rgb() & 0xFFFFFFu;
    ShowBackdropColour();
}

void TMoreOptionsDialog::ShowBackdropColour()
{
    const QColor colour = QColor::fromRgb(m_colour);
    m_backdropColour->setText(colour.name().toUpper());
    m_backdropColour->setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                                        .arg(colour.name(), colour.lightness() < 128
                                                                ? QStringLiteral("white")
                                                                : QStringLiteral("black")));
}
