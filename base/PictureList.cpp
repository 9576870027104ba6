#include "base/PictureList.h"

#include "base/FileStorage.h"
#include "base/TemplatePicture.h"
#include "base/ThumbnailCacheFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <algorithm>

namespace {

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
// not make a picture that can be drawn; failure then says why, as the codec put it.
QImage DrawThumbnail(const QByteArray &bytes, QSize size, QString *failure = nullptr)
{
    try {
        const auto picture = Decode(bytes);
        QImage thumbnail(size, QImage::Format_RGB32);
        thumbnail.fill(Qt::white);
        picture->draw(thumbnail, QRect(QPoint(0, 0), size));
        return thumbnail;
    } catch (const EVantelleError &e) {
        if (failure)
            *failure = e.message();
    } catch (const std::exception &e) {
        if (failure)
            *failure = QString::fromLocal8Bit(e.what());
    }
    return {};
}

QByteArray Sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
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
    // What this run made is kept for the next even when not every thumbnail is made yet.
    for (size_t c = 0; c < m_containers.size(); ++c)
        if (m_containers[c].byStamp && m_containers[c].made)
            WriteStampedCache(static_cast<int>(c), true);
}

void TPictureList::WaitForDone()
{
    m_pool.waitForDone();
}

void TPictureList::Finish()
{
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this);
    // Whatever is still open (no event loop delivered it) is done here.
    for (size_t c = 0; c < m_containers.size(); ++c)
        if (!m_containers[c].cacheLooked) {
            m_containers[c].cacheLooked = true;
            AfterCacheLooked(static_cast<int>(c));
        }
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this);
    for (int i = 0; i < Count(); ++i)
        if (m_state[static_cast<size_t>(i)] == TState::Queued)
            MakeThumbnail(i);
}

void TPictureList::StopWork()
{
    m_pool.clear();
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this);
    // What was dropped is asked for again: by the grid when it paints, by ResumeWork.
    for (TState &state : m_state)
        if (state == TState::Queued)
            state = TState::Unknown;
    m_waiting.clear();
    for (TContainer &c : m_containers) {
        c.cacheLooked = true;
        // A copy dropped before it started is asked for again with the thumbnails.
        c.copying = false;
    }
}

void TPictureList::ResumeWork()
{
    if (m_all)
        RequestAllThumbnails();
}

void TPictureList::Clear()
{
    m_pool.clear();
    m_pool.waitForDone();
    ++m_generation;
    m_entries.clear();
    m_thumbnails.clear();
    m_state.clear();
    m_fingerprints.clear();
    m_cacheOffset.clear();
    m_containers.clear();
    m_waiting.clear();
    m_kept.clear();
    m_loaded.clear();
    m_all = false;
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

QString TPictureList::CacheFile(const QString &container) const
{
    const QByteArray place = QCryptographicHash::hash(
        QFileInfo(container).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1);
    return QDir(m_cacheFolder)
        .filePath(QStringLiteral("thumbnails/%1-stamped-%2x%3.bin")
                      .arg(QString::fromLatin1(place.toHex().left(16)))
                      .arg(m_size.width())
                      .arg(m_size.height()));
}

int TPictureList::Append(TEntry entry)
{
    entry.id = m_nextId++;
    m_entries.push_back(std::move(entry));
    m_thumbnails.emplace_back();
    m_state.push_back(TState::Unknown);
    m_fingerprints.emplace_back();
    m_cacheOffset.push_back(-1);
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
    QString damage;
    std::vector<TStorageItem> items;
    try {
        LocateStorageItems(container, items);
    } catch (const EVantelleError &e) {
        damage = e.message();
    }
    std::vector<TEntry> entries;
    for (int entry = 0; entry < static_cast<int>(items.size()); ++entry) {
        const TStorageItem &item = items[static_cast<size_t>(entry)];
        entries.push_back({container, entry, item.Offset, item.Length, QByteArray(), 0, -1, false});
    }
    const int first = AddLocatedContainer(container, entries);
    if (!damage.isEmpty())
        throw EVantelleError(damage);
    return first;
}

int TPictureList::AddLocatedContainer(const QString &container, const std::vector<TEntry> &entries)
{
    const int first = Count();
    const int index = static_cast<int>(m_containers.size());
    TContainer added;
    added.path = container;
    added.byStamp = true;
    added.stamp = StampOf(container);
    added.stampSettled = IsSettled(added.stamp);
    added.cacheLooked = true;
    m_containers.push_back(std::move(added));
    for (const TEntry &e : entries)
        Append({container, e.entry, e.offset, e.length, QByteArray(), 0, index, false});
    const int count = Count() - first;
    TContainer &c = m_containers.back();
    c.missing = count;
    if (count == 0 || m_cacheFolder.isEmpty())
        return first;
    c.cacheFile = CacheFile(container);
    const std::shared_ptr<TCacheIndex> cached = ReadStampedCache(c.cacheFile, m_size, count);
    if (!cached)
        return first;
    if (!c.stamp.IsNone() && cached->stamp == c.stamp) {
        // Written for this very state of the container: nothing of it needs to be read.
        Adopt(index, *cached);
        return first;
    }
    // The container was written since (or too shortly before the cache): its entries are read
    // and checked against the cache on a worker, ahead of any decoding.
    c.cacheLooked = false;
    const quint64 generation = m_generation;
    const std::vector<TEntry> members(m_entries.begin() + first, m_entries.end());
    const TFileStamp stamp = c.stamp;
    m_pool.start(
        [this, generation, index, members, stamp, cached] {
            QFile file(members.front().container);
            bool same = file.open(QIODevice::ReadOnly);
            for (size_t k = 0; same && k < members.size(); ++k) {
                const TEntry &e = members[k];
                const QByteArray bytes = file.seek(e.offset) ? file.read(e.length) : QByteArray();
                // An entry not made when the cache was written has nothing to check.
                same = bytes.size() == e.length &&
                       (cached->status[k] == 0 || Sha256(bytes) == cached->fingerprints[k]);
            }
            // Only bytes read while the container stayed as it was stamped answer for it.
            same = same && StampOf(members.front().container) == stamp;
            QMetaObject::invokeMethod(
                this,
                [this, generation, index, cached, same] {
                    OnCacheChecked(generation, index, cached, same);
                },
                Qt::QueuedConnection);
        },
        100);
    return first;
}

void TPictureList::OnCacheChecked(quint64 generation, int container,
                                  std::shared_ptr<TCacheIndex> index, bool same)
{
    if (generation != m_generation)
        return;
    TContainer &c = m_containers[static_cast<size_t>(container)];
    if (c.cacheLooked)
        return; // given up meanwhile (the container is being changed)
    c.cacheLooked = true;
    if (same) {
        Adopt(container, *index);
        // The next start need not read the container again to trust the cache.
        if (c.stampSettled && c.stamp == StampOf(c.path)) {
            QFile file(c.cacheFile);
            if (file.open(QIODevice::ReadWrite))
                RewriteCacheStamp(file, c.stamp);
        }
    }
    AfterCacheLooked(container);
}

void TPictureList::Adopt(int container, const TCacheIndex &index)
{
    TContainer &c = m_containers[static_cast<size_t>(container)];
    const std::vector<int> members = EntriesOf(container);
    if (members.size() != index.status.size())
        return;
    c.cacheIn = index.file;
    c.missing = 0;
    for (size_t k = 0; k < members.size(); ++k) {
        const int i = members[k];
        TState &state = m_state[static_cast<size_t>(i)];
        if (state != TState::Unknown && state != TState::Queued)
            continue;
        if (index.status[k] == 0) {
            ++c.missing;
            continue;
        }
        m_fingerprints[static_cast<size_t>(i)] = index.fingerprints[k];
        m_thumbnails[static_cast<size_t>(i)] = QImage();
        if (index.status[k] == 2) {
            state = TState::Damaged;
        } else {
            state = TState::Cached;
            m_cacheOffset[static_cast<size_t>(i)] = index.offsets[k];
        }
    }
    for (const int i : members) {
        const TState state = m_state[static_cast<size_t>(i)];
        if (state == TState::Cached || state == TState::Damaged)
            emit ThumbnailReady(i);
        if (state == TState::Damaged)
            emit DamageFound(i, QString());
    }
}

void TPictureList::AfterCacheLooked(int container)
{
    // What was asked for meanwhile, in the order it was asked.
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
    if (m_all)
        for (const int i : EntriesOf(container))
            if (!m_entries[static_cast<size_t>(i)].decoded)
                QueueThumbnail(i, 0);
}

std::vector<bool> TPictureList::AddReadContainer(const QString &container,
                                                 const QByteArray &fileBytes,
                                                 const std::vector<TEntry> &entries, bool keepBytes,
                                                 bool contentCache, int makeNow)
{
    const int first = Count();
    const int index = static_cast<int>(m_containers.size());
    TContainer read;
    read.path = container;
    read.cacheLooked = true;
    m_containers.push_back(std::move(read));
    for (const TEntry &e : entries)
        Append({container, e.entry, e.offset, e.length,
                keepBytes ? QByteArray(fileBytes.constData() + e.offset, e.length) : QByteArray(),
                0, index, false});
    const int count = Count() - first;
    std::vector<bool> damaged(static_cast<size_t>(count), false);
    if (count == 0)
        return damaged;

    TContainer &added = m_containers.back();
    std::vector<QImage> thumbnails;
    std::vector<qint64> offsets;
    bool cached = false;
    if (!m_cacheFolder.isEmpty() && contentCache) {
        added.cacheFile = CacheFile(container, fileBytes);
        cached = ReadWholeCache(added.cacheFile, m_size, count, added.cacheIn, offsets, damaged);
    }
    // Without their bytes kept, the entries not made now would be read again from the file.
    const int made = makeNow < 0 || !keepBytes ? count : std::min(makeNow, count);
    if (!cached) {
        // Made on the workers from the bytes already read; only the thumbnails stay.
        damaged.assign(static_cast<size_t>(count), false);
        thumbnails.assign(static_cast<size_t>(count), QImage());
        const QSize size = m_size;
        for (int k = 0; k < made; ++k) {
            const TEntry &e = entries[static_cast<size_t>(k)];
            const QByteArray bytes =
                QByteArray::fromRawData(fileBytes.constData() + e.offset,
                                        std::min<qsizetype>(e.length, fileBytes.size() - e.offset));
            m_pool.start([&thumbnails, k, bytes, size] {
                thumbnails[static_cast<size_t>(k)] = DrawThumbnail(bytes, size);
            });
        }
        m_pool.waitForDone();
    }
    for (int k = 0; k < count; ++k) {
        const size_t i = static_cast<size_t>(first + k);
        const size_t j = static_cast<size_t>(k);
        if (cached) {
            // Known from the cache; the pixels are read from it when the cell is first drawn.
            m_cacheOffset[i] = offsets[j];
            m_state[i] = damaged[j] ? TState::Damaged : TState::Cached;
            continue;
        }
        if (k >= made) {
            // Made as the grid asks, or with the rest; the cache is written once they are.
            continue;
        }
        damaged[j] = thumbnails[j].isNull();
        m_thumbnails[i] = std::move(thumbnails[j]);
        m_state[i] = damaged[j] ? TState::Damaged : TState::Ready;
    }
    added.missing = cached ? 0 : count - made;
    if (!cached && contentCache && added.missing == 0)
        WriteCache(index);
    return damaged;
}

std::optional<std::vector<bool>>
TPictureList::AddCachedContainer(const QString &container, const std::vector<TEntry> &entries)
{
    if (m_cacheFolder.isEmpty() || entries.empty())
        return std::nullopt;
    // Only a stamp no later write can repeat answers for the bytes without reading them.
    const TFileStamp stamp = StampOf(container);
    if (!IsSettled(stamp))
        return std::nullopt;
    const int count = static_cast<int>(entries.size());
    const QString cacheFile = CacheFile(container);
    const std::shared_ptr<TCacheIndex> index = ReadStampedCache(cacheFile, m_size, count);
    if (!index || index->stamp != stamp ||
        std::find(index->status.begin(), index->status.end(), 0) != index->status.end())
        return std::nullopt;
    const int containerIndex = static_cast<int>(m_containers.size());
    TContainer added;
    added.path = container;
    added.byStamp = true;
    added.stamp = stamp;
    added.stampSettled = true;
    added.cacheLooked = true;
    added.cacheFile = cacheFile;
    added.cacheIn = index->file;
    added.copyBytes = true;
    m_containers.push_back(std::move(added));
    std::vector<bool> damaged(static_cast<size_t>(count), false);
    for (int k = 0; k < count; ++k) {
        const TEntry &e = entries[static_cast<size_t>(k)];
        const size_t i = static_cast<size_t>(Append(
            {container, e.entry, e.offset, e.length, QByteArray(), 0, containerIndex, false}));
        const size_t j = static_cast<size_t>(k);
        m_fingerprints[i] = index->fingerprints[j];
        damaged[j] = index->status[j] == 2;
        m_state[i] = damaged[j] ? TState::Damaged : TState::Cached;
        m_cacheOffset[i] = index->offsets[j];
    }
    return damaged;
}

void TPictureList::KeepCacheByStamp(int containerIndex, const TFileStamp &stamp)
{
    TContainer &c = m_containers[static_cast<size_t>(containerIndex)];
    if (m_cacheFolder.isEmpty() || !IsSettled(stamp) || StampOf(c.path) != stamp)
        return;
    const std::vector<int> members = EntriesOf(containerIndex);
    for (const int i : members) {
        const TEntry &e = m_entries[static_cast<size_t>(i)];
        if (e.bytes.isNull())
            return;
        m_fingerprints[static_cast<size_t>(i)] = Sha256(e.bytes);
    }
    c.byStamp = true;
    c.stamp = stamp;
    c.stampSettled = true;
    c.cacheFile = CacheFile(c.path);
    WriteStampedCache(containerIndex);
}

void TPictureList::CopyBytes(int container)
{
    TContainer &c = m_containers[static_cast<size_t>(container)];
    if (!c.copyBytes || c.copying)
        return;
    std::vector<quint64> ids;
    std::vector<TEntry> members;
    std::vector<QByteArray> fingerprints;
    for (const int i : EntriesOf(container)) {
        const TEntry &e = m_entries[static_cast<size_t>(i)];
        if (!e.bytes.isNull())
            continue;
        ids.push_back(e.id);
        members.push_back(e);
        fingerprints.push_back(m_fingerprints[static_cast<size_t>(i)]);
    }
    if (members.empty()) {
        c.copyBytes = false;
        return;
    }
    c.copying = true;
    const quint64 generation = m_generation;
    const QString path = c.path;
    const TFileStamp stamp = c.stamp;
    m_pool.start(
        [this, generation, container, ids, members, fingerprints, path, stamp] {
            std::vector<QByteArray> bytes(members.size());
            QFile file(path);
            if (file.open(QIODevice::ReadOnly)) {
                const uchar *map = file.map(0, file.size());
                const QByteArray whole =
                    map ? QByteArray::fromRawData(reinterpret_cast<const char *>(map),
                                                  static_cast<qsizetype>(file.size()))
                        : file.readAll();
                for (size_t k = 0; k < members.size(); ++k) {
                    const TEntry &e = members[k];
                    if (qint64(e.offset) + e.length <= whole.size())
                        bytes[k] = QByteArray(whole.constData() + e.offset, e.length);
                }
            }
            // Read while the container stayed as stamped, the bytes are those the thumbnails
            // were made from; else each is checked against its fingerprint.
            std::vector<bool> same(members.size(), StampOf(path) == stamp);
            for (size_t k = 0; k < members.size(); ++k)
                if (!same[k])
                    same[k] = !bytes[k].isNull() && Sha256(bytes[k]) == fingerprints[k];
            QMetaObject::invokeMethod(
                this,
                [this, generation, container, ids, bytes = std::move(bytes),
                 same = std::move(same)] {
                    OnBytesCopied(generation, container, ids, bytes, same);
                },
                Qt::QueuedConnection);
        },
        0);
}

void TPictureList::OnBytesCopied(quint64 generation, int container, const std::vector<quint64> &ids,
                                 const std::vector<QByteArray> &bytes,
                                 const std::vector<bool> &same)
{
    if (generation != m_generation)
        return;
    m_containers[static_cast<size_t>(container)].copyBytes = false;
    m_containers[static_cast<size_t>(container)].copying = false;
    for (size_t k = 0; k < ids.size(); ++k) {
        const int i = IndexOf(ids[k]);
        if (i < 0 || !m_entries[static_cast<size_t>(i)].bytes.isNull())
            continue;
        const size_t j = static_cast<size_t>(i);
        if (bytes[k].isNull() && !same[k]) {
            // Gone from the container: the cell shows nothing rather than the cache's picture.
            std::erase(m_loaded, ids[k]);
            m_thumbnails[j] = QImage();
            m_state[j] = TState::Stale;
            emit ThumbnailReady(i);
            continue;
        }
        // Bytes that could not be read are read again when the picture is asked for.
        if (bytes[k].isNull())
            continue;
        m_entries[j].bytes = bytes[k];
        if (same[k])
            continue;
        // The container was rewritten before its bytes were copied: the cell shows what the
        // picture now is, made from the bytes kept, never the cache's thumbnail of other bytes.
        std::erase(m_loaded, ids[k]);
        m_thumbnails[j] = QImage();
        m_fingerprints[j].clear();
        m_cacheOffset[j] = -1;
        m_state[j] = TState::Unknown;
        QueueThumbnail(i, 50);
    }
}

int TPictureList::AddBytes(const QByteArray &bytes)
{
    return Append({QString(), 0, 0, static_cast<qint32>(bytes.size()), bytes, 0, -1, true});
}

int TPictureList::AddStored(int containerIndex, int entry)
{
    const QString path = m_containers[static_cast<size_t>(containerIndex)].path;
    const int i = Append({path, entry, 0, 0, QByteArray(), 0, containerIndex, true});
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
    std::erase(m_loaded, gone.id);
    m_entries.erase(m_entries.begin() + i);
    m_thumbnails.erase(m_thumbnails.begin() + i);
    m_state.erase(m_state.begin() + i);
    m_fingerprints.erase(m_fingerprints.begin() + i);
    m_cacheOffset.erase(m_cacheOffset.begin() + i);
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
    StopWork();
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
    // The program's own change: the container is what it wrote, stamped anew.
    c.stamp = StampOf(c.path);
    c.stampSettled = IsSettled(c.stamp);
    c.cacheFile.clear();
    c.missing = 0;
    for (int i : EntriesOf(containerIndex)) {
        const TState state = m_state[static_cast<size_t>(i)];
        if (state != TState::Ready && state != TState::Damaged && state != TState::Cached)
            ++c.missing;
    }
    if (!m_cacheFolder.isEmpty()) {
        if (c.byStamp) {
            c.cacheFile = CacheFile(c.path);
        } else {
            QFile file(c.path);
            if (file.open(QIODevice::ReadOnly))
                c.cacheFile = CacheFile(c.path, file.readAll());
        }
        if (c.missing == 0)
            WriteCache(containerIndex);
    }
    ResumeWork();
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

void TPictureList::RequestAllThumbnails()
{
    m_all = true;
    for (size_t c = 0; c < m_containers.size(); ++c)
        CopyBytes(static_cast<int>(c));
    for (int i = 0; i < Count(); ++i) {
        const TEntry &e = m_entries[static_cast<size_t>(i)];
        // A container whose cache is being checked is asked for once the check is done.
        if (!e.decoded && (e.containerIndex < 0 ||
                           m_containers[static_cast<size_t>(e.containerIndex)].cacheLooked))
            QueueThumbnail(i, 0);
    }
}

bool TPictureList::ThumbnailsKnown() const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if ((m_state[i] == TState::Unknown && !m_entries[i].decoded) ||
            m_state[i] == TState::Queued)
            return false;
    return true;
}

QByteArray TPictureList::Fingerprint(int i) const
{
    return m_fingerprints[static_cast<size_t>(i)];
}

TFileStamp TPictureList::StampFor(const TEntry &entry) const
{
    if (entry.containerIndex < 0 || !entry.bytes.isNull())
        return {};
    const TContainer &c = m_containers[static_cast<size_t>(entry.containerIndex)];
    return c.byStamp ? c.stamp : TFileStamp();
}

TPictureList::TMade TPictureList::Make(const TEntry &entry, QSize size, const TFileStamp &stamp)
{
    TMade made;
    const QByteArray bytes = ReadEntry(entry);
    // Bytes read from a container rewritten since it was located may be another picture's.
    if (!stamp.IsNone() && StampOf(entry.container) != stamp) {
        made.stale = true;
        return made;
    }
    made.fingerprint = Sha256(bytes);
    made.thumbnail = DrawThumbnail(bytes, size, &made.failure);
    return made;
}

void TPictureList::QueueThumbnail(int i, int priority)
{
    if (m_state[static_cast<size_t>(i)] != TState::Unknown)
        return;
    m_state[static_cast<size_t>(i)] = TState::Queued;
    const TEntry entry = m_entries[static_cast<size_t>(i)];
    const QSize size = m_size;
    const TFileStamp stamp = StampFor(entry);
    m_pool.start(
        [this, entry, size, stamp] {
            TMade made = Make(entry, size, stamp);
            const quint64 id = entry.id;
            QMetaObject::invokeMethod(
                this,
                [this, id, made = std::move(made)]() mutable { OnThumbnail(id, std::move(made)); },
                Qt::QueuedConnection);
        },
        priority);
}

void TPictureList::MakeThumbnail(int i)
{
    const TState state = m_state[static_cast<size_t>(i)];
    if (state != TState::Unknown && state != TState::Queued)
        return;
    const TEntry &entry = m_entries[static_cast<size_t>(i)];
    OnThumbnail(entry.id, Make(entry, m_size, StampFor(entry)));
}

void TPictureList::OnThumbnail(quint64 id, TMade made)
{
    const int i = IndexOf(id);
    if (i < 0)
        return;
    TState &state = m_state[static_cast<size_t>(i)];
    // Made meanwhile on this thread, or taken from the cache.
    if (state != TState::Unknown && state != TState::Queued)
        return;
    if (made.stale) {
        // Known as far as it will be: the cell stays empty.
        state = TState::Stale;
        emit ThumbnailReady(i);
        return;
    }
    const bool damaged = made.thumbnail.isNull();
    m_thumbnails[static_cast<size_t>(i)] = std::move(made.thumbnail);
    m_fingerprints[static_cast<size_t>(i)] = std::move(made.fingerprint);
    state = damaged ? TState::Damaged : TState::Ready;
    const int c = m_entries[static_cast<size_t>(i)].containerIndex;
    if (c >= 0)
        m_containers[static_cast<size_t>(c)].made = true;
    emit ThumbnailReady(i);
    if (damaged)
        emit DamageFound(i, made.failure);
    if (c >= 0 && m_containers[static_cast<size_t>(c)].missing > 0 &&
        --m_containers[static_cast<size_t>(c)].missing == 0)
        WriteCache(c);
}

void TPictureList::WriteCache(int container)
{
    if (m_containers[static_cast<size_t>(container)].byStamp) {
        WriteStampedCache(container);
        return;
    }
    WriteContentCache(container);
}

void TPictureList::WriteStampedCache(int container, bool partly)
{
    TContainer &c = m_containers[static_cast<size_t>(container)];
    if (c.cacheFile.isEmpty())
        return;
    const std::vector<int> members = EntriesOf(container);
    std::vector<QImage> pixels;
    std::vector<quint8> status;
    for (const int i : members) {
        const TState state = m_state[static_cast<size_t>(i)];
        const bool known =
            (state == TState::Ready || state == TState::Damaged || state == TState::Cached) &&
            m_fingerprints[static_cast<size_t>(i)].size() == FingerprintSize;
        if (!known && !partly)
            return;
        status.push_back(!known ? 0 : state == TState::Damaged ? 2 : 1);
        if (status.back() != 1)
            continue;
        QImage image = m_thumbnails[static_cast<size_t>(i)];
        if (image.isNull())
            image = CachedPixels(static_cast<size_t>(i));
        if (image.size() != m_size || image.format() != QImage::Format_RGB32)
            return;
        pixels.push_back(std::move(image));
    }
    // The stamp answers for the thumbnails only when no later write can leave it as it is;
    // else the next start checks the entries' bytes against the fingerprints.
    const TFileStamp stamp = c.stampSettled && StampOf(c.path) == c.stamp ? c.stamp : TFileStamp();
    const QString path = c.cacheFile;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    WriteStampedCacheHead(out, m_size, static_cast<int>(members.size()), stamp);
    for (size_t k = 0; k < members.size(); ++k) {
        out << status[k];
        const QByteArray &fingerprint = m_fingerprints[static_cast<size_t>(members[k])];
        out.writeRawData(status[k] ? fingerprint.constData()
                                   : QByteArray(FingerprintSize, '\0').constData(),
                         FingerprintSize);
    }
    for (const QImage &image : pixels)
        out.writeRawData(reinterpret_cast<const char *>(image.constBits()),
                         static_cast<int>(image.sizeInBytes()));
    // A cache that cannot be written is made again next time; nothing more is lost.
    if (!file.commit())
        return;
    RemoveOtherCacheFiles(path);
    // From now on the thumbnails are read from the file when they are shown, and only those
    // shown last stay in memory.
    auto in = std::make_shared<QFile>(path);
    if (!in->open(QIODevice::ReadOnly))
        return;
    c.cacheIn = std::move(in);
    c.made = false;
    const qint64 size = qint64(m_size.width()) * m_size.height() * 4;
    qint64 at = StampedHeaderSize(static_cast<int>(members.size()));
    for (size_t k = 0; k < members.size(); ++k) {
        const int i = members[k];
        if (status[k] != 1)
            continue;
        m_state[static_cast<size_t>(i)] = TState::Cached;
        m_cacheOffset[static_cast<size_t>(i)] = at;
        m_thumbnails[static_cast<size_t>(i)] = QImage();
        at += size;
    }
}

void TPictureList::RemoveOtherCacheFiles(const QString &path) const
{
    // The container's earlier bytes will not come back often enough to keep their thumbnails.
    const QFileInfo written(path);
    const QString name = written.fileName();
    const QString place = name.section(QLatin1Char('-'), 0, 0) + QLatin1Char('-');
    const QString size = QLatin1Char('-') + name.section(QLatin1Char('-'), -1);
    for (const QString &other : written.dir().entryList(QDir::Files))
        if (other != name && other.startsWith(place) && other.endsWith(size))
            QFile::remove(written.dir().filePath(other));
}

QImage TPictureList::CachedPixels(size_t i) const
{
    const int c = m_entries[i].containerIndex;
    if (c < 0 || m_cacheOffset[i] < 0)
        return {};
    return ReadCachedPixels(m_containers[static_cast<size_t>(c)].cacheIn.get(), m_cacheOffset[i],
                            m_size);
}

QImage TPictureList::Thumbnail(int i) const
{
    const size_t k = static_cast<size_t>(i);
    if (m_state[k] == TState::Cached && m_thumbnails[k].isNull()) {
        m_thumbnails[k] = CachedPixels(k);
        if (m_thumbnails[k].isNull()) {
            // The cache file let the list down: the thumbnail is made again when asked for.
            m_state[k] = TState::Unknown;
            return {};
        }
        m_loaded.push_front(m_entries[k].id);
        while (m_loaded.size() > static_cast<size_t>(KeptThumbnails)) {
            const int old = IndexOf(m_loaded.back());
            m_loaded.pop_back();
            if (old >= 0 && m_state[static_cast<size_t>(old)] == TState::Cached)
                m_thumbnails[static_cast<size_t>(old)] = QImage();
        }
    }
    return m_thumbnails[k];
}

void TPictureList::WriteContentCache(int container)
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
    WriteWholeCacheHead(out, m_size, static_cast<int>(members.size()));
    // A thumbnail still in the old cache file is read from it before that file goes.
    auto made = [this](int i) {
        const TState state = m_state[static_cast<size_t>(i)];
        return state == TState::Ready || state == TState::Cached;
    };
    for (int i : members)
        out << quint8(made(i) ? 1 : 2);
    for (int i : members) {
        if (!made(i))
            continue;
        const QImage image = Thumbnail(i);
        for (int y = 0; y < image.height(); ++y)
            out.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)),
                             image.width() * 4);
    }
    // A cache that cannot be written is made again next time; nothing more is lost.
    if (!file.commit())
        return;
    RemoveOtherCacheFiles(path);
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
