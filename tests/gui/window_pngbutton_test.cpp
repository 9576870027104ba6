// The self-drawn picture button: its state colours, layout, greyscale disabled icon, the rules
// for what counts as a click, and its use from the keyboard and by screen readers.

#include "gui_helpers.h"

#include "controls/uPngButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QBuffer>
#include <QFontMetrics>
#include <QProcess>
#include <QPushButton>

namespace {

// A 24 x 24 icon: opaque pure red except a fully transparent top-left pixel.
QByteArray iconPng()
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(qRgba(255, 0, 0, 255));
    image.setPixel(0, 0, qRgba(0, 0, 255, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class PngButtonTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_host;
    TPngButton *m_button = nullptr;
    int m_clicks = 0;

    void makeButton(const QString &caption, QColor face = QColor(212, 208, 200))
    {
        m_host = std::make_unique<QWidget>();
        m_host->resize(200, 100);
        m_button = new TPngButton(m_host.get());
        m_button->setGeometry(10, 10, 89, 33);
        QPalette palette = m_button->palette();
        palette.setColor(QPalette::Button, face);
        m_button->setPalette(palette);
        m_button->Picture.loadFromData(iconPng());
        m_button->OnClick = [this](TPngButton *sender) {
            QCOMPARE(sender, m_button);
            ++m_clicks;
        };
        m_button->SetCaption(caption);
        QFont font = m_button->font();
        font.setBold(true);
        m_button->setFont(font);
        m_button->SetCaptionPlacement(cpRight);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
        m_clicks = 0;
    }
    QColor at(int x, int y) { return GuiTest::pixelOf(m_button, x, y); }
    // Brings the pointer in from elsewhere, so the button sees a move even when the pointer was
    // last reported at the same point.
    void hover(QPoint point)
    {
        QTest::mouseMove(m_host.get(), QPoint(150, 80));
        QTest::mouseMove(m_button, point);
    }
    const QPoint center{44, 16};

private slots:
    void stateColours_data()
    {
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("hot");
        QTest::addColumn<QColor>("hotBorder");
        QTest::addColumn<QColor>("held");
        QTest::addColumn<QColor>("heldBorder");
        QTest::newRow("grey face")
            << QColor(212, 208, 200) << QColor(227, 224, 219) << QColor(174, 172, 168)
            << QColor(192, 189, 181) << QColor(147, 145, 139);
        QTest::newRow("beige face")
            << QColor(236, 233, 216) << QColor(243, 241, 229) << QColor(186, 185, 176)
            << QColor(214, 211, 196) << QColor(164, 162, 150);
    }
    void stateColours()
    {
        QFETCH(QColor, face);
        QFETCH(QColor, hot);
        QFETCH(QColor, hotBorder);
        QFETCH(QColor, held);
        QFETCH(QColor, heldBorder);
        makeButton(QStringLiteral("Load..."), face);

        QCOMPARE(at(3, 3), face);
        QCOMPARE(at(0, 16), face); // no border while normal

        hover(center);
        QVERIFY(m_button->MouseInside);
        QCOMPARE(at(3, 3), hot);
        QCOMPARE(at(0, 16), hotBorder);
        QCOMPARE(at(1, 1), hotBorder);
        QCOMPARE(at(0, 1), hot); // the corners are cut
        QCOMPARE(at(1, 0), hot);

        QTest::mousePress(m_button, Qt::LeftButton, {}, center);
        QCOMPARE(at(3, 3), held);
        QCOMPARE(at(88, 16), heldBorder);
        QCOMPARE(at(87, 31), heldBorder);
        QTest::mouseRelease(m_button, Qt::LeftButton, {}, center);
        QCOMPARE(at(3, 3), face);
    }

    void layoutOfAnIconAndCaptionPlacedRight()
    {
        makeButton(QStringLiteral("Load..."));
        const QFontMetrics metrics(m_button->font());
        const int w = metrics.horizontalAdvance(QStringLiteral("Load..."));
        const int h = metrics.height();
        QCOMPARE(m_button->TextRect, (TEdgeRect{84 - w, (33 - h) / 2, 84, (33 - h) / 2 + h}));
        const int dx = (84 - w - 24) / 2;
        QCOMPARE(m_button->ImageRect, (TEdgeRect{dx, 4, dx + 24, 28}));
        // The icon is drawn where the layout put it.
        QCOMPARE(at(dx + 12, 16), QColor(255, 0, 0));

        for (uint8_t placement : {uint8_t(cpRight), uint8_t(cpBottom)}) {
            m_button->SetCaption(QString());
            m_button->SetCaptionPlacement(placement);
            QCOMPARE(m_button->ImageRect, (TEdgeRect{32, 4, 56, 28}));
        }
    }

    void disabledLookIsGreyscale()
    {
        QCOMPARE(Luminance(0xFFFFFF), 255);
        QCOMPARE(Luminance(0x000000), 0);
        QCOMPARE(Luminance(0x0000FF), 76);  // red
        QCOMPARE(Luminance(0x00FF00), 149); // green
        QCOMPARE(Luminance(0xFF0000), 29);  // blue

        makeButton(QStringLiteral("Remove"));
        const TPNGObject &grey = m_button->DisabledPicture;
        QCOMPARE(grey.pixel(5, 5), 0x4C4C4Cu);
        QVERIFY(grey.alphaScanline(0) != nullptr);
        QCOMPARE(int(grey.alphaScanline(0)[0]), 0);
        QCOMPARE(int(grey.alphaScanline(5)[5]), 255);

        PaintCounter counter;
        m_button->installEventFilter(&counter);
        m_button->SetEnabled(true);
        QCOMPARE(counter.paints, 0);
        m_button->SetEnabled(false);
        QVERIFY(counter.paints > 0);
        const int iconX = m_button->ImageRect.left + 12;
        QCOMPARE(at(iconX, 16), QColor(76, 76, 76));
        // Caption grey: some pixel of the caption box is exactly RGB(128,128,128).
        bool greyText = false;
        for (int x = m_button->TextRect.left; x < m_button->TextRect.right && !greyText; ++x)
            for (int y = m_button->TextRect.top; y < m_button->TextRect.bottom; ++y)
                greyText = greyText || at(x, y) == QColor(128, 128, 128);
        QVERIFY(greyText);
    }

    void clickRules()
    {
        makeButton(QStringLiteral("Load..."));
        // Press and release over the button after the pointer came in.
        hover(center);
        QTest::mouseClick(m_button, Qt::LeftButton, {}, center);
        QCOMPARE(m_clicks, 1);
        QVERIFY(!m_button->MouseInside);
        // No move since the release: the button is not hot, so this is no click.
        QTest::mouseClick(m_button, Qt::LeftButton, {}, center);
        QCOMPARE(m_clicks, 1);
        // Any mouse button counts.
        hover(center + QPoint(1, 0));
        QTest::mouseClick(m_button, Qt::RightButton, {}, center + QPoint(1, 0));
        QCOMPARE(m_clicks, 2);
        // Press over it, leave, release outside.
        hover(center);
        QTest::mousePress(m_button, Qt::LeftButton, {}, center);
        QTest::mouseMove(m_button, QPoint(120, 16));
        QVERIFY(!m_button->Pressed);
        QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(120, 16));
        QCOMPARE(m_clicks, 2);
    }

    // Tab reaches it between two ordinary buttons and shows where the focus is; Space (on the key
    // coming up) and Enter press it.
    void keyboardFocusAndKeys()
    {
        makeButton(QStringLiteral("Load..."));
        auto *before = new QPushButton(QStringLiteral("Before"), m_host.get());
        auto *after = new QPushButton(QStringLiteral("After"), m_host.get());
        before->setGeometry(110, 10, 80, 30);
        after->setGeometry(110, 50, 80, 30);
        QWidget::setTabOrder(before, m_button);
        QWidget::setTabOrder(m_button, after);
        before->show();
        after->show();
        m_host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
        before->setFocus(Qt::OtherFocusReason);
        const QColor face = at(3, 16);

        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(m_button->hasFocus());
        QCOMPARE(at(2, 16), m_button->FocusRingColor());
        QCOMPARE(at(3, 16), face);

        QTest::keyPress(m_button, Qt::Key_Space);
        QCOMPARE(m_clicks, 0);
        QCOMPARE(at(3, 16), TPngButton::PressedFace(face)); // held down
        QTest::keyRelease(m_button, Qt::Key_Space);
        QCOMPARE(m_clicks, 1);
        QTest::keyClick(m_button, Qt::Key_Return);
        QCOMPARE(m_clicks, 2);
        QTest::keyClick(m_button, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_clicks, 3);
        QTest::keyClick(m_button, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(m_clicks, 3);

        QTest::keyClick(m_button, Qt::Key_Tab);
        QVERIFY(after->hasFocus());
        QCOMPARE(at(2, 16), face); // the ring goes with the focus
        QTest::keyClick(after, Qt::Key_Backtab);
        QVERIFY(m_button->hasFocus());
    }

    // The ring is one logical pixel wide at the screen's scale: every device pixel of it, none
    // beside it. Run at scale 1 here and at scale 2 by focusRingAtScaleTwo.
    void focusRingAtThisScale()
    {
        makeButton(QStringLiteral("Keep"));
        m_host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
        m_button->setFocus(Qt::TabFocusReason);
        QVERIFY(m_button->hasFocus());
        const QImage image = m_button->grab().toImage();
        const int scale = qRound(image.devicePixelRatio());
        QCOMPARE(image.width(), m_button->width() * scale);
        const QRgb ring = m_button->FocusRingColor().rgb();
        const int w = image.width(), h = image.height();
        const int midX = w / 2, midY = h / 2;
        // Device pixels of the logical pixel two in from each edge, and their neighbours.
        for (int i = 0; i < scale; ++i) {
            QCOMPARE(image.pixel(2 * scale + i, midY), ring);         // left
            QCOMPARE(image.pixel(w - 1 - 2 * scale - i, midY), ring); // right
            QCOMPARE(image.pixel(midX, 2 * scale + i), ring);         // top
            QCOMPARE(image.pixel(midX, h - 1 - 2 * scale - i), ring); // bottom
        }
        QVERIFY(image.pixel(2 * scale - 1, midY) != ring);
        QVERIFY(image.pixel(3 * scale, midY) != ring);
        QVERIFY(image.pixel(midX, 3 * scale) != ring);
    }

    void focusRingAtScaleTwo()
    {
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == QStringLiteral("2"))
            QSKIP("this run is the one at scale 2");
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("focusRingAtThisScale")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }

    // A screen reader finds a focusable button named by its caption, or by the name set for it,
    // and can press it.
    void accessibleNameRoleAndPress()
    {
        makeButton(QStringLiteral("Remove"));
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(m_button);
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Remove"));
        QVERIFY(button->state().focusable);
        m_button->SetCaption(QString());
        m_button->setAccessibleName(QStringLiteral("Remove the picture"));
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Remove the picture"));

        QAccessibleActionInterface *actions = button->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(m_clicks, 1);
    }
};

VANTELLE_GUI_TEST_MAIN(PngButtonTest)
#include "window_pngbutton_test.moc"
