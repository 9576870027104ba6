#include "app/MoreOptionsDialog.h"

#include "app/Dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
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

} // namespace

TMoreOptionsDialog::TMoreOptionsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MoreOptionsDialog"));
    setWindowTitle(QStringLiteral("More options"));

    auto *when = new QGroupBox(QStringLiteral("When the popup shows"));
    m_showAtLoad =
        Named(new QRadioButton(QStringLiteral("When the page has loaded")), "ShowAtLoad");
    m_showAfterDelay = Named(new QRadioButton(QStringLiteral("After a delay")), "ShowAfterDelay");
    m_showOnExit =
        Named(new QRadioButton(QStringLiteral("When the visitor is about to leave the page")),
              "ShowOnExit");
    m_showOnScroll = Named(new QRadioButton(QStringLiteral("When the visitor has scrolled through "
                                                           "part of the page")),
                           "ShowOnScroll");
    m_showDelay = NumberBox("ShowDelay", SettingRanges::ShowDelay, QStringLiteral(" s"));
    m_scrollPercent =
        NumberBox("ScrollPercent", SettingRanges::ScrollPercent, QStringLiteral(" %"));
    auto *whenForm = new QFormLayout;
    whenForm->addRow(QStringLiteral("Delay (on touch screens also for leaving):"), m_showDelay);
    whenForm->addRow(QStringLiteral("Share of the page scrolled:"), m_scrollPercent);
    auto *whenLayout = new QVBoxLayout(when);
    for (QWidget *w : {m_showAtLoad, m_showAfterDelay, m_showOnExit, m_showOnScroll})
        whenLayout->addWidget(w);
    whenLayout->addLayout(whenForm);

    auto *often = new QGroupBox(QStringLiteral("How often"));
    m_repeat = Named(new QCheckBox(QStringLiteral("Show it once in so many days, also after the "
                                                  "browser was closed (instead of \"Sessions\")")),
                     "RepeatEnabled");
    m_repeatDays = NumberBox("RepeatDays", SettingRanges::RepeatDays, QStringLiteral(" days"));
    auto *oftenLayout = new QVBoxLayout(often);
    oftenLayout->addWidget(m_repeat);
    oftenLayout->addWidget(m_repeatDays, 0, Qt::AlignLeft);

    auto *dim = new QGroupBox(QStringLiteral("Backdrop"));
    m_backdrop = Named(new QCheckBox(QStringLiteral("Dim the page behind the popup (the popup then "
                                                    "keeps the keyboard until it is closed)")),
                       "BackdropEnabled");
    m_backdropColour = Named(new QPushButton, "BackdropColour");
    m_backdropOpacity =
        NumberBox("BackdropOpacity", SettingRanges::BackdropOpacity, QStringLiteral(" %"));
    m_backdropCloses =
        Named(new QCheckBox(QStringLiteral("A click on the backdrop closes the popup")),
              "BackdropClickCloses");
    auto *dimForm = new QFormLayout;
    dimForm->addRow(QStringLiteral("Colour:"), m_backdropColour);
    dimForm->addRow(QStringLiteral("Opacity:"), m_backdropOpacity);
    auto *dimLayout = new QVBoxLayout(dim);
    dimLayout->addWidget(m_backdrop);
    dimLayout->addLayout(dimForm);
    dimLayout->addWidget(m_backdropCloses);

    auto *look = new QGroupBox(QStringLiteral("Entrance and accessibility"));
    m_entrance = Named(new QComboBox, "Entrance");
    m_entrance->addItem(QStringLiteral("None"), static_cast<int>(TEntrance::None));
    m_entrance->addItem(QStringLiteral("Fade in"), static_cast<int>(TEntrance::Fade));
    m_entrance->addItem(QStringLiteral("Zoom in"), static_cast<int>(TEntrance::Zoom));
    m_readerText = Named(new QCheckBox(QStringLiteral("Give screen readers the popup's text "
                                                      "(\"Text for screen readers\" on the page)")),
                         "ScreenReaderTextOn");
    m_sharp = Named(new QCheckBox(QStringLiteral("Sharp picture for high-density screens "
                                                 "(writes logo@2x.png)")),
                    "SharpPicture");
    auto *lookForm = new QFormLayout;
    lookForm->addRow(QStringLiteral("Entrance (none when the visitor asks for reduced motion):"),
                     m_entrance);
    auto *lookLayout = new QVBoxLayout(look);
    lookLayout->addLayout(lookForm);
    lookLayout->addWidget(m_readerText);
    lookLayout->addWidget(m_sharp);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    for (QWidget *w : {static_cast<QWidget *>(when), static_cast<QWidget *>(often),
                       static_cast<QWidget *>(dim), static_cast<QWidget *>(look)})
        layout->addWidget(w);
    layout->addWidget(buttons);

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
