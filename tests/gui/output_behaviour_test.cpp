// The behaviour page and the output page's pickers, driven through their real controls.

#include "app/BehaviourPage.h"
#include "app/DesignerPage.h"
#include "app/Dialogs.h"
#include "document/DesignDocument.h"
#include "document/SettingsJson.h"
#include "gui_helpers.h"
#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "output/PopupSettings.h"
#include "tests/cases/SettingsCases.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

using namespace GuiTest;

class OutputBehaviourTest : public QObject {
    Q_OBJECT

    ProgramFolder m_program;
    std::unique_ptr<TMainForm> m_form;

    QWidget *W(const char *name) { return control<QWidget>(m_form.get(), name); }
    void Click(const char *name)
    {
        QTest::mouseClick(control<QAbstractButton>(m_form.get(), name), Qt::LeftButton, {},
                          QPoint(6, 10));
    }
    void Type(const char *spin, const QString &text)
    {
        QLineEdit *edit = control<QSpinBox>(m_form.get(), spin)->findChild<QLineEdit *>();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    // Which of the named controls are enabled, as a string of 0 and 1.
    QString Enabled(std::initializer_list<const char *> names)
    {
        QString state;
        for (const char *name : names)
            state += W(name)->isEnabled() ? u'1' : u'0';
        return state;
    }
    TPopupSettings Settings() { return m_form->Behaviour->ReadPopupSettings(); }
    // Opens "More options...", lets edit work in it, then presses OK or Cancel.
    void InMoreOptions(const std::function<void(QWidget *)> &edit, bool accept)
    {
        QTimer::singleShot(0, [&] {
            QWidget *dialog = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->objectName() == QStringLiteral("MoreOptionsDialog") && w->isVisible())
                    dialog = w;
            QVERIFY(dialog);
            edit(dialog);
            if (accept)
                static_cast<QDialog *>(dialog)->accept();
            else
                static_cast<QDialog *>(dialog)->reject();
        });
        Click("MoreOptions");
    }
    // Next on the behaviour page; returns the messages it showed.
    QList<Dialogs::ShownMessage> Next()
    {
        Dialogs::takeShownMessages();
        QTest::mouseClick(control<QPushButton>(m_form.get(), "NextButton"), Qt::LeftButton);
        return Dialogs::takeShownMessages();
    }

private slots:
    void initTestCase()
    {
        Dialogs::setRecordMessages(true);
        m_form = openWindow(m_program);
        m_form->ShowPage(3);
    }

    void startsWithTheDefaults()
    {
        const TPopupSettings s = Settings();
        QVERIFY(s.ClickOpensLink);
        // No link until one is typed: a new design published as it is sends nobody nowhere.
        QCOMPARE(s.LinkURL, QString());
        QVERIFY(!OpensLink(s));
        QVERIFY(s.LinkInSameWindow);
        QVERIFY(!s.AutoClose);
        QCOMPARE(s.AutoCloseDelay, 7);
        QVERIFY(s.OncePerSession);
        QVERIFY(s.AutoCenter);
        QCOMPARE(s.ManualLeft, 0);
        QCOMPARE(s.ManualTop, 0);
        QCOMPARE(Enabled({"Label8", "URLEdit", "SameWindow", "NewWindow"}), QStringLiteral("1111"));
        QCOMPARE(Enabled({"Label9", "DelayTime"}), QStringLiteral("00"));
        QCOMPARE(Enabled({"Label10", "Label11", "LeftSpin", "TopSpin"}), QStringLiteral("0000"));

        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        QCOMPARE(control<QLineEdit>(m_form.get(), "SaveToFolder")->text(), desktop);
        QCOMPARE(control<QLineEdit>(m_form.get(), "ExistingFileEdit")->text(),
                 desktop + QStringLiteral("/Popup.htm"));
        QVERIFY(W("AddPopup")->isEnabled());
    }

    void closePopupKeepsTheWindowChoice()
    {
        Click("NewWindow");
        Click("ClosePopup");
        QCOMPARE(Enabled({"Label8", "URLEdit", "SameWindow", "NewWindow"}), QStringLiteral("0000"));
        QVERIFY(control<QRadioButton>(m_form.get(), "NewWindow")->isChecked());
        const TPopupSettings s = Settings();
        QVERIFY(!s.ClickOpensLink);
        QVERIFY(!s.LinkInSameWindow);
        Click("OpenLink");
        QCOMPARE(Enabled({"Label8", "URLEdit", "SameWindow", "NewWindow"}), QStringLiteral("1111"));
    }

    void numbersReadAsWholeNumbersOrZero()
    {
        Click("EnableAutoClose");
        QCOMPARE(Enabled({"Label9", "DelayTime"}), QStringLiteral("11"));
        Click("SetManual");
        // Each box is read into its own setting. A text is typed where the box takes it, else
        // (letters, numbers past the range) put into it as it stands; one the box itself
        // rewrites (" 5" becomes "5") cannot reach the reading rule from here.
        const struct {
            const char *box;
            int32_t TPopupSettings::*field;
        } boxes[] = {{"LeftSpin", &TPopupSettings::ManualLeft},
                     {"TopSpin", &TPopupSettings::ManualTop}};
        for (const auto &b : boxes) {
            QLineEdit *edit = control<QSpinBox>(m_form.get(), b.box)->findChild<QLineEdit *>();
            for (const auto &c : SpinTextCases) {
                const QString text = QString::fromLatin1(c.text);
                Type(b.box, text);
                if (edit->text() != text)
                    edit->setText(text);
                if (edit->text() != text)
                    continue;
                QCOMPARE(Settings().*(b.field), c.value);
            }
            // No bound stands in the way of typing a number of either sign.
            for (const QString &typed :
                 {QStringLiteral("-2147483648"), QStringLiteral("2147483647")}) {
                Type(b.box, typed);
                QCOMPARE(edit->text(), typed);
            }
        }
        Click("AutoCenter");
    }

    void anEmptiedBoxReadsZeroAfterFocusLeavesIt()
    {
        for (const char *name : {"LeftSpin", "TopSpin"}) {
            auto *spin = control<QSpinBox>(m_form.get(), name);
            spin->setEnabled(true);
            Type(name, QStringLiteral("5"));
            Type(name, QString());
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(spin, &out);
            QVERIFY2(spin->text().isEmpty() || spin->text() == QLatin1String("0"),
                     qPrintable(spin->text()));
            QCOMPARE(ReadSpinValue(spin->text()), 0);
        }
        QCOMPARE(Settings().ManualLeft, 0);
        // A popup closed after 0 seconds is never seen: the delay box, emptied or holding a
        // number below its range, keeps the last number it took, also after focus leaves it.
        auto *delay = control<QSpinBox>(m_form.get(), "DelayTime");
        delay->setEnabled(true);
        Type("DelayTime", QStringLiteral("5"));
        for (const QString &typed : {QString(), QStringLiteral("0")}) {
            Type("DelayTime", typed);
            QCOMPARE(Settings().AutoCloseDelay, 5);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(delay, &out);
            QCOMPARE(Settings().AutoCloseDelay, 5);
        }
        Type("DelayTime", QStringLiteral("-3")); // the minus is not taken
        QCOMPARE(Settings().AutoCloseDelay, 3);
        m_form->Behaviour->EnableAutoCloseClick();
        m_form->Behaviour->PositionTypeChanged();
    }

    void fileDialogsGetTheirFiltersInQtsForm()
    {
        // Every file dialog of the program with the filter Qt must get: patterns split at
        // blanks, and any file as "*" (a "*.*" would ask for a dot and rename a typed page).
        const struct {
            int page;
            const char *button;
            const char *filter;
        } dialogs[] = {{5, "Button2", "HTML pages (*.htm *.html);;Any file (*)"},
                       {1, "AddUserPng_Simple", "Png Image (*.png)"}};
        for (const auto &d : dialogs) {
            m_form->ShowPage(d.page);
            Dialogs::setNextFileName(QString());
            control<QAbstractButton>(m_form.get(), d.button)->click();
            QCOMPARE(Dialogs::lastDialogFilter(), QString::fromLatin1(d.filter));
        }
        const std::pair<QString, QString> forms[] = {
            {"Pictures|*.png;*.jpg", "Pictures (*.png *.jpg)"},
            {"All files (*.*)|*.*;*", "All files (*)"},
            {"Png Image (*.png)", "Png Image (*.png)"}};
        for (const auto &[program, qt] : forms)
            QCOMPARE(Dialogs::QtFilter(program), qt);
        m_form->ShowPage(3);
    }

    void positionNumbersSurviveSwitching()
    {
        Click("SetManual");
        QCOMPARE(Enabled({"Label10", "Label11", "LeftSpin", "TopSpin"}), QStringLiteral("1111"));
        Type("LeftSpin", QStringLiteral("-40"));
        Type("TopSpin", QStringLiteral("120"));
        Click("AutoCenter");
        QCOMPARE(Enabled({"Label10", "Label11", "LeftSpin", "TopSpin"}), QStringLiteral("0000"));
        Click("SetManual");
        const TPopupSettings s = Settings();
        QVERIFY(!s.AutoCenter);
        QCOMPARE(s.ManualLeft, -40);
        QCOMPARE(s.ManualTop, 120);
    }

    // "More options..." edits the further options on a copy: OK keeps the edits, Cancel drops
    // them, and each number box is enabled only with the choice it belongs to.
    void moreOptionsDialogEditsTheFurtherOptions()
    {
        m_form->ShowPage(3);
        QCOMPARE(W("MoreOptions")->parentWidget()->objectName(), QStringLiteral("Panel11"));
        QString enabledAtLoad, enabledOnScroll;
        auto inDialog = [&](bool accept) {
            QTimer::singleShot(0, [&, accept] {
                QWidget *dialog = nullptr;
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (w->objectName() == QStringLiteral("MoreOptionsDialog") && w->isVisible())
                        dialog = w;
                QVERIFY(dialog);
                const auto enabled = [&](std::initializer_list<const char *> names) {
                    QString state;
                    for (const char *name : names)
                        state += control<QWidget>(dialog, name)->isEnabled() ? u'1' : u'0';
                    return state;
                };
                const auto names = {"ShowDelay",      "ScrollPercent",   "RepeatDays",
                                    "BackdropColour", "BackdropOpacity", "BackdropClickCloses"};
                enabledAtLoad = enabled(names);
                control<QRadioButton>(dialog, "ShowOnScroll")->click();
                control<QSpinBox>(dialog, "ScrollPercent")->setValue(70);
                control<QCheckBox>(dialog, "RepeatEnabled")->click();
                control<QSpinBox>(dialog, "RepeatDays")->setValue(3);
                control<QCheckBox>(dialog, "BackdropEnabled")->click();
                control<QSpinBox>(dialog, "BackdropOpacity")->setValue(65);
                Dialogs::setNextColor(QColor(0x12, 0x34, 0x56));
                control<QPushButton>(dialog, "BackdropColour")->click();
                control<QComboBox>(dialog, "Entrance")->setCurrentIndex(1);
                control<QCheckBox>(dialog, "SharpPicture")->click();
                enabledOnScroll = enabled(names);
                const QString shots = qEnvironmentVariable("VANTELLE_SCREENSHOT_DIR");
                if (!shots.isEmpty())
                    dialog->grab().save(shots + QStringLiteral("/more-options.png"));
                if (accept)
                    static_cast<QDialog *>(dialog)->accept();
                else
                    static_cast<QDialog *>(dialog)->reject();
            });
            Click("MoreOptions");
        };

        inDialog(false);
        QCOMPARE(enabledAtLoad, QStringLiteral("000000"));
        QCOMPARE(Settings().ShowTrigger, TPopupSettings::TShowTrigger::Load);
        QVERIFY(!Settings().Backdrop);

        inDialog(true);
        QCOMPARE(enabledOnScroll, QStringLiteral("011111"));
        const TPopupSettings s = Settings();
        QCOMPARE(s.ShowTrigger, TPopupSettings::TShowTrigger::Scroll);
        QCOMPARE(s.ScrollPercent, 70);
        QCOMPARE(s.RepeatDays, 3);
        QVERIFY(s.Backdrop);
        QCOMPARE(s.BackdropColor, 0x123456u);
        QCOMPARE(s.BackdropOpacity, 65);
        QVERIFY(s.BackdropClickCloses);
        QCOMPARE(s.Entrance, TPopupSettings::TEntrance::Fade);
        QVERIFY(!s.SharpPicture);
        QVERIFY(s.ScreenReaderTextOn);
        // The page's own settings are read as before, beside the further ones.
        QCOMPARE(s.LinkURL, control<QLineEdit>(m_form.get(), "URLEdit")->text());
    }

    // The schedule and devices: shown as the design holds them, refused with a message while
    // they make no sense, kept on OK as one undoable step; OK without edits changes nothing.
    void moreOptionsEditsTheScheduleAndDevices()
    {
        m_form->ShowPage(3);
        TPopupSettings &doc = m_form->Document.Settings;
        doc.Schedule = TPopupSchedule();
        doc.Devices = TPopupDevices::All;
        const auto utc = [](const char *text) {
            QDateTime at = QDateTime::fromString(QLatin1String(text), Qt::ISODate);
            at.setTimeSpec(Qt::UTC);
            return at;
        };
        QString shownAtFirst;
        QList<Dialogs::ShownMessage> refusals;
        Dialogs::takeShownMessages();
        InMoreOptions(
            [&](QWidget *d) {
                const auto on = [&](const char *name) {
                    return control<QWidget>(d, name)->isEnabled() ? u'1' : u'0';
                };
                shownAtFirst = QString(on("ScheduleFrom")) + on("ScheduleUntil") +
                               on("ScheduleHoursFrom") + on("ScheduleHoursUntil") +
                               control<QComboBox>(d, "ScheduleClock")->currentText() + u'|' +
                               control<QComboBox>(d, "Devices")->currentText();
                control<QCheckBox>(d, "ScheduleFromOn")->click();
                control<QDateTimeEdit>(d, "ScheduleFrom")->setDateTime(utc("2026-12-24T18:00:00"));
                control<QCheckBox>(d, "ScheduleUntilOn")->click();
                control<QDateTimeEdit>(d, "ScheduleUntil")->setDateTime(utc("2026-12-24T17:00:00"));
                // Refused: the dialog stays open with the reason.
                static_cast<QDialog *>(d)->accept();
                QVERIFY(d->isVisible());
                refusals = Dialogs::takeShownMessages();
                control<QDateTimeEdit>(d, "ScheduleUntil")->setDateTime(utc("2027-01-02T00:00:00"));
                control<QCheckBox>(d, "ScheduleSunday")->click();
                control<QCheckBox>(d, "ScheduleHoursOn")->click();
                control<QTimeEdit>(d, "ScheduleHoursFrom")->setTime(QTime(22, 0));
                control<QTimeEdit>(d, "ScheduleHoursUntil")->setTime(QTime(2, 0));
                auto *clock = control<QComboBox>(d, "ScheduleClock");
                clock->setCurrentIndex(clock->findText(QStringLiteral("UTC+01:00")));
                auto *devices = control<QComboBox>(d, "Devices");
                devices->setCurrentIndex(devices->findData(static_cast<int>(TPopupDevices::Touch)));
            },
            true);
        QCOMPARE(shownAtFirst, QStringLiteral("0000the visitor's local time|All devices"));
        QCOMPARE(refusals.size(), 1);
        QVERIFY2(refusals[0].text.contains(QLatin1String("The schedule ends")),
                 qPrintable(refusals[0].text));
        TPopupSchedule expected;
        expected.From = QStringLiteral("2026-12-24T18:00:00");
        expected.Until = QStringLiteral("2027-01-02T00:00:00");
        expected.VisitorTime = false;
        expected.UtcOffsetMinutes = 60;
        expected.Days = 0x3F;
        expected.HasHours = true;
        expected.HoursFrom = 22 * 60;
        expected.HoursUntil = 2 * 60;
        QCOMPARE(WeekDaysText(doc.Schedule.Days), WeekDaysText(expected.Days));
        QVERIFY(doc.Schedule == expected);
        QCOMPARE(doc.Devices, TPopupDevices::Touch);

        // Seconds from a file, an odd offset: OK without edits keeps them, and adds no step.
        doc.Schedule.From = QStringLiteral("2026-12-24T18:00:30");
        doc.Schedule.UtcOffsetMinutes = 67;
        const TPopupSettings kept = doc;
        const int steps = m_form->History->Stack().count();
        InMoreOptions([](QWidget *) {}, true);
        QVERIFY(doc == kept);
        QCOMPARE(m_form->History->Stack().count(), steps);

        m_form->History->Stack().undo();
        QVERIFY(doc.Schedule == TPopupSchedule());
        QCOMPARE(doc.Devices, TPopupDevices::All);
        m_form->History->Stack().redo();
        QCOMPARE(doc.Devices, TPopupDevices::Touch);
        doc.Schedule = TPopupSchedule();
        doc.Devices = TPopupDevices::All;
    }

    // Every number box of the behaviour settings takes exactly what a design file takes: a
    // design the window made always opens again, and a file's number shows unchanged.
    void numberBoxesTakeWhatADesignFileTakes()
    {
        m_form->ShowPage(3);
        struct Box {
            const char *name;
            const char *key;
            int32_t TPopupSettings::*field;
            int minimum = 0;
            int maximum = 0;
        };
        std::vector<Box> boxes = {
            {"DelayTime", "autoCloseDelay", &TPopupSettings::AutoCloseDelay},
            {"ShowDelay", "showDelay", &TPopupSettings::ShowDelay},
            {"ScrollPercent", "scrollPercent", &TPopupSettings::ScrollPercent},
            {"BackdropOpacity", "backdropOpacity", &TPopupSettings::BackdropOpacity},
            {"RepeatDays", "repeatDays", &TPopupSettings::RepeatDays}};
        const auto range = [&](QWidget *root, Box &box) {
            box.minimum = control<QSpinBox>(root, box.name)->minimum();
            box.maximum = control<QSpinBox>(root, box.name)->maximum();
        };
        range(m_form.get(), boxes[0]);
        InMoreOptions(
            [&](QWidget *dialog) {
                for (size_t i = 1; i < boxes.size(); ++i)
                    range(dialog, boxes[i]);
            },
            false);
        for (const Box &box : boxes) {
            // What the file makes of the number: itself, or nothing when it is refused.
            const auto opened = [&](double value) -> std::optional<double> {
                QJsonObject json;
                json.insert(QLatin1String(box.key), value);
                try {
                    return PopupSettingsFromJson(json).*(box.field);
                } catch (const EVantelleError &) {
                    return std::nullopt;
                }
            };
            const double lowest = box.minimum, highest = box.maximum;
            QCOMPARE(opened(lowest), std::optional<double>(lowest));
            QCOMPARE(opened(highest), std::optional<double>(highest));
            QVERIFY2(!opened(highest + 1), box.name);
            // A file's 0 days is the limit turned off, which the dialog's check box shows.
            if (box.field == &TPopupSettings::RepeatDays)
                QCOMPARE(opened(lowest - 1), std::optional<double>(0));
            else
                QVERIFY2(!opened(lowest - 1), box.name);
        }

        m_form->Document.Settings.RepeatDays = 3650;
        InMoreOptions([](QWidget *) {}, true);
        QCOMPARE(Settings().RepeatDays, 3650);
        m_form->Document.Settings.RepeatDays = 0;
    }

    // Next on the behaviour page refuses a link no browser can open, and says once (until the
    // link changes) that a popup without a link does nothing when clicked.
    void nextChecksTheLink()
    {
        m_form->ShowPage(3);
        Click("OpenLink");
        auto *url = control<QLineEdit>(m_form.get(), "URLEdit");
        const QString noLink =
            QStringLiteral("The popup has no link: a click on it will do nothing.");
        const struct {
            const char *link;
            const char *message; // nullptr: none
            bool passes;
        } steps[] = {
            {"http://", "The link \"http://\" names no site", false},
            {"www.example.org", "write https:// before the site's name", false},
            {"", "The popup has no link", true},
            {"", nullptr, true},
            {" ", nullptr, true},
            {"offer.htm", nullptr, true},
            {"", "The popup has no link", true},
        };
        for (const auto &step : steps) {
            url->setText(QLatin1String(step.link));
            const QList<Dialogs::ShownMessage> shown = Next();
            QCOMPARE(m_form->CurrentPage, step.passes ? 4 : 3);
            QCOMPARE(shown.size(), step.message ? 1 : 0);
            if (step.message) {
                QVERIFY2(shown[0].text.contains(QLatin1String(step.message)),
                         qPrintable(shown[0].text));
                QCOMPARE(shown[0].icon,
                         step.passes ? QMessageBox::Information : QMessageBox::Critical);
                if (step.passes)
                    QVERIFY(shown[0].text.startsWith(noLink));
            }
            if (step.passes)
                Click("BackButton");
            QCOMPARE(m_form->CurrentPage, 3);
        }
        // A click that closes the popup needs no link.
        url->clear();
        Click("ClosePopup");
        QVERIFY(Next().isEmpty());
        Click("BackButton");
        Click("OpenLink");
    }

    // A close button whose middle lies off the picture (here after a smaller size was chosen)
    // keeps the user on the behaviour page with the reason.
    void nextRefusesACloseButtonOffThePicture()
    {
        TDesignDocument &doc = m_form->Document;
        Bitmap32 image(30, 30);
        image.fill(0xFF202020u);
        TPNGObject png;
        Bitmap32ToPng(image, png);
        doc.SetCloseButton(DesignPictureOf(png, true));
        doc.DocumentSize = 300;
        m_form->ShowPage(3);
        control<QLineEdit>(m_form.get(), "URLEdit")->setText(QStringLiteral("offer.htm"));
        TMovingObject &button = *doc.Model.CloseButtonObject();
        button.X = 400 - 14; // picture x 286: its middle at 301
        button.Y = 150;
        const QList<Dialogs::ShownMessage> shown = Next();
        QCOMPARE(m_form->CurrentPage, 3);
        QVERIFY(W("Panel3")->isVisible()); // refused before the page was left
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].text.contains(QLatin1String("The close button lies outside")),
                 qPrintable(shown[0].text));
        button.X = 400 - 16; // its middle at 299
        const QList<Dialogs::ShownMessage> none = Next();
        QVERIFY2(none.isEmpty(), qPrintable(none.value(0).text));
        QCOMPARE(m_form->CurrentPage, 4);
        Click("BackButton");
        doc.SetCloseButton({});
        doc.DocumentSize = 500;
    }

    // "Show it again to visitors who have seen it" sits in the sessions group beside the first
    // choice: nothing there overlaps, and every caption has the room it needs.
    void sessionsGroupHasRoomForShowAgain()
    {
        m_form->ShowPage(3);
        QWidget *group = W("Panel11");
        QCOMPARE(W("ShowAgain")->parentWidget(), group);
        const QString shots = qEnvironmentVariable("VANTELLE_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            m_form->grab().save(shots + QStringLiteral("/page3.png"));
        QCOMPARE(W("MoreOptions")->geometry(), QRect(567, 43, 110, 23));
        const QList<QAbstractButton *> children =
            group->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(children.size(), 4);
        for (QAbstractButton *a : children) {
            QVERIFY2(group->rect().contains(a->geometry()), qPrintable(a->objectName()));
            QVERIFY2(a->sizeHint().width() <= a->width(), qPrintable(a->objectName()));
            for (QAbstractButton *b : children)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + QStringLiteral(" / ") + b->objectName()));
        }
    }

    void screenReaderTextFollowsTheDesignUntilTyped()
    {
        TDesignModel &model = m_form->Document.Model;
        TMovingObject &text = model.AppendTextObject(m_form->Document.DocumentSize);
        text.Lines = QStringList{QStringLiteral("Summer"), QStringLiteral("sale")};
        auto *box = control<QLineEdit>(m_form.get(), "ScreenReaderText");
        m_form->ShowPage(3);
        QCOMPARE(box->text(), QStringLiteral("Summer sale"));
        // Left empty in the settings, so the output takes the design's texts when it is written.
        QCOMPARE(Settings().ScreenReaderText, QString());

        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("Half price"));
        text.Lines = QStringList{QStringLiteral("Winter")};
        m_form->ShowPage(2);
        m_form->ShowPage(3);
        QCOMPARE(box->text(), QStringLiteral("Half price"));
        QCOMPARE(Settings().ScreenReaderText, QStringLiteral("Half price"));

        // Emptied by the user, it follows the design again.
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(Settings().ScreenReaderText, QString());
        m_form->ShowPage(2);
        m_form->ShowPage(3);
        QCOMPARE(box->text(), QStringLiteral("Winter"));
    }

    void browseAndChangePickPathsOrKeepThem()
    {
        m_form->ShowPage(5);
        auto *page = control<QLineEdit>(m_form.get(), "ExistingFileEdit");
        auto *folder = control<QLineEdit>(m_form.get(), "SaveToFolder");
        page->setText(QStringLiteral("/site/old.htm"));
        folder->setText(QStringLiteral("/site/files"));

        Dialogs::setNextFileName(QStringLiteral("/site/new"));
        Click("Button2");
        QCOMPARE(page->text(), QStringLiteral("/site/new.htm"));
        Dialogs::setNextFileName(QStringLiteral("/site/other.html"));
        Click("Button2");
        QCOMPARE(page->text(), QStringLiteral("/site/other.html"));
        Dialogs::setNextFileName(QString()); // cancelled
        Click("Button2");
        QCOMPARE(page->text(), QStringLiteral("/site/other.html"));

        Dialogs::setNextDirectory(QStringLiteral("/elsewhere"));
        Click("Button4");
        QCOMPARE(Dialogs::lastDialogStartPath(), QStringLiteral("/site/files"));
        QCOMPARE(folder->text(), QStringLiteral("/elsewhere"));
        Dialogs::setNextDirectory(QString());
        Click("Button4");
        QCOMPARE(folder->text(), QStringLiteral("/elsewhere"));
        QVERIFY(Dialogs::takeShownMessages().isEmpty());
    }
};

VANTELLE_GUI_TEST_MAIN(OutputBehaviourTest)
#include "output_behaviour_test.moc"
