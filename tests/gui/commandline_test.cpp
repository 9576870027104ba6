// The program's command line, run as the real executable: --help and --version print and end
// with 0; a wrong option ends with a message and status 2 before any window or Qt option
// parsing. A file is always opened by the window, which says in a box what is wrong with it.

#include "gui_helpers.h"

#include "base/FileStorage.h"

#include "app/CommandLine.h"
#include "app/Dialogs.h"
#include "document/DesignDocument.h"
#include "document/DesignHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace GuiTest;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
    void speaksTheDesktopLanguage_data();
    void speaksTheDesktopLanguage();
    void aFileOpensTheWindowWhichSaysWhatIsWrong();
    void aPublishedPageOpensItsDesign();
    void endsOnATerminateSignalLikeAClose();
};

void CommandLineTest::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QString>("stderrHas");

    QTest::newRow("help") << QStringList{"--help"} << 0
                          << "Usage: vantelle-pro [FILE.vpopup | PAGE.html]"
                          << "";
    QTest::newRow("short help") << QStringList{"-h"} << 0 << "--version"
                                << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Vantelle Pro " VANTELLE_VERSION
                             << "";
    QTest::newRow("help wins over what follows")
        << QStringList{"--help", "-reverse"} << 0 << "Usage:"
        << "";
    // Qt's own options would mirror or restyle the window; they are the program's unknown ones.
    QTest::newRow("Qt's -reverse") << QStringList{"-reverse"} << 2 << ""
                                   << "unknown option '-reverse'";
    QTest::newRow("Qt's -style") << QStringList{"-style", "fusion"} << 2 << ""
                                 << "unknown option '-style'";
    QTest::newRow("unknown long option") << QStringList{"--open"} << 2 << ""
                                         << "Try 'vantelle-pro --help'";
    QTest::newRow("two designs") << QStringList{"a.vpopup", "b.vpopup"} << 2 << ""
                                 << "one design at a time";
}

void CommandLineTest::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, stdoutHas);
    QFETCH(QString, stderrHas);

    QTemporaryDir scratch;
    QProcess program;
    program.setWorkingDirectory(scratch.path());
    program.start(QStringLiteral(VANTELLE_BINARY_DIR "/bin/vantelle-pro"), arguments);
    QVERIFY2(program.waitForFinished(20000), "the program did not end by itself");
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    if (stdoutHas.isEmpty())
        QVERIFY2(out.isEmpty(), qPrintable(out));
    else
        QVERIFY2(out.contains(stdoutHas), qPrintable(out));
    if (stderrHas.isEmpty())
        QVERIFY2(err.isEmpty(), qPrintable(err));
    else
        QVERIFY2(err.contains(stderrHas), qPrintable(err));
}

void CommandLineTest::speaksTheDesktopLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("has");
    QTest::newRow("German help") << "de_DE.UTF-8" << QStringList{"--help"}
                                 << QString::fromUtf8("Aufruf: vantelle-pro [FILE.vpopup");
    QTest::newRow("French help") << "fr_FR.UTF-8" << QStringList{"--help"}
                                 << QString::fromUtf8("  --dry-run            indiquer ce qui");
    QTest::newRow("Spanish complaint")
        << "es_ES.UTF-8" << QStringList{"a.vpopup", "b.vpopup"}
        << QString::fromUtf8("un diseño cada vez, pero se indicaron 2 archivos\nPruebe");
    QTest::newRow("German complaint of a site command")
        << "de_DE.UTF-8" << QStringList{"publish", "a.vpopup"}
        << QString::fromUtf8("publish braucht den Ordner der Website");
    QTest::newRow("C locale") << "C.UTF-8" << QStringList{"--help"} << "Usage: vantelle-pro";
}

// The help and the complaints follow the desktop's language like the window does.
void CommandLineTest::speaksTheDesktopLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, arguments);
    QFETCH(QString, has);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), lang);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VANTELLE_BINARY_DIR "/bin/vantelle-pro"), arguments);
    QVERIFY2(program.waitForFinished(20000), "the program did not end by itself");
    const QString said =
        QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
    QVERIFY2(said.contains(has), qPrintable(said));
}

// A page without a popup, a design that is not there or cannot be read, or any other file: the
// program starts its window instead of ending on the terminal, and the window's box names it.
void CommandLineTest::aFileOpensTheWindowWhichSaysWhatIsWrong()
{
    QTemporaryDir scratch;
    const QString page = scratch.filePath(QStringLiteral("page.htm"));
    QFile out(page);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("<html><body><p>No popup here</p></body></html>\n");
    out.close();
    // A folder stands for a design that cannot be read (root reads any file).
    const QString unreadable = scratch.filePath(QStringLiteral("locked.vpopup"));
    QVERIFY(QDir().mkdir(unreadable));
    const QString deleted = scratch.filePath(QStringLiteral("gone.vpopup"));
    // Named in capitals, a design that is not there is still a design that cannot be opened.
    const QString deletedInCapitals = scratch.filePath(QStringLiteral("MINE.VPOPUP"));

    // The real program keeps its window up with the box: no status 2, nothing on the terminal.
    QProcess program;
    program.setWorkingDirectory(scratch.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VANTELLE_BINARY_DIR "/bin/vantelle-pro"),
                  {QStringLiteral("gone.vpopup")});
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(3000),
             qPrintable(QString::fromLocal8Bit(program.readAllStandardError())));
    program.terminate();
    if (!program.waitForFinished(5000)) {
        program.kill();
        program.waitForFinished();
    }
    QVERIFY(!program.readAllStandardError().contains("gone.vpopup"));

    ProgramFolder folder;
    auto w = openWindow(folder);
    Dialogs::setRecordMessages(true);
    for (const QString &file : {page, unreadable, deleted, deletedInCapitals}) {
        const QString relative = QDir(scratch.path()).relativeFilePath(file);
        QDir::setCurrent(scratch.path());
        const TCommandLine line = ParseCommandLine({relative});
        QVERIFY(!line.exit);
        QCOMPARE(line.designFile, file);
        Dialogs::takeShownMessages();
        w->OpenDesignFile(line.designFile);
        const QList<Dialogs::ShownMessage> shown = Dialogs::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].icon, QMessageBox::Critical);
        QVERIFY2(shown[0].text.contains(file), qPrintable(shown[0].text));
        if (file == deletedInCapitals)
            QVERIFY2(shown[0].text.startsWith(QStringLiteral("Cannot open")) &&
                         !shown[0].text.contains(QStringLiteral("not a design")),
                     qPrintable(shown[0].text));
    }
}

// A published page named on the command line opens the design published with its popup.
void CommandLineTest::aPublishedPageOpensItsDesign()
{
    ProgramFolder folder;
    QTemporaryDir site;
    const QString page = site.filePath(QStringLiteral("index.htm"));
    QFile out(page);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("<html>\n<body>\n<p>Welcome</p>\n</body></html>\n");
    out.close();
    auto w = openWindow(folder);
    Dialogs::setRecordMessages(true);
    w->Document.DocumentSize = 300;
    control<QLineEdit>(w.get(), "ExistingFileEdit")->setText(page);
    w->Publish->AddPopupChange();
    w.reset();

    w = openWindow(folder);
    Dialogs::takeShownMessages();
    QDir::setCurrent(site.path());
    const TCommandLine line = ParseCommandLine({QStringLiteral("index.htm")});
    QVERIFY(!line.exit);
    w->OpenDesignFile(line.designFile);
    QVERIFY(Dialogs::takeShownMessages().isEmpty());
    QCOMPARE(w->Document.DocumentSize, 300);
    // Showing the opened design on the pages is no step of its own.
    QCOMPARE(w->History->Stack().count(), 0);
    QCOMPARE(QFileInfo(w->Files->DesignPath()).fileName(), QStringLiteral("design.vpopup"));
}

// The program itself, from a folder of its own so that its picture base's lock is found there:
// SIGTERM (a log-out, kill) ends it as closing the window does, with its clean-up.
void CommandLineTest::endsOnATerminateSignalLikeAClose()
{
    QTemporaryDir scratch;
    const QString program = scratch.filePath(QStringLiteral("vantelle-pro"));
    QVERIFY(QFile::copy(QStringLiteral(VANTELLE_BINARY_DIR "/bin/vantelle-pro"), program));
    // A container beside the program makes its folder the program's data and user folder.
    WriteStorage({}, scratch.filePath(QStringLiteral("cbs.stg")));
    QProcess running;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_STATE_HOME"), scratch.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    running.setProcessEnvironment(env);
    running.start(program, {});
    QVERIFY(running.waitForStarted());
    const QString lock = scratch.filePath(QStringLiteral("usr.stg.lock"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 30000);
    QTest::qWait(500);
    ::kill(static_cast<pid_t>(running.processId()), SIGTERM);
    QVERIFY(running.waitForFinished(30000));
    QCOMPARE(running.exitStatus(), QProcess::NormalExit);
    QCOMPARE(running.exitCode(), 0);
    QVERIFY(!QFile::exists(lock));
}

VANTELLE_GUI_TEST_MAIN(CommandLineTest)
#include "commandline_test.moc"
