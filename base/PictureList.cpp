#include "base/PictureList.h"

#include "base/FileStorage.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

namespace {

const QByteArray CacheMagic("VPTHUMB1");

QByteArray ReadEntry(const TPictureList::TEntry &entry)
{
    QFile file(entry.container);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(entry.offset))
        return {};
    return file.read(entry.length);
}

std::shared_ptr<const TPNGObject> Decode(const QByteArray &bytes)
{
    auto picture = std::make_shared<TPNGObject>();
    picture->loadFromData(bytes);
    return picture;
}

// The grid's cell: the picture drawn over white at the thumbnail's size. Null when the bytes do
// not make a picture that can be drawn.
QImage MakeThumbnail(const QByteArray &bytes, QSize size)
{
    try {
        const auto picture = Decode(bytes);
        QImage thumbnail(size, QImage::Format_RGB32);
        thumbnail.fill(Qt::white);
        picture->draw(thumbnail, QRect(QPoint(0, 0), size));
        return thumbnail;
    } catch (const std::exception &) {
        return {};
    }
}

// A cache file holds, after its magic, size and count, one status byte per entry (1 made,
// 2 does not decode) and the pixels of every made thumbnail. Anything that does not add up
// exactly is ignored: the file is only a cache, and the user's folder holds it.
bool ReadCache(const QString &path, QSize size, int count, std::vector<QImage> &thumbnails,
               std::vector<bool> &damaged)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 pixels = qint64(size.width()) * size.height() * 4;
    if (file.size() < CacheMagic.size() + 12 + count ||
        file.size() > CacheMagic.size() + 12 + count * (1 + pixels))
        return false;
    const QByteArray bytes = file.readAll();
    QDataStream in(bytes);
    in.skipRawData(static_cast<int>(CacheMagic.size()));
    qint32 width = 0, height = 0, entries = 0;
    in >> width >> height >> entries;
    if (!bytes.startsWith(CacheMagic) || width != size.width() || height != size.height() ||
        entries != count)
        return false;
    std::vector<char> status(static_cast<size_t>(count));
    if (in.readRawData(status.data(), count) != count)
        return false;
    qint64 made = 0;
    for (char s : status) {
        if (s != 1 && s != 2)
            return false;
        made += s == 1;
    }
    if (bytes.size() != CacheMagic.size() + 12 + count + made * pixels)
        return false;
    thumbnails.assign(static_cast<size_t>(count), QImage());
    damaged.assign(static_cast<size_t>(count), false);
    for (int i = 0; i < count; ++i) {
        if (status[static_cast<size_t>(i)] == 2) {
            damaged[static_cast<size_t>(i)] = true;
            continue;
        }
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            in.readRawData(reinterpret_cast<char *>(image.scanLine(y)), size.width() * 4);
        thumbnails[static_cast<size_t>(i)] = std::move(image);
    }
    return in.status() == QDataStream::Ok;
}

} // namespace

TPictureList::TPictureList(QString cacheFolder, QSize thumbnailSize, QObject *parent)
    : QObject(parent), m_cacheFolder(std::move(cacheFolder)), m_size(thumbnailSize)
{
    // Both cores: the grid's first page of thumbnails is what the user waits for.
    m_pool.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
}

TPictureList::~TPictureList()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void TPictureList::WaitForDone()
{
    m_pool.waitForDone();
}

QString TPictureList::CacheFile(const QByteArray &containerBytes) const
{
    const QByteArray key = QCryptographicHash::hash(containerBytes, QCryptographicHash::Sha1);
    return QDir(m_cacheFolder)
        .filePath(QStringLiteral("thumbnails/%1-%2x%3.bin")
                      .arg(QString::fromLatin1(key.toHex()))
                      .arg(m_size.width())
                      .arg(m_size.height()));
}

int TPictureList::AddContainer(const QString &container)
{
    const int first = Count();
    const int index = static_cast<int>(m_containers.size());
    m_containers.push_back({container, first, 0, QString(), false, 0});
    QString damage;
    for (int entry = 0;; ++entry) {
        TStorageItem item;
        try {
            item = LocateStorageItem(container, entry);
        } catch (const EVantelleError &e) {
            damage = e.message();
            break;
        }
        if (item.Offset == 0)
            break;
        m_entries.push_back({container, entry, item.Offset, item.Length});
        m_thumbnails.emplace_back();
        m_state.push_back(TState::Unknown);
    }
    TContainer &added = m_containers.back();
    added.count = Count() - first;
    added.missing = added.count;
    if (added.count == 0 || m_cacheFolder.isEmpty()) {
        added.cacheLooked = true;
    } else {
        const QSize size = m_size;
        const int count = added.count;
        // Hashing a large usr.stg takes a while; it runs on a worker, ahead of any decoding.
        m_pool.start(
            [this, index, container, size, count] {
                QFile file(container);
                QByteArray bytes;
                if (file.open(QIODevice::ReadOnly))
                    bytes = file.readAll();
                const QString cache = CacheFile(bytes);
                std::vector<QImage> thumbnails;
                std::vector<bool> damaged;
                if (!ReadCache(cache, size, count, thumbnails, damaged))
                    thumbnails.clear();
                QMetaObject::invokeMethod(
                    this,
                    [this, index, cache, thumbnails = std::move(thumbnails),
                     damaged = std::move(damaged)]() mutable {
                        OnCacheRead(index, cache, std::move(thumbnails), std::move(damaged));
                    },
                    Qt::QueuedConnection);
            },
            100);
    }
    if (!damage.isEmpty())
        throw EVantelleError(damage);
    return first;
}

int TPictureList::ContainerOf(int i) const
{
    for (size_t c = 0; c < m_containers.size(); ++c)
        if (i >= m_containers[c].first && i < m_containers[c].first + m_containers[c].count)
            return static_cast<int>(c);
    return -1;
}

void TPictureList::OnCacheRead(int container, QString cacheFile, std::vector<QImage> thumbnails,
                               std::vector<bool> damaged)
{
    TContainer &c = m_containers[static_cast<size_t>(container)];
    c.cacheFile = std::move(cacheFile);
    c.cacheLooked = true;
    if (!thumbnails.empty()) {
        c.missing = 0;
        for (int k = 0; k < c.count; ++k) {
            const int i = c.first + k;
            if (m_state[static_cast<size_t>(i)] == TState::Ready ||
                m_state[static_cast<size_t>(i)] == TState::Damaged)
                continue;
            m_thumbnails[static_cast<size_t>(i)] = std::move(thumbnails[static_cast<size_t>(k)]);
            m_state[static_cast<size_t>(i)] =
                damaged[static_cast<size_t>(k)] ? TState::Damaged : TState::Ready;
            emit ThumbnailReady(i);
        }
    }
    // What was asked for meanwhile and the cache did not have, in the order it was asked.
    std::vector<int> waiting;
    waiting.swap(m_waiting);
    int priority = 50;
    for (int i : waiting) {
        if (ContainerOf(i) == container)
            QueueThumbnail(i, priority > 0 ? priority-- : 0);
        else
            m_waiting.push_back(i);
    }
}

void TPictureList::RequestThumbnails(int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, Count() - 1);
    int priority = 50;
    for (int i = first; i <= last; ++i) {
        if (m_state[static_cast<size_t>(i)] != TState::Unknown)
            continue;
        const int c = ContainerOf(i);
        if (!m_containers[static_cast<size_t>(c)].cacheLooked) {
            m_waiting.push_back(i);
            continue;
        }
        QueueThumbnail(i, priority > 0 ? priority-- : 0);
    }
}

void TPictureList::QueueThumbnail(int i, int priority)
{
    if (m_state[static_cast<size_t>(i)] != TState::Unknown)
        return;
    m_state[static_cast<size_t>(i)] = TState::Queued;
    const TEntry entry = m_entries[static_cast<size_t>(i)];
    const QSize size = m_size;
    m_pool.start(
        [this, i, entry, size] {
            QImage thumbnail = MakeThumbnail(ReadEntry(entry), size);
            const bool damaged = thumbnail.isNull();
            QMetaObject::invokeMethod(
                this,
                [this, i, thumbnail = std::move(thumbnail), damaged]() mutable {
                    OnThumbnail(i, std::move(thumbnail), damaged);
                },
                Qt::QueuedConnection);
        },
        priority);
}

void TPictureList::OnThumbnail(int i, QImage thumbnail, bool damaged)
{
    m_thumbnails[static_cast<size_t>(i)] = std::move(thumbnail);
    m_state[static_cast<size_t>(i)] = damaged ? TState::Damaged : TState::Ready;
    emit ThumbnailReady(i);
    const int c = ContainerOf(i);
    if (--m_containers[static_cast<size_t>(c)].missing == 0)
        WriteCache(c);
}

void TPictureList::WriteCache(int container)
{
    const TContainer &c = m_containers[static_cast<size_t>(container)];
    if (c.cacheFile.isEmpty())
        return;
    const QString &path = c.cacheFile;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out.writeRawData(CacheMagic.constData(), static_cast<int>(CacheMagic.size()));
    out << qint32(m_size.width()) << qint32(m_size.height()) << qint32(c.count);
    for (int k = 0; k < c.count; ++k)
        out << quint8(m_state[static_cast<size_t>(c.first + k)] == TState::Ready ? 1 : 2);
    for (int k = 0; k < c.count; ++k) {
        const QImage &image = m_thumbnails[static_cast<size_t>(c.first + k)];
        if (m_state[static_cast<size_t>(c.first + k)] != TState::Ready)
            continue;
        for (int y = 0; y < image.height(); ++y)
            out.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)),
                             image.width() * 4);
    }
    // A cache that cannot be written is made again next time; nothing more is lost.
    file.commit();
}

QImage TPictureList::Thumbnail(int i) const
{
    return m_thumbnails[static_cast<size_t>(i)];
}

bool TPictureList::IsDamaged(int i) const
{
    return m_state[static_cast<size_t>(i)] == TState::Damaged;
}

std::shared_ptr<const TPNGObject> TPictureList::Picture(int i)
{
    for (const auto &[index, picture] : m_kept)
        if (index == i)
            return picture;
    auto picture = Decode(ReadEntry(m_entries[static_cast<size_t>(i)]));
    Keep(i, picture);
    return picture;
}

void TPictureList::RequestPicture(int i)
{
    const TEntry entry = m_entries[static_cast<size_t>(i)];
    m_pool.start(
        [this, i, entry] {
            std::shared_ptr<const TPNGObject> picture;
            try {
                picture = Decode(ReadEntry(entry));
            } catch (const std::exception &) {
            }
            QMetaObject::invokeMethod(
                this, [this, i, picture] { OnPicture(i, picture); }, Qt::QueuedConnection);
        },
        60);
}

void TPictureList::OnPicture(int i, std::shared_ptr<const TPNGObject> picture)
{
    if (picture)
        Keep(i, std::move(picture));
    else
        m_state[static_cast<size_t>(i)] = TState::Damaged;
    emit PictureReady(i);
}

void TPictureList::Keep(int i, std::shared_ptr<const TPNGObject> picture)
{
    std::erase_if(m_kept, [i](const auto &kept) { return kept.first == i; });
    m_kept.emplace_front(i, std::move(picture));
    while (m_kept.size() > static_cast<size_t>(KeptPictures))
        m_kept.pop_back();
}
