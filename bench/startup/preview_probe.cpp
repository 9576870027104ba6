// Times Next on page 3 to the first paint of the preview on page 4, with the real window on the
// shipped picture base. One measurement per process, so that every run starts the browser
// engine afresh; the user stays a few seconds on pages 2 and 3 first, as a person would.
//
//   preview_probe [--no-warm-up] [--no-prepare] [--shot FILE]
//   preview_probe --stall
//
// --no-warm-up starts the browser engine only when page 4 needs it; --no-prepare leaves the
// preview to be written and loaded on Next, as when the user does not stay on page 3; --shot saves
// a picture of the window a second after the preview painted. --stall instead makes a change on
// page 3 seven times, two seconds apart, and prints the longest time the window's thread was busy
// in the second after each (the preview prepared for the change is the stall the user feels) and
// in the second after that, without a change (the machine's load alone), after the longest on
// page 2 (where the engine starts) and in the first second of page 3. Besides the total,
// the probe prints when each step after Next was seen (ms after Next, -1 when it was not):
//   files   the page switch wrote the preview's files (the view is made right after)
//   view    the browser view was added to page 4
//   window  the window's surface was made again (the view needs a GL-capable one)
//   switch  the click returned: the page switch is over and the browser has its address
//   loaded  the browser finished loading the preview's page
//   painted the popup's picture shows in the view

#include "app/AppStart.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QChildEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlatformSurfaceEvent>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>

namespace {

// Pixels that are not the page's white: the popup's picture has arrived.
int paintedPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); y += 2) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); x += 2)
            n += (row[x] & 0xffffff) != 0xffffff;
    }
    return n;
}

// Notes the first time after start() that a view is added to a widget and that a window's
// surface is made again.
class StepWatch : public QObject {
public:
    QElapsedTimer clock;
    QSet<QObject *> known; // widgets that were there before Next
    qint64 filesWritten = -1;
    qint64 viewMade = -1;
    qint64 surfaceMade = -1;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!clock.isValid())
            return false;
        // The view is made right after the files are written: its first child event.
        if (event->type() == QEvent::ChildAdded && filesWritten < 0 &&
            watched->objectName() == QLatin1String("Panel4") &&
            !known.contains(static_cast<QChildEvent *>(event)->child()))
            filesWritten = clock.elapsed();
        if (event->type() == QEvent::Show && viewMade < 0 &&
            qobject_cast<QWebEngineView *>(watched))
            viewMade = clock.elapsed();
        if (event->type() == QEvent::PlatformSurface && surfaceMade < 0 &&
            static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated)
            surfaceMade = clock.elapsed();
        return false;
    }
};

// The longest time within ms milliseconds that the event loop did not come round.
qint64 longestStall(int ms)
{
    QElapsedTimer clock, gap;
    clock.start();
    gap.start();
    qint64 longest = 0;
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        longest = std::max(longest, gap.restart());
    }
    return longest;
}

// The median of times, and all of them in order.
QString medianOf(QList<qint64> times)
{
    std::sort(times.begin(), times.end());
    QStringList all;
    for (const qint64 time : std::as_const(times))
        all << QString::number(time);
    return QStringLiteral("median %1 ms (%2)").arg(times[times.size() / 2]).arg(all.join(u' '));
}

// Changes the design on page 3 a few times and prints the stall that follows each change, and
// the longest wait in as many seconds without a change (what the machine's load alone costs).
int measureStalls(TMainForm &window)
{
    QList<qint64> stalls, idle;
    for (int i = 0; i < 7; ++i) {
        const TDesignState before = window.Document.Snapshot();
        window.Document.Settings.RepeatDays = window.Document.Settings.RepeatDays % 30 + 1;
        window.Document.Announce(before);
        stalls << longestStall(1000);
        idle << longestStall(1000);
    }
    std::printf("stall per change on page 3: %s; without a change: %s\n",
                qPrintable(medianOf(stalls)), qPrintable(medianOf(idle)));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    PrepareProcess();
    QApplication app(argc, argv);
    const bool warmUp = !QCoreApplication::arguments().contains(QStringLiteral("--no-warm-up"));
    QTemporaryDir folder;
    for (const char *name : {"img.stg", "cbs.stg"})
        if (!QFile::copy(QStringLiteral(VANTELLE_BINARY_DIR "/bin/") + QLatin1String(name),
                         folder.filePath(QLatin1String(name)))) {
            std::fprintf(stderr, "preview_probe: the shipped %s is not built\n", name);
            return 1;
        }
    SetInitialTitle();
    // Leaving page 3 notes that a new design's popup has no link yet; the note is answered
    // (and the time to read it left out) rather than waited on in a modal loop.
    Dialogs::setRecordMessages(true);
    TMainForm window(folder.path());
    window.Preview->Loader().ModuleFolders.prepend(QStringLiteral(VANTELLE_BINARY_DIR "/bin"));
    if (!warmUp)
        window.PreviewWarmUpDelay = -1;
    if (QCoreApplication::arguments().contains(QStringLiteral("--no-prepare")))
        window.Preview->PrepareDelay = 24 * 3600 * 1000;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *next = window.findChild<QPushButton *>(QStringLiteral("NextButton"));
    QTest::qWait(1000);
    const bool stalls = QCoreApplication::arguments().contains(QStringLiteral("--stall"));
    next->click(); // page 2
    // The browser engine starts while page 2 is on show.
    const qint64 pageTwo = longestStall(3000);
    next->click(); // page 3
    // The first preview is prepared while page 3 is on show.
    const qint64 pageThree = longestStall(1000);
    if (stalls) {
        std::printf("longest stall on page 2: %lld ms; in the first second of page 3: %lld ms\n",
                    static_cast<long long>(pageTwo), static_cast<long long>(pageThree));
        return measureStalls(window);
    }

    StepWatch steps;
    app.installEventFilter(&steps);
    qint64 loaded = -1;
    for (QWidget *widget : window.findChildren<QWidget *>())
        steps.known.insert(widget);
    QElapsedTimer &clock = steps.clock;
    clock.start();
    next->click(); // page 4
    const qint64 switched = clock.elapsed();
    auto *browser = window.findChild<QWebEngineView *>(QStringLiteral("PreviewBrowser"));
    if (browser)
        QObject::connect(browser->page(), &QWebEnginePage::loadFinished, &app,
                         [&] { loaded = clock.elapsed(); });
    qint64 painted = -1;
    while (browser && clock.elapsed() < 20000) {
        if (paintedPixels(browser->grab().toImage()) > 20000) {
            painted = clock.elapsed();
            break;
        }
        QTest::qWait(5);
    }
    if (const int at = QCoreApplication::arguments().indexOf(QStringLiteral("--shot")); at > 0) {
        QTest::qWait(1000);
        window.grab().save(QCoreApplication::arguments().value(at + 1));
    }
    app.removeEventFilter(&steps);
    std::printf("files %lld, view %lld, window %lld, switch %lld, loaded %lld ms; "
                "page switch %lld ms, preview painted %lld ms after Next\n",
                static_cast<long long>(steps.filesWritten), static_cast<long long>(steps.viewMade),
                static_cast<long long>(steps.surfaceMade), static_cast<long long>(switched),
                static_cast<long long>(loaded), static_cast<long long>(switched),
                static_cast<long long>(painted));
    return painted < 0;
}
