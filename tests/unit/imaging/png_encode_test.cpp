// The encoder's exact form for the popup picture, its agreement with zlib and libpng, and the
// ways a picture is built in memory: assignment from an image and alpha creation.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include "png_helpers.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

#include <zlib.h>

using namespace pngtest;

namespace {

// A 500 x 500 picture with noise and gradients, varied alpha: it needs several IDAT chunks.
Bitmap32 popupPicture()
{
    Bitmap32 image(500, 500);
    std::mt19937 random(42);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x)
            image.setPixel(x, y,
                           (uint32_t((x + y) & 0xFF) << 24) | (uint32_t(x & 0xFF) << 16) |
                               (uint32_t(y & 0xFF) << 8) | (random() & 0x3F));
    return image;
}

QByteArray encode(const TPNGObject &png)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    png.saveToStream(buffer);
    return buffer.data();
}

QByteArray inflateAll(const QByteArray &compressed)
{
    z_stream z{};
    inflateInit(&z);
    QByteArray out;
    char chunkOut[65536];
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    z.avail_in = uInt(compressed.size());
    int result = Z_OK;
    while (result == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(chunkOut);
        z.avail_out = sizeof chunkOut;
        result = inflate(&z, Z_NO_FLUSH);
        out.append(chunkOut, qsizetype(sizeof chunkOut - z.avail_out));
    }
    inflateEnd(&z);
    EXPECT_EQ(result, Z_STREAM_END);
    return out;
}

} // namespace

TEST(PngEncode, PopupPictureHasTheExactForm)
{
    const Bitmap32 image = popupPicture();
    TPNGObject png;
    Bitmap32ToPng(image, png);
    const QByteArray file = encode(png);

    ASSERT_EQ(file.left(8), signature());
    const auto chunks = parseChunks(file);
    ASSERT_GE(chunks.size(), 4u);
    EXPECT_EQ(chunks.front().first, "IHDR");
    EXPECT_EQ(chunks.front().second, ihdrData(500, 500, 8, 6));
    EXPECT_EQ(chunks.back().first, "IEND");
    EXPECT_TRUE(chunks.back().second.isEmpty());
    QByteArray stream;
    for (size_t i = 1; i + 1 < chunks.size(); ++i) {
        EXPECT_EQ(chunks[i].first, "IDAT") << "chunk " << i;
        if (i + 2 < chunks.size())
            EXPECT_EQ(chunks[i].second.size(), 65535) << "IDAT " << i << " is not the last";
        else
            EXPECT_GT(chunks[i].second.size(), 0);
        stream += chunks[i].second;
    }
    // Signature, IHDR (25 bytes), IDATs, IEND (12 bytes) and nothing else.
    EXPECT_EQ(file.size(), 8 + 25 + (stream.size() + 12 * qsizetype(chunks.size() - 2)) + 12);
    // Every chunk's CRC is right: libpng agrees on the pixels.
    const Decoded back = readWithLibpng(file);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x)
            ASSERT_EQ(back.argb[size_t(y) * 500 + size_t(x)], image.pixel(x, y)) << x << "," << y;

    // Rows of 2001 bytes, each filter Sub, and the stream is zlib's own deflate of those rows
    // at level 7 with the default settings.
    const QByteArray rows = inflateAll(stream);
    ASSERT_EQ(rows.size(), 500 * 2001);
    QByteArray expectedRows;
    for (int y = 0; y < 500; ++y) {
        ASSERT_EQ(rows[qsizetype(y) * 2001], 1) << "row " << y;
        expectedRows.append(char(1));
        uint8_t previous[4] = {0, 0, 0, 0};
        for (int x = 0; x < 500; ++x) {
            const uint32_t v = image.pixel(x, y);
            const uint8_t rgba[4] = {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v),
                                     uint8_t(v >> 24)};
            for (int c = 0; c < 4; ++c) {
                expectedRows.append(char(uint8_t(rgba[c] - previous[c])));
                previous[c] = rgba[c];
            }
        }
    }
    EXPECT_EQ(rows, expectedRows);
    EXPECT_EQ(stream, zlibCompress(expectedRows, 7));
    EXPECT_GT(chunks.size(), 4u) << "the picture was meant to need several IDAT chunks";
}

TEST(PngEncode, DecodedPicturesOfEveryLayoutReadBackAlike)
{
    // Decoding, encoding and decoding again keeps every colour and alpha (2-bit and 16-bit
    // pictures are written at 4 and 8 bits, as stored).
    uint32_t seed = 9;
    for (auto [type, depth] : kLayouts) {
        Picture p = randomPicture(11, 5, type, depth, seed++);
        p.interlace = 1;
        if (type == 3)
            p.trns = {0, 90};
        TPNGObject first;
        first.loadFromData(writeWithLibpng(p));
        TPNGObject second;
        second.loadFromData(encode(first));
        EXPECT_EQ(second.interlaceMethod(), 0);
        Bitmap32 a, b;
        PngToBitmap32(first, a);
        PngToBitmap32(second, b);
        EXPECT_TRUE(a == b) << "colour type " << type << " depth " << depth;
        EXPECT_EQ(first.transparencyMode(), second.transparencyMode());
    }
}

TEST(PngEncode, AssignFromImage)
{
    // 32-bit image: 8-bit RGB, alpha dropped, no transparency unless asked for.
    QImage rgb(3, 2, QImage::Format_ARGB32);
    rgb.fill(0x10203040u);
    rgb.setPixel(2, 1, 0xFFA0B0C0u);
    TPNGObject png;
    png.assignImage(rgb);
    EXPECT_EQ(png.colorType(), 2);
    EXPECT_EQ(png.bitDepth(), 8);
    EXPECT_EQ(png.transparencyMode(), ptmNone);
    EXPECT_EQ(png.pixel(0, 0), 0x403020u);
    EXPECT_EQ(png.pixel(2, 1), 0xC0B0A0u);
    QStringList names;
    for (const auto &c : png.chunks())
        names << QString::fromLatin1(c->name());
    EXPECT_EQ(names, QStringList({"IHDR", "IDAT", "IEND"}));

    // With a transparent colour: a colour-key tRNS, and drawing leaves that colour unpainted.
    png.assignImage(rgb, true, 0xC0B0A0u);
    EXPECT_EQ(png.transparencyMode(), ptmBit);
    QImage surface(3, 2, QImage::Format_RGB32);
    surface.fill(0xFF000000u);
    png.draw(surface, surface.rect());
    EXPECT_EQ(surface.pixel(2, 1), 0xFF000000u);
    EXPECT_EQ(surface.pixel(0, 0), 0xFF203040u);

    // Fewer than 16 bits per pixel: a palette picture at the image's own depth.
    QImage indexed(4, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3), qRgb(200, 100, 50)});
    indexed.fill(0);
    indexed.setPixel(3, 0, 1);
    png.assignImage(indexed, true, 0x030201u);
    EXPECT_EQ(png.colorType(), 3);
    EXPECT_EQ(png.bitDepth(), 8);
    EXPECT_EQ(png.pixel(3, 0), 0x3264C8u);
    Bitmap32 image;
    PngToBitmap32(png, image);
    EXPECT_EQ(image.pixel(0, 0), 0x00010203u) << "the transparent entry carries its alpha";
    EXPECT_EQ(image.pixel(3, 0), 0xFFC86432u);

    QImage mono(9, 1, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0);
    mono.setPixel(8, 0, 1);
    png.assignImage(mono);
    EXPECT_EQ(png.bitDepth(), 1);
    EXPECT_EQ(png.pixel(8, 0), 0xFFFFFFu);
    EXPECT_EQ(png.pixel(7, 0), 0u);
    TPNGObject back;
    back.loadFromData(encode(png));
    EXPECT_EQ(back.pixel(8, 0), 0xFFFFFFu);
}

TEST(PngEncode, CreateAlpha)
{
    const struct {
        int type, depth, newType;
    } cases[] = {{2, 8, 6}, {0, 4, 4}, {0, 16, 4}, {6, 8, 6}};
    for (const auto &c : cases) {
        Picture p = randomPicture(5, 4, c.type, c.depth, 77);
        if (c.type == 2)
            p.trns = {0, p.rows[0], 0, p.rows[1], 0, p.rows[2]};
        TPNGObject png;
        png.loadFromData(writeWithLibpng(p));
        Bitmap32 before;
        PngToBitmap32(png, before);
        png.createAlpha();
        EXPECT_EQ(png.colorType(), c.newType);
        EXPECT_EQ(png.transparencyMode(), ptmPartial);
        Bitmap32 after;
        PngToBitmap32(png, after);
        if (c.type != 6) {
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 5; ++x)
                    ASSERT_EQ(png.alphaScanline(y)[x], 255);
        }
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(after.pixel(x, y) & 0xFFFFFFu, before.pixel(x, y) & 0xFFFFFFu);
        // The result is a valid file of its new colour type.
        const Decoded back = readWithLibpng(encode(png));
        EXPECT_EQ(back.colorType, c.newType);
    }

    // Palette: a tRNS chunk of opaque entries, the kind becomes alpha, still no alpha plane.
    TPNGObject palette;
    palette.loadFromData(writeWithLibpng(randomPicture(3, 3, 3, 2, 5)));
    palette.createAlpha();
    EXPECT_EQ(palette.colorType(), 3);
    EXPECT_EQ(palette.transparencyMode(), ptmPartial);
    EXPECT_EQ(palette.alphaScanline(0), nullptr);
    bool hasTrns = false;
    for (const auto &c : palette.chunks())
        if (c->name() == "tRNS") {
            hasTrns = true;
            EXPECT_EQ(c->data(), QByteArray(4, '\xff'));
        }
    EXPECT_TRUE(hasTrns);
}

TEST(PngEncode, SaveToFileReplacesTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    TPNGObject png;
    Bitmap32ToPng(popupPicture(), png);
    png.saveToFile(path);
    TPNGObject back;
    back.loadFromFile(path);
    EXPECT_EQ(back.width(), 500);
    EXPECT_EQ(back.colorType(), 6);
    TPNGObject empty;
    EXPECT_THROW(empty.saveToFile(path), EVantelleError);
    back.loadFromFile(path); // the earlier file is untouched
    EXPECT_EQ(back.width(), 500);
}
