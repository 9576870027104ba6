// The behaviour page and the output page's pickers, driven through their real controls.

#include "app/Dialogs.h"
#include "gui_helpers.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>

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
    TPopupSettings Settings() { return m_form->Output->ReadPopupSettings(); }

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
        QCOMPARE(s.LinkURL, QStringLiteral("http://"));
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
        const struct {
            QString typed;
            int32_t value;
        } cases[] = {{"-3", -3},
                     {"", 0},
                     {"2147483647", 2147483647},
                     {"-2147483648", INT32_MIN},
                     {"86400", 86400}};
        for (const auto &c : cases) {
            Type("DelayTime", c.typed);
            QCOMPARE(Settings().AutoCloseDelay, c.value);
        }
        // Text the box would not let a user type still reads as 0.
        control<QSpinBox>(m_form.get(), "DelayTime")->findChild<QLineEdit *>()->setText("abc");
        QCOMPARE(Settings().AutoCloseDelay, 0);
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
