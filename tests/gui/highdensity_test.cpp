// On a screen scaled by 2 the window paints its artwork, thumbnails and design canvas at the
// screen's density instead of blowing up 1x pictures: a picture blown up by 2 is made of
// uniform 2 x 2 blocks, a sharp one is not. At ratio 1 nothing changes (the other window
// tests check those pixels).

#include "controls/ScreenArt.h"
#include "gui_helpers.h"

#include "app/MainWindow.h"
#include "controls/OwnerDrawComboBox.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>

using namespace GuiTest;

namespace {

// Share of the aligned 2 x 2 device-pixel blocks of region (logical pixels) that are not one
// colour.
double sharpness(QWidget *widget, const QRect &region)
{
    const QImage image = widget->grab(region).toImage().convertToFormat(QImage::Format_RGB32);
    if (image.devicePixelRatio() != 2)
        qFatal("the screen is not scaled by 2 (ratio %g)", image.devicePixelRatio());
    int blocks = 0;
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb a = image.pixel(x, y);
            ++blocks;
            if (image.pixel(x + 1, y) != a || image.pixel(x, y + 1) != a ||
                image.pixel(x + 1, y + 1) != a)
                ++mixed;
        }
    }
    return blocks ? static_cast<double>(mixed) / blocks : 0.0;
}

// A picture with detail at every pixel: what a sharp thumbnail keeps and a blown-up one loses.
QString detailedPng(ProgramFolder &folder, const QString &name, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(
                x, y,
                qRgb((x * 37 + y * 11) & 0xFF, (x * 5 + y * 71) & 0xFF, ((x ^ y) * 13) & 0xFF));
    const QString file = folder.path(name);
    if (!image.save(file, "PNG"))
        qFatal("cannot write %s", qPrintable(file));
    return file;
}

QImage filled(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT
private slots:
    void pictureForScreen_data();
    void pictureForScreen();
    void windowPaintsAtScreenDensity();
    void theWindowFitsTheScreenWithItsBottomBarInView();
};

void HighDensityTest::pictureForScreen_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<bool>("withTwice");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");
    // The normal picture is red, the twice-sized one blue: the colour tells which was used.
    QTest::newRow("ratio 1: the normal picture") << 1.0 << true << QSize(20, 10) << QColor(Qt::red);
    QTest::newRow("ratio 2: the larger picture as it is")
        << 2.0 << true << QSize(40, 20) << QColor(Qt::blue);
    QTest::newRow("ratio 1.5: resampled from the larger one")
        << 1.5 << true << QSize(30, 15) << QColor(Qt::blue);
    QTest::newRow("ratio 3: the larger one, resampled up")
        << 3.0 << true << QSize(60, 30) << QColor(Qt::blue);
    QTest::newRow("no larger picture: the normal one resampled")
        << 2.0 << false << QSize(40, 20) << QColor(Qt::red);
}

void HighDensityTest::pictureForScreen()
{
    QFETCH(qreal, dpr);
    QFETCH(bool, withTwice);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    const QImage picture = PictureForScreen(filled(20, 10, Qt::red),
                                            withTwice ? filled(40, 20, Qt::blue) : QImage(), dpr);
    QCOMPARE(picture.size(), size);
    QCOMPARE(picture.devicePixelRatio(), dpr);
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(20, 10));
    QCOMPARE(picture.pixelColor(size.width() / 2, size.height() / 2).rgb(), colour.rgb());
}

void HighDensityTest::windowPaintsAtScreenDensity()
{
    ProgramFolder folder;
    folder.container(QStringLiteral("img.stg"),
                     {detailedPng(folder, QStringLiteral("t.png"), 1000)});
    // A close button of 48 x 48 one-pixel squares: an item 24 pixels high at ratio 2 shows every
    // square, black and white; one made at ratio 1 has lost half of them.
    QImage checker(48, 48, QImage::Format_RGB32);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            checker.setPixel(x, y, ((x + y) & 1) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QVERIFY(checker.save(folder.path(QStringLiteral("c.png")), "PNG"));
    folder.container(QStringLiteral("cbs.stg"), {folder.path(QStringLiteral("c.png"))});
    auto window = openWindow(folder);
    QCOMPARE(window->devicePixelRatioF(), 2.0);

    // Page 1: the picture button (icon and caption), the logo, the background and a thumbnail.
    auto *load = control<QWidget>(window.get(), "AddUserPng_SimplePng");
    QVERIFY2(sharpness(load, QRect(4, 4, 24, 24)) > 0.2, "Load... icon blown up");
    QVERIFY2(sharpness(load, QRect(30, 8, 55, 16)) > 0.05, "Load... caption blown up");
    auto *logo = control<QWidget>(window.get(), "LogoPaintBox");
    QVERIFY2(sharpness(logo, logo->rect()) > 0.2, "logo blown up");
    auto *background = control<QWidget>(window.get(), "BG2");
    QVERIFY2(sharpness(background, QRect(300, 5, 100, 15)) > 0.2, "background blown up");
    auto *grid = control<QAbstractScrollArea>(window.get(), "DrawGrid1");
    QVERIFY2(sharpness(grid->viewport(), QRect(10, 10, 100, 100)) > 0.5, "thumbnail blown up");

    // Page 2: the close-button list, and the design canvas with the template and a text object.
    window->ShowPage(2);
    auto *style = control<TOwnerDrawComboBox>(window.get(), "CloseButtonStyle");
    QImage item(80, 48, QImage::Format_RGB32);
    item.setDevicePixelRatio(2);
    {
        QPainter painter(&item);
        style->drawItem(painter, 1, QRect(0, 0, 40, 24), QStyle::State_Enabled);
    }
    int black = 0;
    int white = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            black += qGray(item.pixel(x, y)) < 40;
            white += qGray(item.pixel(x, y)) > 215;
        }
    }
    QVERIFY2(black > 48 * 48 * 4 / 10 && white > 48 * 48 * 4 / 10,
             "close button in the list blown up");
    control<QPushButton>(window.get(), "AddText")->click();
    control<QPlainTextEdit>(window.get(), "TextEdit")->setPlainText(QStringLiteral("Sharp text"));
    auto *canvas = control<QWidget>(window.get(), "PaintBox1");
    QVERIFY2(sharpness(canvas, QRect(60, 60, 120, 120)) > 0.5, "template on the canvas blown up");
    const TRect bounds = window->Designer->BoundsOf(window->Designer->CurrentObject());
    const QRect text(bounds.Left + 2, bounds.Top + 2, 60, 16);
    QVERIFY2(sharpness(canvas, text) > 0.05, "text on the canvas blown up");
}

// A 1920 x 1080 screen at scale 2 leaves 960 x 540 for a window of 724 x 559: it gets a window
// that fits, and the bottom bar (Back, Next, the design buttons) stays in view.
void HighDensityTest::theWindowFitsTheScreenWithItsBottomBarInView()
{
    ProgramFolder folder;
    auto window = openWindow(folder);
    const QRect area = window->screen()->availableGeometry();
    QCOMPARE(area.size(), QSize(960, 540));
    QVERIFY2(window->height() + 32 <= area.height() && window->width() <= area.width(),
             qPrintable(QStringLiteral("%1 x %2").arg(window->width()).arg(window->height())));
    for (const char *name : {"NextButton", "BackButton", "OpenDesign", "SaveDesign"}) {
        auto *button = control<QWidget>(window.get(), name);
        const QRect shown(button->mapTo(window.get(), QPoint(0, 0)), button->size());
        QVERIFY2(window->rect().contains(shown), name);
        QCOMPARE(window->childAt(shown.center()), button);
    }
    // The pages keep their places and sizes, and every part of them can be scrolled to.
    auto *page = control<QWidget>(window.get(), "Panel1");
    QCOMPARE(page->geometry(), QRect(0, 0, 724, 559));
    auto *grid = control<QWidget>(window.get(), "DrawGrid1");
    QCOMPARE(grid->size(), QSize(657, 289));
    auto *scroll = control<QScrollArea>(window.get(), "WindowScroll");
    scroll->ensureWidgetVisible(control<QWidget>(window.get(), "AddUserPng_SimplePng"));
    auto *load = control<QWidget>(window.get(), "AddUserPng_SimplePng");
    QVERIFY(scroll->viewport()->rect().contains(
        QRect(load->mapTo(scroll->viewport(), QPoint(0, 0)), load->size())));
}

int main(int argc, char *argv[])
{
    // Before the application exists, as a user's environment would set it: a 1920 x 1080
    // screen scaled by 2.
    QTemporaryDir config;
    QFile screens(config.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) ||
        screens.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1920,)"
                      R"( "height": 1080, "logicalDpi": 96}]})") < 0)
        qFatal("cannot write the screen configuration");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    qputenv("QT_SCALE_FACTOR", "2");
    GuiTest::PrepareProcess();
    QApplication app(argc, argv);
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "highdensity_test.moc"
