#include "imaging/AlphaStretch.h"
#include "imaging/VantelleError.h"

#include "png_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

Bitmap32 randomBitmap(int w, int h, uint32_t seed)
{
    std::mt19937 rng(seed);
    Bitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, static_cast<uint32_t>(rng()));
    return b;
}

uint32_t channel(uint32_t p, int c)
{
    return (p >> (8 * c)) & 0xFF;
}

// The resampler written the plain way: one contributor list per destination index with its
// pairs, channel buffers filled per row and then per column of the intermediate image.
namespace reference {

struct Pair {
    int index;
    int weight;
};

std::vector<std::vector<Pair>> contributors(int n, int length, float f, TFilterProc filter,
                                            float support)
{
    std::vector<std::vector<Pair>> list(n);
    const float w = f < 1.0f ? static_cast<float>(double(support) / double(f)) : support;
    for (int i = 0; i < n; ++i) {
        const float c = static_cast<float>(double(i) / double(f));
        const int left = static_cast<int>(std::floor(double(c) - double(w)));
        const int right = static_cast<int>(std::ceil(double(c) + double(w)));
        for (int j = left; j <= right; ++j) {
            double weight;
            if (f < 1.0f)
                weight = double(filter(static_cast<float>((double(c) - j) * double(f)))) *
                         double(f) * 256.0;
            else
                weight = double(filter(static_cast<float>(double(c) - j))) * 256.0;
            const int iw = static_cast<int>(std::nearbyint(weight));
            if (iw == 0)
                continue;
            const int k = j < 0 ? -j : (j >= length ? 2 * length - 1 - j : j);
            list[i].push_back({k, iw});
        }
    }
    return list;
}

uint32_t weightedPixel(const std::vector<uint32_t> (&buf)[4], const std::vector<Pair> &pairs)
{
    int total = 0;
    int sum[4] = {0, 0, 0, 0};
    for (const Pair &p : pairs) {
        total += p.weight;
        for (int c = 0; c < 4; ++c)
            sum[c] += p.weight * static_cast<int>(buf[c][p.index]);
    }
    uint32_t result = 0;
    for (int c = 0; c < 4; ++c) {
        int v = total != 0 ? sum[c] / total : static_cast<int>(static_cast<uint32_t>(sum[c]) >> 8);
        v = std::clamp(v, 0, 255);
        result |= static_cast<uint32_t>(v) << (8 * c);
    }
    return result;
}

Bitmap32 stretch(const Bitmap32 &src, int dw, int dh, TFilterProc filter, float support)
{
    const int sw = src.width(), sh = src.height();
    const float xs = sw == 1 ? float(dw) / float(sw) : float(dw - 1) / float(sw - 1);
    const float ys = sh == 1 ? float(dh) / float(sh) : float(dh - 1) / float(sh - 1);
    Bitmap32 mid(dw, sh), dst(dw, dh);
    std::vector<uint32_t> buf[4];

    const auto hl = contributors(dw, sw, xs, filter, support);
    for (auto &b : buf)
        b.assign(sw, 0);
    for (int y = 0; y < sh; ++y) {
        for (int k = 0; k < sw; ++k)
            for (int c = 0; c < 4; ++c)
                buf[c][k] = channel(src.pixel(k, y), c);
        for (int i = 0; i < dw; ++i)
            mid.setPixel(i, y, weightedPixel(buf, hl[i]));
    }

    const auto vl = contributors(dh, sh, ys, filter, support);
    for (auto &b : buf)
        b.assign(sh, 0);
    for (int x = 0; x < dw; ++x) {
        for (int k = 0; k < sh; ++k)
            for (int c = 0; c < 4; ++c)
                buf[c][k] = channel(mid.pixel(x, k), c);
        for (int i = 0; i < dh; ++i)
            dst.setPixel(x, i, weightedPixel(buf, vl[i]));
    }
    return dst;
}

} // namespace reference

Bitmap32 boxStretch(const Bitmap32 &src, int dw, int dh)
{
    Bitmap32 dst(dw, dh);
    Stretch(src, dst, BoxFilter, 1.0f);
    return dst;
}

TEST(BoxFilterTest, IntervalIsOpenLeftClosedRight)
{
    const struct {
        float x, expected;
    } cases[] = {{-0.5f, 0}, {-0.49f, 1}, {0, 1}, {0.5f, 1}, {0.51f, 0}, {3, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(BoxFilter(c.x), c.expected) << c.x;
}

TEST(StretchTest, SameSizeCopiesExactlyAlphaIncluded)
{
    const Bitmap32 src = randomBitmap(30, 30, 1);
    EXPECT_EQ(boxStretch(src, 30, 30), src);
}

TEST(StretchTest, EnlargingTwoToFourRepeatsEachSourcePixel)
{
    const Bitmap32 src = randomBitmap(2, 2, 2);
    const Bitmap32 dst = boxStretch(src, 4, 4);
    const int from[4] = {0, 0, 1, 1};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dst.pixel(x, y), src.pixel(from[x], from[y])) << x << "," << y;
}

TEST(StretchTest, ShrinkingFourToTwoAveragesWithMirroredNeighbours)
{
    // Two equal rows, so the vertical pass (2 -> 2) copies and only the columns are averaged.
    for (const pngtest::FourToTwoCase &c : pngtest::kFourToTwo) {
        Bitmap32 src(4, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                src.setPixel(x, y, c.columns[x]);
        const Bitmap32 dst = boxStretch(src, 2, 2);
        for (int y = 0; y < 2; ++y) {
            EXPECT_EQ(dst.pixel(0, y), c.left) << std::hex << c.columns[0];
            EXPECT_EQ(dst.pixel(1, y), c.right) << std::hex << c.columns[0];
        }
    }
}

TEST(StretchTest, MatchesThePlainResamplerByteForByte)
{
    const struct {
        int sw, sh, dw, dh;
    } cases[] = {
        {97, 61, 40, 150}, {150, 150, 500, 500}, {333, 211, 100, 77}, {1, 9, 7, 20},
        {64, 3, 2, 2},     {700, 5, 3, 900},     {400, 300, 10, 12},  {1000, 40, 500, 20},
        {201, 9, 100, 4},  {90, 50, 45, 20},
    };
    uint32_t seed = 10;
    for (const auto &c : cases) {
        const Bitmap32 src = randomBitmap(c.sw, c.sh, seed++);
        EXPECT_EQ(boxStretch(src, c.dw, c.dh), reference::stretch(src, c.dw, c.dh, BoxFilter, 1.0f))
            << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh;
    }
}

// A filter with negative lobes exercises the signed sums, clamping and uneven weights.
float TentWithLobes(float x)
{
    const float a = std::fabs(x);
    if (a < 1.0f)
        return 1.0f - a;
    if (a < 2.0f)
        return -0.25f * (2.0f - a);
    return 0.0f;
}

TEST(StretchTest, HeavyShrinksAndOtherFiltersMatchThePlainResamplerToo)
{
    const Bitmap32 src = randomBitmap(45, 38, 77);
    EXPECT_EQ(boxStretch(src, 2, 2), reference::stretch(src, 2, 2, BoxFilter, 1.0f));
    for (auto [dw, dh] : {std::pair{20, 90}, std::pair{91, 17}}) {
        Bitmap32 dst(dw, dh);
        Stretch(src, dst, TentWithLobes, 2.0f);
        EXPECT_EQ(dst, reference::stretch(src, dw, dh, TentWithLobes, 2.0f)) << dw << "x" << dh;
    }
}

TEST(StretchTest, RefusesSizesItCannotResample)
{
    const struct {
        int sw, sh, dw, dh;
    } cases[] = {{5, 1, 10, 10}, {5, 5, 1, 10}, {5, 5, 10, 1}, {0, 0, 4, 4}, {5, 5, 0, 0}};
    for (const auto &c : cases) {
        Bitmap32 src(c.sw, c.sh), dst(c.dw, c.dh);
        dst.fill(0x12345678u);
        const Bitmap32 before = dst;
        try {
            Stretch(src, dst, BoxFilter, 1.0f);
            ADD_FAILURE() << "no error for " << c.sw << "x" << c.sh << " -> " << c.dw << "x"
                          << c.dh;
        } catch (const EVantelleError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Cannot resample a %1 x %2 picture to %3 x %4: "
                                                  "the source needs at least 1 x 2 pixels and the "
                                                  "destination at least 2 x 2.")
                                       .arg(c.sw)
                                       .arg(c.sh)
                                       .arg(c.dw)
                                       .arg(c.dh));
        }
        EXPECT_EQ(dst, before);
    }
}

} // namespace
