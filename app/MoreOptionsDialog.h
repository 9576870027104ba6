#pragma once

// "More options...": the popup's further behaviour (when it shows, how often, the backdrop, the
// entrance, what it offers screen readers and dense screens, and its schedule and devices),
// edited on a copy of the settings that the caller takes back when the dialog is accepted.

#include "output/PopupSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QTimeEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TMoreOptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit TMoreOptionsDialog(QWidget *parent);

    // Shows the further options of settings; the fields of the page stay as they are.
    void SetSettings(const TPopupSettings &settings);
    // settings with the further options as the dialog shows them now.
    TPopupSettings Settings(TPopupSettings settings) const;

    // Enabling rules: each number box only with the choice it belongs to.
    void UpdateEnabled();
    void ChooseBackdropColour();

    // OK keeps the dialog open with a message while the schedule makes no sense.
    void accept() override;

private:
    void ShowBackdropColour();
    QWidget *BuildScheduleGroup();
    void SetSchedule(const TPopupSettings &settings);
    void ReadSchedule(TPopupSettings &settings) const;

    QRadioButton *m_showAtLoad = nullptr;
    QRadioButton *m_showAfterDelay = nullptr;
    QRadioButton *m_showOnExit = nullptr;
    QRadioButton *m_showOnScroll = nullptr;
    QSpinBox *m_showDelay = nullptr;
    QSpinBox *m_scrollPercent = nullptr;
    QCheckBox *m_repeat = nullptr;
    QSpinBox *m_repeatDays = nullptr;
    QCheckBox *m_backdrop = nullptr;
    QPushButton *m_backdropColour = nullptr;
    QSpinBox *m_backdropOpacity = nullptr;
    QCheckBox *m_backdropCloses = nullptr;
    QComboBox *m_entrance = nullptr;
    QCheckBox *m_readerText = nullptr;
    QCheckBox *m_sharp = nullptr;
    uint32_t m_colour = 0;

    QCheckBox *m_fromOn = nullptr;
    QDateTimeEdit *m_from = nullptr;
    QCheckBox *m_untilOn = nullptr;
    QDateTimeEdit *m_until = nullptr;
    QComboBox *m_clock = nullptr;
    QCheckBox *m_days[7] = {};
    QCheckBox *m_hoursOn = nullptr;
    QTimeEdit *m_hoursFrom = nullptr;
    QTimeEdit *m_hoursUntil = nullptr;
    QComboBox *m_devices = nullptr;
};
