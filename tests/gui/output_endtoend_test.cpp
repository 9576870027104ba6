// The whole wizard in the real window: through the pages to the output page, Add popup on a
// page in a temporary folder, Save files, and the preview folders cleaned up at exit.

#include "app/Dialogs.h"
#include "document/DesignFile.h"
#include "gui_helpers.h"
#include "imaging/PngObject.h"
#include "output/UniqueNumber.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace GuiTest;

class OutputEndToEndTest : public QObject {
    Q_OBJECT

    ProgramFolder m_program;
    QTemporaryDir m_site;
    std::unique_ptr<TMainForm> m_form;

    void Click(const char *name)
    {
        QTest::mouseClick(control<QPushButton>(m_form.get(), name), Qt::LeftButton);
    }
    void SetText(const char *name, const QString &text)
    {
        control<QLineEdit>(m_form.get(), name)->setText(text);
    }
    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

private slots:
    void initTestCase()
    {
        m_program.container(QStringLiteral("img.stg"),
                            {m_program.png(QStringLiteral("1.png"), 80, 80, QColor(20, 120, 60))});
        Dialogs::setRecordMessages(true);
        m_form = openWindow(m_program);
        Dialogs::takeShownMessages();
    }

    void addPopupThroughTheWizard()
    {
        for (int i = 0; i < 4; ++i)
            Click("NextButton");
        QCOMPARE(m_form->CurrentPage, 5);
        QCOMPARE(m_form->TempFolders.size(), 2); // one preview on the way
        // Leaving the behaviour page with the link box as a new design has it.
        const QList<Dialogs::ShownMessage> noted = Dialogs::takeShownMessages();
        QCOMPARE(noted.size(), 1);
        QVERIFY(noted[0].text.startsWith(QStringLiteral("The popup has no link")));

        const QString page = m_site.filePath(QStringLiteral("index.htm"));
        {
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<html>\n<body bgcolor=white>\n<p>Welcome</p>\n</body></html>\n");
        }
        SetText("ExistingFileEdit", page);
        Click("AddPopup");

        const QList<Dialogs::ShownMessage> shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, QStringLiteral("Done"));
        QCOMPARE(shown[0].text,
                 QStringLiteral("Your Vantelle files have been saved,\r\n"
                                "and your HTML document modified.\r\n"
                                "You are now ready to upload the files to your server"));
        QCOMPARE(shown[0].icon, QMessageBox::Information);
        QCOMPARE(shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        QCOMPARE(Read(page), QByteArray("<html>\n<body bgcolor=white><!-- POPUP --><script "
                                        "src=index.popup/script.js></script><!-- END -->\n"
                                        "<p>Welcome</p>\n</body></html>\n"));
        const QString folder = m_site.filePath(QStringLiteral("index.popup"));
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 (QStringList{"design.vpopup", "logo.png", "logo@2x.png", "pix.gif", "script.js"}));
        TPNGObject logo;
        logo.loadFromFile(folder + QStringLiteral("/logo.png"));
        QCOMPARE(logo.width(), 500);
        logo.loadFromFile(folder + QStringLiteral("/logo@2x.png"));
        QCOMPARE(logo.width(), 1000);
        QCOMPARE(Read(folder + QStringLiteral("/pix.gif")).size(), 43);
        const QByteArray script = Read(folder + QStringLiteral("/script.js"));
        QVERIFY(script.contains("\r\nPath = \"index.popup/\";\r\n"));
        QVERIFY(script.contains("\r\nclick_points = '0, 499, 0, 0, 499, 0, 499, 499';\r\n"));
        // No link was typed: a click on the popup does nothing.
        QVERIFY(script.contains("\r\naction = \"\";\r\n"));
        QVERIFY(control<QPlainTextEdit>(m_form.get(), "HTMLCode")->toPlainText().isEmpty());
    }

    // The design keeps the cookie name its first Add popup made, so publishing again does not
    // show the popup again to those who have seen it; "Show it again to visitors who have seen
    // it" makes a new one for the next Add popup only.
    void publishingAgainKeepsTheCookieName()
    {
        uint32_t tick = 1000;
        SetUniqueNumberSource([&] { return tick += 7; });
        const QString folder = m_site.filePath(QStringLiteral("index.popup"));
        const auto cookie = [&] {
            const QByteArray script = Read(folder + QStringLiteral("/script.js"));
            const qsizetype at = script.indexOf("Cookie_unique = '");
            return QString::fromLatin1(
                script.mid(at + 17, script.indexOf('\'', at + 17) - at - 17));
        };
        const auto design = [&] {
            return ReadDesignFile(folder + QStringLiteral("/design.vpopup")).Settings.CookieName;
        };
        const QString first = cookie();
        QVERIFY(first.startsWith(QStringLiteral("Cookie_ID_")));
        QCOMPARE(m_form->Document.Settings.CookieName, first);
        QCOMPARE(design(), first);

        Click("AddPopup");
        QCOMPARE(cookie(), first);

        auto *again = control<QCheckBox>(m_form.get(), "ShowAgain");
        again->click();
        Click("AddPopup");
        const QString second = cookie();
        QVERIFY(second != first);
        QCOMPARE(design(), second);
        QCOMPARE(m_form->Document.Settings.CookieName, second);
        QVERIFY(!again->isChecked());
        Click("AddPopup");
        QCOMPARE(cookie(), second);

        // A write that fails keeps the name the published popup has.
        again->click();
        const QString page = control<QLineEdit>(m_form.get(), "ExistingFileEdit")->text();
        SetText("ExistingFileEdit", QStringLiteral("/proc/sys/kernel/ostype"));
        Click("AddPopup");
        QCOMPARE(m_form->Document.Settings.CookieName, second);
        QVERIFY(again->isChecked());
        again->click();
        SetText("ExistingFileEdit", page);
        SetUniqueNumberSource({});
        Dialogs::takeShownMessages();
    }

    void settingsAreReadWhenFilesAreWritten()
    {
        Click("BackButton");
        Click("BackButton");
        QCOMPARE(m_form->CurrentPage, 3);
        QTest::mouseClick(control<QAbstractButton>(m_form.get(), "ClosePopup"), Qt::LeftButton, {},
                          QPoint(5, 10));
        QTest::mouseClick(control<QAbstractButton>(m_form.get(), "SetManual"), Qt::LeftButton, {},
                          QPoint(5, 10));
        QLineEdit *left = control<QWidget>(m_form.get(), "LeftSpin")->findChild<QLineEdit *>();
        left->selectAll();
        QTest::keyClicks(left, QStringLiteral("-15"));
        Click("NextButton");
        Click("NextButton");
        // Two folders per preview: the first, the one page 4 showed again after the changes on
        // page 5 (a change drops the view), and this one.
        QCOMPARE(m_form->TempFolders.size(), 6);

        const QString folder = m_site.filePath(QStringLiteral("out"));
        SetText("SaveToFolder", folder);
        Click("SaveFiles");
        const QList<Dialogs::ShownMessage> shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text,
                 QStringLiteral("Your Vantelle files have been saved,\r\n"
                                "but your HTML document ought to be modified by you"));
        QCOMPARE(control<QPlainTextEdit>(m_form.get(), "HTMLCode")->toPlainText(),
                 QStringLiteral("<BODY>\n<!-- POPUP --><script src=out/script.js></script>"
                                "<!-- END -->\n</BODY>"));
        const QByteArray script = Read(folder + QStringLiteral("/script.js"));
        QVERIFY(script.contains("\r\naction = \"HREF='#1' onClick='close_up();'\";\r\n"));
        QVERIFY(script.contains("\r\nposition = \"left: -15px;  top: 0px;\";\r\n"));
    }

    void failureShowsTheErrorAndKeepsThePage()
    {
        // /proc accepts no new files or folders, even from root: the error box names the first
        // file that could not be made and the page stays as it was.
        SetText("ExistingFileEdit", QStringLiteral("/proc/sys/kernel/ostype"));
        const QByteArray before = Read(QStringLiteral("/proc/sys/kernel/ostype"));
        Click("AddPopup");
        const QList<Dialogs::ShownMessage> shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, QMessageBox::Critical);
        QVERIFY2(shown[0].text.startsWith(QStringLiteral("Cannot create file \"/proc/sys/kernel/")),
                 qPrintable(shown[0].text));
        QCOMPARE(Read(QStringLiteral("/proc/sys/kernel/ostype")), before);

        SetText("ExistingFileEdit", QString());
        QVERIFY(!control<QPushButton>(m_form.get(), "AddPopup")->isEnabled());
    }

    void previewFoldersAreGoneAfterExit()
    {
        Click("BackButton");
        Click("BackButton");
        Click("NextButton"); // a fifth preview (the fourth on coming back from page 5)
        QCOMPARE(m_form->TempFolders.size(), 10);
        const QStringList folders = m_form->TempFolders;
        for (const QString &folder : folders)
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        m_form.reset();
        for (const QString &folder : folders)
            QVERIFY2(!QFileInfo::exists(folder), qPrintable(folder));
    }
};

VANTELLE_GUI_TEST_MAIN(OutputEndToEndTest)
#include "output_endtoend_test.moc"
