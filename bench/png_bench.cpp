// PNG speed beside libpng in the same binary. Decoding: our decode + PngToBitmap32 against
// libpng reading the same bytes to 8-bit RGBA from memory. Encoding a 500 x 500 RGBA picture
// in the logo.png form: against libpng at the same settings (level 7, Sub only) and against
// zlib alone deflating the same filtered rows. Compare medians of --benchmark_repetitions=5.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include <benchmark/benchmark.h>

#include <QBuffer>

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Raw {
    int width, height, colorType, bitDepth, interlace;
    std::vector<uint8_t> rows; // packed at the file's depth
    std::vector<png_color> palette;
};

void onError(png_structp png, png_const_charp)
{
    longjmp(png_jmpbuf(png), 1);
}

void append(png_structp png, png_bytep data, size_t size)
{
    auto *out = static_cast<std::vector<uint8_t> *>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

void noFlush(png_structp) {}

size_t rowBytes(const Raw &raw)
{
    static const int channels[7] = {1, 0, 3, 1, 2, 0, 4};
    return (size_t(raw.width) * size_t(channels[raw.colorType] * raw.bitDepth) + 7) / 8;
}

// Writes with libpng: adaptive filters (its default) for the decode inputs, or the logo.png
// settings when subOnly is set.
std::vector<uint8_t> writePng(const Raw &raw, bool subOnly)
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(size_t(raw.height));
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng write failed");
    }
    png_set_write_fn(png, &out, append, noFlush);
    if (subOnly) {
        png_set_compression_level(png, 7);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
        png_set_compression_strategy(png, Z_DEFAULT_STRATEGY);
    }
    png_set_IHDR(png, info, png_uint_32(raw.width), png_uint_32(raw.height), raw.bitDepth,
                 raw.colorType, raw.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!raw.palette.empty())
        png_set_PLTE(png, info, raw.palette.data(), int(raw.palette.size()));
    png_write_info(png, info);
    for (int y = 0; y < raw.height; ++y)
        rows[size_t(y)] = const_cast<png_bytep>(raw.rows.data() + size_t(y) * rowBytes(raw));
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// Smooth shading with fine noise, like a photograph; sample(x, y, channel) in 0..65535.
Raw makeRaw(int w, int h, int colorType, int bitDepth, int interlace)
{
    Raw raw{w, h, colorType, bitDepth, interlace, {}, {}};
    raw.rows.assign(rowBytes(raw) * size_t(h), 0);
    std::mt19937 random(1234);
    static const int channels[7] = {1, 0, 3, 1, 2, 0, 4};
    const int n = channels[colorType];
    for (int y = 0; y < h; ++y) {
        uint8_t *row = raw.rows.data() + size_t(y) * rowBytes(raw);
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < n; ++c) {
                double v = 0.5 + 0.25 * std::sin(x / (40.0 + 9 * c) + c) +
                           0.2 * std::cos(y / (55.0 - 7 * c) + x / 300.0);
                if (c == 3 || (colorType == 4 && c == 1))
                    v = x < w / 5 ? 0.0 : (x < w / 3 ? 0.6 : 1.0);
                const int noise = int(random() % 9) - 4;
                const int s16 = std::clamp(int(v * 65535) + noise * 257, 0, 65535);
                if (bitDepth == 16) {
                    row[(size_t(x) * n + c) * 2] = uint8_t(s16 >> 8);
                    row[(size_t(x) * n + c) * 2 + 1] = uint8_t(s16);
                } else if (bitDepth == 8) {
                    row[size_t(x) * n + c] = uint8_t(s16 >> 8);
                }
            }
        }
    }
    if (colorType == 3) {
        for (int i = 0; i < 256; ++i)
            raw.palette.push_back({uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)});
        // Indices in bands with noise, as a quantised picture would be.
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                raw.rows[size_t(y) * rowBytes(raw) + size_t(x)] =
                    uint8_t((x / 7 + y / 11) * 3 + (random() % 3));
    }
    return raw;
}

const std::vector<uint8_t> &file(const std::string &name)
{
    static std::map<std::string, std::vector<uint8_t>> files;
    auto found = files.find(name);
    if (found != files.end())
        return found->second;
    Raw raw;
    if (name == "photo2000_rgba")
        raw = makeRaw(2000, 2000, 6, 8, 0);
    else if (name == "rgba500")
        raw = makeRaw(500, 500, 6, 8, 0);
    else if (name == "palette1000")
        raw = makeRaw(1000, 1000, 3, 8, 0);
    else if (name == "grey16_1000")
        raw = makeRaw(1000, 1000, 0, 16, 0);
    else
        raw = makeRaw(1000, 1000, 2, 8, 1); // "interlaced_rgb1000"
    return files[name] = writePng(raw, false);
}

struct MemoryReader {
    const uint8_t *data;
    size_t size, at;
};

void readMemory(png_structp png, png_bytep out, size_t size)
{
    auto *reader = static_cast<MemoryReader *>(png_get_io_ptr(png));
    if (reader->at + size > reader->size)
        png_error(png, "past end");
    std::memcpy(out, reader->data + reader->at, size);
    reader->at += size;
}

// libpng's fastest general path to RGBA: expand, strip 16, grey to RGB, add alpha.
void libpngDecode(const std::vector<uint8_t> &bytes, std::vector<uint8_t> &rgba,
                  std::vector<png_bytep> &rows)
{
    MemoryReader reader{bytes.data(), bytes.size(), 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng read failed");
    }
    png_set_read_fn(png, &reader, readMemory);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    rgba.resize(w * h * 4);
    rows.resize(h);
    for (size_t y = 0; y < h; ++y)
        rows[y] = rgba.data() + y * w * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
}

void BM_Decode_Ours(benchmark::State &state, const std::string &name)
{
    const std::vector<uint8_t> &bytes = file(name);
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()),
                                                    qsizetype(bytes.size()));
    Bitmap32 image;
    for (auto _ : state) {
        TPNGObject png;
        png.loadFromData(data);
        PngToBitmap32(png, image);
        benchmark::DoNotOptimize(image.row(0));
    }
    state.SetLabel(std::to_string(bytes.size()) + " bytes");
}

// The decode alone, without the conversion to a 32-bit picture (for reading the split).
void BM_DecodeOnly_Ours(benchmark::State &state, const std::string &name)
{
    const std::vector<uint8_t> &bytes = file(name);
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()),
                                                    qsizetype(bytes.size()));
    for (auto _ : state) {
        TPNGObject png;
        png.loadFromData(data);
        benchmark::DoNotOptimize(png.width());
    }
}

// zlib alone inflating the file's image data: the floor under both decoders.
void BM_InflateOnly_Zlib(benchmark::State &state, const std::string &name)
{
    const std::vector<uint8_t> &bytes = file(name);
    std::vector<uint8_t> idat;
    for (size_t at = 8; at + 12 <= bytes.size();) {
        const size_t length = (size_t(bytes[at]) << 24) | (size_t(bytes[at + 1]) << 16) |
                              (size_t(bytes[at + 2]) << 8) | bytes[at + 3];
        if (std::memcmp(bytes.data() + at + 4, "IDAT", 4) == 0)
            idat.insert(idat.end(), bytes.begin() + long(at) + 8,
                        bytes.begin() + long(at + 8 + length));
        at += length + 12;
    }
    std::vector<uint8_t> out(256 * 1024);
    for (auto _ : state) {
        z_stream z{};
        inflateInit(&z);
        z.next_in = idat.data();
        z.avail_in = uInt(idat.size());
        int result = Z_OK;
        while (result == Z_OK) {
            z.next_out = out.data();
            z.avail_out = uInt(out.size());
            result = inflate(&z, Z_NO_FLUSH);
        }
        inflateEnd(&z);
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_Decode_Libpng(benchmark::State &state, const std::string &name)
{
    const std::vector<uint8_t> &bytes = file(name);
    std::vector<uint8_t> rgba;
    std::vector<png_bytep> rows;
    for (auto _ : state) {
        libpngDecode(bytes, rgba, rows);
        benchmark::DoNotOptimize(rgba.data());
    }
}

Bitmap32 popupPicture()
{
    const Raw raw = makeRaw(500, 500, 6, 8, 0);
    Bitmap32 image(500, 500);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x) {
            const uint8_t *p = raw.rows.data() + size_t(y) * 2000 + size_t(x) * 4;
            image.setPixel(x, y,
                           (uint32_t(p[3]) << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) |
                               p[2]);
        }
    return image;
}

void BM_Encode_Ours(benchmark::State &state)
{
    TPNGObject png;
    Bitmap32ToPng(popupPicture(), png);
    QByteArray out;
    for (auto _ : state) {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        png.saveToStream(buffer);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel(std::to_string(out.size()) + " bytes");
}

void BM_Encode_OursWithConversion(benchmark::State &state)
{
    const Bitmap32 image = popupPicture();
    QByteArray out;
    for (auto _ : state) {
        TPNGObject png;
        Bitmap32ToPng(image, png);
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        png.saveToStream(buffer);
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_Encode_Libpng(benchmark::State &state)
{
    const Raw raw = makeRaw(500, 500, 6, 8, 0);
    size_t size = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> out = writePng(raw, true);
        size = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel(std::to_string(size) + " bytes");
}

void BM_Encode_ZlibAlone(benchmark::State &state)
{
    const Raw raw = makeRaw(500, 500, 6, 8, 0);
    std::vector<uint8_t> filtered;
    for (int y = 0; y < 500; ++y) {
        const uint8_t *row = raw.rows.data() + size_t(y) * 2000;
        filtered.push_back(1);
        for (int i = 0; i < 2000; ++i)
            filtered.push_back(uint8_t(row[i] - (i >= 4 ? row[i - 4] : 0)));
    }
    std::vector<uint8_t> out(compressBound(uLong(filtered.size())));
    for (auto _ : state) {
        z_stream z{};
        deflateInit(&z, 7);
        z.next_in = filtered.data();
        z.avail_in = uInt(filtered.size());
        z.next_out = out.data();
        z.avail_out = uInt(out.size());
        deflate(&z, Z_FINISH);
        deflateEnd(&z);
        benchmark::DoNotOptimize(out.data());
    }
}

} // namespace

#define DECODE_PAIR(name)                                                                          \
    BENCHMARK_CAPTURE(BM_Decode_Ours, name, #name)->Unit(benchmark::kMillisecond);                 \
    BENCHMARK_CAPTURE(BM_Decode_Libpng, name, #name)->Unit(benchmark::kMillisecond);

DECODE_PAIR(photo2000_rgba)
BENCHMARK_CAPTURE(BM_DecodeOnly_Ours, photo2000_rgba, "photo2000_rgba")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InflateOnly_Zlib, photo2000_rgba, "photo2000_rgba")
    ->Unit(benchmark::kMillisecond);
DECODE_PAIR(rgba500)
DECODE_PAIR(palette1000)
DECODE_PAIR(grey16_1000)
DECODE_PAIR(interlaced_rgb1000)
BENCHMARK(BM_Encode_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode_OursWithConversion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode_Libpng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode_ZlibAlone)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
