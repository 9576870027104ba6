// Treats arbitrary bytes as the thumbnail cache of a small picture container, in both of the
// cache's forms: the list takes the container by its entries (the cache found by the file's
// stamp), in a second list read whole (the cache found by the container's bytes), and in a third
// only located, when the stamped cache answers for every thumbnail (the templates' later start).
// Inputs that start like a stamped cache and end in an odd byte get the container's real stamp
// written in, so that the list trusts the head and reads what follows. Whatever the file holds,
// nothing may crash, every thumbnail ends known, and each one shown has the list's thumbnail size.

#include "base/FileStorage.h"
#include "base/PictureList.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

const QSize ThumbnailSize(16, 16);

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

QByteArray pngOf(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        std::abort();
    return bytes;
}

struct TFixture {
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/thumbcache-fuzz-XXXXXX")};
    QString container;
    QString cacheFolder;
    QByteArray containerBytes;
    std::vector<TPictureList::TEntry> entries;
    TFileStamp stamp;

    TFixture()
    {
        // Left in place on request, so that the caches the lists write can seed the corpus.
        dir.setAutoRemove(!qEnvironmentVariableIsSet("THUMBCACHE_FUZZ_KEEP"));
        container = dir.filePath(QStringLiteral("pictures.stg"));
        cacheFolder = dir.filePath(QStringLiteral("cache"));
        QDir().mkpath(cacheFolder);
        const QString source = dir.filePath(QStringLiteral("source"));
        // Two pictures and an entry that does not decode.
        for (const QByteArray &bytes :
             {pngOf(QSize(40, 30), Qt::red), QByteArray("not a picture at all"),
              pngOf(QSize(20, 50), QColor(0, 0, 255, 128))}) {
            writeBytes(source, bytes);
            AppendStorageItem(container, source);
        }
        std::vector<TStorageItem> items;
        LocateStorageItems(container, items);
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            TPictureList::TEntry e;
            e.container = container;
            e.entry = i;
            e.offset = items[static_cast<size_t>(i)].Offset;
            e.length = items[static_cast<size_t>(i)].Length;
            entries.push_back(e);
        }
        QFile file(container);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        containerBytes = file.readAll();
        // A stamp is trusted only once the file has been left alone a while.
        stamp = StampOf(container);
        while (!IsSettled(stamp))
            QThread::msleep(200);
    }
};

TFixture &fixture()
{
    static int argc = 1;
    static char name[] = "thumbcache_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static TFixture f;
    return f;
}

void checkEveryThumbnail(TPictureList &list, int count)
{
    list.RequestAllThumbnails();
    for (int i = 0; i < count; ++i) {
        const QImage thumbnail = list.Thumbnail(i);
        if (!thumbnail.isNull() && thumbnail.size() != ThumbnailSize)
            std::abort();
    }
    list.Finish();
    if (!list.ThumbnailsKnown())
        std::abort();
    for (int i = 0; i < count; ++i) {
        const QImage thumbnail = list.Thumbnail(i);
        if (!thumbnail.isNull() && thumbnail.size() != ThumbnailSize)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TFixture &f = fixture();
    QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const int count = static_cast<int>(f.entries.size());

    // The stamped form: magic, width, height and count, then the stamp (five 64-bit numbers).
    const QByteArray magic("VPTHUMB2");
    const qsizetype stampAt = magic.size() + 12;
    if (input.startsWith(magic) && input.size() >= stampAt + 40 && (input.back() & 1)) {
        QByteArray stamp;
        QDataStream out(&stamp, QIODevice::WriteOnly);
        out << f.stamp.size << f.stamp.modified << f.stamp.changed << f.stamp.inode
            << f.stamp.device;
        input.replace(stampAt, stamp.size(), stamp);
    }
    {
        TPictureList list(f.cacheFolder, ThumbnailSize);
        writeBytes(list.CacheFile(f.container), input);
        list.AddLocatedContainer(f.container, f.entries);
        checkEveryThumbnail(list, count);
    }
    {
        TPictureList list(f.cacheFolder, ThumbnailSize);
        writeBytes(list.CacheFile(f.container, f.containerBytes), input);
        const std::vector<bool> damaged =
            list.AddReadContainer(f.container, f.containerBytes, f.entries, true);
        if (static_cast<int>(damaged.size()) != count)
            std::abort();
        checkEveryThumbnail(list, count);
        // From now on found by the stamp: the cache written here is the input of no run, but
        // its writing follows whatever the list read.
        list.KeepCacheByStamp(list.Entry(0).containerIndex, f.stamp);
    }
    {
        // The container only located, its thumbnails taken from the cache when that answers for
        // all of them, the bytes copied once the rest is asked for.
        TPictureList list(f.cacheFolder, ThumbnailSize);
        writeBytes(list.CacheFile(f.container), input);
        if (const auto damaged = list.AddCachedContainer(f.container, f.entries)) {
            if (static_cast<int>(damaged->size()) != count)
                std::abort();
            checkEveryThumbnail(list, count);
        }
    }
    return 0;
}
