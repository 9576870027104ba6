// The program's command line, run as the real executable: --help and --version print and end
// with 0; anything else ends with a message and status 2 before any window or Qt option parsing.

#include "base/FileStorage.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
    void endsOnATerminateSignalLikeAClose();
};

void CommandLineTest::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QString>("stderrHas");

    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: vantelle-pro [FILE.vpopup]"
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
    QTest::newRow("not a design") << QStringList{"page.htm"} << 2 << ""
                                  << "'page.htm' is not a design file";
    QTest::newRow("two designs") << QStringList{"a.vpopup", "b.vpopup"} << 2 << ""
                                 << "one design at a time";
    QTest::newRow("a design that is not there")
        << QStringList{"mine.vpopup"} << 2 << ""
        << "cannot open 'mine.vpopup': No such file or directory";
    QTest::newRow("a design named in capitals that is not there")
        << QStringList{"MINE.VPOPUP"} << 2 << ""
        << "cannot open 'MINE.VPOPUP': No such file or directory";
    QTest::newRow("a design after --") << QStringList{"--", "-x.vpopup"} << 2 << ""
                                       << "cannot open '-x.vpopup'";
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

QTEST_GUILESS_MAIN(CommandLineTest)
#include "commandline_test.moc"
