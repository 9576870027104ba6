#pragma once

// The pictures of the base as the template grid shows them: one entry per container entry,
// known at once without decoding anything; a thumbnail per entry, read from the user's cache
// folder when the container's bytes are the ones it was made from, else decoded on the worker
// threads in the order the grid asks; full pictures decoded only when asked for, and only a few
// kept. Memory so grows with what is shown, not with the size of the base.

#include "base/FileStamp.h"
#include "imaging/PngObject.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>

class QFile;
struct TThumbnailCacheIndex;

#include <deque>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TPictureList : public QObject {
    Q_OBJECT
public:
    struct TEntry {
        // The container's path, or empty for a picture held in memory (bytes).
        QString container;
        int entry = 0;
        qint32 offset = 0;
        qint32 length = 0;
        // The picture's bytes when it is in no container or its bytes are held in memory.
        QByteArray bytes;
        // Names the entry for as long as the list lives, whatever moves around it.
        quint64 id = 0;
        // The list's index of the container, or -1.
        int containerIndex = -1;
        // Decoded when the program added it, so known to decode: its thumbnail is made only when
        // it is shown.
        bool decoded = false;
    };

    // Thumbnails are thumbnailSize device pixels, drawn on white; the cache lives in
    // cacheFolder (empty: no cache).
    TPictureList(QString cacheFolder, QSize thumbnailSize, QObject *parent = nullptr);
    ~TPictureList() override;
    TPictureList(const TPictureList &) = delete;
    TPictureList &operator=(const TPictureList &) = delete;

    // Appends the entries of container (a missing one has none) and looks for its thumbnails in
    // the cache; returns the index of its first entry. Raises EVantelleError when the container
    // is damaged or cannot be read; the entries before the damage are kept.
    int AddContainer(const QString &container);
    // Appends the entries of container found already (entries: where each lies), reading
    // nothing but the cache: when the cache was written for the container's very stamp, every
    // thumbnail is known at once (and DamageFound is emitted for the entries that do not
    // decode); when only the stamp differs, a worker checks the entries' bytes against the
    // cache; else the thumbnails are made as they are asked for.
    int AddLocatedContainer(const QString &container, const std::vector<TEntry> &entries);
    // Appends the entries of a container already read (fileBytes: the whole file, entries: where
    // each entry lies in it) and makes every thumbnail of it before returning: from the cache
    // when it was made from these bytes, else on the worker threads (and then cached). Returns
    // for each of its entries whether it does not decode. With keepBytes the entries' bytes stay
    // in memory, so that the pictures stay what they were if the file is rewritten (the program's
    // own templates, which are small). Without contentCache the cache named by the container's
    // bytes is neither looked for nor written (KeepCacheByStamp is to cache the thumbnails).
    // With keepBytes and makeNow >= 0, only the first makeNow thumbnails not in the cache are
    // made before it returns (what the grid shows first); the others are made as they are asked
    // for, found not to decode then (DamageFound), and cached once all are known.
    std::vector<bool> AddReadContainer(const QString &container, const QByteArray &fileBytes,
                                       const std::vector<TEntry> &entries, bool keepBytes = false,
                                       bool contentCache = true, int makeNow = -1);
    // Appends the entries of container found already, as AddReadContainer would, but only when
    // the cache holds every thumbnail of it under the container's settled stamp: then nothing
    // of the container is read now, and its entries' bytes are copied into memory once the rest
    // of the thumbnails is asked for (RequestAllThumbnails). Returns for each entry whether it
    // does not decode, or nothing (and nothing is appended) when the cache cannot answer.
    std::optional<std::vector<bool>> AddCachedContainer(const QString &container,
                                                        const std::vector<TEntry> &entries);
    // From now on the cache of the container at containerIndex (added with AddReadContainer,
    // its bytes kept) is found by stamp, the one it had before it was read: written so now,
    // when the container is still as stamped and stamp is settled.
    void KeepCacheByStamp(int containerIndex, const TFileStamp &stamp);
    // Appends a picture held in memory; its thumbnail is made when asked for. Returns its index.
    int AddBytes(const QByteArray &bytes);
    // Appends entry number entry of the container at containerIndex (one just written there).
    int AddStored(int containerIndex, int entry);
    // Makes the picture in memory at i entry number entry of the container at containerIndex.
    void Store(int i, int containerIndex, int entry);
    // Takes entry i out of the list; with deleted, it was deleted from its container too, and the
    // entries after it there move up one number.
    void Remove(int i, bool deleted);
    // The container at containerIndex changed on disk through this program from entry number
    // fromEntry on: those entries are found again, and its cache is written under its new bytes
    // once every thumbnail is known.
    void ContainerChanged(int containerIndex, int fromEntry);
    // Forgets every entry and every container.
    void Clear();

    int Count() const { return static_cast<int>(m_entries.size()); }
    const TEntry &Entry(int i) const { return m_entries[static_cast<size_t>(i)]; }
    // The bytes entry i was read from (empty when they cannot be read).
    QByteArray Bytes(int i) const;
    // The width and height entry i's header gives, read without decoding (empty when it has
    // none).
    QSize PictureSize(int i) const;

    // The thumbnail of entry i, or a null picture while it is not made yet (or the entry does
    // not decode: see IsDamaged). One that lies in the cache file is read from it now; only the
    // last KeptThumbnails read so are kept.
    QImage Thumbnail(int i) const;
    static constexpr int KeptThumbnails = 64;
    QSize ThumbnailSize() const { return m_size; }
    // Whether entry i has been found not to decode.
    bool IsDamaged(int i) const;
    // Asks for the thumbnails of entries first to last (what the grid shows), earlier ones
    // first; each arrives with ThumbnailReady.
    void RequestThumbnails(int first, int last);
    // Asks for every thumbnail not known yet (but those of pictures the program added itself),
    // behind whatever the grid asks for: so every entry that does not decode is found, and the
    // cache can be written.
    void RequestAllThumbnails();
    bool AllThumbnailsRequested() const noexcept { return m_all; }
    // Makes entry i's thumbnail now, on this thread, unless it is known already.
    void MakeThumbnail(int i);
    // Whether the thumbnail of every entry that might not decode is known (made, found not to
    // decode, in the cache, or given up because the container changed under the list).
    bool ThumbnailsKnown() const;
    // The SHA-256 of the bytes entry i's thumbnail was made from (or the cache's, for a thumbnail
    // taken from there), or empty while it is not known.
    QByteArray Fingerprint(int i) const;

    // Entry i decoded now on this thread (or the copy kept from a recent decode); raises
    // EVantelleError when it does not decode.
    std::shared_ptr<const TPNGObject> Picture(int i);
    // Entry i decoded on a worker thread; PictureReady follows, then Picture(i) returns it.
    void RequestPicture(int i);
    // Whether entry i is one of the decoded pictures kept.
    bool IsKept(int i) const;
    // How many decoded pictures are kept at most.
    static constexpr int KeptPictures = 6;

    // Waits for the work asked for so far (tests, and the end of the program).
    void WaitForDone();
    // Waits for the work asked for so far and takes in its results (tests).
    void Finish();
    // Drops the work not started, waits for the rest and takes in its results: called before the
    // program changes a container, so that no worker reads it half written.
    void StopWork();
    // Asks again for what StopWork dropped of RequestAllThumbnails.
    void ResumeWork();
    // The cache file of container when it holds these bytes (a container added whole). Named by
    // the container's path and its bytes, so that writing one removes the files of the
    // container's earlier bytes.
    QString CacheFile(const QString &container, const QByteArray &containerBytes) const;
    // The cache file of a container added by its entries: one per path and thumbnail size,
    // holding the stamp and the entries' fingerprints it was made for.
    QString CacheFile(const QString &container) const;

signals:
    void ThumbnailReady(int i);
    void PictureReady(int i);
    // Entry i does not decode; failure is the codec's message (empty when the entry was known
    // from the cache not to decode).
    void DamageFound(int i, const QString &failure);

private:
    // Cached: known, its pixels in the cache file (read when shown). Stale: the container was
    // changed by another program before the thumbnail was made, so it is not shown.
    enum class TState { Unknown, Queued, Ready, Damaged, Cached, Stale };
    struct TContainer {
        QString path;
        QString cacheFile; // named by the hash of the container's bytes, once known
        bool cacheLooked = false;
        int missing = 0; // thumbnails still to make before the cache is written
        // Added by its entries: the cache file is found by the stamp.
        bool byStamp = false;
        TFileStamp stamp;
        // Whether the stamp was settled when it was taken: then it answers for every byte read
        // since while it stays the same.
        bool stampSettled = false;
        // The cache file the Cached thumbnails are read from, held open.
        std::shared_ptr<QFile> cacheIn;
        // Thumbnails were made since the cache was last written.
        bool made = false;
        // The entries' bytes are to be copied into memory (AddCachedContainer), and whether a
        // worker is at it.
        bool copyBytes = false;
        bool copying = false;
    };
    // What a worker made of one entry.
    struct TMade {
        QImage thumbnail;
        QString failure;
        QByteArray fingerprint;
        bool stale = false;
    };

public:
    // The head of a cache file written for a container added by its entries.
    using TCacheIndex = TThumbnailCacheIndex;

private:
    int Append(TEntry entry);
    int IndexOf(quint64 id) const;
    std::vector<int> EntriesOf(int container) const;
    void QueueThumbnail(int i, int priority);
    TFileStamp StampFor(const TEntry &entry) const;
    static TMade Make(const TEntry &entry, QSize size, const TFileStamp &stamp);
    void CopyBytes(int container);
    void OnBytesCopied(quint64 generation, int container, const std::vector<quint64> &ids,
                       const std::vector<QByteArray> &bytes, const std::vector<bool> &same);
    void OnCacheChecked(quint64 generation, int container, std::shared_ptr<TCacheIndex> index,
                        bool same);
    void Adopt(int container, const TCacheIndex &index);
    void AfterCacheLooked(int container);
    void OnThumbnail(quint64 id, TMade made);
    QImage CachedPixels(size_t i) const;
    // With partly, the entries not known yet are written as not made.
    void WriteStampedCache(int container, bool partly = false);
    void WriteContentCache(int container);
    void RemoveOtherCacheFiles(const QString &path) const;
    void OnPicture(quint64 id, std::shared_ptr<const TPNGObject> picture);
    void Keep(quint64 id, std::shared_ptr<const TPNGObject> picture);
    void WriteCache(int container);

    QString m_cacheFolder;
    QSize m_size;
    std::vector<TEntry> m_entries;
    // Mutable: a thumbnail in the cache file is read when it is first looked at.
    mutable std::vector<QImage> m_thumbnails;
    mutable std::vector<TState> m_state;
    std::vector<QByteArray> m_fingerprints;
    // Where a Cached thumbnail's pixels lie in its container's cache file.
    std::vector<qint64> m_cacheOffset;
    // The Cached thumbnails read, the latest first.
    mutable std::deque<quint64> m_loaded;
    // RequestAllThumbnails was asked.
    bool m_all = false;
    std::vector<TContainer> m_containers;
    std::vector<quint64> m_waiting; // asked for before their container's cache was looked at
    std::deque<std::pair<quint64, std::shared_ptr<const TPNGObject>>> m_kept;
    quint64 m_nextId = 1;
    // Raised by Clear, so that answers to work asked for before are dropped.
    quint64 m_generation = 0;
    QThreadPool m_pool;
};
