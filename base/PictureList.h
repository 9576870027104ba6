#pragma once

// The pictures of the base as the template grid shows them: one entry per container entry,
// known at once without decoding anything; a thumbnail per entry, read from the user's cache
// folder when the container's bytes are the ones it was made from, else decoded on the worker
// threads in the order the grid asks; full pictures decoded only when asked for, and only a few
// kept. Memory so grows with what is shown, not with the size of the base.

#include "imaging/PngObject.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <deque>
#include <memory>
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
    };

    // Thumbnails are thumbnailSize device pixels, drawn on white; the cache lives in
    // cacheFolder (empty: no cache).
    TPictureList(QString cacheFolder, QSize thumbnailSize, QObject *parent = nullptr);
    ~TPictureList() override;
    TPictureList(const TPictureList &) = delete;
    TPictureList &operator=(const TPictureList &) = delete;

    // Appends the entries of container (a missing one has none) and starts looking for its
    // thumbnails in the cache; returns the index of its first entry. Raises EVantelleError when
    // the container is damaged or cannot be read; the entries before the damage are kept.
    int AddContainer(const QString &container);
    // Appends the entries of a container already read (fileBytes: the whole file, entries: where
    // each entry lies in it) and makes every thumbnail of it before returning: from the cache
    // when it was made from these bytes, else on the worker threads (and then cached). Returns
    // for each of its entries whether it does not decode. With keepBytes the entries' bytes stay
    // in memory, so that the pictures stay what they were if the file is rewritten (the program's
    // own templates, which are small).
    std::vector<bool> AddReadContainer(const QString &container, const QByteArray &fileBytes,
                                       const std::vector<TEntry> &entries, bool keepBytes = false);
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
    // not decode: see IsDamaged).
    QImage Thumbnail(int i) const;
    QSize ThumbnailSize() const { return m_size; }
    // Whether entry i has been found not to decode.
    bool IsDamaged(int i) const;
    // Asks for the thumbnails of entries first to last (what the grid shows), earlier ones
    // first; each arrives with ThumbnailReady.
    void RequestThumbnails(int first, int last);

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
    // The cache file of container when it holds these bytes. Named by the container's path and
    // its bytes, so that writing one removes the files of the container's earlier bytes.
    QString CacheFile(const QString &container, const QByteArray &containerBytes) const;

signals:
    void ThumbnailReady(int i);
    void PictureReady(int i);

private:
    enum class TState { Unknown, Queued, Ready, Damaged };
    struct TContainer {
        QString path;
        QString cacheFile; // named by the hash of the container's bytes, once known
        bool cacheLooked = false;
        int missing = 0; // thumbnails still to make before the cache is written
    };

    int Append(TEntry entry);
    int IndexOf(quint64 id) const;
    std::vector<int> EntriesOf(int container) const;
    void QueueThumbnail(int i, int priority);
    void OnCacheRead(quint64 generation, int container, QString cacheFile,
                     std::vector<QImage> thumbnails, std::vector<bool> damaged);
    void OnThumbnail(quint64 id, QImage thumbnail, bool damaged);
    void OnPicture(quint64 id, std::shared_ptr<const TPNGObject> picture);
    void Keep(quint64 id, std::shared_ptr<const TPNGObject> picture);
    void WriteCache(int container);

    QString m_cacheFolder;
    QSize m_size;
    std::vector<TEntry> m_entries;
    std::vector<QImage> m_thumbnails;
    std::vector<TState> m_state;
    std::vector<TContainer> m_containers;
    std::vector<quint64> m_waiting; // asked for before their container's cache was looked at
    std::deque<std::pair<quint64, std::shared_ptr<const TPNGObject>>> m_kept;
    quint64 m_nextId = 1;
    // Raised by Clear, so that answers to work asked for before are dropped.
    quint64 m_generation = 0;
    QThreadPool m_pool;
};
