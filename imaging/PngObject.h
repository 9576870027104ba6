#pragma once

// The PNG picture object used for every picture of the program, with its chunk classes.
// Decoding accepts every colour type and bit depth of the PNG standard's table, Adam7 and
// gAMA/tRNS; encoding writes the one form the program needs (filter Sub on every row, zlib
// level 7, IDAT chunks of 65535 bytes, no interlacing). A failed decode leaves the picture
// empty.

#include "imaging/PngChunks.h"
#include "imaging/PngErrors.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QIODevice;
namespace pngdata {
struct Picture;
}

enum TPNGTransparencyMode { ptmNone = 0, ptmBit = 1, ptmPartial = 2 };

class TPNGObject {
public:
    TPNGObject();
    ~TPNGObject();
    TPNGObject(const TPNGObject &) = delete;
    TPNGObject &operator=(const TPNGObject &) = delete;

    // Decoding replaces the whole content. A stream is left just after the IEND chunk.
    void loadFromStream(QIODevice &stream);
    void loadFromFile(const QString &path);
    void loadFromData(const QByteArray &data);
    // A Qt resource by name, e.g. "LOGO" reads ":/LOGO"; a missing one raises
    // EPNGCouldNotLoadResource.
    void loadFromResource(const QString &name);

    // zlib's level for the image data: the default makes the program's files; a lower one
    // (down to 1, the fastest) gives the same pixels sooner, in a larger file.
    static constexpr int kDefaultLevel = 7;
    void saveToStream(QIODevice &stream, int level = kDefaultLevel) const;
    void saveToFile(const QString &path) const;

    bool isEmpty() const noexcept;
    int width() const noexcept;
    int height() const noexcept;
    int colorType() const noexcept;
    int bitDepth() const noexcept;
    int interlaceMethod() const noexcept;
    TPNGTransparencyMode transparencyMode() const noexcept;

    // The width alpha bytes of row y, or nullptr for pictures without alpha (an RGBA picture
    // keeps its alpha beside its colours until it is first asked for here).
    uint8_t *alphaScanline(int y) noexcept;
    const uint8_t *alphaScanline(int y) const noexcept;
    // Colour of pixel (x, y) as 0x00BBGGRR (red in the low byte); 0 outside the picture.
    // A palette index past the last palette entry raises EPngError.
    uint32_t pixel(int x, int y) const;
    // Row y as width values 0xAARRGGBB: alpha from the alpha plane, from the palette's
    // transparency for palette pictures, else 255 (a single transparent colour does not carry
    // over). Raises EPngError like pixel().
    void argbScanline(int y, uint32_t *out) const;

    void createAlpha();

    // Draws the whole picture scaled to rect on a 32-bit surface (Format_ARGB32 or
    // Format_RGB32); the rectangle may lie partly or wholly outside the surface.
    void draw(QImage &surface, const QRect &rect) const;

    // Rebuilds the picture from an image: 16 bits per pixel or more gives 8-bit RGB
    // (a 32-bit image's alpha byte is dropped), fewer gives a palette picture.
    void assignImage(const QImage &image, bool transparent = false, uint32_t transparentColor = 0);

    const std::vector<std::unique_ptr<TChunk>> &chunks() const noexcept;
    // How often the chunk list has been searched since the object was created. A file may carry
    // any number of chunks, so work done per row or per pixel must never search it; the tests
    // hold the count to a few searches per picture.
    size_t chunkListSearches() const noexcept;
    TChunkIHDR *header() noexcept;
    const TChunkIHDR *header() const noexcept;

    // The whole picture as argbScanline gives it, row after row into width x height values.
    void argbPicture(uint32_t *out) const;

private:
    std::unique_ptr<pngdata::Picture> m_impl;
};

// The PNG file that stream holds, with only the chunks a decode reads: those keep their exact
// bytes, every other one is left out. The stream is left just after the IEND chunk. Meant for a
// file that has just decoded; a file that ends early raises EPngUnexpectedEnd.
QByteArray PngWithoutUnreadChunks(QIODevice &stream);
