#include "png_helpers.h"

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include <QImage>

#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <cmath>
#include <csetjmp>
#include <cstring>
#include <random>
#include <stdexcept>

namespace pngtest {

namespace {

const int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};

void onError(png_structp png, png_const_charp)
{
    longjmp(png_jmpbuf(png), 1);
}
void onWarning(png_structp, png_const_charp) {}

struct Reader {
    const QByteArray *bytes;
    size_t at;
};

void readBytes(png_structp png, png_bytep out, size_t count)
{
    auto *reader = static_cast<Reader *>(png_get_io_ptr(png));
    if (reader->at + count > size_t(reader->bytes->size()))
        png_error(png, "read past end");
    std::memcpy(out, reader->bytes->constData() + reader->at, count);
    reader->at += count;
}

void writeBytes(png_structp png, png_bytep in, size_t count)
{
    static_cast<QByteArray *>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char *>(in), qsizetype(count));
}

void flushNothing(png_structp) {}

} // namespace

size_t Picture::rowBytes() const
{
    return (size_t(width) * size_t(kChannels[colorType] * bitDepth) + 7) / 8;
}

Picture randomPicture(int width, int height, int colorType, int bitDepth, uint32_t seed)
{
    std::mt19937 random(seed);
    Picture p;
    p.width = width;
    p.height = height;
    p.colorType = colorType;
    p.bitDepth = bitDepth;
    p.rows.resize(p.rowBytes() * size_t(height));
    for (auto &b : p.rows)
        b = uint8_t(random());
    if (colorType == 3) {
        const int entries = 1 << bitDepth;
        p.palette.resize(size_t(entries) * 3);
        for (auto &b : p.palette)
            b = uint8_t(random());
    }
    return p;
}

QByteArray writeWithLibpng(const Picture &picture)
{
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(size_t(picture.height));
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng could not write the test picture");
    }
    png_set_write_fn(png, &out, writeBytes, flushNothing);
    if (picture.idatSize)
        png_set_compression_buffer_size(png, picture.idatSize);
    if (picture.filters)
        png_set_filter(png, PNG_FILTER_TYPE_BASE, picture.filters);
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height),
                 picture.bitDepth, picture.colorType,
                 picture.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (picture.gamma)
        png_set_gAMA_fixed(png, info, png_fixed_point(picture.gamma));
    if (!picture.palette.empty()) {
        std::vector<png_color> palette(picture.palette.size() / 3);
        for (size_t i = 0; i < palette.size(); ++i)
            palette[i] = {picture.palette[3 * i], picture.palette[3 * i + 1],
                          picture.palette[3 * i + 2]};
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    }
    if (!picture.trns.empty()) {
        if (picture.colorType == 3) {
            png_set_tRNS(png, info, picture.trns.data(), int(picture.trns.size()), nullptr);
        } else {
            png_color_16 key{};
            auto sample = [&](size_t i) {
                return png_uint_16((picture.trns[2 * i] << 8) | picture.trns[2 * i + 1]);
            };
            if (picture.colorType == 0) {
                key.gray = sample(0);
            } else {
                key.red = sample(0);
                key.green = sample(1);
                key.blue = sample(2);
            }
            png_set_tRNS(png, info, nullptr, 0, &key);
        }
    }
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y)
        rows[size_t(y)] =
            const_cast<png_bytep>(picture.rows.data() + size_t(y) * picture.rowBytes());
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

Decoded readWithLibpng(const QByteArray &file)
{
    Decoded result;
    Reader reader{&file, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows;
    std::vector<uint8_t> rgba;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng could not read the test picture");
    }
    png_set_read_fn(png, &reader, readBytes);
    png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
    png_read_info(png, info);
    result.width = int(png_get_image_width(png, info));
    result.height = int(png_get_image_height(png, info));
    result.colorType = png_get_color_type(png, info);
    png_fixed_point gamma = 0;
    if (png_get_gAMA_fixed(png, info, &gamma))
        result.gamma = uint32_t(gamma);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t stride = size_t(result.width) * 4;
    rgba.resize(stride * size_t(result.height));
    rows.resize(size_t(result.height));
    for (int y = 0; y < result.height; ++y)
        rows[size_t(y)] = rgba.data() + size_t(y) * stride;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    result.argb.resize(size_t(result.width) * size_t(result.height));
    for (size_t i = 0; i < result.argb.size(); ++i) {
        const uint8_t *p = rgba.data() + 4 * i;
        result.argb[i] =
            (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    }
    return result;
}

std::array<uint8_t, 256> forwardGamma(uint32_t gamma)
{
    std::array<uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        if (gamma == 0) {
            table[size_t(i)] = uint8_t(i);
        } else {
            const double v = std::pow(i / 255.0, 100000.0 / (gamma * 2.2)) * 255.0;
            table[size_t(i)] = uint8_t(std::nearbyint(v));
        }
    }
    return table;
}

QByteArray signature()
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8);
}

QByteArray be32(uint32_t value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    return QByteArray(bytes, 4);
}

QByteArray chunk(const char *name, const QByteArray &data)
{
    const QByteArray nameBytes(name, 4);
    uLong crc = crc32(0, reinterpret_cast<const Bytef *>(name), 4);
    crc = crc32(crc, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size()));
    return be32(uint32_t(data.size())) + nameBytes + data + be32(uint32_t(crc));
}

QByteArray ihdrData(uint32_t width, uint32_t height, int bitDepth, int colorType, int interlace,
                    int compression)
{
    QByteArray d = be32(width) + be32(height);
    d.append(char(bitDepth));
    d.append(char(colorType));
    d.append(char(compression));
    d.append(char(0));
    d.append(char(interlace));
    return d;
}

QByteArray zlibCompress(const QByteArray &raw, int level)
{
    uLongf size = compressBound(uLong(raw.size()));
    QByteArray out(qsizetype(size), '\0');
    compress2(reinterpret_cast<Bytef *>(out.data()), &size,
              reinterpret_cast<const Bytef *>(raw.constData()), uLong(raw.size()), level);
    out.resize(qsizetype(size));
    return out;
}

QByteArray craftFile(const QByteArray &ihdr, const QByteArray &middle, const QByteArray &rawRows)
{
    return signature() + chunk("IHDR", ihdr) + middle + chunk("IDAT", zlibCompress(rawRows)) +
           chunk("IEND", {});
}

std::vector<std::pair<QByteArray, QByteArray>> parseChunks(const QByteArray &file)
{
    std::vector<std::pair<QByteArray, QByteArray>> chunks;
    qsizetype at = 8;
    while (at + 12 <= file.size()) {
        const auto *p = reinterpret_cast<const uchar *>(file.constData() + at);
        const qsizetype length = qsizetype((uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) |
                                           (uint32_t(p[2]) << 8) | p[3]);
        chunks.emplace_back(file.mid(at + 4, 4), file.mid(at + 8, length));
        at += length + 12;
    }
    return chunks;
}

const FourToTwoCase kFourToTwo[2] = {
    {{0x00FF0000u, 0xFF0000FFu, 0x10203040u, 0x00FFFFFFu}, 0xAA5500AAu, 0x05B4BABFu},
    {{0x03060900u, 0x0609FF30u, 0x00000000u, 0xFF3030FFu}, 0x0508AD20u, 0xAA2020AAu},
};

const Layout kLayouts[15] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                             {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

namespace {

// What the program should show for libpng's raw reading: the forward gamma table applied once
// to the colour, and alpha only where the picture carries an alpha (alpha channel or palette
// transparency); a single transparent colour does not carry over into the 32-bit picture.
uint32_t expectedArgb(uint32_t raw, const std::array<uint8_t, 256> &forward, int colorType)
{
    const uint32_t colour = (uint32_t(forward[(raw >> 16) & 0xFF]) << 16) |
                            (uint32_t(forward[(raw >> 8) & 0xFF]) << 8) | forward[raw & 0xFF];
    const bool keepsAlpha = colorType == 3 || colorType == 4 || colorType == 6;
    return colour | (keepsAlpha ? raw & 0xFF000000u : 0xFF000000u);
}

// The drawing rule over a destination pixel: alpha 0 leaves it, 255 replaces it, otherwise
// each colour byte is (s * a + d * (255 - a) + 255) div 256. Here the alpha is libpng's, so a
// transparent colour is left unpainted.
uint32_t blendOver(uint32_t source, uint32_t dest)
{
    const uint32_t a = source >> 24;
    if (a == 0)
        return dest;
    if (a == 255)
        return source;
    uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const uint32_t s = (source >> shift) & 0xFF, d = (dest >> shift) & 0xFF;
        out |= ((s * a + d * (255 - a) + 255) >> 8) << shift;
    }
    return out | (((255 * a + (dest >> 24) * (255 - a) + 255) >> 8) << 24);
}

} // namespace

void expectMatchesLibpng(const QByteArray &file, const std::string &what)
{
    const Decoded oracle = readWithLibpng(file);
    TPNGObject png;
    png.loadFromData(file);
    ASSERT_EQ(png.width(), oracle.width) << what;
    ASSERT_EQ(png.height(), oracle.height) << what;
    const auto forward = forwardGamma(oracle.gamma);

    Bitmap32 image;
    PngToBitmap32(png, image);
    QImage surface(oracle.width, oracle.height, QImage::Format_ARGB32);
    const uint32_t backdrop = 0x80336699u;
    surface.fill(backdrop);
    png.draw(surface, surface.rect());

    int wrong = 0;
    for (int y = 0; y < oracle.height && wrong < 5; ++y) {
        for (int x = 0; x < oracle.width && wrong < 5; ++x) {
            const uint32_t raw = oracle.argb[size_t(y) * size_t(oracle.width) + size_t(x)];
            const uint32_t want = expectedArgb(raw, forward, oracle.colorType);
            const uint32_t got = image.pixel(x, y);
            const uint32_t pixel = png.pixel(x, y);
            const uint32_t drawn = reinterpret_cast<const uint32_t *>(surface.constScanLine(y))[x];
            const uint32_t wantDrawn =
                blendOver((want & 0xFFFFFFu) | (raw & 0xFF000000u), backdrop);
            if (got != want || SwapRedBlue(pixel) != (want & 0xFFFFFFu) || drawn != wantDrawn) {
                ++wrong;
                ADD_FAILURE() << what << " at (" << x << ", " << y << "): libpng " << std::hex
                              << raw << ", expected " << want << ", PngToBitmap32 " << got
                              << ", pixel " << pixel << ", drawn " << drawn << " expected "
                              << wantDrawn;
            }
        }
    }
}

} // namespace pngtest
