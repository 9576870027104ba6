// Treats arbitrary bytes as a thumbnail cache file, of both kinds, and reads it the way the
// picture list does: the head, then every thumbnail it says it holds. The thumbnails' size and
// count asked for are taken from the bytes' own head where they are small, so that most inputs
// get past the first checks. Run it with ASAN_OPTIONS=max_malloc_fill_size=0: each read makes a
// file buffer, and filling it costs more than the reading. Whatever the file holds, a read that succeeds must describe exactly
// the file's bytes; and what the writer writes must read back as written.

#include "base/ThumbnailCacheFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const QString &cachePath()
{
    // Memory rather than a disk where there is one: each input is a file written and read.
    static const QTemporaryDir dir((QDir(QStringLiteral("/dev/shm")).exists()
                                        ? QStringLiteral("/dev/shm")
                                        : QDir::tempPath()) +
                                   QStringLiteral("/thumbcachefile-fuzz-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("cache"));
    return path;
}

void writeBytes(const QString &path, const char *data, qsizetype size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data, size) != size)
        std::abort();
}

qint32 readInt(const uint8_t *data, size_t at)
{
    return qint32(quint32(data[at]) << 24 | quint32(data[at + 1]) << 16 |
                  quint32(data[at + 2]) << 8 | quint32(data[at + 3]));
}

void checkPixels(QFile *in, qint64 offset, QSize size)
{
    const QImage image = ReadCachedPixels(in, offset, size);
    if (image.isNull() || image.size() != size || image.format() != QImage::Format_RGB32)
        std::abort();
}

void readBoth(const QString &path, QSize size, int count, qint64 fileSize)
{
    const qint64 pixels = qint64(size.width()) * size.height() * 4;
    std::shared_ptr<QFile> in;
    std::vector<qint64> offsets;
    std::vector<bool> damaged;
    if (ReadWholeCache(path, size, count, in, offsets, damaged)) {
        if (!in || offsets.size() != size_t(count) || damaged.size() != size_t(count))
            std::abort();
        qint64 at = 8 + 12 + count;
        for (int i = 0; i < count; ++i) {
            if (damaged[size_t(i)] != (offsets[size_t(i)] < 0))
                std::abort();
            if (offsets[size_t(i)] < 0)
                continue;
            if (offsets[size_t(i)] != at)
                std::abort();
            checkPixels(in.get(), at, size);
            at += pixels;
        }
        if (at != fileSize)
            std::abort();
        // Past the last thumbnail there is nothing to read.
        if (!ReadCachedPixels(in.get(), at, size).isNull())
            std::abort();
    }
    if (const auto index = ReadStampedCache(path, size, count)) {
        if (!index->file || index->status.size() != size_t(count) ||
            index->fingerprints.size() != size_t(count) || index->offsets.size() != size_t(count))
            std::abort();
        qint64 at = StampedHeaderSize(count);
        for (int i = 0; i < count; ++i) {
            const char status = index->status[size_t(i)];
            if (status < 0 || status > 2 ||
                index->fingerprints[size_t(i)].size() != FingerprintSize)
                std::abort();
            if ((status == 1) != (index->offsets[size_t(i)] >= 0))
                std::abort();
            if (status != 1)
                continue;
            if (index->offsets[size_t(i)] != at)
                std::abort();
            checkPixels(index->file.get(), at, size);
            at += pixels;
        }
        if (at != fileSize)
            std::abort();
    }
}

// Writes a stamped cache from the input's bytes (statuses, fingerprints, pixels) and reads it
// back: the index must give back what was written, and each thumbnail its pixels.
void roundTrip(const uint8_t *data, size_t size)
{
    if (size < 2)
        return;
    const QSize thumbnail(1 + data[0] % 4, 1 + (data[0] >> 2) % 4);
    const int count = data[1] % 6;
    data += 2;
    size -= 2;
    size_t used = 0;
    auto next = [&]() -> uint8_t { return size ? data[used++ % size] : uint8_t(used++); };
    const TFileStamp stamp{qint64(next()) - 1, qint64(next()) << 40, -qint64(next()),
                           quint64(next()) << 56, quint64(next())};
    std::vector<char> status;
    std::vector<QByteArray> fingerprints;
    std::vector<QImage> images;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    WriteStampedCacheHead(out, thumbnail, count, stamp);
    for (int i = 0; i < count; ++i) {
        status.push_back(char(next() % 3));
        QByteArray fingerprint(FingerprintSize, '\0');
        for (char &c : fingerprint)
            c = char(next());
        fingerprints.push_back(fingerprint);
        out << quint8(status.back());
        out.writeRawData(fingerprint.constData(), FingerprintSize);
    }
    for (int i = 0; i < count; ++i) {
        if (status[size_t(i)] != 1)
            continue;
        QImage image(thumbnail, QImage::Format_RGB32);
        for (qsizetype k = 0; k < image.sizeInBytes(); ++k)
            image.bits()[k] = next();
        out.writeRawData(reinterpret_cast<const char *>(image.constBits()),
                         int(image.sizeInBytes()));
        images.push_back(image);
    }
    const QString path = cachePath() + QStringLiteral(".written");
    writeBytes(path, bytes.constData(), bytes.size());
    const auto index = ReadStampedCache(path, thumbnail, count);
    if (!index || !(index->stamp == stamp) || index->status != status ||
        index->fingerprints != fingerprints)
        std::abort();
    size_t made = 0;
    for (int i = 0; i < count; ++i)
        if (status[size_t(i)] == 1 && ReadCachedPixels(index->file.get(), index->offsets[size_t(i)],
                                                       thumbnail) != images[made++])
            std::abort();
    // A new stamp written over the old one reads back too.
    QFile file(path);
    const TFileStamp other{stamp.size + 1, stamp.modified, stamp.changed, stamp.inode, 7};
    if (!file.open(QIODevice::ReadWrite) || !RewriteCacheStamp(file, other))
        std::abort();
    file.close();
    const auto again = ReadStampedCache(path, thumbnail, count);
    if (!again || !(again->stamp == other) || again->status != status)
        std::abort();

    // The whole form of the same thumbnails, those not made counted as not decoding.
    QByteArray whole;
    QDataStream wholeOut(&whole, QIODevice::WriteOnly);
    WriteWholeCacheHead(wholeOut, thumbnail, count);
    for (const char s : status)
        wholeOut << quint8(s == 1 ? 1 : 2);
    for (const QImage &image : images)
        wholeOut.writeRawData(reinterpret_cast<const char *>(image.constBits()),
                              int(image.sizeInBytes()));
    writeBytes(path, whole.constData(), whole.size());
    std::shared_ptr<QFile> in;
    std::vector<qint64> offsets;
    std::vector<bool> damaged;
    if (!ReadWholeCache(path, thumbnail, count, in, offsets, damaged))
        std::abort();
    made = 0;
    for (int i = 0; i < count; ++i) {
        if (damaged[size_t(i)] != (status[size_t(i)] != 1))
            std::abort();
        if (!damaged[size_t(i)] &&
            ReadCachedPixels(in.get(), offsets[size_t(i)], thumbnail) != images[made++])
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString &path = cachePath();
    writeBytes(path, reinterpret_cast<const char *>(data), qsizetype(size));
    // The size and count the list would ask for: the file's own when they are small, so that
    // the reading goes on past the head; and a few the list might ask for instead.
    QSize asked(4, 4);
    int count = 3;
    if (size >= 20) {
        const qint32 w = readInt(data, 8), h = readInt(data, 12), n = readInt(data, 16);
        if (w > 0 && w <= 16 && h > 0 && h <= 16)
            asked = QSize(w, h);
        if (n >= 0 && n <= 64)
            count = n;
    }
    readBoth(path, asked, count, qint64(size));
    // Every file written and read costs; the writer's side is taken for half the inputs.
    if (size >= 2 && (data[1] & 0x80))
        roundTrip(data, size);
    return 0;
}
