#include "base/ThumbnailCacheFile.h"

#include <QDataStream>
#include <QFile>

namespace {

const QByteArray CacheMagic("VPTHUMB1");
const QByteArray StampedMagic("VPTHUMB2");
constexpr qint64 StampBytes = 5 * 8;
// The magic, then width, height and count.
const qint64 SizeAndCountEnd = 8 + 12;

// Writes the head ReadCacheHead checks: the magic, the thumbnails' size and their count.
void WriteCacheHead(QDataStream &out, const QByteArray &magic, QSize size, int count)
{
    out.writeRawData(magic.constData(), static_cast<int>(magic.size()));
    out << qint32(size.width()) << qint32(size.height()) << qint32(count);
}

void WriteStamp(QDataStream &out, const TFileStamp &stamp)
{
    out << qint64(stamp.size) << qint64(stamp.modified) << qint64(stamp.changed)
        << quint64(stamp.inode) << quint64(stamp.device);
}

// Opens a cache file and reads its head: the magic, the thumbnails' size and count (which must
// be those asked for) and what follows up to head bytes. Empty when the file is missing or its
// length cannot be that of such a file with count thumbnails.
QByteArray ReadCacheHead(QFile &file, const QByteArray &magic, qint64 head, QSize size, int count)
{
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 pixels = qint64(size.width()) * size.height() * 4;
    if (file.size() < head || file.size() > head + count * pixels)
        return {};
    QByteArray bytes = file.read(head);
    if (bytes.size() != head || !bytes.startsWith(magic))
        return {};
    QDataStream stream(bytes);
    stream.skipRawData(static_cast<int>(magic.size()));
    qint32 width = 0, height = 0, entries = 0;
    stream >> width >> height >> entries;
    if (width != size.width() || height != size.height() || entries != count)
        return {};
    return bytes;
}

} // namespace

void WriteWholeCacheHead(QDataStream &out, QSize size, int count)
{
    WriteCacheHead(out, CacheMagic, size, count);
}

void WriteStampedCacheHead(QDataStream &out, QSize size, int count, const TFileStamp &stamp)
{
    WriteCacheHead(out, StampedMagic, size, count);
    WriteStamp(out, stamp);
}

bool RewriteCacheStamp(QFile &file, const TFileStamp &stamp)
{
    if (!file.seek(SizeAndCountEnd))
        return false;
    QDataStream out(&file);
    WriteStamp(out, stamp);
    return out.status() == QDataStream::Ok;
}

qint64 StampedHeaderSize(int count)
{
    return SizeAndCountEnd + StampBytes + qint64(count) * (1 + FingerprintSize);
}

bool ReadWholeCache(const QString &path, QSize size, int count, std::shared_ptr<QFile> &in,
                    std::vector<qint64> &offsets, std::vector<bool> &damaged)
{
    auto file = std::make_shared<QFile>(path);
    // Only the head is read now; each thumbnail's pixels are read when it is first shown.
    const qint64 head = SizeAndCountEnd + count;
    const qint64 pixels = qint64(size.width()) * size.height() * 4;
    const QByteArray bytes = ReadCacheHead(*file, CacheMagic, head, size, count);
    if (bytes.isEmpty())
        return false;
    const char *status = bytes.constData() + SizeAndCountEnd;
    offsets.assign(static_cast<size_t>(count), -1);
    damaged.assign(static_cast<size_t>(count), false);
    qint64 at = head;
    for (int i = 0; i < count; ++i) {
        if (status[i] != 1 && status[i] != 2)
            return false;
        if (status[i] == 2) {
            damaged[static_cast<size_t>(i)] = true;
            continue;
        }
        offsets[static_cast<size_t>(i)] = at;
        at += pixels;
    }
    if (file->size() != at)
        return false;
    in = std::move(file);
    return true;
}

std::shared_ptr<TThumbnailCacheIndex> ReadStampedCache(const QString &path, QSize size, int count)
{
    auto file = std::make_shared<QFile>(path);
    const qint64 head = StampedHeaderSize(count);
    const qint64 pixels = qint64(size.width()) * size.height() * 4;
    const QByteArray bytes = ReadCacheHead(*file, StampedMagic, head, size, count);
    if (bytes.isEmpty())
        return nullptr;
    QDataStream in(bytes);
    in.skipRawData(static_cast<int>(SizeAndCountEnd));
    auto index = std::make_shared<TThumbnailCacheIndex>();
    qint64 stampSize = 0, modified = 0, changed = 0;
    quint64 inode = 0, device = 0;
    in >> stampSize >> modified >> changed >> inode >> device;
    index->stamp = TFileStamp{stampSize, modified, changed, inode, device};
    index->status.resize(static_cast<size_t>(count));
    index->fingerprints.resize(static_cast<size_t>(count));
    index->offsets.assign(static_cast<size_t>(count), -1);
    qint64 at = head;
    for (int i = 0; i < count; ++i) {
        char status = 0;
        QByteArray fingerprint(FingerprintSize, '\0');
        in.readRawData(&status, 1);
        in.readRawData(fingerprint.data(), FingerprintSize);
        if (status != 0 && status != 1 && status != 2)
            return nullptr;
        index->status[static_cast<size_t>(i)] = status;
        index->fingerprints[static_cast<size_t>(i)] = fingerprint;
        if (status == 1) {
            index->offsets[static_cast<size_t>(i)] = at;
            at += pixels;
        }
    }
    if (in.status() != QDataStream::Ok || at != file->size())
        return nullptr;
    index->file = std::move(file);
    return index;
}

QImage ReadCachedPixels(QFile *in, qint64 offset, QSize size)
{
    if (!in || offset < 0)
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (!in->seek(offset) || in->read(reinterpret_cast<char *>(image.bits()),
                                      image.sizeInBytes()) != image.sizeInBytes())
        return {};
    return image;
}
