#include "base/PictureList.h"

#include "base/FileStorage.h"
#include "base/TemplatePicture.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <algorithm>

namespace {

const QByteArray CacheMagic("VPTHUMB1");

QByteArray ReadEntry(const TPictureList::TEntry &entry)
{
    if (entry.container.isEmpty() || !entry.bytes.isNull())
        return entry.bytes;
    QFile file(entry.container);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(entry.offset))
        return {};
    return file.read(entry.length);
}

std::shared_ptr<const TPNGObject> Decode(const QByteArray &bytes)
{
    auto picture = std::make_shared<TPNGObject>();
    picture->loadFromData(bytes);
    // A palette index past the palette decodes but fails every later conversion.
    if (picture->colorType() == 3)
        CheckConvertible(*picture);
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
    // Mapped where the system allows it: the pixels are copied once, from the file cache.
    QByteArray bytes;
    if (const uchar *map = file.map(0, file.size()))
        bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(map),
                                        static_cast<qsizetype>(file.size()));
    else
        bytes = file.readAll();
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

void TPictureList::Clear()
{
    m_pool.clear();
    m_pool.waitForDone();
    ++m_generation;
    m_entries.clear();
    m_thumbnails.clear();
    m_state.clear();
    m_containers.clear();
    m_waiting.clear();
    m_kept.clear();
}

QString TPictureList::CacheFile(const QString &container, const QByteArray &containerBytes) const
{
    const QByteArray place = QCryptographicHash::hash(
        QFileInfo(container).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1);
    const QByteArray key = QCryptographicHash::hash(containerBytes, QCryptographicHash::Sha1);
    return QDir(m_cacheFolder)
        .filePath(QStringLiteral("thumbnails/%1-%2-%3x%4.bin")
                      .arg(QString::fromLatin1(place.toHex().left(16)))
                      .arg(QString::fromLatin1(key.toHex()))
                      .arg(m_size.width())
                      .arg(m_size.height()));
}

int TPictureList::Append(TEntry entry)
{
    entry.id = m_nextId++;
    m_entries.push_back(std::move(entry));
    m_thumbnails.emplace_back();
    m_state.push_back(TState::Unknown);
    return Count() - 1;
}

int TPictureList::IndexOf(quint64 id) const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].id == id)
            return static_cast<int>(i);
    return -1;
}

std::vector<int> TPictureList::EntriesOf(int container) const
{
    std::vector<int> out;
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].containerIndex == container)
            out.push_back(static_cast<int>(i));
    // In the container's own order, which may differ from the list's.
    std::sort(out.begin(), out.end(), [this](int a, int b) {
        return m_entries[static_cast<size_t>(a)].entry < m_entries[static_cast<size_t>(b)].entry;
    });
    return out;
}

int TPictureList::AddContainer(const QString &container)
{
    const int first = Count();
    const int index = static_cast<int>(m_containers.size());
    m_containers.push_back({container, QString(), false, 0});
    QString damage;
    std::vector<TStorageItem> items;
    try {
        LocateStorageItems(container, items);
    } catch (const EVantelleError &e) {
        damage = e.message();
    }
    for (int entry = 0; entry < static_cast<int>(items.size()); ++entry) {
        const TStorageItem &item = items[static_cast<size_t>(entry)];
        Append({container, entry, item.Offset, item.Length, QByteArray(), 0, index});
    }
    TContainer &added = m_containers.back();
    const int count = Count() - first;
    added.missing = count;
    if (count == 0 || m_cacheFolder.isEmpty()) {
        added.cacheLooked = true;
    } else {
        const QSize size = m_size;
        const quint64 generation = m_generation;
        // Hashing a large usr.stg takes a while; it runs on a worker, ahead of any decoding.
        m_pool.start(
            [this, generation, index, container, size, count] {
                QFile file(container);
                QByteArray bytes;
                if (file.open(QIODevice::ReadOnly))
                    bytes = file.readAll();
                const QString cache = CacheFile(container, bytes);
                std::vector<QImage> thumbnails;
                std::vector<bool> damaged;
                if (!ReadCache(cache, size, count, thumbnails, damaged))
                    thumbnails.clear();
                QMetaObject::invokeMethod(
                    this,
                    [this, generation, index, cache, thumbnails = std::move(thumbnails),
                     damaged = std::move(damaged)]() mutable {
                        OnCacheRead(generation, index, cache, std::move(thumbnails),
                                    std::move(damaged));
                    },
                    Qt::QueuedConnection);
            },
            100);
    }
    if (!damage.isEmpty())
        throw EVantelleError(damage);
    return first;
}

std::vector<bool> TPictureList::AddReadContainer(const QString &container,
                                                 const QByteArray &fileBytes,
                                                 const std::vector<TEntry> &entries, bool keepBytes)
{
    const int first = Count();
    const int index = static_cast<int>(m_containers.size());
    m_containers.push_back({container, QString(), true, 0});
    for (const TEntry &e : entries)
        Append({container, e.entry, e.offset, e.length,
                keepBytes ? QByteArray(fileBytes.constData() + e.offset, e.length) : QByteArray(),
                0, index});
    const int count = Count() - first;
    std::vector<bool> damaged(static_cast<size_t>(count), false);
    if (count == 0)
        return damaged;

    TContainer &added = m_containers.back();
    std::vector<QImage> thumbnails;
    if (!m_cacheFolder.isEmpty()) {
        added.cacheFile = CacheFile(container, fileBytes);
        if (!ReadCache(added.cacheFile, m_size, count, thumbnails, damaged))
            thumbnails.clear();
    }
    const bool cached = !thumbnails.empty();
    if (!cached) {
        // Made on the workers from the bytes already read; only the thumbnails stay.
        thumbnails.assign(static_cast<size_t>(count), QImage());
        const QSize size = m_size;
        for (int k = 0; k < count; ++k) {
            const TEntry &e = entries[static_cast<size_t>(k)];
            const QByteArray bytes =
                QByteArray::fromRawData(fileBytes.constData() + e.offset,
                                        std::min<qsizetype>(e.length, fileBytes.size() - e.offset));
            m_pool.start([&thumbnails, k, bytes, size] {
                thumbnails[static_cast<size_t>(k)] = MakeThumbnail(bytes, size);
            });
        }
        m_pool.waitForDone();
    }
    for (int k = 0; k < count; ++k) {
        const size_t i = static_cast<size_t>(first + k);
        if (!cached)
            damaged[static_cast<size_t>(k)] = thumbnails[static_cast<size_t>(k)].isNull();
        m_thumbnails[i] = std::move(thumbnails[static_cast<size_t>(k)]);
        m_state[i] = damaged[static_cast<size_t>(k)] ? TState::Damaged : TState::Ready;
    }
    if (!cached)
        WriteCache(index);
    return damaged;
}

int TPictureList::AddBytes(const QByteArray &bytes)
{
    return Append({QString(), 0, 0, static_cast<qint32>(bytes.size()), bytes, 0, -1});
}

int TPictureList::AddStored(int containerIndex, int entry)
{
    const QString path = m_containers[static_cast<size_t>(containerIndex)].path;
    const int i = Append({path, entry, 0, 0, QByteArray(), 0, containerIndex});
    ContainerChanged(containerIndex, entry);
    return i;
}

void TPictureList::Store(int i, int containerIndex, int entry)
{
    TEntry &e = m_entries[static_cast<size_t>(i)];
    e.container = m_containers[static_cast<size_t>(containerIndex)].path;
    e.containerIndex = containerIndex;
    e.entry = entry;
    e.bytes = QByteArray();
    ContainerChanged(containerIndex, entry);
}

void TPictureList::Remove(int i, bool deleted)
{
    const TEntry gone = m_entries[static_cast<size_t>(i)];
    std::erase_if(m_kept, [&](const auto &kept) { return kept.first == gone.id; });
    std::erase(m_waiting, gone.id);
    m_entries.erase(m_entries.begin() + i);
    m_thumbnails.erase(m_thumbnails.begin() + i);
    m_state.erase(m_state.begin() + i);
    if (!deleted || gone.containerIndex < 0)
        return;
    for (TEntry &later : m_entries)
        if (later.containerIndex == gone.containerIndex && later.entry > gone.entry)
            --later.entry;
    ContainerChanged(gone.containerIndex, gone.entry);
}

void TPictureList::ContainerChanged(int containerIndex, int fromEntry)
{
    // Work still reading the container by its old places is finished first.
    m_pool.waitForDone();
    TContainer &c = m_containers[static_cast<size_t>(containerIndex)];
    std::vector<TStorageItem> items;
    try {
        LocateStorageItems(c.path, items);
    } catch (const EVantelleError &) {
    }
    for (int i : EntriesOf(containerIndex)) {
        TEntry &e = m_entries[static_cast<size_t>(i)];
        if (e.entry < fromEntry)
            continue;
        const TStorageItem item = e.entry < static_cast<int>(items.size())
                                      ? items[static_cast<size_t>(e.entry)]
                                      : TStorageItem();
        e.offset = item.Offset;
        e.length = item.Length;
    }
    c.cacheLooked = true;
    c.cacheFile.clear();
    c.missing = 0;
    for (int i : EntriesOf(containerIndex))
        if (m_state[static_cast<size_t>(i)] != TState::Ready &&
            m_state[static_cast<size_t>(i)] != TState::Damaged)
            ++c.missing;
    if (m_cacheFolder.isEmpty())
        return;
    QFile file(c.path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    c.cacheFile = CacheFile(c.path, file.readAll());
    if (c.missing == 0)
        WriteCache(containerIndex);
}

QByteArray TPictureList::Bytes(int i) const
{
    return ReadEntry(m_entries[static_cast<size_t>(i)]);
}

QSize TPictureList::PictureSize(int i) const
{
    // The signature, then the header chunk's length and type, then width and height.
    TEntry head = m_entries[static_cast<size_t>(i)];
    head.length = std::min<qint32>(head.length, 24);
    const QByteArray bytes = ReadEntry(head).left(24);
    if (bytes.size() < 24 || bytes.mid(12, 4) != "IHDR")
        return {};
    auto number = [&](int at) {
        return int(quint8(bytes[at]) << 24 | quint8(bytes[at + 1]) << 16 |
                   quint8(bytes[at + 2]) << 8 | quint8(bytes[at + 3]));
    };
    return QSize(number(16), number(20));
}

void TPictureList::OnCacheRead(quint64 generation, int container, QString cacheFile,
                               std::vector<QImage> thumbnails, std::vector<bool> damaged)
{
    if (generation != m_generation)
        return;
    TContainer &c = m_containers[static_cast<size_t>(container)];
    c.cacheFile = std::move(cacheFile);
    c.cacheLooked = true;
    const std::vector<int> members = EntriesOf(container);
    if (!thumbnails.empty() && thumbnails.size() == members.size()) {
        c.missing = 0;
        for (size_t k = 0; k < members.size(); ++k) {
            const size_t i = static_cast<size_t>(members[k]);
            if (m_state[i] == TState::Ready || m_state[i] == TState::Damaged)
                continue;
            m_thumbnails[i] = std::move(thumbnails[k]);
            m_state[i] = damaged[k] ? TState::Damaged : TState::Ready;
            emit ThumbnailReady(static_cast<int>(i));
        }
    }
    // What was asked for meanwhile and the cache did not have, in the order it was asked.
    std::vector<quint64> waiting;
    waiting.swap(m_waiting);
    int priority = 50;
    for (quint64 id : waiting) {
        const int i = IndexOf(id);
        if (i < 0)
            continue;
        if (m_entries[static_cast<size_t>(i)].containerIndex == container)
            QueueThumbnail(i, priority > 0 ? priority-- : 0);
        else
            m_waiting.push_back(id);
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
        const int c = m_entries[static_cast<size_t>(i)].containerIndex;
        if (c >= 0 && !m_containers[static_cast<size_t>(c)].cacheLooked) {
            const quint64 id = m_entries[static_cast<size_t>(i)].id;
            if (std::find(m_waiting.begin(), m_waiting.end(), id) == m_waiting.end())
                m_waiting.push_back(id);
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
        [this, entry, size] {
            QImage thumbnail = MakeThumbnail(ReadEntry(entry), size);
            const bool damaged = thumbnail.isNull();
            const quint64 id = entry.id;
            QMetaObject::invokeMethod(
                this,
                [this, id, thumbnail = std::move(thumbnail), damaged]() mutable {
                    OnThumbnail(id, std::move(thumbnail), damaged);
                },
                Qt::QueuedConnection);
        },
        priority);
}

void TPictureList::OnThumbnail(quint64 id, QImage thumbnail, bool damaged)
{
    const int i = IndexOf(id);
    if (i < 0)
        return;
    m_thumbnails[static_cast<size_t>(i)] = std::move(thumbnail);
    m_state[static_cast<size_t>(i)] = damaged ? TState::Damaged : TState::Ready;
    emit ThumbnailReady(i);
    const int c = m_entries[static_cast<size_t>(i)].containerIndex;
    if (c >= 0 && m_containers[static_cast<size_t>(c)].missing > 0 &&
        --m_containers[static_cast<size_t>(c)].missing == 0)
        WriteCache(c);
}

void TPictureList::WriteCache(int container)
{
    const TContainer &c = m_containers[static_cast<size_t>(container)];
    if (c.cacheFile.isEmpty())
        return;
    const std::vector<int> members = EntriesOf(container);
    const QString &path = c.cacheFile;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out.writeRawData(CacheMagic.constData(), static_cast<int>(CacheMagic.size()));
    out << qint32(m_size.width()) << qint32(m_size.height())
        << qint32(static_cast<int>(members.size()));
    for (int i : members)
        out << quint8(m_state[static_cast<size_t>(i)] == TState::Ready ? 1 : 2);
    for (int i : members) {
        const QImage &image = m_thumbnails[static_cast<size_t>(i)];
        if (m_state[static_cast<size_t>(i)] != TState::Ready)
            continue;
        for (int y = 0; y < image.height(); ++y)
            out.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)),
                             image.width() * 4);
    }
    // A cache that cannot be written is made again next time; nothing more is lost.
    if (!file.commit())
        return;
    // The container's earlier bytes will not come back often enough to keep their thumbnails.
    const QFileInfo written(path);
    const QString name = written.fileName();
    const QString place = name.section(QLatin1Char('-'), 0, 0) + QLatin1Char('-');
    const QString size = QLatin1Char('-') + name.section(QLatin1Char('-'), 2);
    for (const QString &other : written.dir().entryList(QDir::Files))
        if (other != name && other.startsWith(place) && other.endsWith(size))
            QFile::remove(written.dir().filePath(other));
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
    const quint64 id = m_entries[static_cast<size_t>(i)].id;
    for (const auto &[kept, picture] : m_kept)
        if (kept == id)
            return picture;
    auto picture = Decode(ReadEntry(m_entries[static_cast<size_t>(i)]));
    Keep(id, picture);
    return picture;
}

bool TPictureList::IsKept(int i) const
{
    const quint64 id = m_entries[static_cast<size_t>(i)].id;
    return std::any_of(m_kept.begin(), m_kept.end(),
                       [id](const auto &kept) { return kept.first == id; });
}

void TPictureList::RequestPicture(int i)
{
    const TEntry entry = m_entries[static_cast<size_t>(i)];
    m_pool.start(
        [this, entry] {
            std::shared_ptr<const TPNGObject> picture;
            try {
                picture = Decode(ReadEntry(entry));
            } catch (const std::exception &) {
            }
            const quint64 id = entry.id;
            QMetaObject::invokeMethod(
                this, [this, id, picture] { OnPicture(id, picture); }, Qt::QueuedConnection);
        },
        60);
}

void TPictureList::OnPicture(quint64 id, std::shared_ptr<const TPNGObject> picture)
{
    const int i = IndexOf(id);
    if (i < 0)
        return;
    if (picture)
        Keep(id, std::move(picture));
    else
        m_state[static_cast<size_t>(i)] = TState::Damaged;
    emit PictureReady(i);
}

void TPictureList::Keep(quint64 id, std::shared_ptr<const TPNGObject> picture)
{
    std::erase_if(m_kept, [id](const auto &kept) { return kept.first == id; });
    m_kept.emplace_front(id, std::move(picture));
    while (m_kept.size() > static_cast<size_t>(KeptPictures))
        m_kept.pop_back();
}
