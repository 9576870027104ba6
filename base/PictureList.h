#pragma once

// The pictures of the base as the template grid shows them: one entry per container entry,
// known at once without decoding anything; a thumbnail per entry, read from the user's cache
// folder when the container's bytes are the ones it was made from, else decoded on the worker
// threads in the order the grid asks; full pictures decoded only when asked for, and only a few
// kept. Memory so grows with what is shown, not with the size of the base.

#include "imaging/PngObject.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <deque>
#include <memory>
#include <vector>

class TPictureList : public QObject {
    Q_OBJECT
public:
    struct TEntry {
        QString container;
        int entry = 0;
        qint32 offset = 0;
        qint32 length = 0;
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
    int Count() const { return static_cast<int>(m_entries.size()); }
    const TEntry &Entry(int i) const { return m_entries[static_cast<size_t>(i)]; }

    // The thumbnail of entry i, or a null picture while it is not made yet (or the entry does
    // not decode: see IsDamaged).
    QImage Thumbnail(int i) const;
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
    // How many decoded pictures are kept at most.
    static constexpr int KeptPictures = 6;

    // Waits for the work asked for so far (tests, and the end of the program).
    void WaitForDone();
    // The cache file of a container with these bytes.
    QString CacheFile(const QByteArray &containerBytes) const;

signals:
    void ThumbnailReady(int i);
    void PictureReady(int i);

private:
    enum class TState { Unknown, Queued, Ready, Damaged };
    struct TContainer {
        QString path;
        int first = 0;
        int count = 0;
        QString cacheFile; // named by the hash of the container's bytes, once known
        bool cacheLooked = false;
        int missing = 0; // thumbnails still to make before the cache is written
    };

    void QueueThumbnail(int i, int priority);
    void OnCacheRead(int container, QString cacheFile, std::vector<QImage> thumbnails,
                     std::vector<bool> damaged);
    void OnThumbnail(int i, QImage thumbnail, bool damaged);
    void OnPicture(int i, std::shared_ptr<const TPNGObject> picture);
    void Keep(int i, std::shared_ptr<const TPNGObject> picture);
    void WriteCache(int container);
    int ContainerOf(int i) const;

    QString m_cacheFolder;
    QSize m_size;
    std::vector<TEntry> m_entries;
    std::vector<QImage> m_thumbnails;
    std::vector<TState> m_state;
    std::vector<TContainer> m_containers;
    std::vector<int> m_waiting; // asked for before their container's cache was looked at
    std::deque<std::pair<int, std::shared_ptr<const TPNGObject>>> m_kept;
    QThreadPool m_pool;
};
