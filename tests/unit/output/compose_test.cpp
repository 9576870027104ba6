#include "designer/DesignModel.h"
#include "designer/DesignRenderer.h"
#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"
#include "output/PopupComposer.h"
#include "unit_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

uint8_t Alpha(uint32_t pixel)
{
    return static_cast<uint8_t>(pixel >> 24);
}

// Text drawing needs the platform's font machinery.
class ComposeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureGuiApp(); }

    void MakeDesign(int size)
    {
        m_size = size;
        m_model.CreateCloseButtonObject(size);
        m_template.setSize(size, size);
    }
    // A one-colour close button of w x h with the given alpha at picture position (x, y).
    void ShowCloseButton(int x, int y, int w, int h, uint32_t argb)
    {
        Bitmap32 image(w, h);
        image.fill(argb);
        Bitmap32ToPng(image, m_button);
        TMovingObject &close = *m_model.CloseButtonObject();
        close.ButtonPicture = &m_button;
        close.X = x + DocumentOrigin(m_size);
        close.Y = y + DocumentOrigin(m_size);
    }
    TMovingObject &AddText(const QString &text, int x, int y, uint32_t colour = 0x000000FFu)
    {
        TMovingObject &object = m_model.AppendTextObject(m_size);
        object.Lines = QStringList{text};
        object.Font.Name = QStringLiteral("Liberation Sans");
        object.Font.Size = 24;
        object.Font.Color = colour;
        object.X = x + DocumentOrigin(m_size);
        object.Y = y + DocumentOrigin(m_size);
        return object;
    }
    TPixelRect Compose() { return ComposePopupImage(m_template, m_model, m_size, m_output); }

    int m_size = 0;
    TDesignModel m_model;
    Bitmap32 m_template;
    TPNGObject m_button;
    TPNGObject m_output;
};

TEST_F(ComposeTest, OpaqueTemplateStaysOpaqueEverywhere)
{
    MakeDesign(300);
    m_template.fill(0xFF336699u);
    ShowCloseButton(250, 10, 30, 30, 0x40FF0000u); // mostly transparent button
    AddText(QStringLiteral("Hello"), 20, 100);
    AddText(QStringLiteral("edge"), 280, 280);
    const TPixelRect close = Compose();

    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(Alpha(m_template.pixel(x, y)), 255) << x << ',' << y;
    EXPECT_EQ(FindClickArea(m_template), (TPixelRect{0, 0, 299, 299}));
    // 30 div 12 = 2 around the drawn button, in picture coordinates.
    EXPECT_EQ(close, (TPixelRect{248, 8, 282, 42}));
    // What the checks before leaving the behaviour page measure without drawing.
    EXPECT_EQ(CloseButtonRect(m_model, 300), (TPixelRect{250, 10, 280, 40}));
    ASSERT_EQ(m_output.width(), 300);
    ASSERT_EQ(m_output.height(), 300);
    ASSERT_NE(m_output.alphaScanline(0), nullptr);
    Bitmap32 back;
    PngToBitmap32(m_output, back);
    EXPECT_EQ(back, m_template);
}

TEST_F(ComposeTest, TextMakesItsPaintedPixelsOpaqueAndNothingElse)
{
    MakeDesign(200);
    m_template.fill(0x00FFFFFFu); // transparent template
    TMovingObject &text = AddText(QStringLiteral("Wide text past the edge"), 120, 60, 0x0000FF00u);
    const int anchorX = text.X;
    const int anchorY = text.Y;
    std::vector<TRect> drawn;
    ComposePopupImage(m_template, m_model, m_size, m_output, &drawn);
    ASSERT_EQ(drawn.size(), m_model.DesignObjects.size());
    const TRect bounds = drawn[static_cast<size_t>(m_model.IndexOf(&text))];

    // Bounds are in picture coordinates and cross the right edge; the design keeps its anchor.
    EXPECT_EQ(text.X, anchorX);
    EXPECT_EQ(text.Y, anchorY);
    EXPECT_LT(bounds.Left, 200);
    EXPECT_GT(bounds.Right, 200);
    int painted = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const uint32_t p = m_template.pixel(x, y);
            const bool inside = bounds.Contains(x, y);
            if (!inside) {
                ASSERT_EQ(p, 0x00FFFFFFu) << "outside the text at " << x << ',' << y;
                continue;
            }
            // Inside: opaque exactly where the text put colour, transparent elsewhere.
            ASSERT_TRUE(Alpha(p) == 0 || Alpha(p) == 255) << x << ',' << y;
            if (Alpha(p) == 255) {
                ++painted;
                ASSERT_NE(p & 0xFFFFFFu, 0xFFFFFFu) << "opaque but unpainted at " << x << ',' << y;
            } else {
                ASSERT_EQ(p & 0xFFFFFFu, 0xFFFFFFu)
                    << "painted but transparent at " << x << ',' << y;
            }
        }
    EXPECT_GT(painted, 50);
}

// On a transparent template a text keeps what the close button and earlier texts made opaque,
// as the designer shows them; only its own glyphs add opacity.
TEST_F(ComposeTest, TextNeverTakesOpacityFromTheButtonOrEarlierTexts)
{
    MakeDesign(200);
    m_template.fill(0x00000000u);
    ShowCloseButton(100, 50, 60, 60, 0xFFFF0000u);
    TMovingObject &text = AddText(QStringLiteral("XX"), 105, 60, 0x00FFFFFFu);
    std::vector<TRect> drawn;
    ComposePopupImage(m_template, m_model, m_size, m_output, &drawn);
    int lost = 0, white = 0;
    for (int y = 50; y < 110; ++y)
        for (int x = 100; x < 160; ++x) {
            const uint32_t p = m_template.pixel(x, y);
            lost += Alpha(p) != 255;
            white += (p & 0xFFFFFFu) == 0xFFFFFFu;
        }
    EXPECT_EQ(lost, 0) << "of the button's 3600 pixels";
    EXPECT_GT(white, 50) << "the text lies on the button";
    EXPECT_LT(drawn.at(static_cast<size_t>(m_model.IndexOf(&text))).Right, 200);

    // A later text over an earlier one: whatever was opaque stays so.
    m_model.CloseButtonObject()->ButtonPicture = nullptr;
    text.Lines = QStringList{QStringLiteral("OOOO")};
    m_template.fill(0x00000000u);
    Compose();
    const Bitmap32 earlier = m_template;
    AddText(QStringLiteral("iiii"), 110, 66, 0x000000FFu);
    m_template.fill(0x00000000u);
    Compose();
    int earlierOpaque = 0;
    lost = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (Alpha(earlier.pixel(x, y)) == 255) {
                ++earlierOpaque;
                lost += Alpha(m_template.pixel(x, y)) != 255;
            }
    EXPECT_GT(earlierOpaque, 50);
    EXPECT_EQ(lost, 0) << "of " << earlierOpaque << " pixels of the earlier text";
}

TEST_F(ComposeTest, NoCloseButtonAfterOneWasShownLeavesNoTrace)
{
    MakeDesign(250);
    const auto fresh = [this] {
        for (int y = 0; y < 250; ++y)
            for (int x = 0; x < 250; ++x)
                m_template.setPixel(x, y, x < 125 ? 0x80102030u : 0x00405060u);
    };
    AddText(QStringLiteral("Hi"), 30, 30);
    fresh();
    ShowCloseButton(200, 20, 40, 40, 0xFF00FF00u);
    Compose();

    TMovingObject &close = *m_model.CloseButtonObject();
    close.ButtonPicture = nullptr;
    const int closeX = close.X;
    const int closeY = close.Y;
    fresh();
    const TPixelRect area = Compose();
    const Bitmap32 afterRemoval = m_template;

    // The same design that never had a button.
    MakeDesign(250);
    m_model.CloseButtonObject()->X = closeX;
    m_model.CloseButtonObject()->Y = closeY;
    AddText(QStringLiteral("Hi"), 30, 30);
    fresh();
    Compose();
    EXPECT_EQ(afterRemoval, m_template);
    EXPECT_EQ(area, (TPixelRect{200, 20, 200, 20}));
}

// The box of the pixels whose alpha is above 128, and how many there are.
struct TOpaque {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};
TOpaque OpaquePixels(const Bitmap32 &image)
{
    TOpaque o;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Alpha(image.pixel(x, y)) > 128) {
                o.left = std::min(o.left, x);
                o.right = std::max(o.right, x);
                o.top = std::min(o.top, y);
                o.bottom = std::max(o.bottom, y);
                ++o.count;
            }
    return o;
}

// A checkerboard of single pixels: resampling shows whether detail came from it or was doubled.
void Checkerboard(int side, TPNGObject &png)
{
    Bitmap32 image(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u);
    Bitmap32ToPng(image, png);
}

TEST_F(ComposeTest, SharpPictureDrawsTextAndButtonAtTwiceTheSize)
{
    MakeDesign(200);
    ShowCloseButton(150, 20, 30, 30, 0xFF00FF00u);
    AddText(QStringLiteral("Sale"), 20, 100);
    Compose();
    Bitmap32 single;
    PngToBitmap32(m_output, single);

    TPNGObject sharp;
    ComposeSharpPopupImage(nullptr, m_model, 200, sharp);
    ASSERT_EQ(sharp.width(), 400);
    ASSERT_EQ(sharp.height(), 400);
    Bitmap32 twice;
    PngToBitmap32(sharp, twice);

    // The button covers (300, 40) to (359, 99); the text lies at twice its place and size.
    EXPECT_EQ(twice.pixel(300, 40), 0xFF00FF00u);
    EXPECT_EQ(twice.pixel(359, 99), 0xFF00FF00u);
    EXPECT_EQ(Alpha(twice.pixel(299, 40)), 0);
    EXPECT_EQ(Alpha(twice.pixel(360, 99)), 0);
    Bitmap32 textOnly1(200, 200), textOnly2(400, 400);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 140; ++x)
            textOnly1.setPixel(x, y, single.pixel(x, y));
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 280; ++x)
            textOnly2.setPixel(x, y, twice.pixel(x, y));
    const TOpaque a = OpaquePixels(textOnly1);
    const TOpaque b = OpaquePixels(textOnly2);
    ASSERT_GT(a.count, 50);
    EXPECT_NEAR(b.left, 2 * a.left, 3);
    EXPECT_NEAR(b.top, 2 * a.top, 3);
    EXPECT_NEAR(b.right, 2 * a.right, 4);
    EXPECT_NEAR(b.bottom, 2 * a.bottom, 4);
    EXPECT_NEAR(static_cast<double>(b.count) / a.count, 4.0, 0.8);
    // The design itself is left as it was.
    EXPECT_EQ(m_model.CloseButtonObject()->X, 150 + DocumentOrigin(200));
    EXPECT_EQ(m_model.DesignObjects[1]->Font.Size, 24);
}

TEST_F(ComposeTest, SharpPictureTakesTheTemplatesDetailOnlyWhenItHasThePixels)
{
    MakeDesign(150);
    m_model.CloseButtonObject()->ButtonPicture = nullptr;
    // 300 pixels are exactly what 2 x 150 needs: the checkerboard comes through pixel for pixel.
    TPNGObject large;
    Checkerboard(300, large);
    TPNGObject sharp;
    ComposeSharpPopupImage(&large, m_model, 150, sharp);
    Bitmap32 image;
    PngToBitmap32(sharp, image);
    ASSERT_EQ(image.width(), 300);
    EXPECT_NE(image.pixel(0, 0), image.pixel(1, 0));
    EXPECT_NE(image.pixel(0, 0), image.pixel(0, 1));

    // 150 pixels: logo.png's template, each pixel doubled.
    TPNGObject small;
    Checkerboard(150, small);
    ComposeSharpPopupImage(&small, m_model, 150, sharp);
    PngToBitmap32(sharp, image);
    ASSERT_EQ(image.width(), 300);
    EXPECT_EQ(image.pixel(0, 0), image.pixel(1, 1));
    EXPECT_NE(image.pixel(0, 0), image.pixel(2, 0));
    EXPECT_EQ(image.pixel(2, 0), image.pixel(3, 1));
}

TEST_F(ComposeTest, ReadingTextFollowsThePlaceOfTheTexts)
{
    MakeDesign(300);
    AddText(QStringLiteral("right"), 150, 10);
    AddText(QStringLiteral("Today only"), 10, 200).Lines << QStringLiteral("")
                                                         << QStringLiteral("  all  day ");
    AddText(QStringLiteral("Summer sale!"), 10, 10);
    AddText(QStringLiteral(" "), 10, 50);
    EXPECT_EQ(DesignReadingText(m_model), QStringLiteral("Summer sale! right. Today only all day"));
}

TEST(ClickAreaTest, RowsAndColumnsNeedMoreThan25PixelsAbove128)
{
    const auto picture = [](int size, auto opaque) {
        Bitmap32 image(size, size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                image.setPixel(x, y, static_cast<uint32_t>(opaque(x, y)) << 24);
        return image;
    };
    const struct {
        const char *name;
        Bitmap32 image;
        TPixelRect area;
    } cases[] = {
        {"transparent", picture(200, [](int, int) { return 0; }), {200, 200, -1, -1}},
        {"opaque", picture(200, [](int, int) { return 255; }), {0, 0, 199, 199}},
        {"block at 129",
         picture(200,
                 [](int x, int y) { return x >= 50 && x < 80 && y >= 60 && y < 90 ? 129 : 0; }),
         {50, 60, 79, 89}},
        {"block at 128 does not count",
         picture(200,
                 [](int x, int y) { return x >= 50 && x < 80 && y >= 60 && y < 90 ? 128 : 0; }),
         {200, 200, -1, -1}},
        {"26 in one row",
         picture(200, [](int x, int y) { return y == 10 && x < 26 ? 255 : 0; }),
         {200, 10, -1, 10}},
        {"25 in one row",
         picture(200, [](int x, int y) { return y == 10 && x < 25 ? 255 : 0; }),
         {200, 200, -1, -1}},
        // A cross: the 20-pixel stem qualifies its columns but not its rows.
        {"cross",
         picture(200,
                 [](int x, int y) {
                     return (x >= 90 && x < 110 && y >= 50 && y < 150) ||
                                    (x >= 40 && x < 160 && y >= 80 && y < 120)
                                ? 255
                                : 0;
                 }),
         {40, 80, 159, 119}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FindClickArea(c.image), c.area) << c.name;

    // A disc: its thin top, bottom and sides lie outside, symmetrically.
    const Bitmap32 disc = picture(200, [](int x, int y) {
        return (x - 99.5) * (x - 99.5) + (y - 99.5) * (y - 99.5) <= 100.0 * 100.0 ? 255 : 0;
    });
    const TPixelRect area = FindClickArea(disc);
    EXPECT_GT(area.Top, 0);
    EXPECT_EQ(area.Left, area.Top);
    EXPECT_EQ(area.Bottom, 199 - area.Top);
    EXPECT_EQ(area.Right, 199 - area.Left);
}

} // namespace
