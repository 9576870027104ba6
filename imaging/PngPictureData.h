#pragma once

// What a PNG picture object holds, shared by the codec's parts: the decoder fills it, the pixel
// conversion reads and changes it, the encoder writes it out. Not for use outside imaging/.

#include "imaging/PngChunks.h"
#include "imaging/PngErrors.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace pngdata {

inline constexpr uchar kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

inline uint32_t readBE32(const uchar *p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

inline void appendBE32(uchar *out, uint32_t v)
{
    out[0] = uchar(v >> 24);
    out[1] = uchar(v >> 16);
    out[2] = uchar(v >> 8);
    out[3] = uchar(v);
}

inline void readExactly(QIODevice &stream, void *to, qint64 count)
{
    if (stream.read(static_cast<char *>(to), count) != count)
        throw EPngUnexpectedEnd();
}

// Picture memory in blocks of about a megabyte, allocated as rows are produced, so a file
// that declares a huge picture but carries little data never reserves the whole of it. Blocks
// are not cleared: every row is written before it is read.
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

// The gamma tables of one gAMA value: forward turns file levels into shown ones, inverse turns
// them back for writing.
struct GammaTables {
    std::array<uint8_t, 256> forward{}, inverse{};
    // Whether forward is the identity, for the fast row paths.
    bool identity = true;
};

// The tables of gamma (times 100000; 0 for none). Worked out once per value and thread: most
// files carry the same few values, and the powers cost more than decoding a small icon.
const GammaTables &gammaTables(uint32_t gamma);

// Everything one PNG picture object holds.
struct Picture {
    std::vector<std::unique_ptr<TChunk>> chunks;
    TChunkIHDR *header = nullptr;
    const pngdata::GammaTables *gamma = &pngdata::gammaTables(0);
    // Palette colours or grey levels as 0x00BBGGRR, gamma applied once.
    std::array<uint32_t, 256> colors{};
    int colorCount = 0;
    int maxIndex = -1;
    // RGB and RGBA pictures: one 0xAARRGGBB value per pixel (alpha 255 for RGB); the others:
    // one index or grey byte per pixel.
    pngdata::Plane pixels;
    // Grey pictures with alpha; RGBA pictures once their alpha was asked for as a plane of its
    // own (alphaScanline), from then on the plane is their alpha and the pixels' top byte is
    // not read.
    pngdata::Plane alpha;
    // Grey and RGB pictures with a transparent colour: 0 where the pixel is that colour.
    pngdata::Plane keyMask;
    bool hasImage = false;
    TChunktRNS *transparency = nullptr;
    size_t chunkSearches = 0;
    // Where the PLTE and gAMA chunks stand in the list while a file is read.
    size_t paletteSlot = SIZE_MAX, gammaSlot = SIZE_MAX;

    void clear();
    bool isRgb() const { return header && (header->colorType() == 2 || header->colorType() == 6); }
    bool hasAlphaPlane() const
    {
        return header && (header->colorType() == 4 || header->colorType() == 6) && !alpha.isNull();
    }
    // The first tRNS chunk, kept up to date as chunks are added and removed: row and pixel
    // work asks for it all the time, and a file may hold any number of other chunks.
    TChunktRNS *trns() const { return transparency; }
    // Position of the first chunk of that name, or the end of the list.
    std::vector<std::unique_ptr<TChunk>>::iterator findChunk(const char *name);
    void setupPlanes();

    // Decoder (PngDecoder.cpp).
    void load(QIODevice &stream);
    void readImageData(QIODevice &stream, uint32_t firstLength);

    // Pixel conversion (PngPixels.cpp).
    void setGamma(uint32_t gammaValue) { gamma = &pngdata::gammaTables(gammaValue); }
    void setPalette(const TChunkPLTE &plte);
    void buildGreyTable();
    // Converts count decoded samples of raw into row y from column x0 on, every dx columns.
    void convertRow(const uint8_t *raw, int count, int y, int x0, int dx);
    void argbRow(int y, uint32_t *out, bool forDrawing) const;
    // Gives an RGBA picture its alpha as a plane of its own.
    void separateAlpha();

    // Encoder (PngEncoder.cpp).
    void rawRow(int y, uint8_t *out) const;
    void writeImageData(QIODevice &stream, int level) const;
};

} // namespace pngdata
