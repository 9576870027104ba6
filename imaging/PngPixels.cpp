#include "imaging/PngObject.h"

#include "imaging/PixelColour.h"
#include "imaging/PngPictureData.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using namespace pngdata;

// 8-bit RGBA samples to 0xAARRGGBB: red and blue trade places in each pixel.
void rgbaToArgb(const uint8_t *raw, uint32_t *px, int count)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i greenAlpha = _mm_set1_epi32(int(0xFF00FF00u));
    const __m128i redBlue = _mm_set1_epi32(0x00FF00FF);
    for (; i + 4 <= count; i += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(raw + 4 * size_t(i)));
        const __m128i rb = _mm_and_si128(v, redBlue);
        const __m128i swapped = _mm_or_si128(_mm_slli_epi32(rb, 16), _mm_srli_epi32(rb, 16));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(px + i),
                         _mm_or_si128(_mm_and_si128(v, greenAlpha), swapped));
    }
#endif
    for (; i < count; ++i) {
        const uint8_t *p = raw + 4 * size_t(i);
        px[i] = (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    }
}

// 8-bit RGB samples to 0xFFRRGGBB.
void rgbToArgb(const uint8_t *raw, uint32_t *px, int count)
{
    int i = 0;
    // Four bytes are read for each pixel of three while a whole word lies inside the row.
    for (; i + 1 < count; ++i) {
        uint32_t v;
        std::memcpy(&v, raw + 3 * size_t(i), 4);
        px[i] = 0xFF000000u | ((v & 0xFF) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFF);
    }
    for (; i < count; ++i) {
        const uint8_t *p = raw + 3 * size_t(i);
        px[i] = 0xFF000000u | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    }
}

uint8_t highestByte(const uint8_t *raw, int count)
{
    int i = 0;
    uint8_t highest = 0;
#if defined(__SSE2__)
    __m128i m = _mm_setzero_si128();
    for (; i + 16 <= count; i += 16)
        m = _mm_max_epu8(m, _mm_loadu_si128(reinterpret_cast<const __m128i *>(raw + i)));
    alignas(16) uint8_t lanes[16];
    _mm_store_si128(reinterpret_cast<__m128i *>(lanes), m);
    for (uint8_t lane : lanes)
        highest = std::max(highest, lane);
#endif
    for (; i < count; ++i)
        highest = std::max(highest, raw[i]);
    return highest;
}

// Samples of 1, 2 or 4 bits to one byte each.
template <int depth> void unpackRow(const uint8_t *raw, uint8_t *out, int count, int dx)
{
    constexpr int perByte = 8 / depth, mask = (1 << depth) - 1;
    for (int i = 0; i < count; ++i) {
        const int shift = 8 - depth * (1 + i % perByte);
        out[size_t(i) * size_t(dx)] = uint8_t((raw[i / perByte] >> shift) & mask);
    }
}

} // namespace

const GammaTables &pngdata::gammaTables(uint32_t gamma)
{
    static const GammaTables none = [] {
        GammaTables t;
        for (int i = 0; i < 256; ++i)
            t.forward[size_t(i)] = t.inverse[size_t(i)] = uint8_t(i);
        return t;
    }();
    if (gamma == 0)
        return none;
    // The last few values met on this thread.
    struct Entry {
        uint32_t gamma = 0;
        GammaTables tables;
    };
    thread_local std::array<Entry, 4> recent;
    thread_local size_t next = 0;
    for (const Entry &e : recent)
        if (e.gamma == gamma)
            return e.tables;
    Entry &e = recent[next];
    next = (next + 1) % recent.size();
    GammaTables &t = e.tables;
    const double exponent = 1.0 / (gamma / 100000.0 * 2.2);
    for (int i = 0; i < 256; ++i)
        t.forward[size_t(i)] =
            uint8_t(std::clamp(std::nearbyint(std::pow(i / 255.0, exponent) * 255.0), 0.0, 255.0));
    t.inverse = none.inverse;
    for (int i = 0; i < 256; ++i)
        t.inverse[t.forward[size_t(i)]] = uint8_t(i);
    t.identity = t.forward == none.forward;
    e.gamma = gamma;
    return t;
}

void pngdata::Picture::setPalette(const TChunkPLTE &plte)
{
    const auto &forward = gamma->forward;
    colorCount = plte.count();
    for (int i = 0; i < colorCount; ++i) {
        const uint32_t c = plte.entry(i);
        colors[size_t(i)] = forward[c & 0xFF] | (uint32_t(forward[(c >> 8) & 0xFF]) << 8) |
                            (uint32_t(forward[(c >> 16) & 0xFF]) << 16);
    }
}

void pngdata::Picture::buildGreyTable()
{
    const int depth = header->bitDepth();
    const int n = depth >= 8 ? 256 : 1 << depth;
    for (int k = 0; k < n; ++k) {
        const uint32_t g = gamma->forward[size_t(k * 255 / (n - 1))];
        colors[size_t(k)] = g | (g << 8) | (g << 16);
    }
    colorCount = n;
}

void pngdata::Picture::convertRow(const uint8_t *raw, int count, int y, int x0, int dx)
{
    const int type = header->colorType(), depth = header->bitDepth();
    uint8_t *out = pixels.ensureRow(y);
    uint8_t *keyOut = keyMask.isNull() ? nullptr : keyMask.ensureRow(y) + x0;
    const TChunktRNS *key = keyOut ? trns() : nullptr;
    const size_t step = size_t(dx);

    if (type == 2 || type == 6) {
        auto *px = reinterpret_cast<uint32_t *>(out) + x0;
        const bool withAlpha = type == 6;
        const int sub = depth / 8; // bytes per sample
        const size_t size = size_t((withAlpha ? 4 : 3) * sub);
        if (depth == 8 && dx == 1 && gamma->identity) {
            if (withAlpha)
                rgbaToArgb(raw, px, count);
            else
                rgbToArgb(raw, px, count);
        } else {
            const auto &forward = gamma->forward;
            for (int i = 0; i < count; ++i) {
                const uint8_t *s = raw + size_t(i) * size;
                const uint32_t a = withAlpha ? s[3 * sub] : 255u;
                px[size_t(i) * step] = (a << 24) | (uint32_t(forward[s[0]]) << 16) |
                                       (uint32_t(forward[s[sub]]) << 8) | forward[s[2 * sub]];
            }
        }
        if (keyOut) {
            const uint32_t kr = key->keySample(0), kg = key->keySample(1), kb = key->keySample(2);
            for (int i = 0; i < count; ++i) {
                const uint8_t *s = raw + size_t(i) * size;
                const bool match = depth == 8 ? (s[0] == kr && s[1] == kg && s[2] == kb)
                                              : ((uint32_t(s[0]) << 8 | s[1]) == kr &&
                                                 (uint32_t(s[2]) << 8 | s[3]) == kg &&
                                                 (uint32_t(s[4]) << 8 | s[5]) == kb);
                keyOut[size_t(i) * step] = match ? 0 : 255;
            }
        }
        return;
    }

    out += x0;
    if (type == 4) {
        uint8_t *alphaOut = alpha.ensureRow(y) + x0;
        const size_t size = size_t(2 * (depth / 8));
        for (int i = 0; i < count; ++i) {
            out[size_t(i) * step] = raw[size_t(i) * size];
            alphaOut[size_t(i) * step] = raw[size_t(i) * size + size / 2];
        }
        return;
    }
    // Grey or palette: one sample per pixel.
    switch (depth) {
    case 16:
        for (int i = 0; i < count; ++i)
            out[size_t(i) * step] = raw[2 * size_t(i)];
        break;
    case 8:
        if (dx == 1) {
            std::memcpy(out, raw, size_t(count));
        } else {
            for (int i = 0; i < count; ++i)
                out[size_t(i) * step] = raw[i];
        }
        break;
    case 4:
        unpackRow<4>(raw, out, count, dx);
        break;
    case 2:
        unpackRow<2>(raw, out, count, dx);
        break;
    default:
        unpackRow<1>(raw, out, count, dx);
        break;
    }
    // A palette may be shorter than the values its samples can take.
    if (type == 3) {
        int highest = maxIndex;
        if (dx == 1) {
            highest = std::max<int>(highest, highestByte(out, count));
        } else {
            for (int i = 0; i < count; ++i)
                highest = std::max<int>(highest, out[size_t(i) * step]);
        }
        maxIndex = highest;
    }
    if (keyOut) {
        const uint32_t keyValue = key->keySample(0);
        for (int i = 0; i < count; ++i) {
            const uint32_t v = depth == 16
                                   ? (uint32_t(raw[2 * size_t(i)]) << 8 | raw[2 * size_t(i) + 1])
                                   : out[size_t(i) * step];
            keyOut[size_t(i) * step] = v == keyValue ? 0 : 255;
        }
    }
}

void pngdata::Picture::separateAlpha()
{
    const int w = header->width(), h = header->height();
    Plane separate;
    separate.reset(size_t(w), h);
    for (int y = 0; y < h; ++y) {
        const auto *px = reinterpret_cast<const uint32_t *>(pixels.row(y));
        uint8_t *a = separate.ensureRow(y);
        for (int x = 0; x < w; ++x)
            a[x] = uint8_t(px[x] >> 24);
    }
    alpha = std::move(separate);
}

void pngdata::Picture::argbRow(int y, uint32_t *out, bool forDrawing) const
{
    const int type = header->colorType(), width = header->width();
    const uint8_t *in = pixels.row(y);
    const uint8_t *a = hasAlphaPlane() ? alpha.row(y) : nullptr;
    if (type == 2 || type == 6) {
        const auto *px = reinterpret_cast<const uint32_t *>(in);
        if (a) {
            for (int x = 0; x < width; ++x)
                out[x] = (px[x] & 0xFFFFFFu) | (uint32_t(a[x]) << 24);
        } else {
            std::memcpy(out, px, size_t(width) * 4);
        }
    } else {
        // Drawing shows an index past the palette as black rather than failing a paint.
        if (type == 3 && maxIndex >= colorCount && !forDrawing)
            throw EPngError();
        // Only the values a sample of this depth can take (stored 16-bit grey keeps its top
        // byte).
        const int entries = header->bitDepth() >= 8 ? 256 : 1 << header->bitDepth();
        uint32_t lut[256];
        const TChunktRNS *t = type == 3 ? trns() : nullptr;
        for (int i = 0; i < entries; ++i)
            lut[i] =
                SetAlpha(SwapRedBlue(colors[size_t(i)]), t ? t->paletteAlpha()[size_t(i)] : 255);
        if (a) {
            for (int x = 0; x < width; ++x)
                out[x] = (lut[in[x]] & 0xFFFFFFu) | (uint32_t(a[x]) << 24);
        } else {
            for (int x = 0; x < width; ++x)
                out[x] = lut[in[x]];
        }
    }
    if (forDrawing && !keyMask.isNull()) {
        const uint8_t *k = keyMask.row(y);
        for (int x = 0; x < width; ++x)
            if (k[x] == 0)
                out[x] &= 0xFFFFFFu;
    }
}

uint8_t *TPNGObject::alphaScanline(int y) noexcept
{
    if (isEmpty() || y < 0 || y >= height())
        return nullptr;
    if (m_impl->header->colorType() == 6 && m_impl->alpha.isNull()) {
        try {
            m_impl->separateAlpha();
        } catch (const std::bad_alloc &) {
            return nullptr;
        }
    }
    if (!m_impl->hasAlphaPlane())
        return nullptr;
    return m_impl->alpha.row(y);
}

const uint8_t *TPNGObject::alphaScanline(int y) const noexcept
{
    return const_cast<TPNGObject *>(this)->alphaScanline(y);
}

uint32_t TPNGObject::pixel(int x, int y) const
{
    if (isEmpty() || x < 0 || y < 0 || x >= width() || y >= height())
        return 0;
    const uint8_t *row = m_impl->pixels.row(y);
    if (m_impl->isRgb())
        return SwapRedBlue(reinterpret_cast<const uint32_t *>(row)[x] & 0xFFFFFFu);
    const int index = row[x];
    if (index >= m_impl->colorCount)
        throw EPngError();
    return m_impl->colors[size_t(index)];
}

void TPNGObject::argbScanline(int y, uint32_t *out) const
{
    if (isEmpty() || y < 0 || y >= height())
        return;
    m_impl->argbRow(y, out, false);
}

void TPNGObject::argbPicture(uint32_t *out) const
{
    if (isEmpty())
        return;
    const size_t w = size_t(width());
    const int h = height();
    for (int y = 0; y < h; ++y)
        m_impl->argbRow(y, out + size_t(y) * w, false);
}

void TPNGObject::createAlpha()
{
    pngdata::Picture &d = *m_impl;
    if (isEmpty())
        return;
    const int type = d.header->colorType(), w = width(), h = height();
    if (type == 0 || type == 2) {
        // Alpha pictures may not keep a transparent colour.
        std::erase_if(d.chunks, [](const auto &c) { return c->name() == "tRNS"; });
        d.transparency = nullptr;
        d.keyMask.clear();
        if (type == 0) {
            const int depth = d.header->bitDepth();
            if (depth < 8) {
                const int top = (1 << depth) - 1;
                for (int y = 0; y < h; ++y) {
                    uint8_t *row = d.pixels.row(y);
                    for (int x = 0; x < w; ++x)
                        row[x] = uint8_t(row[x] * 255 / top);
                }
            }
            d.header->set(w, h, std::max(depth, 8), 4, d.header->interlaceMethod());
            d.buildGreyTable();
            d.alpha.reset(size_t(w), h);
            d.alpha.fill(255);
        } else {
            // RGB pixels already carry an opaque alpha in their top byte.
            d.header->set(w, h, d.header->bitDepth(), 6, d.header->interlaceMethod());
            d.alpha.clear();
        }
    } else if (type == 3) {
        TChunktRNS *t = d.trns();
        if (!t) {
            auto chunk = std::make_unique<TChunktRNS>(d.header);
            t = chunk.get();
            d.chunks.insert(d.findChunk("IDAT"), std::move(chunk));
            d.transparency = t;
        }
        std::array<uint8_t, 256> opaque;
        opaque.fill(255);
        int count = 1 << d.header->bitDepth();
        // A transparency table longer than the palette would make the written file invalid.
        if (d.colorCount > 0)
            count = std::min(count, d.colorCount);
        t->setPaletteAlpha(opaque, count);
    }
}

void TPNGObject::draw(QImage &surface, const QRect &rect) const
{
    if (isEmpty() || rect.isEmpty() || surface.isNull())
        return;
    if (surface.format() != QImage::Format_ARGB32 && surface.format() != QImage::Format_RGB32) {
        QImage converted = surface.convertToFormat(QImage::Format_ARGB32);
        draw(converted, rect);
        surface = converted.convertToFormat(surface.format());
        return;
    }
    const QRect clip = rect & surface.rect();
    if (clip.isEmpty())
        return;
    const int W = width(), H = height(), w = rect.width(), h = rect.height();
    const bool same = w == W && h == H;
    const double xstep = double(w) / W, ystep = double(h) / H;
    try {
        std::vector<int> columns(static_cast<size_t>(clip.width()));
        for (int x = clip.left(); x <= clip.right(); ++x) {
            const int dx = x - rect.left();
            columns[size_t(x - clip.left())] = same ? dx : std::min(W - 1, int(dx / xstep));
        }
        std::vector<uint32_t> source(static_cast<size_t>(W));
        int sourceRow = -1;
        for (int y = clip.top(); y <= clip.bottom(); ++y) {
            const int dy = y - rect.top();
            const int sy = same ? dy : std::min(H - 1, int(dy / ystep));
            if (sy != sourceRow) {
                m_impl->argbRow(sy, source.data(), true);
                sourceRow = sy;
            }
            auto *dest = reinterpret_cast<uint32_t *>(surface.scanLine(y)) + clip.left();
            for (size_t i = 0; i < columns.size(); ++i) {
                const uint32_t s = source[size_t(columns[i])];
                const uint32_t a = s >> 24;
                if (a == 0)
                    continue;
                if (a == 255) {
                    dest[i] = s;
                    continue;
                }
                // The source counts as opaque colour over the destination, alpha byte included.
                const uint32_t d = dest[i], na = 255 - a;
                const uint32_t b = ((s & 0xFF) * a + (d & 0xFF) * na + 255) >> 8;
                const uint32_t g = (((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * na + 255) >> 8;
                const uint32_t r = (((s >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * na + 255) >> 8;
                const uint32_t da = (255 * a + (d >> 24) * na + 255) >> 8;
                dest[i] = (da << 24) | (r << 16) | (g << 8) | b;
            }
        }
    } catch (const std::bad_alloc &) {
        throw EPNGOutMemory();
    }
}
