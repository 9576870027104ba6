#include "imaging/AlphaStretch.h"

#include "imaging/VantelleError.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Contributor lists of one pass, flattened: entry i owns pairs [first[i], first[i + 1]).
struct Contributors {
    std::vector<int> first;
    std::vector<int> index;
    std::vector<int32_t> weight;
    std::vector<int32_t> total;

    int count(int i) const { return first[i + 1] - first[i]; }
    // One pair with a positive weight: the result is that source pixel unchanged.
    bool isCopy(int i) const
    {
        return count(i) == 1 && weight[first[i]] > 0 && weight[first[i]] <= MaxCopyWeight;
    }
    static constexpr int32_t MaxCopyWeight = 0x7FFFFFFF / 255;
};

int32_t toWeight(double value)
{
    // Keeps a runaway filter from overflowing the integer conversion.
    const double w = std::nearbyint(std::clamp(value, -1073741824.0, 1073741824.0));
    return static_cast<int32_t>(w);
}

int mirror(int j, int length)
{
    if (j < 0)
        j = -j;
    else if (j >= length)
        j = 2 * length - 1 - j;
    // A filter wider than the line could mirror past the other end; stay inside it.
    return std::clamp(j, 0, length - 1);
}

Contributors buildContributors(int n, int length, float scale, TFilterProc filter, float support)
{
    Contributors list;
    list.first.reserve(static_cast<size_t>(n) + 1);
    list.total.reserve(static_cast<size_t>(n));
    list.first.push_back(0);
    const bool shrinking = scale < 1.0f;
    const float width = shrinking ? static_cast<float>(double(support) / double(scale)) : support;
    for (int i = 0; i < n; ++i) {
        const float centre = static_cast<float>(double(i) / double(scale));
        const auto left = static_cast<long long>(std::floor(double(centre) - double(width)));
        const auto right = static_cast<long long>(std::ceil(double(centre) + double(width)));
        int32_t total = 0;
        for (long long j = left; j <= right; ++j) {
            const double distance = double(centre) - double(j);
            int32_t w;
            if (shrinking) {
                const auto arg = static_cast<float>(distance * double(scale));
                w = toWeight(double(filter(arg)) * double(scale) * 256.0);
            } else {
                w = toWeight(double(filter(static_cast<float>(distance))) * 256.0);
            }
            if (w == 0)
                continue;
            list.index.push_back(mirror(static_cast<int>(j), length));
            list.weight.push_back(w);
            total = static_cast<int32_t>(static_cast<uint32_t>(total) + static_cast<uint32_t>(w));
        }
        list.first.push_back(static_cast<int>(list.index.size()));
        list.total.push_back(total);
    }
    return list;
}

// Truncating division of non-negative 32-bit numerators by one divisor through a multiply:
// with m = ceil(2^64 / d) the high half of m * n is n div d for every 32-bit n.
class Divider {
public:
    explicit Divider(uint32_t d) : m_one(d == 1), m_magic(d > 1 ? ~uint64_t{0} / d + 1 : 0) {}
    uint32_t operator()(uint32_t n) const
    {
        if (m_one)
            return n;
        return static_cast<uint32_t>((static_cast<unsigned __int128>(m_magic) * n) >> 64);
    }

private:
    bool m_one;
    uint64_t m_magic;
};

uint32_t clampByte(int64_t v)
{
    return static_cast<uint32_t>(std::clamp<int64_t>(v, 0, 255));
}

// The channel value from a weighted sum: sums wrap like 32-bit integers, a zero total
// shifts instead of dividing, results are clamped to a byte.
struct Finisher {
    explicit Finisher(int32_t total) : m_total(total), m_div(total > 0 ? uint32_t(total) : 1u) {}
    uint32_t operator()(uint32_t rawSum) const
    {
        const auto sum = static_cast<int32_t>(rawSum);
        if (m_total > 0)
            return sum <= 0 ? 0 : std::min<uint32_t>(m_div(static_cast<uint32_t>(sum)), 255);
        if (m_total == 0)
            return clampByte(rawSum >> 8);
        return clampByte(int64_t(sum) / m_total);
    }
    uint32_t pixel(const uint32_t sums[4]) const
    {
        return (*this)(sums[0]) | (*this)(sums[1]) << 8 | (*this)(sums[2]) << 16 |
               (*this)(sums[3]) << 24;
    }

private:
    int32_t m_total;
    Divider m_div;
};

void horizontalPass(const Bitmap32 &source, Bitmap32 &mid, const Contributors &list)
{
    const int dw = mid.width();
    std::vector<Finisher> finish;
    finish.reserve(static_cast<size_t>(dw));
    for (int i = 0; i < dw; ++i)
        finish.emplace_back(list.total[i]);
    const int *index = list.index.data();
    const int32_t *weight = list.weight.data();
    for (int y = 0; y < source.height(); ++y) {
        const uint32_t *in = source.row(y);
        uint32_t *out = mid.row(y);
        for (int i = 0; i < dw; ++i) {
            const int begin = list.first[i];
            const int end = list.first[i + 1];
            if (list.isCopy(i)) {
                out[i] = in[index[begin]];
                continue;
            }
            uint32_t sums[4] = {0, 0, 0, 0};
            for (int k = begin; k < end; ++k) {
                const uint32_t p = in[index[k]];
                const auto w = static_cast<uint32_t>(weight[k]);
                sums[0] += w * (p & 0xFF);
                sums[1] += w * ((p >> 8) & 0xFF);
                sums[2] += w * ((p >> 16) & 0xFF);
                sums[3] += w * (p >> 24);
            }
            out[i] = finish[i].pixel(sums);
        }
    }
}

// Works a destination row at a time over whole rows of the intermediate image, which gives
// the same sums as walking each column but reads memory in order.
void verticalPass(const Bitmap32 &mid, Bitmap32 &dest, const Contributors &list)
{
    const int dw = dest.width();
    std::vector<uint32_t> acc(static_cast<size_t>(dw) * 4);
    for (int i = 0; i < dest.height(); ++i) {
        const int begin = list.first[i];
        const int end = list.first[i + 1];
        uint32_t *out = dest.row(i);
        if (list.isCopy(i)) {
            std::memcpy(out, mid.row(list.index[begin]), static_cast<size_t>(dw) * 4);
            continue;
        }
        std::fill(acc.begin(), acc.end(), 0u);
        uint32_t *a = acc.data();
        for (int k = begin; k < end; ++k) {
            const uint32_t *in = mid.row(list.index[k]);
            const auto w = static_cast<uint32_t>(list.weight[k]);
            for (int x = 0; x < dw; ++x) {
                const uint32_t p = in[x];
                a[4 * x] += w * (p & 0xFF);
                a[4 * x + 1] += w * ((p >> 8) & 0xFF);
                a[4 * x + 2] += w * ((p >> 16) & 0xFF);
                a[4 * x + 3] += w * (p >> 24);
            }
        }
        const Finisher finish(list.total[i]);
        for (int x = 0; x < dw; ++x)
            out[x] = finish.pixel(a + 4 * x);
    }
}

} // namespace

float BoxFilter(float x)
{
    return (x > -0.5f && x <= 0.5f) ? 1.0f : 0.0f;
}

void Stretch(const Bitmap32 &source, Bitmap32 &dest, TFilterProc filter, float support)
{
    const int sw = source.width();
    const int sh = source.height();
    const int dw = dest.width();
    const int dh = dest.height();
    if (sw < 1 || sh < 2 || dw < 2 || dh < 2)
        throw EVantelleError(QStringLiteral("Cannot resample a %1 x %2 picture to %3 x %4: the "
                                            "source needs at least 1 x 2 pixels and the "
                                            "destination at least 2 x 2.")
                                 .arg(sw)
                                 .arg(sh)
                                 .arg(dw)
                                 .arg(dh));

    const float xscale = sw == 1 ? static_cast<float>(dw) / static_cast<float>(sw)
                                 : static_cast<float>(dw - 1) / static_cast<float>(sw - 1);
    const float yscale = static_cast<float>(dh - 1) / static_cast<float>(sh - 1);

    Bitmap32 mid(dw, sh);
    horizontalPass(source, mid, buildContributors(dw, sw, xscale, filter, support));
    verticalPass(mid, dest, buildContributors(dh, sh, yscale, filter, support));
}
