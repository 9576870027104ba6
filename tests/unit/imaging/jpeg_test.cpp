#include "imaging/JpegImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

// Compresses interleaved samples (components per pixel as the colour space has them).
QByteArray encodeJpeg(int w, int h, J_COLOR_SPACE space, int components,
                      const std::vector<unsigned char> &samples)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto *row = const_cast<unsigned char *>(samples.data()) +
                    static_cast<size_t>(cinfo.next_scanline) * w * components;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray result(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return result;
}

// Flat colour blocks survive a quality-100 round trip within a few levels.
void expectNear(uint32_t got, uint32_t expected, int x, int y)
{
    for (int shift = 0; shift < 32; shift += 8) {
        const int g = static_cast<int>((got >> shift) & 0xFF);
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        EXPECT_NEAR(g, e, 3) << "pixel " << x << "," << y << " byte " << shift / 8;
    }
}

TEST(JpegTest, DecodesColourGreyAndCmykToOpaquePixels)
{
    const int w = 16, h = 8;
    // Left half red, right half blue in colour; left dark, right light in grey; CMYK as Adobe
    // writers store it (inverted inks): left magenta, right yellow.
    std::vector<unsigned char> rgb, grey, cmyk;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool left = x < 8;
            rgb.insert(rgb.end(), {static_cast<unsigned char>(left ? 230 : 10), 20,
                                   static_cast<unsigned char>(left ? 30 : 240)});
            grey.push_back(left ? 40 : 200);
            cmyk.insert(cmyk.end(), {255, static_cast<unsigned char>(left ? 0 : 255),
                                     static_cast<unsigned char>(left ? 255 : 0), 255});
        }
    }
    const struct {
        const char *name;
        QByteArray jpeg;
        uint32_t left, right;
    } cases[] = {
        {"rgb", encodeJpeg(w, h, JCS_RGB, 3, rgb), 0xFFE6141Eu, 0xFF0A14F0u},
        {"grey", encodeJpeg(w, h, JCS_GRAYSCALE, 1, grey), 0xFF282828u, 0xFFC8C8C8u},
        {"cmyk", encodeJpeg(w, h, JCS_CMYK, 4, cmyk), 0xFFFF00FFu, 0xFFFFFF00u},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Bitmap32 b = DecodeJpeg(c.jpeg);
        ASSERT_EQ(b.width(), w);
        ASSERT_EQ(b.height(), h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                EXPECT_EQ(b.pixel(x, y) >> 24, 0xFFu);
                if (x % 8 != 0 && x % 8 != 7) // block edges may ring a little more
                    expectNear(b.pixel(x, y), x < 8 ? c.left : c.right, x, y);
            }
        }
    }
}

TEST(JpegTest, JunkBetweenMarkersIsSkipped)
{
    std::vector<unsigned char> grey(8 * 8);
    for (size_t i = 0; i < grey.size(); ++i)
        grey[i] = static_cast<unsigned char>(i * 4);
    const QByteArray clean = encodeJpeg(8, 8, JCS_GRAYSCALE, 1, grey);
    // Behind the first segment (the JFIF header), before the next marker.
    ASSERT_EQ(clean.mid(2, 2), QByteArray("\xFF\xE0"));
    const int next = 4 + (static_cast<uint8_t>(clean[4]) << 8 | static_cast<uint8_t>(clean[5]));
    QByteArray junk = clean;
    junk.insert(next, "abc");
    EXPECT_EQ(DecodeJpeg(junk), DecodeJpeg(clean));
}

TEST(JpegTest, BadInputRaisesTheLibraryMessage)
{
    std::vector<unsigned char> rgb(64 * 64 * 3);
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = static_cast<unsigned char>(i * 31 % 251);
    const QByteArray good = encodeJpeg(64, 64, JCS_RGB, 3, rgb);
    QByteArray badMarker = good;
    badMarker[good.size() / 2] = '\xFF';
    badMarker[good.size() / 2 + 1] = '\xC3'; // a marker the decoder does not expect mid-scan
    // A frame header that claims 60000 x 60000 pixels: refused before any pixel memory is taken.
    QByteArray huge = good;
    const qsizetype sof = huge.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    huge.replace(sof + 5, 4, QByteArray("\xEA\x60\xEA\x60", 4));

    const struct {
        const char *name;
        QByteArray bytes;
        const char *message;
    } cases[] = {
        {"empty", QByteArray(), "Empty input file"},
        {"not a jpeg", QByteArray("GIF89a and more bytes"),
         "Not a JPEG file: starts with 0x47 0x49"},
        {"header only", good.left(20), "Premature end of JPEG file"},
        {"truncated", good.left(good.size() / 2), "Premature end of JPEG file"},
        {"marker mid-scan", badMarker, "Corrupt JPEG data: premature end of data segment"},
        {"huge", huge, "The JPEG picture is too large (60000 x 60000 pixels)."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            DecodeJpeg(c.bytes);
            ADD_FAILURE() << "decoded without an error";
        } catch (const EJpegError &e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(c.message));
        }
    }
}

} // namespace
