// Hostile sizes: the decoder refuses pictures beyond 100,000,000 pixels and ancillary data
// beyond 8 MB, and a small file never makes it reserve memory that its data cannot fill.
// Allocation is measured by replacing the global operator new in this test program.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include "png_helpers.h"

#include <QImage>

#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<size_t> g_live{0};
std::atomic<size_t> g_peak{0};

void *track(size_t size)
{
    void *p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    const size_t now = g_live += malloc_usable_size(p);
    size_t peak = g_peak;
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void untrack(void *p) noexcept
{
    if (p) {
        g_live -= malloc_usable_size(p);
        std::free(p);
    }
}
} // namespace

void *operator new(size_t size)
{
    return track(size);
}
void *operator new[](size_t size)
{
    return track(size);
}
void operator delete(void *p) noexcept
{
    untrack(p);
}
void operator delete[](void *p) noexcept
{
    untrack(p);
}
void operator delete(void *p, size_t) noexcept
{
    untrack(p);
}
void operator delete[](void *p, size_t) noexcept
{
    untrack(p);
}

using namespace pngtest;

namespace {

// Peak memory taken through operator new while decoding, above what was live before.
size_t peakWhileDecoding(const QByteArray &file)
{
    TPNGObject png;
    const size_t before = g_live;
    g_peak = before;
    try {
        png.loadFromData(file);
    } catch (const EVantelleError &) {
    }
    return g_peak - before;
}

} // namespace

TEST(PngLimits, PictureOfMoreThanHundredMillionPixelsIsRefused)
{
    const QByteArray row(1 + 4 * 20000, '\0');
    // 10000 x 10000 is exactly the limit; 10001 x 10000 is one row of pixels beyond it.
    TPNGObject png;
    try {
        png.loadFromData(craftFile(ihdrData(10001, 10000, 8, 6), {}, row));
        FAIL() << "accepted 100,010,000 pixels";
    } catch (const EPNGImageTooLarge &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("100,000,000")));
    }
    EXPECT_THROW(png.loadFromData(craftFile(ihdrData(65535, 65535, 1, 0), {}, row)),
                 EPNGImageTooLarge);
}

TEST(PngLimits, SmallFileDeclaringHugePictureTakesLittleMemory)
{
    // A few hundred bytes that declare 10000 x 10000 RGBA (500 MB decoded) and carry a handful
    // of rows; the decoder may only take memory in step with the rows that actually arrive.
    const QByteArray rows(3 * (1 + 4 * 10000), '\0');
    for (int interlace : {0, 1}) {
        const QByteArray file = craftFile(ihdrData(10000, 10000, 8, 6, interlace), {}, rows);
        ASSERT_LT(file.size(), 1000);
        const size_t peak = peakWhileDecoding(file);
        EXPECT_LT(peak, size_t(8) << 20) << "interlace " << interlace << ": took " << peak;
    }
}

TEST(PngLimits, AncillaryChunkLengthsAreCapped)
{
    const QByteArray row("\0\x10", 2);
    const QByteArray head = signature() + chunk("IHDR", ihdrData(1, 1, 8, 0));
    const QByteArray rest = chunk("IDAT", zlibCompress(row)) + chunk("IEND", {});
    // Declared beyond 8 MB: refused before reading.
    TPNGObject png;
    EXPECT_THROW(png.loadFromData(head + be32(9u << 20) + "tEXt" + QByteArray(64, 'a') + rest),
                 EPNGChunkTooLarge);
    EXPECT_THROW(png.loadFromData(head + be32(0x80000000u) + "IDAT" + rest), EPNGChunkTooLarge);
    // Declared 8 MB but cut short: an end-of-file error, without the 8 MB.
    const QByteArray shortChunk = head + be32(8u << 20) + "tEXt" + QByteArray(100, 'a');
    EXPECT_THROW(png.loadFromData(shortChunk), EPngUnexpectedEnd);
    EXPECT_LT(peakWhileDecoding(shortChunk), size_t(1) << 20);
    // A chunk of the largest accepted size still decodes.
    QByteArray big(qsizetype(8) << 20, 'b');
    big[0] = 'k';
    big[1] = '\0';
    EXPECT_NO_THROW(png.loadFromData(head + chunk("tEXt", big) + rest));
}

TEST(PngLimits, MillionsOfUnreadChunksTakeNoMemory)
{
    // Empty ancillary chunks of every kind the picture does not use, 12 bytes each: memory may
    // not grow with their number (kept in a list they took a hundred bytes or more apiece).
    const QByteArray kinds[] = {chunk("auXl", {}), chunk("tEXt", {}), chunk("zTXt", {}),
                                chunk("tIME", {}), chunk("pHYs", {})};
    QByteArray padding;
    for (int i = 0; i < 400'000; ++i)
        padding += kinds[i % 5];
    const QByteArray file = craftFile(ihdrData(1, 1, 8, 0), padding, QByteArray("\0\x10", 2));
    EXPECT_LT(peakWhileDecoding(file), size_t(1) << 20);
    TPNGObject png;
    png.loadFromData(file);
    EXPECT_EQ(png.pixel(0, 0), 0x101010u);
    EXPECT_EQ(png.chunks().size(), 3u);
}

TEST(PngLimits, RowWorkNeverSearchesTheChunkList)
{
    // Thousands of rows behind hundreds of empty ancillary chunks, with a transparent colour or
    // palette transparency: looking the transparency up once per row made decoding and
    // conversion grow with rows x chunks (a 1.2 MB file took over a minute).
    constexpr int kRows = 3000;
    QByteArray padding;
    for (int i = 0; i < 300; ++i)
        padding += chunk("auXl", {});
    const struct {
        const char *what;
        int colorType;
        QByteArray middle;
        QByteArray row;
    } cases[] = {
        {"grey with a transparent level", 0, chunk("tRNS", QByteArray("\0\x10", 2)),
         QByteArray("\0\x10", 2)},
        {"RGB with a transparent colour", 2, chunk("tRNS", QByteArray(6, '\x10')),
         QByteArray("\0\x10\x10\x10", 4)},
        {"palette with transparency", 3,
         chunk("PLTE", QByteArray("\x10\x20\x30", 3)) + chunk("tRNS", QByteArray("\x80", 1)),
         QByteArray("\0\0", 2)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray rows;
        for (int y = 0; y < kRows; ++y)
            rows += c.row;
        TPNGObject png;
        png.loadFromData(craftFile(ihdrData(1, kRows, 8, c.colorType), padding + c.middle, rows));
        ASSERT_EQ(png.height(), kRows);
        Bitmap32 image;
        PngToBitmap32(png, image);
        QImage surface(1, kRows, QImage::Format_ARGB32);
        png.draw(surface, surface.rect());
        EXPECT_NE(png.transparencyMode(), ptmNone);
        EXPECT_LE(png.chunkListSearches(), 8u);
    }
}
