#include "imaging/PngObject.h"

#include "imaging/PixelColour.h"
#include "imaging/PngPictureData.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {

using pngdata::appendBE32;
constexpr int kIdatChunkSize = int(TChunk::kBlockSize);

struct ZDeflate {
    z_stream z{};
    explicit ZDeflate(int level)
    {
        const int result = deflateInit(&z, level);
        if (result != Z_OK)
            throw EPNGZLIBError(result);
    }
    ~ZDeflate() { deflateEnd(&z); }
};

} // namespace

void pngdata::Picture::rawRow(int y, uint8_t *out) const
{
    const int type = header->colorType(), width = header->width();
    const uint8_t *in = pixels.row(y);
    if (type == 2 || type == 6) {
        const auto *px = reinterpret_cast<const uint32_t *>(in);
        const auto &inverse = gamma->inverse;
        if (type == 2) {
            for (int x = 0; x < width; ++x) {
                const uint32_t v = px[x];
                *out++ = inverse[(v >> 16) & 0xFF];
                *out++ = inverse[(v >> 8) & 0xFF];
                *out++ = inverse[v & 0xFF];
            }
            return;
        }
        const uint8_t *a = alpha.isNull() ? nullptr : alpha.row(y);
        for (int x = 0; x < width; ++x) {
            const uint32_t v = px[x];
            *out++ = inverse[(v >> 16) & 0xFF];
            *out++ = inverse[(v >> 8) & 0xFF];
            *out++ = inverse[v & 0xFF];
            *out++ = a ? a[x] : uint8_t(v >> 24);
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

void pngdata::Picture::writeImageData(QIODevice &stream, int level) const
{
    const int width = header->width(), height = header->height();
    static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
    const size_t bits = size_t(kChannels[header->colorType()] * header->writtenBitDepth());
    const size_t rowBytes = (size_t(width) * bits + 7) / 8;
    const size_t bpp = std::max<size_t>(1, bits / 8);

    ZDeflate deflater(level);
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
                QCoreApplication::translate("PngErrors", "Cannot write the picture. %1")
                    .arg(stream.errorString()));
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

void TPNGObject::saveToStream(QIODevice &stream, int level) const
{
    if (isEmpty())
        throw EPNGNoImageData();
    if (stream.write(reinterpret_cast<const char *>(pngdata::kSignature), 8) != 8)
        throw EFileError(QCoreApplication::translate("PngErrors", "Cannot write the picture. %1")
                             .arg(stream.errorString()));
    // The image data goes where its chunk stands.
    for (const auto &chunk : m_impl->chunks) {
        if (chunk->name() == "IDAT")
            m_impl->writeImageData(stream, level);
        else
            chunk->saveToStream(stream);
    }
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

void TPNGObject::assignImage(const QImage &image, bool transparent, uint32_t transparentColor)
{
    pngdata::Picture &d = *m_impl;
    d.clear();
    if (image.isNull())
        return;
    const int w = image.width(), h = image.height();
    auto header = std::make_unique<TChunkIHDR>();
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
            auto trns = std::make_unique<TChunktRNS>(d.header);
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
        auto plteChunk = std::make_unique<TChunkPLTE>();
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
            auto trns = std::make_unique<TChunktRNS>(d.header);
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
    d.chunks.push_back(std::make_unique<TChunkIDAT>());
    d.chunks.push_back(std::make_unique<TChunkIEND>());
    d.hasImage = true;
}
