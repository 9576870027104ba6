#include "designer/DesignModel.h"
#include "designer/DesignRenderer.h"
#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"

#include "design_helpers.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

struct TextMetrics {
    int width;
    int height;
};

// The text's size in a font made here, not by the renderer: the face by name at a pixel
// height worked out by hand from the points (round(points x 96 / 72)).
TextMetrics Measure(const QString &face, int pixels, const QString &text, bool bold = false)
{
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(bold);
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// A new object's font: "Comic Sans MS" at 14 points, 18.67 pixels.
TextMetrics MeasureDefault(const QString &text)
{
    return Measure(QStringLiteral("Comic Sans MS"), 19, text);
}

// A white 500 x 500 canvas of the design's kind.
struct WhiteCanvas {
    Bitmap32 bitmap{500, 500};
    WhiteCanvas() { bitmap.fill(0xFFFFFFFFu); }
};

int CountNonZero(const QImage &mask, const TRect &area)
{
    int count = 0;
    for (int y = std::max(area.Top, 0); y < std::min(area.Bottom, mask.height()); ++y)
        for (int x = std::max(area.Left, 0); x < std::min(area.Right, mask.width()); ++x)
            count += mask.constScanLine(y)[x] != 0;
    return count;
}

} // namespace

TEST(DesignRenderer, RotatePointTruncatesTowardZero)
{
    const struct {
        QPoint centre, point;
        double angle;
        QPoint expected;
    } cases[] = {
        {{50, 50}, {150, 50}, -Pi / 2, {50, -50}},   // P1 of a 100-wide text at 90 degrees
        {{50, 50}, {50, 70}, -Pi / 2, {70, 50}},     // P2: lines step right
        {{50, 50}, {50, 70}, -3 * Pi / 2, {30, 50}}, // -90 drawn as 270: lines step left
        {{0, 0}, {10, 0}, -Pi / 6, {8, -5}},         // 8.66 and -5.0000001 cut toward zero
        {{0, 0}, {30, 30}, 0.0, {30, 30}},           // the diagonal comes back whole
        {{0, 0}, {100, 20}, -2 * Pi, {100, 20}},     // a whole turn
        {{5, 5}, {5, 5}, 1.0, {5, 5}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RotatePoint(c.centre, c.point, c.angle), c.expected)
            << c.point.x() << "," << c.point.y() << " by " << c.angle;
}

TEST(DesignRenderer, HasVisibleText)
{
    const std::pair<QString, bool> cases[] = {
        {"", false}, {"  \r\n \r\n", false}, {"\t", true}, {" a ", true}, {"\r\n.\r\n", true}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(HasVisibleText(text), expected) << text.toStdString();
}

TEST(DesignRenderer, TextBoundsFollowTheMeasuredTextAtEveryAngle)
{
    EnsureGuiApp();
    TMovingObject object(500);
    object.Lines = {"Sample text"};
    const TextMetrics m = MeasureDefault("Sample text");
    ASSERT_GT(m.width, 0);

    WhiteCanvas white;
    TDesignCanvas canvas(white.bitmap.asQImage());
    const struct {
        int angle;
        TRect expected;
    } cases[] = {
        {0, {48, 48, 50 + m.width + 2, 50 + m.height + 2}},
        {90, {48, 50 - m.width - 2, 50 + m.height + 2, 52}},
        {-90, {50 - m.height - 2, 48, 52, 50 + m.width + 2}}, // drawn at 270
        {180, {50 - m.width - 2, 50 - m.height - 2, 52, 52}},
    };
    for (const auto &c : cases) {
        object.Angle = c.angle;
        EXPECT_EQ(DrawObject(object, canvas), c.expected) << "angle " << c.angle;
    }

    // Other sizes and styles, each measured at the pixel height worked out by hand.
    const struct {
        int points;
        bool bold;
        int pixels;
    } fonts[] = {{9, false, 12}, {11, false, 15}, {20, true, 27}, {36, false, 48}, {72, true, 96}};
    object.Angle = 0;
    for (const auto &f : fonts) {
        object.Font.Size = f.points;
        object.Font.Bold = f.bold;
        const TextMetrics fm =
            Measure(QStringLiteral("Comic Sans MS"), f.pixels, "Sample text", f.bold);
        EXPECT_EQ(DrawObject(object, canvas), (TRect{48, 48, 52 + fm.width, 52 + fm.height}))
            << f.points;
    }
}

TEST(DesignRenderer, RotatedLinesStepPerpendicularToTheBaseline)
{
    EnsureGuiApp();
    TMovingObject object(500);
    object.X = 200;
    object.Y = 300;
    object.Angle = 90;
    object.Lines = {"WWWW", "WWWWWWWW"};
    const TextMetrics second = MeasureDefault("WWWWWWWW");

    WhiteCanvas white;
    QImage mask(500, 500, QImage::Format_Alpha8);
    mask.fill(0);
    TDesignCanvas canvas(white.bitmap.asQImage());
    canvas.SetCoverage(&mask);
    EXPECT_EQ(DrawObject(object, canvas),
              (TRect{198, 300 - second.width - 2, 200 + 2 * second.height + 2, 302}));
    // The baseline runs upward: nothing is painted below the anchor or left of it, and the
    // second (longer) line reaches higher than the first one ends.
    EXPECT_EQ(CountNonZero(mask, {0, 302, 500, 500}), 0);
    EXPECT_EQ(CountNonZero(mask, {0, 0, 198, 500}), 0);
    const int firstLength = MeasureDefault("WWWW").width;
    EXPECT_GT(CountNonZero(mask, {200 + second.height, 0, 500, 300 - firstLength - 2}), 0);
    EXPECT_EQ(CountNonZero(mask, {200, 0, 200 + second.height, 300 - firstLength - 2}), 0);
}

TEST(DesignRenderer, BlankTextIsDrawnAsEmptyMarkerWithItsBlankLines)
{
    EnsureGuiApp();
    TMovingObject object(500);
    object.Lines = {"", "   "};
    const TextMetrics m = MeasureDefault("<Empty>");
    WhiteCanvas white;
    TDesignCanvas canvas(white.bitmap.asQImage());
    EXPECT_EQ(DrawObject(object, canvas), (TRect{48, 48, 52 + m.width, 52 + 3 * m.height}));
    EXPECT_EQ(object.Lines, (QStringList{"", "   "}));

    object.Lines.clear();
    EXPECT_EQ(DrawObject(object, canvas), (TRect{48, 48, 52 + m.width, 52 + m.height}));
}

TEST(DesignRenderer, CoverageMaskMarksExactlyThePaintedPixels)
{
    EnsureGuiApp();
    TMovingObject object(500);
    object.Lines = {"Hello", "world"};
    object.Angle = 30;
    object.Font.Color = 0x0000FF;
    object.Font.Size = 24;

    WhiteCanvas white;
    QImage mask(500, 500, QImage::Format_Alpha8);
    mask.fill(0);
    TDesignCanvas canvas(white.bitmap.asQImage());
    canvas.SetCoverage(&mask);
    const TRect bounds = DrawObject(object, canvas);

    // Every pixel the text changed is in the mask; the mask may add edge pixels so faint that
    // blending left their colour as it was.
    int painted = 0;
    int faint = 0;
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x) {
            const bool changed = white.bitmap.pixel(x, y) != 0xFFFFFFFFu;
            const bool covered = mask.constScanLine(y)[x] != 0;
            ASSERT_TRUE(!changed || covered) << x << "," << y;
            painted += covered;
            faint += covered && !changed;
            if (covered) {
                EXPECT_TRUE(bounds.Contains(x, y)) << x << "," << y;
            }
        }
    EXPECT_GT(painted, 100);
    EXPECT_LT(faint * 10, painted);

    canvas.ClearCoverage();
    EXPECT_EQ(CountNonZero(mask, {0, 0, 500, 500}), 0);
}

TEST(DesignRenderer, FocusFrameIsADottedInversionOnTheCurrentObjectOnly)
{
    EnsureGuiApp();
    TMovingObject object(500);
    object.Lines = {"x"};
    WhiteCanvas white;
    TDesignCanvas canvas(white.bitmap.asQImage());

    const TRect b = DrawObject(object, canvas);
    EXPECT_EQ(white.bitmap.pixel(b.Left, b.Top), 0xFFFFFFFFu);

    DrawObject(object, canvas, true);
    // Every other pixel along the inside edge is inverted; the rest stay.
    EXPECT_EQ(white.bitmap.pixel(b.Left, b.Top), 0xFF000000u);
    EXPECT_EQ(white.bitmap.pixel(b.Left + 1, b.Top), 0xFFFFFFFFu);
    EXPECT_EQ(white.bitmap.pixel(b.Left + 2, b.Top), 0xFF000000u);
    const int parity = (b.Right - 1 + b.Bottom - 1) & 1;
    EXPECT_EQ(white.bitmap.pixel(b.Right - 1, b.Bottom - 1), parity ? 0xFFFFFFFFu : 0xFF000000u);
    EXPECT_EQ(white.bitmap.pixel(b.Right, b.Top), 0xFFFFFFFFu);

    // Measuring draws no focus frame.
    white.bitmap.fill(0xFFFFFFFFu);
    MeasureObject(object, canvas);
    EXPECT_EQ(white.bitmap.pixel(b.Left, b.Top), 0xFFFFFFFFu);
}

TEST(DesignRenderer, CloseButtonBoundsScaleAndCache)
{
    EnsureGuiApp();
    const auto picture = SolidPicture(30, 30, 0xFFFF0000u);
    TMovingObject button(500);
    button.IsPicture = true;
    button.X = 400;
    button.Y = 50;
    WhiteCanvas white;
    TDesignCanvas canvas(white.bitmap.asQImage());

    EXPECT_EQ(DrawObject(button, canvas), (TRect{400, 50, 400, 50})); // no picture: empty, undrawn
    EXPECT_EQ(white.bitmap.pixel(400, 50), 0xFFFFFFFFu);

    button.ButtonPicture = picture.get();
    EXPECT_EQ(MeasureObject(button, canvas), (TRect{398, 48, 432, 82}));
    EXPECT_EQ(white.bitmap.pixel(410, 60), 0xFFFFFFFFu); // measuring draws no picture

    DrawObject(button, canvas);
    EXPECT_EQ(white.bitmap.pixel(410, 60) & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(white.bitmap.pixel(430, 60), 0xFFFFFFFFu);
    // The scaled picture is made once for these pixels and this scale, whatever object holds
    // them: an equal picture elsewhere gets the same one, other pixels get their own.
    const auto scaled = ScaledButtonPicture(*picture, 1.0);
    EXPECT_EQ(ScaledButtonPicture(*SolidPicture(30, 30, 0xFFFF0000u), 1.0), scaled);
    EXPECT_NE(ScaledButtonPicture(*SolidPicture(30, 30, 0xFF00FF00u), 1.0), scaled);

    button.ButtonScale = 0.5;
    EXPECT_EQ(DrawObject(button, canvas), (TRect{399, 49, 416, 66})); // 15 x 15, margin 1
    EXPECT_EQ(ScaledButtonPicture(*picture, 0.5)->width(), 15);
    EXPECT_EQ(ScaledButtonPicture(*picture, 0.5)->height(), 15);
    // The same picture given other pixels is drawn with them, not from an earlier scaling.
    Bitmap32 green(30, 30);
    green.fill(0xFF00FF00u);
    Bitmap32ToPng(green, *picture);
    DrawObject(button, canvas);
    EXPECT_EQ(white.bitmap.pixel(405, 55) & 0xFFFFFFu, 0x00FF00u);
}

TEST(DesignRenderer, TinyCloseButtonsAreDrawnAtLeastTwoByTwo)
{
    EnsureGuiApp();
    const auto wide = SolidPicture(30, 30, 0xFF00FF00u);
    const auto flat = SolidPicture(12, 1, 0xFF0000FFu);
    const struct {
        const TPNGObject *picture;
        double scale;
        QSize expected;
        uint32_t rgb;
    } cases[] = {{wide.get(), 0.05, {2, 2}, 0x00FF00u},
                 {wide.get(), 0.1, {3, 3}, 0x00FF00u},
                 {flat.get(), 1.0, {12, 2}, 0x0000FFu},
                 {flat.get(), 0.1, {2, 2}, 0x0000FFu}};
    for (const auto &c : cases) {
        TMovingObject button(500);
        button.IsPicture = true;
        button.X = 10;
        button.Y = 10;
        button.ButtonPicture = c.picture;
        button.ButtonScale = c.scale;
        WhiteCanvas white;
        TDesignCanvas canvas(white.bitmap.asQImage());
        ASSERT_NO_THROW(DrawObject(button, canvas)) << c.scale;
        const auto scaled = ScaledButtonPicture(*c.picture, c.scale);
        EXPECT_EQ(QSize(scaled->width(), scaled->height()), c.expected);
        EXPECT_EQ(white.bitmap.pixel(11, 11) & 0xFFFFFFu, c.rgb) << c.scale;
    }
}

TEST(DesignRenderer, DesignShowsTemplateFrameAndObjectsInListOrder)
{
    EnsureGuiApp();
    TDesignModel model;
    model.CreateCloseButtonObject(150);
    Bitmap32 design(500, 500);
    const auto red = SolidPicture(10, 10, 0xFFFF0000u);

    RenderDesign(design, red.get(), 150, model, -1, Qt::white);
    const uint32_t frame = DocumentFrameColor;
    const struct {
        int at;
        uint32_t expected;
    } diagonal[] = {{172, 0xFFFFFFFFu}, {173, frame}, {174, frame}, {175, 0xFFFF0000u},
                    {324, 0xFFFF0000u}, {325, frame}, {326, frame}, {327, 0xFFFFFFFFu}};
    for (const auto &d : diagonal) {
        EXPECT_EQ(design.pixel(d.at, d.at), d.expected) << d.at;
        EXPECT_EQ(design.pixel(d.at, 250), d.expected) << d.at;
    }

    // No template: the square stays in the background colour, the rest still renders.
    RenderDesign(design, nullptr, 150, model, -1, Qt::white);
    EXPECT_EQ(design.pixel(250, 250), 0xFFFFFFFFu);
    EXPECT_EQ(design.pixel(173, 250), frame);

    // Text drawn later lies on top of the close button drawn first.
    const auto blue = SolidPicture(40, 40, 0xFF0000FFu);
    model.CloseButtonObject()->ButtonPicture = blue.get();
    model.CloseButtonObject()->X = 200;
    model.CloseButtonObject()->Y = 200;
    TMovingObject &text = model.AppendTextObject(150);
    text.X = 190;
    text.Y = 190;
    text.Lines = {"\u2588\u2588"};
    text.Font.Color = 0x00FF00; // green
    RenderDesign(design, nullptr, 500, model, -1, Qt::white);
    EXPECT_EQ(design.pixel(239, 239) & 0xFFFFFFu, 0x0000FFu);
    int green = 0;
    for (int y = 200; y < 240; ++y)
        for (int x = 200; x < 240; ++x)
            green += design.pixel(x, y) == 0xFF00FF00u;
    EXPECT_GT(green, 0);
}
