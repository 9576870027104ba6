#include "imaging/PngObject.h"

#include "imaging/AdditionalPng.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <typeinfo>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr uchar kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
constexpr int kIdatChunkSize = int(TChunk::kBlockSize);

uint32_t readBE32(const uchar *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

void appendBE32(uchar *out, uint32_t v)
{
    out[0] = uchar(v >> 24);
    out[1] = uchar(v >> 16);
    out[2] = uchar(v >> 8);
    out[3] = uchar(v);
}

// Picture memory in blocks of about a megabyte, allocated as rows are produced, so a file
// that declares a huge picture but carries little data never reserves the whole of it.
class Plane {
public:
    void reset(size_t stride, int height)
    {
        m_blocks.clear();
        m_stride = stride;
        m_height = height;
        m_rowsPerBlock = stride ? int(std::max<size_t>(1, (size_t(1) << 20) / stride)) : 1;
        m_blocks.resize(height > 0 ? size_t((height + m_rowsPerBlock - 1) / m_rowsPerBlock) : 0);
    }
    void clear() { reset(0, 0); }
    bool isNull() const noexcept { return m_stride == 0 || m_height == 0; }
    size_t stride() const noexcept { return m_stride; }

    uint8_t *row(int y) const noexcept
    {
        const auto &block = m_blocks[size_t(y / m_rowsPerBlock)];
        return block ? block.get() + size_t(y % m_rowsPerBlock) * m_stride : nullptr;
    }
    uint8_t *ensureRow(int y)
    {
        auto &block = m_blocks[size_t(y / m_rowsPerBlock)];
        if (!block) {
            const int first = (y / m_rowsPerBlock) * m_rowsPerBlock;
            const int rows = std::min(m_rowsPerBlock, m_height - first);
            block = std::make_unique_for_overwrite<uint8_t[]>(size_t(rows) * m_stride);
        }
        return block.get() + size_t(y % m_rowsPerBlock) * m_stride;
    }
    void fill(uint8_t value)
    {
        for (int y = 0; y < m_height; ++y)
            std::memset(ensureRow(y), value, m_stride);
    }

private:
    std::vector<std::unique_ptr<uint8_t[]>> m_blocks;
    size_t m_stride = 0;
    int m_height = 0;
    int m_rowsPerBlock = 1;
};

void readExactly(QIODevice &stream, void *to, qint64 count)
{
    if (stream.read(static_cast<char *>(to), count) != count)
        throw EPngUnexpectedEnd();
}

#if defined(__SSE2__)
// Average and Paeth for whole pixels of 4 bytes: the four channels of a pixel are worked in one
// register, which the byte-serial scalar loop cannot do.
template <size_t bpp> inline __m128i loadPixel(const uint8_t *p)
{
    uint32_t v = 0;
    std::memcpy(&v, p, bpp);
    return _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(v)), _mm_setzero_si128());
}

template <size_t bpp> inline void storePixel(uint8_t *p, __m128i v)
{
    const uint32_t packed = uint32_t(_mm_cvtsi128_si32(_mm_packus_epi16(v, v)));
    std::memcpy(p, &packed, bpp);
}

inline __m128i abs16(__m128i x)
{
    return _mm_max_epi16(x, _mm_sub_epi16(_mm_setzero_si128(), x));
}

inline __m128i select16(__m128i mask, __m128i yes, __m128i no)
{
    return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

template <size_t bpp> void unfilterPaethPixels(uint8_t *row, const uint8_t *prior, size_t length)
{
    const __m128i low = _mm_set1_epi16(0xFF);
    __m128i a = _mm_setzero_si128(), c = _mm_setzero_si128();
    for (size_t i = 0; i + bpp <= length; i += bpp) {
        const __m128i b = loadPixel<bpp>(prior + i);
        const __m128i x = loadPixel<bpp>(row + i);
        const __m128i p = _mm_sub_epi16(b, c), q = _mm_sub_epi16(a, c);
        const __m128i pa = abs16(p), pb = abs16(q), pc = abs16(_mm_add_epi16(p, q));
        const __m128i smallest = _mm_min_epi16(pa, _mm_min_epi16(pb, pc));
        const __m128i predictor = select16(_mm_cmpeq_epi16(pa, smallest), a,
                                           select16(_mm_cmpeq_epi16(pb, smallest), b, c));
        a = _mm_and_si128(_mm_add_epi16(x, predictor), low);
        c = b;
        storePixel<bpp>(row + i, a);
    }
}

template <size_t bpp> void unfilterAveragePixels(uint8_t *row, const uint8_t *prior, size_t length)
{
    const __m128i low = _mm_set1_epi16(0xFF);
    __m128i a = _mm_setzero_si128();
    for (size_t i = 0; i + bpp <= length; i += bpp) {
        const __m128i b = loadPixel<bpp>(prior + i);
        const __m128i x = loadPixel<bpp>(row + i);
        a = _mm_and_si128(_mm_add_epi16(x, _mm_srli_epi16(_mm_add_epi16(a, b), 1)), low);
        storePixel<bpp>(row + i, a);
    }
}
#endif

// Reverses one PNG row filter in place. prior is the previous unfiltered row (zeros first).
void unfilterRow(int filter, uint8_t *row, const uint8_t *prior, size_t length, size_t bpp)
{
#if defined(__SSE2__)
    // Rows of 4-byte pixels always hold whole pixels. (For 3-byte pixels the partial loads and
    // stores cost more than the scalar loop.)
    if (filter == 4 && bpp == 4) {
        unfilterPaethPixels<4>(row, prior, length);
        return;
    }
    if (filter == 3 && bpp == 4) {
        unfilterAveragePixels<4>(row, prior, length);
        return;
    }
#endif
    switch (filter) {
    case 1:
        for (size_t i = bpp; i < length; ++i)
            row[i] = uint8_t(row[i] + row[i - bpp]);
        break;
    case 2:
        for (size_t i = 0; i < length; ++i)
            row[i] = uint8_t(row[i] + prior[i]);
        break;
    case 3:
        for (size_t i = 0; i < bpp && i < length; ++i)
            row[i] = uint8_t(row[i] + (prior[i] >> 1));
        for (size_t i = bpp; i < length; ++i)
            row[i] = uint8_t(row[i] + ((unsigned(row[i - bpp]) + prior[i]) >> 1));
        break;
    case 4: {
        for (size_t i = 0; i < bpp && i < length; ++i)
            row[i] = uint8_t(row[i] + prior[i]);
        for (size_t i = bpp; i < length; ++i) {
            const int a = row[i - bpp], b = prior[i], c = prior[i - bpp];
            const int p = b - c, q = a - c;
            const int pa = std::abs(p), pb = std::abs(q), pc = std::abs(p + q);
            const int predictor = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
            row[i] = uint8_t(row[i] + predictor);
        }
        break;
    }
    default: // type 0, and unknown types leave the row as it is
        break;
    }
}

// The chunks the decoder reads; every other one is passed over without being kept.
enum class ChunkUse { Unknown, Read };

ChunkUse chunkUse(const QByteArray &name)
{
    static const char *const kRead[] = {"IHDR", "PLTE", "IDAT", "IEND", "gAMA", "tRNS"};
    for (const char *read : kRead)
        if (name == read)
            return ChunkUse::Read;
    return ChunkUse::Unknown;
}

// Reads past a chunk's data and CRC in small pieces (the declared length is not trusted for a
// seek); when checked, the CRC must match. type points at the four name bytes.
void skipChunk(QIODevice &stream, const uchar *type, uint32_t length, bool checked)
{
    char sink[4096];
    uLong crc = crc32(0, type, 4);
    for (uint32_t left = length; left > 0;) {
        const uint32_t step = std::min<uint32_t>(left, sizeof sink);
        readExactly(stream, sink, step);
        if (checked)
            crc = crc32(crc, reinterpret_cast<const Bytef *>(sink), step);
        left -= step;
    }
    uchar stored[4];
    readExactly(stream, stored, 4);
    if (checked && readBE32(stored) != uint32_t(crc))
        throw EPngInvalidCRC();
}

struct Adam7Pass {
    int x0, y0, dx, dy;
};
constexpr Adam7Pass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                 {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

struct ZInflate {
    z_stream z{};
    ZInflate()
    {
        const int result = inflateInit(&z);
        if (result != Z_OK)
            throw EPNGZLIBError(result);
    }
    ~ZInflate() { inflateEnd(&z); }
};

struct ZDeflate {
    z_stream z{};
    ZDeflate()
    {
        const int result = deflateInit(&z, 7);
        if (result != Z_OK)
            throw EPNGZLIBError(result);
    }
    ~ZDeflate() { deflateEnd(&z); }
};

} // namespace

struct TPNGObject::Impl {
    explicit Impl(TPNGObject &owner) : self(owner) { resetGamma(); }

    TPNGObject &self;
    std::vector<std::unique_ptr<TChunk>> chunks;
    TChunkIHDR *header = nullptr;
    std::array<uint8_t, 256> forward{}, inverse{};
    // Whether forward is the identity, worked out once per decode for the fast row paths.
    bool gammaIdentity = true;
    // Palette colours or grey levels as 0x00BBGGRR, gamma applied once.
    std::array<uint32_t, 256> colors{};
    int colorCount = 0;
    int maxIndex = -1;
    // RGB pictures: one 0xFFRRGGBB value per pixel; the others: one index byte per pixel.
    Plane pixels;
    Plane alpha;
    // Grey and RGB pictures with a transparent colour: 0 where the pixel is that colour.
    Plane keyMask;
    bool hasImage = false;
    TChunktRNS *transparency = nullptr;
    size_t chunkSearches = 0;
    // Where the PLTE and gAMA chunks stand in the list while a file is read.
    size_t paletteSlot = SIZE_MAX, gammaSlot = SIZE_MAX;

    void resetGamma()
    {
        for (int i = 0; i < 256; ++i)
            forward[size_t(i)] = inverse[size_t(i)] = uint8_t(i);
    }
    void setGamma(uint32_t gamma)
    {
        resetGamma();
        if (gamma == 0)
            return;
        const double exponent = 1.0 / (gamma / 100000.0 * 2.2);
        for (int i = 0; i < 256; ++i)
            forward[size_t(i)] = uint8_t(
                std::clamp(std::nearbyint(std::pow(i / 255.0, exponent) * 255.0), 0.0, 255.0));
        for (int i = 0; i < 256; ++i)
            inverse[forward[size_t(i)]] = uint8_t(i);
    }
    bool gammaIsIdentity() const
    {
        for (int i = 0; i < 256; ++i)
            if (forward[size_t(i)] != i)
                return false;
        return true;
    }

    void clear()
    {
        chunks.clear();
        paletteSlot = gammaSlot = SIZE_MAX;
        header = nullptr;
        transparency = nullptr;
        resetGamma();
        colors.fill(0);
        colorCount = 0;
        maxIndex = -1;
        pixels.clear();
        alpha.clear();
        keyMask.clear();
        hasImage = false;
    }

    bool isRgb() const { return header && (header->colorType() == 2 || header->colorType() == 6); }
    bool hasAlphaPlane() const
    {
        return header && (header->colorType() == 4 || header->colorType() == 6) && !alpha.isNull();
    }

    // The first tRNS chunk, kept up to date as chunks are added and removed: row and pixel
    // work asks for it all the time, and a file may hold any number of other chunks.
    TChunktRNS *trns() const { return transparency; }

    // Position of the first chunk of that name, or the end of the list.
    auto findChunk(const char *name)
    {
        ++chunkSearches;
        return std::find_if(chunks.begin(), chunks.end(),
                            [name](const auto &c) { return c->name() == name; });
    }

    void setupPlanes()
    {
        const int w = header->width(), h = header->height();
        pixels.reset(isRgb() ? size_t(w) * 4 : size_t(w), h);
        if (header->colorType() == 4 || header->colorType() == 6)
            alpha.reset(size_t(w), h);
        else
            alpha.clear();
        keyMask.clear();
    }

    void buildGreyTable()
    {
        const int depth = header->bitDepth();
        const int n = depth >= 8 ? 256 : 1 << depth;
        for (int k = 0; k < n; ++k) {
            const uint32_t g = forward[size_t(k * 255 / (n - 1))];
            colors[size_t(k)] = g | (g << 8) | (g << 16);
        }
        colorCount = n;
    }

    std::unique_ptr<TChunk> makeChunk(const QByteArray &name);
    void load(QIODevice &stream);
    void readImageData(QIODevice &stream, uint32_t firstLength);
    void convertRow(const uint8_t *raw, int count, int y, int x0, int dx);
    void writeImageData(QIODevice &stream) const;
    void rawRow(int y, uint8_t *out) const;
    void argbRow(int y, uint32_t *out, bool forDrawing) const;
};

std::unique_ptr<TChunk> TPNGObject::Impl::makeChunk(const QByteArray &name)
{
    if (name == "IHDR")
        return std::make_unique<TChunkIHDR>(self);
    if (name == "PLTE")
        return std::make_unique<TChunkPLTE>(self);
    if (name == "gAMA")
        return std::make_unique<TChunkgAMA>(self);
    if (name == "tRNS")
        return std::make_unique<TChunktRNS>(self);
    if (name == "IDAT")
        return std::make_unique<TChunkIDAT>(self);
    if (name == "IEND")
        return std::make_unique<TChunkIEND>(self);
    return std::make_unique<TChunk>(self, name);
}

void TPNGObject::Impl::load(QIODevice &stream)
{
    clear();
    uchar signature[8];
    if (stream.read(reinterpret_cast<char *>(signature), 8) != 8 ||
        std::memcmp(signature, kSignature, 8) != 0)
        throw EPNGInvalidFileHeader();

    for (;;) {
        uchar head[8];
        const qint64 got = stream.read(reinterpret_cast<char *>(head), 8);
        if (got != 8)
            throw EPngUnexpectedEnd();
        const uint32_t length = readBE32(head);
        const QByteArray name(reinterpret_cast<const char *>(head + 4), 4);
        if (!header && name != "IHDR")
            throw EPNGIHDRNotFirst();
        if (length > 0x7FFFFFFFu)
            throw EPNGChunkTooLarge();
        const ChunkUse use = chunkUse(name);
        if (use == ChunkUse::Unknown && name[0] >= 'A' && name[0] <= 'Z')
            throw EPNGUnknownCriticalChunk();
        if (use == ChunkUse::Unknown || (name == "IDAT" && hasImage) || name == "cHRM") {
            // Passed over unkept: a file may hold any number of chunks the picture never uses.
            // Image data after the first stream and cHRM go unchecked, as they always have.
            const bool checked = name != "cHRM" && name != "IDAT";
            if (checked && length > TChunk::kMaxDataLength)
                throw EPNGChunkTooLarge();
            skipChunk(stream, head + 4, length, checked);
            continue;
        }
        if (name == "IHDR" && header)
            throw EPngInvalidIHDR();
        std::unique_ptr<TChunk> chunk = makeChunk(name);
        TChunk *added = chunk.get();
        // A second tRNS is checked like the first and then dropped: only the first one counts.
        const bool keep = !(name == "tRNS" && transparency);
        if (name == "tRNS" && !transparency)
            transparency = static_cast<TChunktRNS *>(added);
        // A later PLTE or gAMA replaces the earlier one where it stood.
        size_t *slot = name == "PLTE" ? &paletteSlot : name == "gAMA" ? &gammaSlot : nullptr;
        if (keep) {
            if (slot && *slot < chunks.size()) {
                chunks[*slot] = std::move(chunk);
            } else {
                if (slot)
                    *slot = chunks.size();
                chunks.push_back(std::move(chunk));
            }
        }
        if (name == "IHDR")
            header = static_cast<TChunkIHDR *>(added);
        added->loadFromStream(stream, length);

        if (name == "IHDR") {
            setupPlanes();
        } else if (name == "PLTE") {
            const auto *plte = static_cast<TChunkPLTE *>(added);
            colorCount = plte->count();
            for (int i = 0; i < colorCount; ++i) {
                const uint32_t c = plte->entry(i);
                colors[size_t(i)] = forward[c & 0xFF] | (uint32_t(forward[(c >> 8) & 0xFF]) << 8) |
                                    (uint32_t(forward[(c >> 16) & 0xFF]) << 16);
            }
        } else if (name == "gAMA") {
            setGamma(static_cast<TChunkgAMA *>(added)->gamma());
        } else if (name == "IEND") {
            break;
        }
    }
    if (!hasImage)
        throw EPNGNoImageData();
}

void TPNGObject::Impl::convertRow(const uint8_t *raw, int count, int y, int x0, int dx)
{
    const int type = header->colorType(), depth = header->bitDepth();
    uint8_t *out = pixels.ensureRow(y);
    uint8_t *alphaOut = alpha.isNull() ? nullptr : alpha.ensureRow(y);
    uint8_t *keyOut = keyMask.isNull() ? nullptr : keyMask.ensureRow(y);
    const TChunktRNS *key = keyOut ? trns() : nullptr;

    if (type == 2 || type == 6) {
        auto *px = reinterpret_cast<uint32_t *>(out);
        const int channels = type == 6 ? 4 : 3;
        const int step = channels * (depth / 8); // bytes per pixel
        const int sub = depth / 8;               // distance between samples
        const bool identity = gammaIdentity;
        if (identity && !keyOut && dx == 1 && depth == 8) {
            // The common case, kept free of branches so that it vectorises.
            if (alphaOut) {
                for (int i = 0; i < count; ++i) {
                    const uint8_t *p = raw + 4 * size_t(i);
                    px[x0 + i] =
                        0xFF000000u | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
                    alphaOut[x0 + i] = p[3];
                }
            } else {
                for (int i = 0; i < count; ++i) {
                    const uint8_t *p = raw + 3 * size_t(i);
                    px[x0 + i] =
                        0xFF000000u | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
                }
            }
            return;
        }
        for (int i = 0; i < count; ++i) {
            const uint8_t *s = raw + size_t(i) * size_t(step);
            const int x = x0 + i * dx;
            uint32_t r = s[0], g = s[sub], b = s[2 * sub];
            if (keyOut) {
                const bool match = depth == 8 ? (r == key->keySample(0) && g == key->keySample(1) &&
                                                 b == key->keySample(2))
                                              : (((r << 8) | s[1]) == key->keySample(0) &&
                                                 ((g << 8) | s[3]) == key->keySample(1) &&
                                                 ((b << 8) | s[5]) == key->keySample(2));
                keyOut[x] = match ? 0 : 255;
            }
            if (!identity) {
                r = forward[r];
                g = forward[g];
                b = forward[b];
            }
            px[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
            if (alphaOut)
                alphaOut[x] = s[3 * sub];
        }
        return;
    }

    int highest = maxIndex;
    if (type == 4) {
        const int step = 2 * (depth / 8);
        for (int i = 0; i < count; ++i) {
            const int x = x0 + i * dx;
            out[x] = raw[size_t(i) * size_t(step)];
            alphaOut[x] = raw[size_t(i) * size_t(step) + size_t(step / 2)];
        }
        return;
    }
    // Grey or palette: one sample per pixel.
    const uint16_t keyValue = keyOut ? key->keySample(0) : 0;
    if (depth == 16) {
        for (int i = 0; i < count; ++i) {
            const int x = x0 + i * dx;
            out[x] = raw[2 * i];
            if (keyOut)
                keyOut[x] = ((raw[2 * i] << 8) | raw[2 * i + 1]) == keyValue ? 0 : 255;
        }
    } else if (depth == 8) {
        for (int i = 0; i < count; ++i) {
            const int x = x0 + i * dx;
            out[x] = raw[i];
            highest = std::max<int>(highest, raw[i]);
            if (keyOut)
                keyOut[x] = raw[i] == keyValue ? 0 : 255;
        }
    } else {
        const int mask = (1 << depth) - 1;
        for (int i = 0; i < count; ++i) {
            const int bit = i * depth;
            const int v = (raw[bit >> 3] >> (8 - depth - (bit & 7))) & mask;
            const int x = x0 + i * dx;
            out[x] = uint8_t(v);
            highest = std::max(highest, v);
            if (keyOut)
                keyOut[x] = v == keyValue ? 0 : 255;
        }
    }
    maxIndex = highest;
}

void TPNGObject::Impl::readImageData(QIODevice &stream, uint32_t firstLength)
{
    const int type = header->colorType();
    const int width = header->width(), height = header->height();
    gammaIdentity = gammaIsIdentity();
    if (type == 0 || type == 4)
        buildGreyTable();
    if ((type == 0 || type == 2) && trns() && trns()->data().size() >= (type == 0 ? 2 : 6))
        keyMask.reset(size_t(width), height);

    const size_t bitsPerPixel = size_t(header->bitsPerPixel());
    const size_t bpp = std::max<size_t>(1, bitsPerPixel / 8);
    const bool interlaced = header->interlaceMethod() == 1;

    struct Pass {
        int x0, y0, dx, dy, width, height;
        size_t rowBytes;
    };
    std::vector<Pass> passes;
    if (interlaced) {
        for (const Adam7Pass &p : kAdam7) {
            const int pw = width > p.x0 ? (width - p.x0 + p.dx - 1) / p.dx : 0;
            const int ph = height > p.y0 ? (height - p.y0 + p.dy - 1) / p.dy : 0;
            if (pw > 0 && ph > 0)
                passes.push_back(
                    {p.x0, p.y0, p.dx, p.dy, pw, ph, (size_t(pw) * bitsPerPixel + 7) / 8});
        }
    } else {
        passes.push_back({0, 0, 1, 1, width, height, (size_t(width) * bitsPerPixel + 7) / 8});
    }
    size_t widest = 0;
    for (const Pass &p : passes)
        widest = std::max(widest, p.rowBytes);

    // Interlaced rows are kept until the last pass arrives; memory grows only with the data.
    std::vector<uint8_t> interlacedRows;

    ZInflate inflater;
    z_stream &z = inflater.z;
    std::vector<uint8_t> input(TChunk::kBlockSize);
    const size_t capacity = std::max<size_t>(256 * 1024, 2 * (widest + 1));
    std::vector<uint8_t> output(capacity);
    std::vector<uint8_t> prior(widest, 0);
    const uint8_t *priorRow = prior.data();
    size_t filled = 0;

    uint32_t remaining = firstLength;
    uLong crc = crc32(0, reinterpret_cast<const Bytef *>("IDAT"), 4);
    size_t passIndex = 0;
    int rowInPass = 0;
    bool done = false;
    bool streamEnded = false;

    auto finishChunk = [&] {
        uchar stored[4];
        readExactly(stream, stored, 4);
        if (readBE32(stored) != uint32_t(crc))
            throw EPngInvalidCRC();
    };
    // Closes the current chunk and opens the next one, which must be an IDAT chunk when
    // `required`; otherwise a chunk of another type is left unread and false is returned.
    auto nextIdat = [&](bool required) {
        finishChunk();
        uchar head[8];
        if (!required) {
            char peeked[8];
            if (stream.peek(peeked, 8) != 8 || std::memcmp(peeked + 4, "IDAT", 4) != 0)
                return false;
        }
        readExactly(stream, head, 8);
        if (std::memcmp(head + 4, "IDAT", 4) != 0)
            throw EPNGMissingMultipleIDAT();
        remaining = readBE32(head);
        if (remaining > 0x7FFFFFFFu)
            throw EPNGChunkTooLarge();
        crc = crc32(0, head + 4, 4);
        return true;
    };
    // Reads the next block of the current chunk (at most one input buffer) into `input`.
    auto readBlock = [&] {
        const uint32_t step = std::min<uint32_t>(remaining, uint32_t(input.size()));
        readExactly(stream, input.data(), step);
        crc = crc32(crc, input.data(), step);
        remaining -= step;
        return step;
    };
    auto feedBlock = [&] {
        const uint32_t step = readBlock();
        z.next_in = input.data();
        z.avail_in = step;
    };
    auto inflateChecked = [&] {
        const int result = inflate(&z, Z_NO_FLUSH);
        if (result == Z_NEED_DICT)
            throw EPNGZLIBError(Z_DATA_ERROR);
        if (result < 0 && result != Z_BUF_ERROR)
            throw EPNGZLIBError(result);
        return result;
    };

    while (!done) {
        if (z.avail_in == 0) {
            if (remaining == 0) {
                nextIdat(true);
                continue;
            }
            feedBlock();
        }
        z.next_out = output.data() + filled;
        z.avail_out = uInt(capacity - filled);
        const int result = inflateChecked();
        streamEnded = result == Z_STREAM_END;
        filled = capacity - z.avail_out;

        size_t consumed = 0;
        while (!done) {
            const Pass &pass = passes[passIndex];
            if (filled - consumed < pass.rowBytes + 1)
                break;
            uint8_t *row = output.data() + consumed + 1;
            unfilterRow(output[consumed], row, priorRow, pass.rowBytes, bpp);
            if (interlaced)
                interlacedRows.insert(interlacedRows.end(), row, row + pass.rowBytes);
            else
                convertRow(row, pass.width, rowInPass, 0, 1);
            priorRow = row;
            consumed += pass.rowBytes + 1;
            if (++rowInPass == pass.height) {
                rowInPass = 0;
                std::fill(prior.begin(), prior.end(), 0);
                priorRow = prior.data();
                if (++passIndex == passes.size())
                    done = true;
            }
        }
        if (priorRow != prior.data()) {
            std::memcpy(prior.data(), priorRow, passes[passIndex].rowBytes);
            priorRow = prior.data();
        }
        if (consumed > 0) {
            std::memmove(output.data(), output.data() + consumed, filled - consumed);
            filled -= consumed;
        }
        if (!done && result == Z_STREAM_END)
            throw EPNGMissingMultipleIDAT();
    }

    // The stream's checksum (Adler-32) follows the last row, possibly in a later IDAT chunk:
    // inflating on to the end of the stream lets zlib check it. Data that still inflates to
    // something is not image data, and is left unread rather than inflated at any length.
    bool chunkFinished = false;
    while (!streamEnded) {
        if (z.avail_in == 0) {
            if (remaining == 0) {
                chunkFinished = true;
                if (!nextIdat(false))
                    break;
                chunkFinished = false;
                continue;
            }
            feedBlock();
        }
        uint8_t spare[64];
        z.next_out = spare;
        z.avail_out = sizeof spare;
        streamEnded = inflateChecked() == Z_STREAM_END;
        if (z.avail_out < sizeof spare)
            break;
    }
    // The rest of this chunk is read so that its CRC is checked and the stream stays in step.
    if (!chunkFinished) {
        while (remaining > 0)
            readBlock();
        finishChunk();
    }

    if (interlaced) {
        const uint8_t *row = interlacedRows.data();
        for (const Pass &pass : passes) {
            for (int r = 0; r < pass.height; ++r) {
                convertRow(row, pass.width, pass.y0 + r * pass.dy, pass.x0, pass.dx);
                row += pass.rowBytes;
            }
        }
    }
    hasImage = true;
}

void TPNGObject::Impl::rawRow(int y, uint8_t *out) const
{
    const int type = header->colorType(), width = header->width();
    const uint8_t *in = pixels.row(y);
    if (type == 2 || type == 6) {
        const auto *px = reinterpret_cast<const uint32_t *>(in);
        const uint8_t *a = type == 6 ? alpha.row(y) : nullptr;
        for (int x = 0; x < width; ++x) {
            const uint32_t v = px[x];
            *out++ = inverse[(v >> 16) & 0xFF];
            *out++ = inverse[(v >> 8) & 0xFF];
            *out++ = inverse[v & 0xFF];
            if (a)
                *out++ = a[x];
        }
        return;
    }
    if (type == 4) {
        const uint8_t *a = alpha.row(y);
        for (int x = 0; x < width; ++x) {
            *out++ = in[x];
            *out++ = a[x];
        }
        return;
    }
    const int depth = header->writtenBitDepth();
    if (depth == 8) {
        std::memcpy(out, in, size_t(width));
        return;
    }
    // 2-bit grey is written at 4 bits with its levels rescaled, so it reads back alike.
    const int scale = (type == 0 && header->bitDepth() == 2) ? 5 : 1;
    std::memset(out, 0, (size_t(width) * size_t(depth) + 7) / 8);
    for (int x = 0; x < width; ++x) {
        const int bit = x * depth;
        out[bit >> 3] = uint8_t(out[bit >> 3] | ((in[x] * scale) << (8 - depth - (bit & 7))));
    }
}

void TPNGObject::Impl::writeImageData(QIODevice &stream) const
{
    const int width = header->width(), height = header->height();
    static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
    const size_t bits = size_t(kChannels[header->colorType()] * header->writtenBitDepth());
    const size_t rowBytes = (size_t(width) * bits + 7) / 8;
    const size_t bpp = std::max<size_t>(1, bits / 8);

    ZDeflate deflater;
    z_stream &z = deflater.z;
    // Chunk frame around the 65535 data bytes: length, name, data, CRC.
    std::vector<uchar> chunk(size_t(kIdatChunkSize) + 12);
    uchar *const data = chunk.data() + 8;
    std::memcpy(chunk.data() + 4, "IDAT", 4);
    auto flushChunk = [&](size_t length) {
        appendBE32(chunk.data(), uint32_t(length));
        appendBE32(data + length,
                   uint32_t(crc32(crc32(0, chunk.data() + 4, 4), data, uInt(length))));
        const qint64 total = qint64(length) + 12;
        if (stream.write(reinterpret_cast<const char *>(chunk.data()), total) != total)
            throw EFileError(
                QStringLiteral("Cannot write the picture. %1").arg(stream.errorString()));
    };
    auto pump = [&](int flush) {
        for (;;) {
            z.next_out = data + (kIdatChunkSize - z.avail_out);
            const int result = deflate(&z, flush);
            if (result == Z_STREAM_ERROR)
                throw EPNGZLIBError(result);
            if (z.avail_out == 0) {
                flushChunk(kIdatChunkSize);
                z.avail_out = kIdatChunkSize;
                continue;
            }
            if (flush == Z_FINISH ? result == Z_STREAM_END : z.avail_in == 0)
                return;
        }
    };
    z.avail_out = kIdatChunkSize;

    // Rows are filtered in batches so that deflate is called on sizeable input.
    const int rowsPerBatch = int(std::max<size_t>(1, (256 * 1024) / (rowBytes + 1)));
    std::vector<uint8_t> batch(size_t(rowsPerBatch) * (rowBytes + 1));
    std::vector<uint8_t> raw(rowBytes);
    for (int y = 0; y < height;) {
        const int rows = std::min(rowsPerBatch, height - y);
        uint8_t *out = batch.data();
        for (int r = 0; r < rows; ++r, ++y) {
            rawRow(y, raw.data());
            *out++ = 1; // Sub
            for (size_t i = 0; i < bpp && i < rowBytes; ++i)
                out[i] = raw[i];
            for (size_t i = bpp; i < rowBytes; ++i)
                out[i] = uint8_t(raw[i] - raw[i - bpp]);
            out += rowBytes;
        }
        z.next_in = batch.data();
        z.avail_in = uInt(out - batch.data());
        pump(Z_NO_FLUSH);
    }
    pump(Z_FINISH);
    const size_t last = kIdatChunkSize - z.avail_out;
    if (last > 0)
        flushChunk(last);
}

void TPNGObject::Impl::argbRow(int y, uint32_t *out, bool forDrawing) const
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
        uint32_t lut[256];
        const TChunktRNS *t = type == 3 ? trns() : nullptr;
        for (int i = 0; i < 256; ++i)
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

// ---- TChunkIDAT: image data goes through the picture object

TChunkIDAT::TChunkIDAT(TPNGObject &owner) : TChunk(owner, QByteArrayLiteral("IDAT")) {}

void TChunkIDAT::loadFromStream(QIODevice &stream, uint32_t length)
{
    owner().m_impl->readImageData(stream, length);
}

void TChunkIDAT::saveToStream(QIODevice &stream) const
{
    owner().m_impl->writeImageData(stream);
}

// ---- TPNGObject

TPNGObject::TPNGObject() : m_impl(std::make_unique<Impl>(*this)) {}

TPNGObject::~TPNGObject() = default;

void TPNGObject::loadFromStream(QIODevice &stream)
{
    try {
        m_impl->load(stream);
    } catch (const std::bad_alloc &) {
        m_impl->clear();
        throw EPNGOutMemory();
    } catch (...) {
        m_impl->clear();
        throw;
    }
}

void TPNGObject::loadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError::CannotOpen(path, file.errorString());
    const QByteArray bytes = file.readAll();
    loadFromData(bytes);
}

void TPNGObject::loadFromData(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    loadFromStream(buffer);
}

void TPNGObject::loadFromResource(const QString &name)
{
    QFile file(name.startsWith(QLatin1Char(':')) ? name : QStringLiteral(":/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw EPNGCouldNotLoadResource();
    loadFromData(file.readAll());
}

void TPNGObject::saveToStream(QIODevice &stream) const
{
    if (isEmpty())
        throw EPNGNoImageData();
    if (stream.write(reinterpret_cast<const char *>(kSignature), 8) != 8)
        throw EFileError(QStringLiteral("Cannot write the picture. %1").arg(stream.errorString()));
    for (const auto &chunk : m_impl->chunks)
        chunk->saveToStream(stream);
}

void TPNGObject::saveToFile(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EFileError::CannotCreate(path, file.errorString());
    try {
        saveToStream(file);
    } catch (const EFileError &) {
        throw EFileError::CannotCreate(path, file.errorString());
    }
    if (!file.commit())
        throw EFileError::CannotCreate(path, file.errorString());
}

bool TPNGObject::isEmpty() const noexcept
{
    return !m_impl->header || !m_impl->hasImage;
}

int TPNGObject::width() const noexcept
{
    return isEmpty() ? 0 : m_impl->header->width();
}

int TPNGObject::height() const noexcept
{
    return isEmpty() ? 0 : m_impl->header->height();
}

int TPNGObject::colorType() const noexcept
{
    return m_impl->header ? m_impl->header->colorType() : 0;
}

int TPNGObject::bitDepth() const noexcept
{
    return m_impl->header ? m_impl->header->bitDepth() : 0;
}

int TPNGObject::interlaceMethod() const noexcept
{
    return m_impl->header ? m_impl->header->interlaceMethod() : 0;
}

TPNGTransparencyMode TPNGObject::transparencyMode() const noexcept
{
    if (!m_impl->header)
        return ptmNone;
    switch (m_impl->header->colorType()) {
    case 4:
    case 6:
        return ptmPartial;
    case 3:
        if (const TChunktRNS *t = m_impl->trns())
            return t->colorKeyMode() ? ptmBit : ptmPartial;
        return ptmNone;
    default:
        return m_impl->trns() ? ptmBit : ptmNone;
    }
}

uint8_t *TPNGObject::alphaScanline(int y) noexcept
{
    if (isEmpty() || !m_impl->hasAlphaPlane() || y < 0 || y >= height())
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

void TPNGObject::createAlpha()
{
    Impl &d = *m_impl;
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
        } else {
            d.header->set(w, h, d.header->bitDepth(), 6, d.header->interlaceMethod());
        }
        d.alpha.reset(size_t(w), h);
        d.alpha.fill(255);
    } else if (type == 3) {
        TChunktRNS *t = d.trns();
        if (!t) {
            auto chunk = std::make_unique<TChunktRNS>(*this);
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

void TPNGObject::assignImage(const QImage &image, bool transparent, uint32_t transparentColor)
{
    Impl &d = *m_impl;
    d.clear();
    if (image.isNull())
        return;
    const int w = image.width(), h = image.height();
    auto header = std::make_unique<TChunkIHDR>(*this);
    d.header = header.get();
    d.chunks.push_back(std::move(header));
    const uint32_t key = transparentColor & 0xFFFFFFu;

    if (image.depth() >= 16) {
        d.header->set(w, h, 8, 2);
        d.setupPlanes();
        const QImage rgb =
            (image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32)
                ? image
                : image.convertToFormat(QImage::Format_RGB32);
        if (transparent) {
            auto trns = std::make_unique<TChunktRNS>(*this);
            const char keyData[6] = {0, char(key & 0xFF), 0, char((key >> 8) & 0xFF),
                                     0, char(key >> 16)};
            trns->setColorKey(QByteArray(keyData, 6));
            d.transparency = trns.get();
            d.chunks.push_back(std::move(trns));
            d.keyMask.reset(size_t(w), h);
        }
        const uint32_t keyArgb = SwapRedBlue(key);
        for (int y = 0; y < h; ++y) {
            const auto *in = reinterpret_cast<const uint32_t *>(rgb.constScanLine(y));
            auto *out = reinterpret_cast<uint32_t *>(d.pixels.ensureRow(y));
            for (int x = 0; x < w; ++x)
                out[x] = in[x] | 0xFF000000u;
            if (transparent) {
                uint8_t *k = d.keyMask.ensureRow(y);
                for (int x = 0; x < w; ++x)
                    k[x] = (in[x] & 0xFFFFFFu) == keyArgb ? 0 : 255;
            }
        }
    } else {
        const bool mono =
            image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB;
        const int depth = mono ? 1 : 8;
        QList<QRgb> table = image.colorTable();
        const bool indexed = mono || image.format() == QImage::Format_Indexed8;
        if (!indexed || table.isEmpty()) {
            table.clear();
            const int n = 1 << depth;
            for (int i = 0; i < n; ++i) {
                const int g = i * 255 / (n - 1);
                table.append(qRgb(g, g, g));
            }
        }
        if (table.size() > 256)
            table.resize(256);
        d.header->set(w, h, depth, 3);
        d.setupPlanes();
        QByteArray plte;
        for (QRgb c : table) {
            plte.append(char(qRed(c)));
            plte.append(char(qGreen(c)));
            plte.append(char(qBlue(c)));
        }
        auto plteChunk = std::make_unique<TChunkPLTE>(*this);
        plteChunk->setData(plte);
        d.chunks.push_back(std::move(plteChunk));
        d.colorCount = int(table.size());
        for (int i = 0; i < d.colorCount; ++i)
            d.colors[size_t(i)] = SwapRedBlue(table[i] & 0xFFFFFFu);
        if (transparent) {
            std::array<uint8_t, 256> alpha;
            alpha.fill(255);
            for (int i = 0; i < d.colorCount; ++i)
                if (d.colors[size_t(i)] == key)
                    alpha[size_t(i)] = 0;
            auto trns = std::make_unique<TChunktRNS>(*this);
            trns->setPaletteAlpha(alpha, d.colorCount);
            d.transparency = trns.get();
            d.chunks.push_back(std::move(trns));
        }
        // Grey-like formats without a table: their byte is the grey level.
        const QImage grey = (indexed || image.format() == QImage::Format_Grayscale8)
                                ? image
                                : image.convertToFormat(QImage::Format_Grayscale8);
        int highest = -1;
        for (int y = 0; y < h; ++y) {
            uint8_t *out = d.pixels.ensureRow(y);
            if (mono) {
                for (int x = 0; x < w; ++x)
                    out[x] = uint8_t(image.pixelIndex(x, y));
            } else if (indexed) {
                std::memcpy(out, image.constScanLine(y), size_t(w));
            } else {
                std::memcpy(out, grey.constScanLine(y), size_t(w));
            }
            for (int x = 0; x < w; ++x)
                highest = std::max<int>(highest, out[x]);
        }
        d.maxIndex = highest;
    }
    d.chunks.push_back(std::make_unique<TChunkIDAT>(*this));
    d.chunks.push_back(std::make_unique<TChunkIEND>(*this));
    d.hasImage = true;
}

size_t TPNGObject::chunkListSearches() const noexcept
{
    return m_impl->chunkSearches;
}

const std::vector<std::unique_ptr<TChunk>> &TPNGObject::chunks() const noexcept
{
    return m_impl->chunks;
}

TChunkIHDR *TPNGObject::header() noexcept
{
    return m_impl->header;
}

const TChunkIHDR *TPNGObject::header() const noexcept
{
    return m_impl->header;
}

QByteArray PngWithoutUnreadChunks(QIODevice &stream)
{
    QByteArray out(reinterpret_cast<const char *>(kSignature), 8);
    uchar signature[8];
    readExactly(stream, signature, 8);
    if (std::memcmp(signature, kSignature, 8) != 0)
        throw EPNGInvalidFileHeader();
    for (;;) {
        uchar head[8];
        readExactly(stream, head, 8);
        const uint32_t length = readBE32(head);
        if (length > 0x7FFFFFFFu)
            throw EPNGChunkTooLarge();
        const QByteArray name(reinterpret_cast<const char *>(head + 4), 4);
        if (chunkUse(name) == ChunkUse::Unknown) {
            skipChunk(stream, head + 4, length, false);
            continue;
        }
        out.append(reinterpret_cast<const char *>(head), 8);
        // Appended piece by piece, so a length the file does not back takes no memory.
        for (qint64 left = qint64(length) + 4; left > 0;) {
            const qint64 step = std::min<qint64>(left, TChunk::kBlockSize);
            const qsizetype at = out.size();
            out.resize(at + step);
            readExactly(stream, out.data() + at, step);
            left -= step;
        }
        if (name == "IEND")
            return out;
    }
}
