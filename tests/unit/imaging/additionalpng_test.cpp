// Moving pictures between the PNG object and the 32-bit picture, alpha kept both ways.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include "png_helpers.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace pngtest;

TEST(AdditionalPng, ColourHelpers)
{
    EXPECT_EQ(SwapRedBlue(0x00112233u), 0x00332211u);
    EXPECT_EQ(SetAlpha(0xAB112233u, 0x7F), 0x7F112233u);
}

TEST(AdditionalPng, RgbaPictureRoundTrips)
{
    Picture p = randomPicture(23, 7, 6, 8, 11);
    TPNGObject png;
    png.loadFromData(writeWithLibpng(p));
    Bitmap32 image;
    PngToBitmap32(png, image);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 23; ++x) {
            const uint8_t *s = p.rows.data() + size_t(y) * p.rowBytes() + size_t(x) * 4;
            ASSERT_EQ(image.pixel(x, y), (uint32_t(s[3]) << 24) | (uint32_t(s[0]) << 16) |
                                             (uint32_t(s[1]) << 8) | s[2]);
        }
    TPNGObject back;
    Bitmap32ToPng(image, back);
    EXPECT_EQ(back.colorType(), 6);
    EXPECT_EQ(back.bitDepth(), 8);
    Bitmap32 again;
    PngToBitmap32(back, again);
    EXPECT_TRUE(again == image);
}

TEST(AdditionalPng, AlphaOfEachTransparencyKind)
{
    const QByteArray plte = chunk("PLTE", QByteArray("\x10\x20\x30\x40\x50\x60\x70\x80\x90", 9));
    const QByteArray indices("\0\x00\x01\x02", 4);
    const struct {
        const char *what;
        QByteArray file;
        uint32_t expected[3];
    } cases[] = {
        // No transparency: the palette colours, opaque.
        {"palette",
         craftFile(ihdrData(3, 1, 8, 3), plte, indices),
         {0xFF102030u, 0xFF405060u, 0xFF708090u}},
        // Palette transparency carries over entry by entry, as the picture was drawn.
        {"palette with tRNS",
         craftFile(ihdrData(3, 1, 8, 3), plte + chunk("tRNS", QByteArray("\x00\x80", 2)), indices),
         {0x00102030u, 0x80405060u, 0xFF708090u}},
        // A single transparent colour does not: alpha 255 for that colour too.
        {"RGB with key",
         craftFile(ihdrData(3, 1, 8, 2), chunk("tRNS", QByteArray("\0\x01\0\x02\0\x03", 6)),
                   QByteArray("\0\x01\x02\x03\x01\x02\x04\x01\x02\x03", 10)),
         {0xFF010203u, 0xFF010204u, 0xFF010203u}},
        // Grey with alpha: the grey level and the alpha channel.
        {"grey with alpha",
         craftFile(ihdrData(3, 1, 8, 4), {}, QByteArray("\0\x00\x00\x80\x40\xff\x7f", 7)),
         {0x00000000u, 0x40808080u, 0x7FFFFFFFu}},
        // 2-bit grey shows its natural levels 0, 85, 170, 255.
        {"2-bit grey",
         craftFile(ihdrData(3, 1, 2, 0), {}, QByteArray("\0\x1b", 2)),
         {0xFF000000u, 0xFF555555u, 0xFFAAAAAAu}},
    };
    for (const auto &c : cases) {
        TPNGObject png;
        png.loadFromData(c.file);
        Bitmap32 image;
        PngToBitmap32(png, image);
        ASSERT_EQ(image.width(), 3) << c.what;
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(image.pixel(x, 0), c.expected[x]) << c.what << " pixel " << x;
    }
}

TEST(AdditionalPng, AlphaRowsOfADecodedRgbaPicture)
{
    // An RGBA picture keeps its alpha beside its colours until its alpha rows are asked for;
    // from then on what is written there is its alpha, in every conversion and when saved.
    TPNGObject png;
    png.loadFromData(
        craftFile(ihdrData(2, 1, 8, 6), {}, QByteArray("\0\x10\x20\x30\x40\x50\x60\x70\xc0", 9)));
    uint8_t *alpha = png.alphaScanline(0);
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha[0], 0x40);
    EXPECT_EQ(alpha[1], 0xC0);
    alpha[1] = 0x11;
    Bitmap32 image;
    PngToBitmap32(png, image);
    EXPECT_EQ(image.pixel(0, 0), 0x40102030u);
    EXPECT_EQ(image.pixel(1, 0), 0x11506070u);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    png.saveToStream(buffer);
    const Decoded back = readWithLibpng(buffer.data());
    EXPECT_EQ(back.argb, (std::vector<uint32_t>{0x40102030u, 0x11506070u}));
}

TEST(AdditionalPng, TransparentImageKeepsItsColours)
{
    Bitmap32 image(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, uint32_t(0x00102030 + x * 0x10000 + y));
    TPNGObject png;
    Bitmap32ToPng(image, png);
    EXPECT_EQ(png.transparencyMode(), ptmPartial);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(png.alphaScanline(y)[x], 0);
            EXPECT_EQ(png.pixel(x, y), SwapRedBlue(image.pixel(x, y)));
        }
    // Written and read again by libpng: colours are still there under alpha 0.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    png.saveToStream(buffer);
    const Decoded back = readWithLibpng(buffer.data());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(back.argb[size_t(y) * 4 + size_t(x)], image.pixel(x, y));
}

TEST(AdditionalPng, StretchUsesTheBoxFilter)
{
    for (const FourToTwoCase &c : kFourToTwo) {
        Bitmap32 source(4, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                source.setPixel(x, y, c.columns[x]);
        Bitmap32 dest(2, 2);
        StretchBitmap32(source, dest);
        EXPECT_EQ(dest.pixel(0, 0), c.left);
        EXPECT_EQ(dest.pixel(1, 1), c.right);
    }
}
