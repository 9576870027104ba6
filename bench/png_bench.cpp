// PNG speed beside libpng and libspng in the same binary.
//
// Decoding real pictures: each group of files is decoded whole per iteration, from memory into
// fresh memory, every decoder checking the zlib checksum. "Ours" decodes into the picture the
// program's picture list holds; "OursBitmap32" adds the conversion to a 32-bit picture; libpng
// and libspng decode to 8-bit RGBA. The built-in groups are the program's templates, the
// artwork it draws (close buttons, window resources) and screenshots of it (docs/); every
// further argument is a folder (searched with its subfolders) or a file, one group each, and a
// group that holds interlaced or palette pictures also gets a group of just those.
//
//   png_bench --benchmark_filter=Group --benchmark_repetitions=5 /usr/share/icons
//
// The synthetic rows decode noise-like pictures, where inflating dominates. Encoding a
// 500 x 500 RGBA picture in the logo.png form: against libpng at the same settings (level 7,
// Sub only) and against zlib alone deflating the same filtered rows. Compare medians.

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <png.h>
#include <zlib.h>
#if defined(VANTELLE_HAVE_SPNG)
#include <spng.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
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

// libpng's fastest general path to RGBA: expand, strip 16, grey to RGB, add alpha. The
// picture goes into fresh memory, as a decoded picture of the program's list does.
std::unique_ptr<uint8_t[]> libpngDecode(const uint8_t *data, size_t size)
{
    MemoryReader reader{data, size, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, nullptr);
    png_infop info = png_create_info_struct(png);
    std::unique_ptr<uint8_t[]> rgba;
    std::vector<png_bytep> rows;
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
    rgba = std::make_unique_for_overwrite<uint8_t[]>(w * h * 4);
    rows.resize(h);
    for (size_t y = 0; y < h; ++y)
        rows[y] = rgba.get() + y * w * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return rgba;
}

std::unique_ptr<uint8_t[]> libpngDecode(const std::vector<uint8_t> &bytes)
{
    return libpngDecode(bytes.data(), bytes.size());
}

#if defined(VANTELLE_HAVE_SPNG)
// libspng to 8-bit RGBA with the transparency applied, CRCs and checksum checked (its default).
std::unique_ptr<uint8_t[]> libspngDecode(const uint8_t *data, size_t size)
{
    spng_ctx *ctx = spng_ctx_new(0);
    std::unique_ptr<uint8_t[]> rgba;
    size_t length = 0;
    int result = spng_set_png_buffer(ctx, data, size);
    if (result == 0)
        result = spng_decoded_image_size(ctx, SPNG_FMT_RGBA8, &length);
    if (result == 0) {
        rgba = std::make_unique_for_overwrite<uint8_t[]>(length);
        result = spng_decode_image(ctx, rgba.get(), length, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS);
    }
    spng_ctx_free(ctx);
    if (result != 0)
        throw std::runtime_error(spng_strerror(result));
    return rgba;
}
#endif

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
    for (auto _ : state) {
        auto rgba = libpngDecode(bytes);
        benchmark::DoNotOptimize(rgba.get());
    }
}

#if defined(VANTELLE_HAVE_SPNG)
void BM_Decode_Libspng(benchmark::State &state, const std::string &name)
{
    const std::vector<uint8_t> &bytes = file(name);
    for (auto _ : state) {
        auto rgba = libspngDecode(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(rgba.get());
    }
}
#endif

// ---- Groups of real files

struct Group {
    std::string name;
    std::vector<QByteArray> files;
    size_t bytes = 0;
    qint64 pixels = 0;
};

// The colour type and interlace method of a file, from its IHDR.
std::pair<int, int> layoutOf(const QByteArray &file)
{
    if (file.size() < 33)
        return {-1, -1};
    return {uchar(file[25]), uchar(file[28])};
}

// Every PNG file below path (or path itself) that libpng, libspng and our codec all decode;
// files any of them refuses are left out, so each decoder does the same work.
std::vector<QByteArray> readPictures(const QString &path, qint64 &pixels)
{
    QStringList names;
    if (QFileInfo(path).isDir()) {
        QDirIterator it(path, {QStringLiteral("*.png")}, QDir::Files,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext())
            names << it.next();
    } else {
        names << path;
    }
    names.sort();
    std::vector<QByteArray> files;
    for (const QString &name : names) {
        QFile in(name);
        if (!in.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = in.readAll();
        const auto *data = reinterpret_cast<const uint8_t *>(bytes.constData());
        try {
            libpngDecode(data, size_t(bytes.size()));
#if defined(VANTELLE_HAVE_SPNG)
            libspngDecode(data, size_t(bytes.size()));
#endif
            TPNGObject png;
            png.loadFromData(bytes);
            Bitmap32 image;
            PngToBitmap32(png, image);
            pixels += qint64(png.width()) * png.height();
        } catch (...) {
            continue;
        }
        files.push_back(bytes);
    }
    return files;
}

std::vector<Group> &groups()
{
    static std::vector<Group> all;
    return all;
}

void addGroups(const std::string &name, const QStringList &paths)
{
    Group all{name, {}, 0, 0};
    for (const QString &path : paths) {
        for (QByteArray &file : readPictures(path, all.pixels))
            all.files.push_back(std::move(file));
    }
    if (all.files.empty())
        return;
    Group interlaced{name + ":interlaced", {}, 0, 0}, palette{name + ":palette", {}, 0, 0};
    for (const QByteArray &file : all.files) {
        all.bytes += size_t(file.size());
        const auto [colorType, interlace] = layoutOf(file);
        for (Group *part :
             {interlace == 1 ? &interlaced : nullptr, colorType == 3 ? &palette : nullptr}) {
            if (part) {
                part->files.push_back(file);
                part->bytes += size_t(file.size());
            }
        }
    }
    const bool mixed =
        interlaced.files.size() < all.files.size() && palette.files.size() < all.files.size();
    groups().push_back(std::move(all));
    for (Group *part : {&interlaced, &palette})
        if (mixed && !part->files.empty())
            groups().push_back(std::move(*part));
}

template <typename Decode> void runGroup(benchmark::State &state, const Group &group, Decode decode)
{
    for (auto _ : state)
        for (const QByteArray &file : group.files)
            decode(file);
    state.SetLabel(std::to_string(group.files.size()) + " files, " +
                   std::to_string(group.bytes / 1024) + " KB");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(group.bytes));
}

void registerGroups()
{
    for (const Group &group : groups()) {
        const std::string prefix = "Group/" + group.name + "/";
        benchmark::RegisterBenchmark((prefix + "Ours").c_str(), [&group](benchmark::State &s) {
            runGroup(s, group, [](const QByteArray &file) {
                TPNGObject png;
                png.loadFromData(file);
                benchmark::DoNotOptimize(png.width());
            });
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((prefix + "OursBitmap32").c_str(), [&group](
                                                                            benchmark::State &s) {
            runGroup(s, group, [](const QByteArray &file) {
                TPNGObject png;
                png.loadFromData(file);
                Bitmap32 image;
                PngToBitmap32(png, image);
                benchmark::DoNotOptimize(image.row(0));
            });
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((prefix + "Libpng").c_str(), [&group](benchmark::State &s) {
            runGroup(s, group, [](const QByteArray &file) {
                auto rgba = libpngDecode(reinterpret_cast<const uint8_t *>(file.constData()),
                                         size_t(file.size()));
                benchmark::DoNotOptimize(rgba.get());
            });
        })->Unit(benchmark::kMicrosecond);
#if defined(VANTELLE_HAVE_SPNG)
        benchmark::RegisterBenchmark((prefix + "Libspng").c_str(), [&group](benchmark::State &s) {
            runGroup(s, group, [](const QByteArray &file) {
                auto rgba = libspngDecode(reinterpret_cast<const uint8_t *>(file.constData()),
                                          size_t(file.size()));
                benchmark::DoNotOptimize(rgba.get());
            });
        })->Unit(benchmark::kMicrosecond);
#endif
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

#if defined(VANTELLE_HAVE_SPNG)
#define DECODE_SPNG(name)                                                                          \
    BENCHMARK_CAPTURE(BM_Decode_Libspng, name, #name)->Unit(benchmark::kMillisecond);
#else
#define DECODE_SPNG(name)
#endif
#define DECODE_PAIR(name)                                                                          \
    BENCHMARK_CAPTURE(BM_Decode_Ours, name, #name)->Unit(benchmark::kMillisecond);                 \
    BENCHMARK_CAPTURE(BM_Decode_Libpng, name, #name)->Unit(benchmark::kMillisecond);               \
    DECODE_SPNG(name)

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

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    const QString source = QStringLiteral(VANTELLE_SOURCE_DIR);
    addGroups("templates", {source + QStringLiteral("/content/Templates")});
    addGroups("artwork", {source + QStringLiteral("/content/CloseButtons"),
                          source + QStringLiteral("/resources")});
    addGroups("screenshots", {source + QStringLiteral("/docs")});
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        addGroups(QFileInfo(path).fileName().toStdString(), {path});
    }
    registerGroups();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
