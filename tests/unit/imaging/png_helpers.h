#pragma once

// Shared fixtures for the PNG codec tests: pictures written and read by libpng as the oracle,
// hand-made chunks for crafted files, and a parser for the chunk layout of written files.

#include <QByteArray>

#include <string>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace pngtest {

// A picture as libpng should write it: rows top to bottom at the file's bit depth, packed,
// 16-bit samples big-endian.
struct Picture {
    int width = 0;
    int height = 0;
    int colorType = 0;
    int bitDepth = 8;
    int interlace = 0;
    std::vector<uint8_t> rows;
    std::vector<uint8_t> palette; // RGB triples
    std::vector<uint8_t> trns;    // palette alphas, or the key sample(s) as 16-bit values
    uint32_t gamma = 0;           // gAMA value, 0 for none
    size_t idatSize = 0;          // largest IDAT chunk, 0 for libpng's default
    int filters = 0;              // libpng's PNG_FILTER_* mask, 0 for its adaptive choice

    size_t rowBytes() const;
};

// Random samples of every legal value (palette indices within the palette).
Picture randomPicture(int width, int height, int colorType, int bitDepth, uint32_t seed);

QByteArray writeWithLibpng(const Picture &picture);

// libpng's reading of a file as 8-bit RGBA without gamma correction: 16-bit samples keep their
// high byte, small grey depths are scaled to 0..255, tRNS becomes alpha. Pixels are 0xAARRGGBB.
struct Decoded {
    int width = 0;
    int height = 0;
    int colorType = 0;
    uint32_t gamma = 0; // gAMA value or 0
    std::vector<uint32_t> argb;
};
Decoded readWithLibpng(const QByteArray &file);

// The decoder's forward gamma table for a gAMA value (identity for 0), worked out independently.
std::array<uint8_t, 256> forwardGamma(uint32_t gamma);

QByteArray signature();
QByteArray chunk(const char *name, const QByteArray &data);
QByteArray ihdrData(uint32_t width, uint32_t height, int bitDepth, int colorType, int interlace = 0,
                    int compression = 0);
QByteArray zlibCompress(const QByteArray &raw, int level = 9);
QByteArray be32(uint32_t value);
// A complete file: signature, IHDR, the middle chunks, one IDAT of the given raw filtered rows,
// IEND.
QByteArray craftFile(const QByteArray &ihdr, const QByteArray &middle, const QByteArray &rawRows);

// The colour type and bit depth pairs of the PNG standard, each one the decoder accepts.
struct Layout {
    int colorType;
    int bitDepth;
};
extern const Layout kLayouts[15];

// Four columns shrunk to two with the box filter: the weights are a third each, with the
// mirrored neighbour counted again, so each channel becomes (p0 + 2 p1) div 3 and
// (p2 + 2 p3) div 3. Transparent pixels count like any other. Rows are all alike.
struct FourToTwoCase {
    uint32_t columns[4];
    uint32_t left, right;
};
extern const FourToTwoCase kFourToTwo[2];

// Decodes with the codec and compares pixel(), PngToBitmap32 and drawing at the same size with
// libpng's reading of the same bytes; reports at most five wrong pixels per picture.
void expectMatchesLibpng(const QByteArray &file, const std::string &what);

// (name, data) of every chunk after the signature; stops at the end of the bytes.
std::vector<std::pair<QByteArray, QByteArray>> parseChunks(const QByteArray &file);

} // namespace pngtest
