// The decoder against libpng: every colour type, depth and interlace, with transparency and
// gamma, and split image data.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include "png_helpers.h"

#include <QBuffer>
#include <QImage>

#include <png.h>

#include <gtest/gtest.h>

using namespace pngtest;

namespace {

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
                             chunk("IDAT", deflated.chopped(4)) + chunk("IDAT", deflated.right(4)) +
                             chunk("IEND", {});
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

TEST(PngDecode, UnreadChunksAreNotKeptAndCriticalOnesRejected)
{
    const QByteArray raw(1 + 2, '\0'); // one grey pixel row: filter 0, 16-bit sample
    const QByteArray ihdr = ihdrData(1, 1, 16, 0);
    const QByteArray unread = chunk("prVt", "dropped") + chunk("tEXt", QByteArray("Title\0Hi", 8));
    TPNGObject png;
    png.loadFromData(craftFile(ihdr, unread + chunk("gAMA", be32(45455)), raw));
    QList<QByteArray> names;
    for (const auto &c : png.chunks())
        names << c->name();
    EXPECT_EQ(names, (QList<QByteArray>{"IHDR", "gAMA", "IDAT", "IEND"}));
    // Passed over, but still checked.
    QByteArray badCrc = unread;
    badCrc[badCrc.size() - 1] = char(badCrc[badCrc.size() - 1] ^ 1);
    EXPECT_THROW(png.loadFromData(craftFile(ihdr, badCrc, raw)), EPngInvalidCRC);
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
