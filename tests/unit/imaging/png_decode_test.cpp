// The decoder against libpng: every colour type, depth and interlace, with transparency and
// gamma, split image data, and the conformance images when they are at hand.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include "png_helpers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include <png.h>

#include <gtest/gtest.h>

using namespace pngtest;

namespace {

// What the program should show for libpng's raw reading: the forward gamma table applied once
// to the colour, and alpha only where the picture carries an alpha (alpha channel or palette
// transparency); a single transparent colour does not carry over into the 32-bit picture.
uint32_t expectedArgb(uint32_t raw, const std::array<uint8_t, 256> &forward, int colorType)
{
    const uint32_t colour = (uint32_t(forward[(raw >> 16) & 0xFF]) << 16) |
                            (uint32_t(forward[(raw >> 8) & 0xFF]) << 8) | forward[raw & 0xFF];
    const bool keepsAlpha = colorType == 3 || colorType == 4 || colorType == 6;
    return colour | (keepsAlpha ? raw & 0xFF000000u : 0xFF000000u);
}

// The drawing rule over a destination pixel: alpha 0 leaves it, 255 replaces it, otherwise
// each colour byte is (s * a + d * (255 - a) + 255) div 256. Here the alpha is libpng's, so a
// transparent colour is left unpainted.
uint32_t blendOver(uint32_t source, uint32_t dest)
{
    const uint32_t a = source >> 24;
    if (a == 0)
        return dest;
    if (a == 255)
        return source;
    uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const uint32_t s = (source >> shift) & 0xFF, d = (dest >> shift) & 0xFF;
        out |= ((s * a + d * (255 - a) + 255) >> 8) << shift;
    }
    return out | (((255 * a + (dest >> 24) * (255 - a) + 255) >> 8) << 24);
}

// Decodes with the codec and compares pixel(), PngToBitmap32 and drawing at the same size with
// libpng's reading of the same bytes; reports at most five wrong pixels per picture.
void expectMatchesLibpng(const QByteArray &file, const std::string &what)
{
    const Decoded oracle = readWithLibpng(file);
    TPNGObject png;
    png.loadFromData(file);
    ASSERT_EQ(png.width(), oracle.width) << what;
    ASSERT_EQ(png.height(), oracle.height) << what;
    const auto forward = forwardGamma(oracle.gamma);

    Bitmap32 image;
    PngToBitmap32(png, image);
    QImage surface(oracle.width, oracle.height, QImage::Format_ARGB32);
    const uint32_t backdrop = 0x80336699u;
    surface.fill(backdrop);
    png.draw(surface, surface.rect());

    int wrong = 0;
    for (int y = 0; y < oracle.height && wrong < 5; ++y) {
        for (int x = 0; x < oracle.width && wrong < 5; ++x) {
            const uint32_t raw = oracle.argb[size_t(y) * size_t(oracle.width) + size_t(x)];
            const uint32_t want = expectedArgb(raw, forward, oracle.colorType);
            const uint32_t got = image.pixel(x, y);
            const uint32_t pixel = png.pixel(x, y);
            const uint32_t drawn = reinterpret_cast<const uint32_t *>(surface.constScanLine(y))[x];
            const uint32_t wantDrawn =
                blendOver((want & 0xFFFFFFu) | (raw & 0xFF000000u), backdrop);
            if (got != want || SwapRedBlue(pixel) != (want & 0xFFFFFFu) || drawn != wantDrawn) {
                ++wrong;
                ADD_FAILURE() << what << " at (" << x << ", " << y << "): libpng " << std::hex
                              << raw << ", expected " << want << ", PngToBitmap32 " << got
                              << ", pixel " << pixel << ", drawn " << drawn << " expected "
                              << wantDrawn;
            }
        }
    }
}

struct Layout {
    int colorType;
    int bitDepth;
};
const Layout kLayouts[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                           {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

std::string describe(const Picture &p, const char *variant)
{
    return "colour type " + std::to_string(p.colorType) + " depth " + std::to_string(p.bitDepth) +
           (p.interlace ? " interlaced" : "") + " " + variant;
}

} // namespace

TEST(PngDecode, EveryLayoutMatchesLibpng)
{
    uint32_t seed = 1;
    for (const Layout &layout : kLayouts) {
        for (int interlace : {0, 1}) {
            // Odd sizes leave partial bytes at row ends and empty Adam7 passes.
            for (auto [w, h] : {std::pair{13, 11}, std::pair{1, 1}, std::pair{3, 9}}) {
                Picture p = randomPicture(w, h, layout.colorType, layout.bitDepth, seed++);
                p.interlace = interlace;
                expectMatchesLibpng(writeWithLibpng(p), describe(p, "plain"));
            }
        }
    }
}

TEST(PngDecode, TransparencyAndGammaMatchLibpng)
{
    uint32_t seed = 100;
    for (const Layout &layout : kLayouts) {
        for (int interlace : {0, 1}) {
            Picture p = randomPicture(17, 6, layout.colorType, layout.bitDepth, seed++);
            p.interlace = interlace;
            if (layout.colorType == 3) {
                // A mix of clear, half and opaque entries, shorter than the palette.
                p.trns = {0, 128, 255, 7};
            } else if (layout.colorType == 0 || layout.colorType == 2) {
                // Key the colour of the first pixel so that the key is sure to occur.
                const int samples = layout.colorType == 0 ? 1 : 3;
                for (int s = 0; s < samples; ++s) {
                    uint16_t v;
                    if (layout.bitDepth == 16)
                        v = uint16_t((p.rows[size_t(2 * s)] << 8) | p.rows[size_t(2 * s + 1)]);
                    else if (layout.bitDepth == 8)
                        v = p.rows[size_t(s)];
                    else
                        v = uint16_t(p.rows[0] >> (8 - layout.bitDepth));
                    p.trns.push_back(uint8_t(v >> 8));
                    p.trns.push_back(uint8_t(v));
                }
            }
            p.gamma = 45455;
            expectMatchesLibpng(writeWithLibpng(p), describe(p, "tRNS + gAMA 45455"));
            p.gamma = 100000;
            expectMatchesLibpng(writeWithLibpng(p), describe(p, "tRNS + gAMA 100000"));
        }
    }
}

TEST(PngDecode, EveryRowFilterMatchesLibpng)
{
    // Each filter forced on every row, for pixel sizes of 1 byte or less, 3, 4, 6 and 8 bytes.
    const struct {
        int filter;
        const char *name;
    } filters[] = {{PNG_FILTER_NONE, "None"},
                   {PNG_FILTER_SUB, "Sub"},
                   {PNG_FILTER_UP, "Up"},
                   {PNG_FILTER_AVG, "Average"},
                   {PNG_FILTER_PAETH, "Paeth"}};
    const Layout layouts[] = {{0, 2}, {2, 8}, {6, 8}, {4, 16}, {2, 16}, {6, 16}};
    uint32_t seed = 300;
    for (const auto &f : filters) {
        for (const Layout &layout : layouts) {
            Picture p = randomPicture(21, 9, layout.colorType, layout.bitDepth, seed++);
            p.filters = f.filter;
            expectMatchesLibpng(writeWithLibpng(p), describe(p, f.name));
        }
    }
}

TEST(PngDecode, ImageDataSplitOverManyChunks)
{
    Picture p = randomPicture(40, 30, 6, 8, 7);
    p.idatSize = 100;
    const QByteArray file = writeWithLibpng(p);
    int idats = 0;
    for (const auto &[name, data] : parseChunks(file))
        idats += name == "IDAT";
    ASSERT_GT(idats, 10);
    expectMatchesLibpng(file, "RGBA in 100-byte IDAT chunks");

    p = randomPicture(40, 30, 3, 2, 8);
    p.interlace = 1;
    p.idatSize = 7;
    expectMatchesLibpng(writeWithLibpng(p), "interlaced palette in 7-byte IDAT chunks");
}

TEST(PngDecode, ReadsInBlocksOfAtMost65535Bytes)
{
    // Reads go straight to the device (unbuffered), so its largest request is the decoder's
    // block size: one 360 KB IDAT chunk of noise and a 100 KB ancillary chunk in front of it.
    class Recorder : public QBuffer {
    public:
        qint64 largest = 0;

    protected:
        qint64 readData(char *data, qint64 maxSize) override
        {
            largest = std::max(largest, maxSize);
            return QBuffer::readData(data, maxSize);
        }
    };
    Picture p = randomPicture(300, 300, 6, 8, 11);
    p.idatSize = size_t(1) << 20;
    QByteArray file = writeWithLibpng(p);
    file.insert(33, chunk("prVt", QByteArray(100000, 'x'))); // behind the 25-byte IHDR chunk
    ASSERT_GT(file.size(), 400000);
    Recorder device;
    device.setData(file);
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    TPNGObject png;
    png.loadFromStream(device);
    EXPECT_EQ(png.width(), 300);
    EXPECT_EQ(device.largest, 65535);
}

TEST(PngDecode, StreamIsLeftJustAfterIend)
{
    const QByteArray file = writeWithLibpng(randomPicture(9, 9, 2, 8, 3));
    const QByteArray trailer("NEXT ENTRY \x89PNG", 15);
    QBuffer buffer;
    buffer.setData(file + trailer);
    buffer.open(QIODevice::ReadOnly);
    TPNGObject png;
    png.loadFromStream(buffer);
    EXPECT_EQ(buffer.pos(), file.size());
    EXPECT_EQ(buffer.readAll(), trailer);

    // Also when the stream's checksum comes in an IDAT chunk of its own behind the last row.
    const QByteArray raw("\0\x10\x20\x30", 4);
    const QByteArray deflated = zlibCompress(raw);
    const QByteArray split = signature() + chunk("IHDR", ihdrData(1, 1, 8, 2)) +
                             chunk("IDAT", deflated.chopped(4)) +
                             chunk("IDAT", deflated.right(4)) + chunk("IEND", {});
    QBuffer splitBuffer;
    splitBuffer.setData(split + trailer);
    splitBuffer.open(QIODevice::ReadOnly);
    png.loadFromStream(splitBuffer);
    EXPECT_EQ(png.pixel(0, 0), 0x302010u);
    EXPECT_EQ(splitBuffer.readAll(), trailer);

    // Two pictures back to back, as in a container, read one after the other.
    const QByteArray second = writeWithLibpng(randomPicture(4, 3, 0, 1, 4));
    QBuffer pair;
    pair.setData(file + second);
    pair.open(QIODevice::ReadOnly);
    png.loadFromStream(pair);
    EXPECT_EQ(png.width(), 9);
    png.loadFromStream(pair);
    EXPECT_EQ(png.width(), 4);
    EXPECT_TRUE(pair.atEnd());
}

TEST(PngDecode, AncillaryChunksAreKeptAndCriticalOnesRejected)
{
    const QByteArray raw(1 + 2, '\0'); // one grey pixel row: filter 0, 16-bit sample
    const QByteArray ihdr = ihdrData(1, 1, 16, 0);
    TPNGObject png;
    png.loadFromData(craftFile(
        ihdr, chunk("prVt", "kept bytes") + chunk("tEXt", QByteArray("Title\0Hi", 8)), raw));
    bool sawPrivate = false;
    for (const auto &c : png.chunks()) {
        if (c->name() == "prVt") {
            sawPrivate = true;
            EXPECT_EQ(typeid(*c), typeid(TChunk));
            EXPECT_EQ(c->data(), "kept bytes");
        }
    }
    EXPECT_TRUE(sawPrivate);
    EXPECT_THROW(png.loadFromData(craftFile(ihdr, chunk("PrVt", "x"), raw)),
                 EPNGUnknownCriticalChunk);
}

TEST(PngDecode, GammaIsAppliedOnceToEveryColourType)
{
    // gAMA 100000 gives the exponent 1 / 2.2: level 128 becomes 186 (applied twice it would be
    // 221). Grey, palette and RGB pictures must all show 186.
    const QByteArray gama = chunk("gAMA", be32(100000));
    const struct {
        const char *what;
        QByteArray ihdr, middle, row;
    } cases[] = {
        {"grey", ihdrData(1, 1, 8, 0), gama, QByteArray("\0\x80", 2)},
        {"palette", ihdrData(1, 1, 8, 3), gama + chunk("PLTE", QByteArray(3, '\x80')),
         QByteArray("\0\0", 2)},
        {"RGB", ihdrData(1, 1, 8, 2), gama, QByteArray("\0\x80\x80\x80", 4)},
        {"grey with alpha", ihdrData(1, 1, 8, 4), gama, QByteArray("\0\x80\x40", 3)},
    };
    for (const auto &c : cases) {
        TPNGObject png;
        png.loadFromData(craftFile(c.ihdr, c.middle, c.row));
        EXPECT_EQ(png.pixel(0, 0), 0xBABABAu) << c.what;
        Bitmap32 image;
        PngToBitmap32(png, image);
        EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFFu, 0xBABABAu) << c.what;
    }
}

TEST(PngDecode, ConformanceImages)
{
    const QDir suite(QStringLiteral(VANTELLE_PNGSUITE_DIR));
    if (!suite.exists())
        GTEST_SKIP() << "no conformance images at " << VANTELLE_PNGSUITE_DIR;
    const QStringList files = suite.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        QFile file(suite.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (name.startsWith(QLatin1Char('x'))) {
            TPNGObject png;
            EXPECT_THROW(png.loadFromData(bytes), EVantelleError) << name.toStdString();
            EXPECT_TRUE(png.isEmpty()) << name.toStdString();
        } else {
            expectMatchesLibpng(bytes, name.toStdString());
        }
    }
}
