// Drawing a picture into a 32-bit surface: the blend arithmetic, scaling by dropping and
// repeating pixels, and the transparent colour of each picture kind.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include "png_helpers.h"

#include <gtest/gtest.h>

using namespace pngtest;

namespace {

std::unique_ptr<TPNGObject> craft(const QByteArray &ihdr, const QByteArray &middle,
                                  const QByteArray &rows)
{
    auto png = std::make_unique<TPNGObject>();
    png->loadFromData(craftFile(ihdr, middle, rows));
    return png;
}

uint32_t at(const QImage &image, int x, int y)
{
    return reinterpret_cast<const uint32_t *>(image.constScanLine(y))[x];
}

} // namespace

TEST(PngDraw, AlphaBlendArithmetic)
{
    // Pixels (R, G, B, A): (200, 100, 0, 128), (9, 9, 9, 0), (1, 2, 3, 255) over a surface of
    // (0, 50, 255). Worked by hand: B = (0*128 + 255*127 + 255) div 256 = 127,
    // G = (100*128 + 50*127 + 255) div 256 = 75, R = (200*128 + 0*127 + 255) div 256 = 100.
    const auto owned = craft(ihdrData(3, 1, 8, 6), {},
                             QByteArray("\0\xc8\x64\x00\x80\x09\x09\x09\x00\x01\x02\x03\xff", 13));
    const TPNGObject &png = *owned;
    for (auto format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        QImage surface(3, 1, format);
        surface.fill(0xFF0032FFu);
        png.draw(surface, surface.rect());
        EXPECT_EQ(at(surface, 0, 0), 0xFF644B7Fu);
        EXPECT_EQ(at(surface, 1, 0), 0xFF0032FFu);
        EXPECT_EQ(at(surface, 2, 0), 0xFF010203u);
    }
    // On a transparent surface the drawn pixel takes about the picture's alpha.
    QImage clear(3, 1, QImage::Format_ARGB32);
    clear.fill(0u);
    png.draw(clear, clear.rect());
    EXPECT_EQ(at(clear, 0, 0) >> 24, 128u);
    EXPECT_EQ(at(clear, 1, 0), 0u);
}

TEST(PngDraw, EnlargingRepeatsAndShrinkingDropsPixels)
{
    // 3 x 2 RGB picture with distinct pixels.
    QByteArray rows;
    for (int y = 0; y < 2; ++y) {
        rows.append(char(0));
        for (int x = 0; x < 3; ++x)
            rows.append(char(10 * x + 1)).append(char(100 + y)).append(char(7));
    }
    const auto owned = craft(ihdrData(3, 2, 8, 2), {}, rows);
    const TPNGObject &png = *owned;
    auto sourceAt = [&](int x, int y) { return 0xFF000000u | SwapRedBlue(png.pixel(x, y)); };

    QImage twice(6, 4, QImage::Format_RGB32);
    twice.fill(0u);
    png.draw(twice, twice.rect());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(at(twice, x, y), sourceAt(x / 2, y / 2)) << x << "," << y;

    // 3 columns into 7: source column trunc(x / (7 / 3)) = 0 0 0 1 1 2 2.
    QImage seven(7, 1, QImage::Format_RGB32);
    png.draw(seven, QRect(0, 0, 7, 1));
    const int expected[7] = {0, 0, 0, 1, 1, 2, 2};
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(at(seven, x, 0), sourceAt(expected[x], 0)) << x;

    // A rectangle half outside the surface: what lies inside is mapped from the rectangle's
    // own corner.
    QImage part(4, 4, QImage::Format_RGB32);
    part.fill(0xFF123456u);
    png.draw(part, QRect(-2, -2, 6, 4));
    EXPECT_EQ(at(part, 0, 0), sourceAt(1, 1));
    EXPECT_EQ(at(part, 3, 1), sourceAt(2, 1));
    EXPECT_EQ(at(part, 0, 2), 0xFF123456u);

    QImage untouched(2, 2, QImage::Format_RGB32);
    untouched.fill(0xFF123456u);
    png.draw(untouched, QRect(0, 0, 0, 2));
    png.draw(untouched, QRect(5, 5, 3, 3));
    EXPECT_EQ(at(untouched, 0, 0), 0xFF123456u);
}

TEST(PngDraw, TransparentColourOfEachKind)
{
    const uint32_t backdrop = 0xFF0000FFu;
    const struct {
        const char *what;
        std::unique_ptr<TPNGObject> png;
        TPNGTransparencyMode kind;
        uint32_t left, right; // drawn colour of the two pixels
    } cases[] = {
        // 8-bit grey keyed at level 0x80: that level stays unpainted, black is painted.
        {"grey",
         craft(ihdrData(2, 1, 8, 0), chunk("tRNS", QByteArray("\0\x80", 2)),
               QByteArray("\0\x80\x00", 3)),
         ptmBit, backdrop, 0xFF000000u},
        // 16-bit RGB keyed on the full 16-bit samples: a pixel equal only in its high bytes is
        // painted.
        {"RGB 16",
         craft(ihdrData(2, 1, 16, 2), chunk("tRNS", QByteArray("\x11\x22\x33\x44\x55\x66", 6)),
               QByteArray("\0\x11\x22\x33\x44\x55\x66\x11\x00\x33\x00\x55\x00", 13)),
         ptmBit, backdrop, 0xFF113355u},
        // Palette with a half-transparent entry: blended by that entry's alpha, and an opaque
        // entry of the same colour as the clear one is still painted.
        {"palette",
         craft(ihdrData(2, 1, 8, 3),
               chunk("PLTE", QByteArray("\xff\x00\x00\xff\x00\x00\x00\xff\x00", 9)) +
                   chunk("tRNS", QByteArray("\x00\xff\x80", 3)),
               QByteArray("\0\x00\x02", 3)),
         ptmBit, backdrop, 0xFF00807Fu},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.png->transparencyMode(), c.kind) << c.what;
        QImage surface(2, 1, QImage::Format_RGB32);
        surface.fill(backdrop);
        c.png->draw(surface, surface.rect());
        EXPECT_EQ(at(surface, 0, 0), c.left) << c.what;
        EXPECT_EQ(at(surface, 1, 0), c.right) << c.what;
    }
    // The opaque red entry (index 1) of the palette case draws red.
    QImage surface(3, 1, QImage::Format_RGB32);
    surface.fill(backdrop);
    craft(ihdrData(3, 1, 8, 3),
          chunk("PLTE", QByteArray("\xff\x00\x00\xff\x00\x00\x00\xff\x00", 9)) +
              chunk("tRNS", QByteArray("\x00\xff\x80", 3)),
          QByteArray("\0\x00\x01\x02", 4))
        ->draw(surface, surface.rect());
    EXPECT_EQ(at(surface, 1, 0), 0xFFFF0000u);
}

TEST(PngDraw, PixelOutsideThePictureIsZero)
{
    const auto owned = craft(ihdrData(1, 1, 8, 2), {}, QByteArray("\0\x01\x02\x03", 4));
    const TPNGObject &png = *owned;
    EXPECT_EQ(png.pixel(0, 0), 0x030201u);
    for (auto [x, y] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{-1, 0}, std::pair{0, -1}})
        EXPECT_EQ(png.pixel(x, y), 0u);
    EXPECT_EQ(TPNGObject().pixel(0, 0), 0u);
}
