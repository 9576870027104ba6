// "vantelle-pro publish" and "vantelle-pro takedown", run as the real program without a display:
// a made site published and taken down, what --dry-run and --json give, the exit statuses, and a
// publishing process killed with SIGKILL at several moments.

#include "document/DesignDocument.h"
#include "document/DesignFile.h"
#include "output/PageText.h"
#include "site/SitePages.h"

#include "made_site.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <csignal>

using namespace MadeSite;

namespace {

const QString kProgram = QStringLiteral(VANTELLE_BINARY_DIR "/bin/vantelle-pro");

struct TRun {
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

QProcessEnvironment Headless()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

TRun Run(const QStringList &arguments)
{
    QProcess program;
    program.setProcessEnvironment(Headless());
    program.start(kProgram, arguments);
    TRun run;
    if (!program.waitForFinished(120000) || program.exitStatus() != QProcess::NormalExit)
        return run;
    run.Status = program.exitCode();
    run.Out = program.readAllStandardOutput();
    run.Err = program.readAllStandardError();
    return run;
}

// A design of the default document: a transparent square, no close button.
QString WriteDesign(const QString &folder, const QString &name)
{
    const QString path = folder + u'/' + name + QStringLiteral(".vpopup");
    TDesignDocument document;
    document.DocumentSize = 200;
    WriteDesignFile(path, document.Snapshot());
    return path;
}

std::map<QString, QByteArray> Snapshot(const QString &site)
{
    std::map<QString, QByteArray> pages;
    for (const QString &page : ListSitePages(site))
        pages[page] = Read(site + u'/' + page);
    return pages;
}

} // namespace

class SiteCommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void publishDryRunJsonAndTakeDown();
    void usageErrors_data();
    void usageErrors();
    void killedAtAnyMomentTheSiteComesBack();
};

void SiteCommandLineTest::publishDryRunJsonAndTakeDown()
{
    TMadeSite site;
    const QString design = WriteDesign(site.Root.path(), QStringLiteral("Summer sale"));

    const TRun dry = Run({"publish", design, "--site", site.Site, "--dry-run"});
    QCOMPARE(dry.Status, 1); // some pages would be skipped
    QVERIFY2(dry.Out.contains("\nadded shop/a/b/deep.html\n"), dry.Out.constData());
    QVERIFY2(dry.Out.contains("skipped shop/other.html: It holds another popup"), dry.Out);
    QVERIFY2(dry.Out.contains("\n+<BODY class=\"x>y\"><!-- POPUP --><script "
                              "src=popup/Summer%20sale/script.js></script><!-- END -->\n"),
             dry.Out.constData());
    for (const auto &[page, bytes] : site.Pages)
        QCOMPARE(Read(site.Path(page)), bytes);
    QVERIFY(!QFileInfo::exists(site.Site + QStringLiteral("/popup")));

    // Only the pages that can take it: every chosen page is done.
    const TRun json = Run({"publish", design, "--site", site.Site, "--pages", "shop/**", "--pages",
                           "index.html", "--exclude", "shop/*.html", "--json"});
    QCOMPARE(json.Status, 0);
    QJsonParseError error{};
    const QJsonObject report = QJsonDocument::fromJson(json.Out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(report["command"].toString(), QStringLiteral("publish"));
    QCOMPARE(report["counts"].toObject()["added"].toInt(), 3);
    QStringList pages;
    for (const QJsonValue &page : report["pages"].toArray()) {
        pages << page.toObject()["page"].toString();
        QCOMPARE(page.toObject()["action"].toString(), QStringLiteral("added"));
    }
    QCOMPARE(pages, (QStringList{"index.html", "shop/a/nobody.html", "shop/a/b/deep.html"}));
    const QString popup = report["popupFolder"].toString();
    QCOMPARE(popup, site.Site + QStringLiteral("/popup/Summer sale"));
    for (const QString &page : pages) {
        const QByteArray bytes = Read(site.Path(page));
        const TPopupMarkers markers = ReadPopupMarkers(bytes);
        QCOMPARE(markers.Blocks.size(), size_t(1));
        const QString script = ResolveScriptAddress(site.Path(page), markers.Blocks[0].Source);
        QCOMPARE(script, popup + QStringLiteral("/script.js"));
        QVERIFY(QFileInfo(script).isFile());
    }

    // Everything else, then the whole site down again.
    const TRun rest = Run({"publish", design, "--site", site.Site});
    QCOMPARE(rest.Status, 1);
    QVERIFY(rest.Out.contains("\nunchanged index.html\n"));
    QVERIFY(rest.Out.contains("\nskipped shop/locked.html: It is read-only\n"));
    QVERIFY(rest.Out.contains("publish: 4 added, 0 updated, 0 removed, 3 unchanged, 3 skipped"));

    const TRun dryDown = Run({"takedown", design, "--site", site.Site, "--dry-run", "--json"});
    QCOMPARE(dryDown.Status, 0);
    QCOMPARE(QJsonDocument::fromJson(dryDown.Out)["counts"]["removed"].toInt(), 7);
    QVERIFY(Read(site.Path("index.html")) != site.Pages["index.html"]);

    const TRun down = Run({"takedown", design, "--site", site.Site});
    QCOMPARE(down.Status, 0);
    QVERIFY(down.Out.contains("takedown: 0 added, 0 updated, 7 removed"));
    for (const auto &[page, bytes] : site.Pages)
        QCOMPARE(Read(site.Path(page)), bytes);
    QVERIFY(!QFileInfo::exists(site.Site + QStringLiteral("/popup")));
}

void SiteCommandLineTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("no site") << QStringList{"publish", "d.vpopup"} << 2 << "--site DIR";
    QTest::newRow("no design") << QStringList{"takedown", "--site", "."} << 2
                               << "takes one design file, but 0";
    QTest::newRow("two designs") << QStringList{"publish", "a.vpopup", "b.vpopup", "--site", "."}
                                 << 2 << "takes one design file, but 2";
    QTest::newRow("unknown option") << QStringList{"publish", "d.vpopup", "--site", ".", "--force"}
                                    << 2 << "unknown option '--force' for publish";
    QTest::newRow("pages on takedown")
        << QStringList{"takedown", "d.vpopup", "--site", ".", "--pages", "*"} << 2
        << "unknown option '--pages'";
    QTest::newRow("site twice") << QStringList{"publish", "d.vpopup", "--site", ".", "--site", "."}
                                << 2 << "--site is given more than once";
    QTest::newRow("site missing") << QStringList{"publish", "d.vpopup", "--site", "/nowhere/x"} << 1
                                  << "The site folder \"/nowhere/x\" does not exist";
    QTest::newRow("design missing") << QStringList{"publish", "/nowhere/d.vpopup", "--site", "/"}
                                    << 1 << "Cannot open file \"/nowhere/d.vpopup\"";
}

void SiteCommandLineTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, stderrHas);
    const TRun run = Run(arguments);
    QCOMPARE(run.Status, status);
    QVERIFY2(QString::fromLocal8Bit(run.Err).contains(stderrHas), run.Err.constData());
}

// SIGKILL while the pages are being replaced, at several moments: each page is then either as
// it was or fully published, a take down gives every page back, and a new publish puts the
// popup on every page once.
void SiteCommandLineTest::killedAtAnyMomentTheSiteComesBack()
{
    QTemporaryDir root;
    const QString site = root.path() + QStringLiteral("/site");
    QByteArray filler;
    for (int i = 0; filler.size() < 20000; ++i)
        filler += "<p>Paragraph " + QByteArray::number(i) + " of the shop's page.</p>\n";
    constexpr int kPages = 1500;
    for (int i = 0; i < kPages; ++i)
        Write(site + QStringLiteral("/f%1/page%2.html").arg(i % 4).arg(i),
              "<html><body>\n<h1>" + QByteArray::number(i) + "</h1>\n" + filler +
                  "</body></html>\n");
    const std::map<QString, QByteArray> original = Snapshot(site);
    const QString design = WriteDesign(root.path(), QStringLiteral("Sale"));
    const QString journal = site + QStringLiteral("/popup/Sale/site-journal.txt");
    const QByteArray tag0 = "<!-- POPUP --><script src=../popup/Sale/script.js></script>"
                            "<!-- END -->";

    // Each page is as it was or fully published; returns how many are published.
    const auto checkEachPageWhole = [&] {
        int count = 0;
        for (const auto &[page, bytes] : Snapshot(site)) {
            QByteArray published = original.at(page);
            published.insert(published.indexOf("<body>") + 6, tag0);
            if (bytes != original.at(page) && bytes != published)
                return -1;
            count += bytes == published;
        }
        return count;
    };
    // Kills the run once the journal holds the given number of records (0: at once), or once
    // the given page has changed.
    const auto killedRun = [&](const QStringList &arguments, int records,
                               const QString &watched = QString()) {
        QProcess program;
        program.setProcessEnvironment(Headless());
        program.start(kProgram, arguments);
        QVERIFY(program.waitForStarted());
        QElapsedTimer waited;
        waited.start();
        while ((records > 0 || !watched.isEmpty()) && program.state() == QProcess::Running &&
               waited.elapsed() < 60000) {
            if (!watched.isEmpty()
                    ? Read(site + u'/' + watched) != original.at(watched)
                    : Read(journal).count("\n" + arguments.first().toLatin1() + ' ') >= records)
                break;
            QTest::qSleep(1);
        }
        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        program.waitForFinished();
    };

    // No new page file that a killed run left behind stays in the site.
    const auto strayFiles = [&] {
        QStringList stray;
        QDirIterator files(site, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext())
            if (files.next().endsWith(QLatin1String(".vantelle-new")))
                stray << files.filePath();
        return stray;
    };

    const QStringList publish{"publish", design, "--site", site};
    const QStringList takedown{"takedown", design, "--site", site};
    for (const int records : {0, 1, 300, 1000}) {
        killedRun(publish, records);
        const int published = checkEachPageWhole();
        QVERIFY(published >= 0);
        // Killed half-way: the groups whose intents came before were replaced.
        if (records >= 300)
            QVERIFY2(published >= 256 && published < kPages,
                     qPrintable(QString::number(published)));
        QCOMPARE(Run(takedown).Status, 0);
        QCOMPARE(Snapshot(site), original);
        QCOMPARE(strayFiles(), QStringList());
    }
    // Killed while the pages of a group are being renamed into place.
    const QStringList order = ListSitePages(site);
    for (const int page : {100, 700}) {
        killedRun(publish, 0, order[page]);
        const int published = checkEachPageWhole();
        QVERIFY2(published > page && published < kPages, qPrintable(QString::number(published)));
        QCOMPARE(Run(takedown).Status, 0);
        QCOMPARE(Snapshot(site), original);
        QCOMPARE(strayFiles(), QStringList());
    }
    // Killed twice on the way up and once on the way down; then publish and take down finish.
    killedRun(publish, 200);
    killedRun(publish, 700);
    QVERIFY(checkEachPageWhole() >= 0);
    QCOMPARE(Run(publish).Status, 0);
    for (const auto &[page, bytes] : Snapshot(site)) {
        QCOMPARE(ReadPopupMarkers(bytes).Blocks.size(), size_t(1));
        QVERIFY(bytes.count("<!-- POPUP -->") == 1);
    }
    QCOMPARE(Read(journal).count("\npublish "), kPages);
    killedRun(takedown, 500);
    const int left = checkEachPageWhole();
    QVERIFY2(left > 0 && left < kPages, qPrintable(QString::number(left)));
    QCOMPARE(Run(takedown).Status, 0);
    QCOMPARE(Snapshot(site), original);
    QCOMPARE(strayFiles(), QStringList());
    QVERIFY(!QFileInfo::exists(journal));
}

QTEST_GUILESS_MAIN(SiteCommandLineTest)
#include "commandline_site_test.moc"
