// The preview page: entering page 4 shows the freshly written popup in the embedded browser,
// and its pixels appear in the browser control.

#include "gui_helpers.h"

#include "app/PreviewLoader.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

using namespace GuiTest;

class WebEnginePreviewTest : public QObject {
    Q_OBJECT

    ProgramFolder m_program;
    std::unique_ptr<TMainForm> m_form;

    // How many pixels of the browser control are (close to) the given colour.
    static int Count(const QImage &image, QColor colour)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += qAbs(c.red() - colour.red()) < 8 && qAbs(c.green() - colour.green()) < 8 &&
                     qAbs(c.blue() - colour.blue()) < 8;
            }
        return n;
    }

    // The first column of the view where the magenta popup fills more than half the height,
    // or -1.
    static int PopupLeft(QWebEngineView *browser)
    {
        const QImage shot = browser->grab().toImage();
        for (int x = 0; x < shot.width(); ++x)
            if (Count(shot.copy(x, 0, 1, shot.height()), QColor(230, 20, 200)) > shot.height() / 2)
                return x;
        return -1;
    }

    // The view made ahead of page 4, in a window of its own that is never on screen.
    static QWebEngineView *ViewAhead()
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String("PreviewBrowserAhead"))
                return qobject_cast<QWebEngineView *>(widget);
        return nullptr;
    }

    // A window of its own on page 3, once the preview prepared there is written and loaded off
    // screen; page is that preview's page.
    void PrepareOnPageThree(QString &page)
    {
        m_form.reset(); // the picture base is kept by one window at a time
        m_form = openWindow(m_program);
        m_form->ShowPage(2);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_form->findChild<QWebEnginePage *>(QStringLiteral("PreviewAhead")), 5000);
        auto *ahead = m_form->findChild<QWebEnginePage *>(QStringLiteral("PreviewAhead"));
        QUrl loaded;
        connect(ahead, &QWebEnginePage::loadingChanged, this,
                [&loaded](const QWebEngineLoadingInfo &info) {
                    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                        loaded = info.url();
                });
        m_form->ShowPage(3);
        QTRY_VERIFY_WITH_TIMEOUT(!m_form->TempFolders.isEmpty(), 5000);
        page = m_form->TempFolders.first() + QStringLiteral("/index.htm");
        QTRY_COMPARE_WITH_TIMEOUT(loaded, QUrl::fromLocalFile(page), 10000);
        disconnect(ahead, nullptr, this, nullptr);
    }

private slots:
    void initTestCase()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the browser engine does not start in the sanitizer build");
#endif
        m_program.container(QStringLiteral("img.stg"),
                            {m_program.png(QStringLiteral("1.png"), 64, 64, QColor(230, 20, 200))});
        m_form = openWindow(m_program);
    }

    // The browser engine is not started for page 1; once page 2 is on screen it starts in the
    // background, without a view, so that the preview need not wait for it.
    void theBrowserStartsWhileTheUserDesigns()
    {
        QVERIFY(!m_form->findChild<QWebEngineView *>());
        const WId window = m_form->winId();
        m_form->ShowPage(2);
        QTRY_VERIFY_WITH_TIMEOUT(m_form->findChild<QWebEnginePage *>(), 5000);
        auto *page = m_form->findChild<QWebEnginePage *>();
        QTRY_COMPARE_WITH_TIMEOUT(page->url(), QUrl(QStringLiteral("about:blank")), 10000);
        QTest::qWait(200);
        // The window is not made again while the user designs (it would flicker).
        QCOMPARE(m_form->winId(), window);
        QVERIFY(!m_form->findChild<QWebEngineView *>());
    }

    void previewShowsThePopup()
    {
        m_form->ShowPage(2);
        m_form->ShowPage(3);
        m_form->ShowPage(4);
        auto *browser = control<QWebEngineView>(m_form.get(), "PreviewBrowser");
        QCOMPARE(browser->geometry(), QRect(16, 48, 692, 465));
        QCOMPARE(m_form->TempFolders.size(), 2);
        const QString page = m_form->TempFolders.first() + QStringLiteral("/index.htm");
        QVERIFY(QFileInfo(page).isFile());
        QTRY_COMPARE_WITH_TIMEOUT(browser->url(), QUrl::fromLocalFile(page), 10000);

        // The 500-pixel magenta popup, centred in the 692 x 465 view, fills most of it.
        const QColor magenta(230, 20, 200);
        QTRY_VERIFY_WITH_TIMEOUT(Count(browser->grab().toImage(), magenta) > 100000, 20000);
        // Shrunk to the view's 465-pixel height, so all of it shows, and centred across the
        // view: columns 114 to 578, rows 0 to 464.
        const QImage shot = browser->grab().toImage();
        int left = shot.width(), right = -1, top = shot.height(), bottom = -1;
        for (int x = 0; x < shot.width(); ++x)
            if (Count(shot.copy(x, 0, 1, shot.height()), magenta) > shot.height() / 2) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        for (int y = 0; y < shot.height(); ++y)
            if (Count(shot.copy(0, y, shot.width(), 1), magenta) > 400) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        QVERIFY2(qAbs(left - 114) <= 1 && qAbs(right - 578) <= 1 && top == 0 && bottom == 464,
                 qPrintable(QStringLiteral("popup columns %1 to %2, rows %3 to %4")
                                .arg(left)
                                .arg(right)
                                .arg(top)
                                .arg(bottom)));
    }

    void backFromTheOutputPageKeepsThePreview()
    {
        m_form->ShowPage(5);
        m_form->ShowPage(4);
        QCOMPARE(m_form->TempFolders.size(), 2);
    }

    // Page 3 writes the preview and loads it off screen, where a view of its own draws it; Next
    // shows that very page in that very view, without writing or loading it again.
    void nextShowsThePreviewPreparedOnPageThree()
    {
        QString page;
        PrepareOnPageThree(page);
        if (QTest::currentTestFailed())
            return;
        auto *ahead = m_form->findChild<QWebEnginePage *>(QStringLiteral("PreviewAhead"));
        QWebEngineView *viewAhead = ViewAhead();
        QVERIFY(viewAhead);
        QCOMPARE(viewAhead->page(), ahead);
        QTRY_VERIFY_WITH_TIMEOUT(viewAhead->isVisible(), 5000);
        QVERIFY(!viewAhead->windowHandle() || !viewAhead->windowHandle()->isExposed());
        const QStringList folders = m_form->TempFolders;
        int loads = 0;
        connect(ahead, &QWebEnginePage::loadStarted, this, [&loads] { ++loads; });
        m_form->ShowPage(4);
        QCOMPARE(m_form->TempFolders, folders);
        auto *browser = control<QWebEngineView>(m_form.get(), "PreviewBrowser");
        QCOMPARE(browser, viewAhead);
        QCOMPARE(browser->window(), m_form.get());
        QCOMPARE(browser->page(), ahead);
        QCOMPARE(browser->url(), QUrl::fromLocalFile(page));
        QTRY_COMPARE_WITH_TIMEOUT(PopupLeft(browser), 114, 10000);
        QCOMPARE(loads, 0);
    }

    // A change on page 3 empties the browser at once and drops the preview prepared before it
    // (its files and folders, from the disk and from the lists of what to remove at exit);
    // Next then shows the design as changed, whether the new preview was prepared in time
    // or is written on Next. A folder holding anything else is left, and stays listed.
    void aChangeOnPageThreeNeverShowsTheOldPreview_data()
    {
        QTest::addColumn<bool>("waitForIt");
        QTest::addColumn<bool>("drawnAgain");
        QTest::addColumn<bool>("strangerInFolder");
        QTest::newRow("prepared again") << true << false << false;
        QTest::newRow("drawn again off screen") << true << true << false;
        QTest::newRow("Next at once") << false << false << false;
        QTest::newRow("folder holding another file") << true << false << true;
    }
    void aChangeOnPageThreeNeverShowsTheOldPreview()
    {
        QFETCH(bool, waitForIt);
        QFETCH(bool, drawnAgain);
        QFETCH(bool, strangerInFolder);
        QString old;
        PrepareOnPageThree(old);
        if (QTest::currentTestFailed())
            return;
        const QString oldFolder = QFileInfo(old).path();
        const QStringList oldFiles = m_form->TempFiles;
        QCOMPARE(m_form->TempFolders.size(), 2);
        const QString stranger = oldFolder + QStringLiteral("/notes.txt");
        if (strangerInFolder) {
            QFile file(stranger);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        auto *ahead = m_form->findChild<QWebEnginePage *>(QStringLiteral("PreviewAhead"));

        // The popup at the page's top left corner instead of centred.
        QTest::mouseClick(control<QRadioButton>(m_form.get(), "SetManual"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(ahead->url(), QUrl(QStringLiteral("about:blank")), 5000);
        if (waitForIt)
            QTRY_VERIFY_WITH_TIMEOUT(!m_form->TempFiles.contains(oldFiles.first()), 5000);
        // The view that drew the old preview off screen has drawn the new one there.
        if (drawnAgain)
            QTRY_VERIFY_WITH_TIMEOUT(ViewAhead() && ViewAhead()->isVisible() &&
                                         ahead->url().isLocalFile() &&
                                         ahead->url() != QUrl::fromLocalFile(old),
                                     10000);
        m_form->ShowPage(4);
        auto *browser = control<QWebEngineView>(m_form.get(), "PreviewBrowser");
        QVERIFY(PopupLeft(browser) != 114);
        QTRY_COMPARE_WITH_TIMEOUT(PopupLeft(browser), 0, 10000);
        QVERIFY(browser->url() != QUrl::fromLocalFile(old));

        for (const QString &file : oldFiles) {
            QVERIFY2(!QFileInfo::exists(file), qPrintable(file));
            QVERIFY(!m_form->TempFiles.contains(file));
        }
        QCOMPARE(QFileInfo::exists(stranger), strangerInFolder);
        QCOMPARE(QFileInfo::exists(oldFolder), strangerInFolder);
        QCOMPARE(m_form->TempFolders.contains(oldFolder), strangerInFolder);
        QCOMPARE(m_form->TempFolders.size(), strangerInFolder ? 3 : 2);
        if (strangerInFolder)
            QVERIFY(QFile::remove(stranger));
    }

    // Back on page 3 the next preview is loaded into the view itself, off screen: a change
    // made there shows on the next Next, and the preview before it never does.
    void aRoundTripShowsTheChangedDesign()
    {
        QString first;
        PrepareOnPageThree(first);
        if (QTest::currentTestFailed())
            return;
        m_form->ShowPage(4);
        auto *browser = control<QWebEngineView>(m_form.get(), "PreviewBrowser");
        QTRY_COMPARE_WITH_TIMEOUT(PopupLeft(browser), 114, 10000);
        const WId window = m_form->winId();
        m_form->ShowPage(3);
        QTest::mouseClick(control<QRadioButton>(m_form.get(), "SetManual"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(m_form->TempFolders.size(), 4, 5000);
        // The window is not made again (it would flicker) when the old view goes.
        QCOMPARE(m_form->winId(), window);
        QTest::qWait(300);
        m_form->ShowPage(4);
        browser = control<QWebEngineView>(m_form.get(), "PreviewBrowser");
        QVERIFY(PopupLeft(browser) != 114);
        QTRY_COMPARE_WITH_TIMEOUT(PopupLeft(browser), 0, 10000);
        QCOMPARE(m_form->TempFolders.size(), 4);
        QCOMPARE(browser->url(),
                 QUrl::fromLocalFile(m_form->TempFolders.at(2) + QStringLiteral("/index.htm")));
    }

    // A change made on page 4 (an undo there) and page 5 shown before its preview is written:
    // back on page 4 the preview shows the design as it is, not an empty place.
    void anUndoOnPageFourShowsWhenComingBackFromPageFive()
    {
        QString first;
        PrepareOnPageThree(first);
        if (QTest::currentTestFailed())
            return;
        QTest::mouseClick(control<QRadioButton>(m_form.get(), "SetManual"), Qt::LeftButton);
        m_form->ShowPage(4);
        auto *browser = control<QWebEngineView>(m_form.get(), "PreviewBrowser");
        QTRY_COMPARE_WITH_TIMEOUT(PopupLeft(browser), 0, 10000);
        m_form->History->Stack().undo();
        m_form->ShowPage(5);
        QTest::qWait(800);
        m_form->ShowPage(4);
        QTRY_VERIFY_WITH_TIMEOUT(m_form->findChild<QWebEngineView *>(), 5000);
        browser = control<QWebEngineView>(m_form.get(), "PreviewBrowser");
        QTRY_COMPARE_WITH_TIMEOUT(PopupLeft(browser), 114, 10000);
    }

    // Addresses given while the page loads the empty page (the warm-up's, or a clearing's): the
    // page ends with the last one given, loaded (it once ended with the empty page and never
    // loaded the file, on a busy machine).
    void theLastAddressGivenIsLoaded()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList pages;
        for (const char *name : {"a.htm", "b.htm"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("<p>") + name);
            pages << file.fileName();
        }
        QWidget window;
        auto *place = new QWidget(&window);
        TPreviewLoader loader(place);
        loader.ModuleFolders = {QStringLiteral(VANTELLE_BINARY_DIR "/bin")};
        loader.WarmUp(0);
        QTRY_VERIFY_WITH_TIMEOUT(place->findChild<QWebEnginePage *>(), 10000);
        auto *page = place->findChild<QWebEnginePage *>();
        QList<QUrl> finished;
        connect(page, &QWebEnginePage::loadingChanged, this,
                [&finished](const QWebEngineLoadingInfo &info) {
                    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                        finished << info.url();
                });
        bool started = false;
        connect(page, &QWebEnginePage::loadStarted, this, [&started] { started = true; });
        // The warm-up's empty page is loading now.
        QTRY_VERIFY_WITH_TIMEOUT(started, 10000);
        QVERIFY(finished.isEmpty());
        for (const QString &file : pages)
            QVERIFY(loader.Preload(QUrl::fromLocalFile(file)));
        QTRY_VERIFY_WITH_TIMEOUT(finished.contains(QUrl::fromLocalFile(pages.last())), 10000);
        QTest::qWait(300);
        QCOMPARE(page->url(), QUrl::fromLocalFile(pages.last()));
        QCOMPARE(finished.last(), QUrl::fromLocalFile(pages.last()));
        QVERIFY(!finished.contains(QUrl::fromLocalFile(pages.first())));

        // The same after a clearing, whose empty page is loading when the next address comes.
        started = false;
        finished.clear();
        loader.Clear();
        QTRY_VERIFY_WITH_TIMEOUT(started, 10000);
        QVERIFY(loader.Preload(QUrl::fromLocalFile(pages.first())));
        QTRY_VERIFY_WITH_TIMEOUT(finished.contains(QUrl::fromLocalFile(pages.first())), 10000);
        QTest::qWait(300);
        QCOMPARE(page->url(), QUrl::fromLocalFile(pages.first()));
    }

    // With VANTELLE_SCREENSHOT_DIR set: pictures of pages 3 to 5 with the shipped picture base,
    // a text and a close button, for the documentation.
    void screenshots()
    {
        const QString dir = qEnvironmentVariable("VANTELLE_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("VANTELLE_SCREENSHOT_DIR is not set");
        m_form.reset();
        ProgramFolder program;
        const QString bin = QStringLiteral(VANTELLE_BINARY_DIR "/bin/");
        for (const char *container : {"img.stg", "cbs.stg"})
            QVERIFY(QFile::copy(bin + QLatin1String(container),
                                program.path(QLatin1String(container))));
        m_form = openWindow(program);
        m_form->ShowPage(2);
        control<QPlainTextEdit>(m_form.get(), "TextEdit")
            ->setPlainText(QStringLiteral("Summer sale!"));
        QTest::mouseClick(control<QPushButton>(m_form.get(), "AddText"), Qt::LeftButton);
        auto *style = control<QComboBox>(m_form.get(), "CloseButtonStyle");
        style->setCurrentIndex(1);
        emit style->activated(1);
        m_form->ShowPage(3);
        QVERIFY(m_form->grab().save(QDir(dir).filePath(QStringLiteral("page3.png"))));
        m_form->ShowPage(4);
        auto *browser = control<QWebEngineView>(m_form.get(), "PreviewBrowser");
        QTRY_VERIFY_WITH_TIMEOUT(Count(browser->grab().toImage(), QColor(255, 255, 255)) <
                                     browser->width() * browser->height() * 9 / 10,
                                 20000);
        QTest::qWait(500);
        QVERIFY(m_form->grab().save(QDir(dir).filePath(QStringLiteral("page4.png"))));
        m_form->ShowPage(5);
        QVERIFY(m_form->grab().save(QDir(dir).filePath(QStringLiteral("page5.png"))));
    }
};

VANTELLE_GUI_TEST_MAIN(WebEnginePreviewTest)
#include "webengine_preview_test.moc"
