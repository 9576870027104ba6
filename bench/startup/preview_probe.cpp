// Times Next on page 3 to the first paint of the preview on page 4, with the real window on the
// shipped picture base. One measurement per process, so that every run starts the browser
// engine afresh; the user stays a few seconds on pages 2 and 3 first, as a person would.
//
//   preview_probe [--no-warm-up]
//
// --no-warm-up starts the browser engine only when page 4 needs it.

#include "app/AppStart.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

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

} // namespace

int main(int argc, char *argv[])
{
    PrepareProcess();
    QApplication app(argc, argv);
    const bool warmUp = !QCoreApplication::arguments().contains(QStringLiteral("--no-warm-up"));
    QTemporaryDir folder;
    for (const char *name : {"img.stg", "cbs.stg"})
        QFile::copy(QStringLiteral(VANTELLE_BINARY_DIR "/bin/") + QLatin1String(name),
                    folder.filePath(QLatin1String(name)));
    SetInitialTitle();
    // Leaving page 3 notes that a new design's popup has no link yet; the note is answered
    // (and the time to read it left out) rather than waited on in a modal loop.
    Dialogs::setRecordMessages(true);
    TMainForm window(folder.path());
#if __has_include("app/PreviewLoader.h")
    window.Preview->Loader().ModuleFolders.prepend(QStringLiteral(VANTELLE_BINARY_DIR "/bin"));
    if (!warmUp)
        window.PreviewWarmUpDelay = -1;
#else
    (void)warmUp;
#endif
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *next = window.findChild<QPushButton *>(QStringLiteral("NextButton"));
    QTest::qWait(1000);
    next->click(); // page 2
    QTest::qWait(3000);
    next->click(); // page 3
    QTest::qWait(1000);

    QElapsedTimer clock;
    clock.start();
    next->click(); // page 4
    const qint64 switched = clock.elapsed();
    auto *browser = window.findChild<QWebEngineView *>(QStringLiteral("PreviewBrowser"));
    qint64 painted = -1;
    while (browser && clock.elapsed() < 20000) {
        if (paintedPixels(browser->grab().toImage()) > 20000) {
            painted = clock.elapsed();
            break;
        }
        QTest::qWait(5);
    }
    std::printf("page switch %lld ms, preview painted %lld ms after Next\n",
                static_cast<long long>(switched), static_cast<long long>(painted));
    return painted < 0;
}
