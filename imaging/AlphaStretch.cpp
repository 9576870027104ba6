#include "imaging/AlphaStretch.h"

#include "imaging/VantelleError.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Contributor lists of one pass, flattened: entry i owns pairs [first[i], first[i + 1]).
struct Contributors {
    // How an entry's pixel can be computed. Copy: one pair with a positive weight, the source
    // pixel itself. Small and Average: all weights equal and positive, so sum / total is the
    // plain average of the bytes, floor(S / count), exactly; Small has at most MaxSmall pairs,
    // for which a 16-bit multiply divides exactly. General: the weighted sum as it stands.
    enum Kind : uint8_t { Copy, Small, Average, General };
    static constexpr int MaxSmall = 16;

    std::vector<int> first;
    std::vector<int> index;
    std::vector<int32_t> weight;
    std::vector<int32_t> total;
    std::vector<Kind> kind;
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

Contributors::Kind classify(const Contributors &list, int i)
{
    const int begin = list.first[i];
    const int count = list.first[i + 1] - begin;
    if (count == 0)
        return Contributors::General;
    const int32_t w = list.weight[begin];
    // The byte sums of an average must fit 16-bit lanes and w * 255 * count must not wrap.
    if (w <= 0 || count > 257 || int64_t(w) * 255 * count > 0x7FFFFFFF)
        return Contributors::General;
    for (int k = begin + 1; k < begin + count; ++k)
        if (list.weight[k] != w)
            return Contributors::General;
    if (count == 1)
        return Contributors::Copy;
    return count <= Contributors::MaxSmall ? Contributors::Small : Contributors::Average;
}

Contributors buildContributors(int n, int length, float scale, TFilterProc filter, float support)
{
    Contributors list;
    list.first.reserve(static_cast<size_t>(n) + 1);
    list.total.reserve(static_cast<size_t>(n));
    list.kind.reserve(static_cast<size_t>(n));
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
        list.kind.push_back(classify(list, i));
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

// The four bytes of a pixel in 16-bit lanes: blue, red, green, alpha from the low end.
inline uint64_t spread(uint32_t p)
{
    return (p & 0x00FF00FFull) | (uint64_t(p & 0xFF00FF00u) << 24);
}

// floor(lane / count) for every lane through one multiply each: with m = ceil(2^32 / count)
// the product's high half is exact for 16-bit numerators and divisors.
struct Averager {
    explicit Averager(int count)
        : m((uint64_t{1} << 32) / unsigned(count) + ((uint64_t{1} << 32) % unsigned(count) != 0))
    {
    }
    uint32_t operator()(uint64_t lanes) const
    {
        const auto b = uint32_t(((lanes & 0xFFFF) * m) >> 32);
        const auto r = uint32_t((((lanes >> 16) & 0xFFFF) * m) >> 32);
        const auto g = uint32_t((((lanes >> 32) & 0xFFFF) * m) >> 32);
        const auto a = uint32_t(((lanes >> 48) * m) >> 32);
        return b | g << 8 | r << 16 | a << 24;
    }
    uint64_t m;
};

// floor(s / count) = (s * m) >> 16 with m = ceil(2^16 / count), exact for s <= 255 * count
// when count <= MaxSmall.
uint32_t smallMagic(int count)
{
    return (65536u + unsigned(count) - 1) / unsigned(count);
}

inline uint32_t smallAverage(const uint32_t *in, const int *index, int begin, int end,
                             uint32_t magic)
{
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    __m128i acc = zero;
    for (int k = begin; k < end; ++k)
        acc = _mm_add_epi16(
            acc, _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(in[index[k]])), zero));
    const __m128i q = _mm_mulhi_epu16(acc, _mm_set1_epi16(static_cast<short>(magic)));
    return static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(q, q)));
#else
    const uint64_t lanes = [&] {
        uint64_t sum = 0;
        for (int k = begin; k < end; ++k)
            sum += spread(in[index[k]]);
        return sum;
    }();
    const auto b = uint32_t(((lanes & 0xFFFF) * magic) >> 16);
    const auto r = uint32_t((((lanes >> 16) & 0xFFFF) * magic) >> 16);
    const auto g = uint32_t((((lanes >> 32) & 0xFFFF) * magic) >> 16);
    const auto a = uint32_t(((lanes >> 48) * magic) >> 16);
    return b | g << 8 | r << 16 | a << 24;
#endif
}

// The first pass for one row at a time: entry i of the list gives pixel i of the out row.
class HorizontalPass {
public:
    explicit HorizontalPass(Contributors list) : m_list(std::move(list))
    {
        const int n = static_cast<int>(m_list.kind.size());
        m_allSmall = std::all_of(m_list.kind.begin(), m_list.kind.end(),
                                 [](Contributors::Kind k) { return k == Contributors::Small; });
        m_magic2.resize(static_cast<size_t>(n + 1) / 2);
        for (int i = 0; i < n; ++i) {
            const int count = std::max(1, m_list.first[i + 1] - m_list.first[i]);
            m_finish.emplace_back(m_list.total[i]);
            m_average.emplace_back(count);
            m_magic.push_back(smallMagic(count));
            std::fill_n(m_magic2[i / 2].begin() + 4 * (i % 2), 4,
                        static_cast<uint16_t>(m_magic.back()));
        }
        // Entry pairs that average four neighbouring pixels two by two, as halving does.
        m_quadStart.assign(m_magic2.size(), -1);
        for (int i = 0; i + 1 < n; i += 2) {
            const int *f = m_list.first.data() + i;
            const int *idx = m_list.index.data();
            if (f[1] - f[0] != 2 || f[2] - f[1] != 2)
                continue;
            const int j = idx[f[0]];
            if (idx[f[0] + 1] == j + 1 && idx[f[1]] == j + 2 && idx[f[1] + 1] == j + 3)
                m_quadStart[i / 2] = j;
        }
    }

    void run(const uint32_t *in, uint32_t *out) const
    {
#if defined(__SSE2__)
        if (m_allSmall) {
            runSmall(in, out);
            return;
        }
#endif
        const int n = static_cast<int>(m_list.kind.size());
        const int *index = m_list.index.data();
        const int32_t *weight = m_list.weight.data();
        for (int i = 0; i < n; ++i) {
            const int begin = m_list.first[i];
            const int end = m_list.first[i + 1];
            switch (m_list.kind[i]) {
            case Contributors::Copy:
                out[i] = in[index[begin]];
                break;
            case Contributors::Small:
                out[i] = smallAverage(in, index, begin, end, m_magic[i]);
                break;
            case Contributors::Average: {
                uint64_t lanes = 0;
                for (int k = begin; k < end; ++k)
                    lanes += spread(in[index[k]]);
                out[i] = m_average[i](lanes);
                break;
            }
            case Contributors::General: {
                uint32_t sums[4] = {0, 0, 0, 0};
                for (int k = begin; k < end; ++k) {
                    const uint32_t p = in[index[k]];
                    const auto w = static_cast<uint32_t>(weight[k]);
                    sums[0] += w * (p & 0xFF);
                    sums[1] += w * ((p >> 8) & 0xFF);
                    sums[2] += w * ((p >> 16) & 0xFF);
                    sums[3] += w * (p >> 24);
                }
                out[i] = m_finish[i].pixel(sums);
                break;
            }
            }
        }
    }

private:
#if defined(__SSE2__)
    static __m128i widenedSum(const uint32_t *in, const int *index, int begin, int end)
    {
        const __m128i zero = _mm_setzero_si128();
        __m128i acc = zero;
        for (int k = begin; k < end; ++k)
            acc = _mm_add_epi16(
                acc, _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(in[index[k]])), zero));
        return acc;
    }

    // Two destination pixels per step: each 64-bit half of the register carries one entry's
    // channel sums and its divisor.
    void runSmall(const uint32_t *in, uint32_t *out) const
    {
        const int n = static_cast<int>(m_list.kind.size());
        const int *first = m_list.first.data();
        const int *index = m_list.index.data();
        int i = 0;
        const __m128i zero = _mm_setzero_si128();
        for (; i + 1 < n; i += 2) {
            __m128i sums;
            if (const int j = m_quadStart[i / 2]; j >= 0) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + j));
                const __m128i lo = _mm_unpacklo_epi8(v, zero);
                const __m128i hi = _mm_unpackhi_epi8(v, zero);
                sums = _mm_add_epi16(_mm_unpacklo_epi64(lo, hi), _mm_unpackhi_epi64(lo, hi));
            } else {
                sums = _mm_unpacklo_epi64(widenedSum(in, index, first[i], first[i + 1]),
                                          widenedSum(in, index, first[i + 1], first[i + 2]));
            }
            const __m128i m =
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(m_magic2[i / 2].data()));
            const __m128i q = _mm_mulhi_epu16(sums, m);
            _mm_storel_epi64(reinterpret_cast<__m128i *>(out + i), _mm_packus_epi16(q, q));
        }
        if (i < n)
            out[i] = smallAverage(in, index, first[i], first[i + 1], m_magic[i]);
    }
#endif

    Contributors m_list;
    bool m_allSmall = false;
    std::vector<Finisher> m_finish;
    std::vector<Averager> m_average;
    std::vector<uint32_t> m_magic;
    std::vector<std::array<uint16_t, 8>> m_magic2;
    std::vector<int> m_quadStart;
};

// The second pass, a destination row at a time over whole rows of the intermediate image:
// the same sums as walking each column, but memory is read in order.
class VerticalPass {
public:
    VerticalPass(Contributors list, int width)
        : m_list(std::move(list)), m_bytes(static_cast<size_t>(width) * 4), m_acc(m_bytes),
          m_lanes(static_cast<size_t>(width)), m_small(m_bytes)
    {
    }

    // The highest intermediate row that destination row i reads, or -1 for none.
    int lastRow(int i) const
    {
        int last = -1;
        for (int k = m_list.first[i]; k < m_list.first[i + 1]; ++k)
            last = std::max(last, m_list.index[k]);
        return last;
    }

    template <typename RowOf> void run(int i, RowOf rowOf, uint32_t *out)
    {
        const int begin = m_list.first[i];
        const int end = m_list.first[i + 1];
        const int width = static_cast<int>(m_lanes.size());
        switch (m_list.kind[i]) {
        case Contributors::Copy:
            std::memcpy(out, rowOf(m_list.index[begin]), m_bytes);
            break;
        case Contributors::Small: {
            const uint32_t m = smallMagic(end - begin);
            size_t j = 0;
#if defined(__SSE2__)
            // Four pixels at a time straight from the rows; no accumulator in memory.
            const __m128i zero = _mm_setzero_si128();
            const __m128i magic = _mm_set1_epi16(static_cast<short>(m));
            for (; j + 16 <= m_bytes; j += 16) {
                __m128i lo = zero;
                __m128i hi = zero;
                for (int k = begin; k < end; ++k) {
                    const auto *in = reinterpret_cast<const uint8_t *>(rowOf(m_list.index[k]));
                    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + j));
                    lo = _mm_add_epi16(lo, _mm_unpacklo_epi8(v, zero));
                    hi = _mm_add_epi16(hi, _mm_unpackhi_epi8(v, zero));
                }
                const __m128i q =
                    _mm_packus_epi16(_mm_mulhi_epu16(lo, magic), _mm_mulhi_epu16(hi, magic));
                _mm_storeu_si128(reinterpret_cast<__m128i *>(reinterpret_cast<uint8_t *>(out) + j),
                                 q);
            }
#endif
            uint16_t *acc = m_small.data();
            std::fill(acc + j, acc + m_bytes, uint16_t{0});
            for (int k = begin; k < end; ++k) {
                const auto *in = reinterpret_cast<const uint8_t *>(rowOf(m_list.index[k]));
                for (size_t t = j; t < m_bytes; ++t)
                    acc[t] = static_cast<uint16_t>(acc[t] + in[t]);
            }
            auto *o = reinterpret_cast<uint8_t *>(out);
            for (size_t t = j; t < m_bytes; ++t)
                o[t] = static_cast<uint8_t>((acc[t] * m) >> 16);
            break;
        }
        case Contributors::Average: {
            uint64_t *l = m_lanes.data();
            std::fill(m_lanes.begin(), m_lanes.end(), uint64_t{0});
            for (int k = begin; k < end; ++k) {
                const uint32_t *in = rowOf(m_list.index[k]);
                for (int x = 0; x < width; ++x)
                    l[x] += spread(in[x]);
            }
            const Averager average(end - begin);
            for (int x = 0; x < width; ++x)
                out[x] = average(l[x]);
            break;
        }
        case Contributors::General: {
            std::fill(m_acc.begin(), m_acc.end(), 0u);
            uint32_t *a = m_acc.data();
            for (int k = begin; k < end; ++k) {
                const uint32_t *in = rowOf(m_list.index[k]);
                const auto w = static_cast<uint32_t>(m_list.weight[k]);
                for (int x = 0; x < width; ++x) {
                    const uint32_t p = in[x];
                    a[4 * x] += w * (p & 0xFF);
                    a[4 * x + 1] += w * ((p >> 8) & 0xFF);
                    a[4 * x + 2] += w * ((p >> 16) & 0xFF);
                    a[4 * x + 3] += w * (p >> 24);
                }
            }
            const Finisher finish(m_list.total[i]);
            for (int x = 0; x < width; ++x)
                out[x] = finish.pixel(a + 4 * x);
            break;
        }
        }
    }

private:
    Contributors m_list;
    size_t m_bytes;
    std::vector<uint32_t> m_acc;
    std::vector<uint64_t> m_lanes;
    std::vector<uint16_t> m_small;
};

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
        throw EVantelleError(
            QCoreApplication::translate("AlphaStretch",
                                        "Cannot resample a %1 x %2 picture to %3 x %4: the "
                                        "source needs at least 1 x 2 pixels and the "
                                        "destination at least 2 x 2.")
                .arg(sw)
                .arg(sh)
                .arg(dw)
                .arg(dh));

    const float xscale = sw == 1 ? static_cast<float>(dw) / static_cast<float>(sw)
                                 : static_cast<float>(dw - 1) / static_cast<float>(sw - 1);
    const float yscale = static_cast<float>(dh - 1) / static_cast<float>(sh - 1);

    const HorizontalPass horizontal(buildContributors(dw, sw, xscale, filter, support));
    VerticalPass vertical(buildContributors(dh, sh, yscale, filter, support), dw);

    // Intermediate rows are made just before the first destination row that reads them, so
    // they are still in the cache when the second pass uses them; rows nobody reads are never
    // made. The values are those of the whole first pass followed by the whole second.
    const size_t stride = static_cast<size_t>(dw);
    const std::unique_ptr<uint32_t[]> mid(new uint32_t[stride * static_cast<size_t>(sh)]);
    int ready = 0;
    for (int i = 0; i < dh; ++i) {
        for (const int last = vertical.lastRow(i); ready <= last; ++ready)
            horizontal.run(source.row(ready), mid.get() + stride * static_cast<size_t>(ready));
        vertical.run(
            i,
            [&](int row) -> const uint32_t * {
                return mid.get() + stride * static_cast<size_t>(row);
            },
            dest.row(i));
    }
}
