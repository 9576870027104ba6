#include "imaging/PngObject.h"

#include "imaging/PngPictureData.h"

#include <QBuffer>
#include <QFile>

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using pngdata::readBE32;
using pngdata::readExactly;

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
        if (bpp == 4) {
            // Four bytes at a time, each byte added on its own (no carry between them).
            uint32_t left = 0;
            for (size_t i = 0; i + 4 <= length; i += 4) {
                uint32_t x;
                std::memcpy(&x, row + i, 4);
                left = (((x & 0x7F7F7F7Fu) + (left & 0x7F7F7F7Fu)) ^ ((x ^ left) & 0x80808080u));
                std::memcpy(row + i, &left, 4);
            }
            break;
        }
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

// A typed chunk for the names the decoder reads, a plain one for the rest.
std::unique_ptr<TChunk> makeChunk(const QByteArray &name, const TChunkIHDR *header)
{
    if (name == "IHDR")
        return std::make_unique<TChunkIHDR>();
    if (name == "PLTE")
        return std::make_unique<TChunkPLTE>();
    if (name == "gAMA")
        return std::make_unique<TChunkgAMA>();
    if (name == "tRNS")
        return std::make_unique<TChunktRNS>(header);
    if (name == "IDAT")
        return std::make_unique<TChunkIDAT>();
    if (name == "IEND")
        return std::make_unique<TChunkIEND>();
    return std::make_unique<TChunk>(name);
}

} // namespace

void pngdata::Picture::load(QIODevice &stream)
{
    clear();
    using namespace pngdata;
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
        std::unique_ptr<TChunk> chunk = makeChunk(name, header);
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
        if (name == "IDAT") {
            readImageData(stream, length);
            continue;
        }
        added->loadFromStream(stream, length);

        if (name == "IHDR") {
            setupPlanes();
        } else if (name == "PLTE") {
            setPalette(*static_cast<TChunkPLTE *>(added));
        } else if (name == "gAMA") {
            setGamma(static_cast<TChunkgAMA *>(added)->gamma());
        } else if (name == "IEND") {
            break;
        }
    }
    if (!hasImage)
        throw EPNGNoImageData();
}

void pngdata::Picture::readImageData(QIODevice &stream, uint32_t firstLength)
{
    using namespace pngdata;
    const int type = header->colorType();
    const int width = header->width(), height = header->height();
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
    size_t widest = 0, total = 0;
    for (const Pass &p : passes) {
        widest = std::max(widest, p.rowBytes);
        total += (p.rowBytes + 1) * size_t(p.height);
    }

    ZInflate inflater;
    z_stream &z = inflater.z;
    // Scratch memory is sized to the picture and not cleared: only bytes zlib or the file
    // filled are read. The row before the first one of a pass is zeros.
    const size_t inputSize =
        std::min<size_t>(TChunk::kBlockSize, std::max<uint32_t>(firstLength, 4096));
    auto input = std::make_unique_for_overwrite<uint8_t[]>(inputSize);
    const size_t capacity = std::max<size_t>(std::min<size_t>(256 * 1024, total), 2 * (widest + 1));
    auto output = std::make_unique_for_overwrite<uint8_t[]>(capacity);
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
        const uint32_t step = std::min<uint32_t>(remaining, uint32_t(inputSize));
        readExactly(stream, input.get(), step);
        crc = crc32(crc, input.get(), step);
        remaining -= step;
        return step;
    };
    auto feedBlock = [&] {
        const uint32_t step = readBlock();
        z.next_in = input.get();
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
        z.next_out = output.get() + filled;
        z.avail_out = uInt(capacity - filled);
        const int result = inflateChecked();
        streamEnded = result == Z_STREAM_END;
        filled = capacity - z.avail_out;

        size_t consumed = 0;
        while (!done) {
            const Pass &pass = passes[passIndex];
            if (filled - consumed < pass.rowBytes + 1)
                break;
            uint8_t *row = output.get() + consumed + 1;
            unfilterRow(output[consumed], row, priorRow, pass.rowBytes, bpp);
            convertRow(row, pass.width, pass.y0 + rowInPass * pass.dy, pass.x0, pass.dx);
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
            std::memmove(output.get(), output.get() + consumed, filled - consumed);
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

    hasImage = true;
}

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

QByteArray PngWithoutUnreadChunks(QIODevice &stream)
{
    using namespace pngdata;
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
