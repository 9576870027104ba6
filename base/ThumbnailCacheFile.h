#pragma once

// The thumbnail cache's files in the user's cache folder. Two kinds:
// - whole, for a container read whole (the file is named by a hash of the container's bytes):
//   the magic, the thumbnails' width, height and count, one status byte per entry (1 made,
//   2 does not decode), then the pixels of every made thumbnail;
// - stamped, for a container added by its entries (found by the container's stamp): the magic,
//   width, height and count, the stamp of the container it was made for (size -1: none that
//   could be trusted), per entry a status byte (1 made, 2 does not decode, 0 not made when the
//   cache was written) and the fingerprint of its bytes, then the pixels of every made
//   thumbnail. The fingerprints let a cache whose stamp no longer matches be checked against
//   the container's bytes.
// Pixels are 32-bit RGB rows of the thumbnail's width, one thumbnail after the other. Anything
// that does not add up exactly is not read: the file is only a cache, and the user's folder
// holds it.

#include "base/FileStamp.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class QDataStream;
class QFile;

// The length of an entry's fingerprint (a SHA-256 of its bytes).
constexpr int FingerprintSize = 32;

// The head of a stamped cache file, its pixels left where they are.
struct TThumbnailCacheIndex {
    TFileStamp stamp;
    std::vector<char> status;
    std::vector<QByteArray> fingerprints;
    std::vector<qint64> offsets; // -1 for an entry whose thumbnail the file does not hold
    std::shared_ptr<QFile> file; // open for reading the pixels
};

// Writes a whole cache's head up to its status bytes.
void WriteWholeCacheHead(QDataStream &out, QSize size, int count);
// Writes a stamped cache's head up to its entries' status bytes and fingerprints.
void WriteStampedCacheHead(QDataStream &out, QSize size, int count, const TFileStamp &stamp);
// Writes stamp over the one an open stamped cache file holds; false when it cannot.
bool RewriteCacheStamp(QFile &file, const TFileStamp &stamp);
// Where a stamped cache of count entries has its first thumbnail's pixels.
qint64 StampedHeaderSize(int count);

// Reads the head of a whole cache file of count thumbnails of size: on success the file, open,
// is in in, offsets gives each made thumbnail's place (-1 for the others) and damaged the
// entries that do not decode. False when the file is missing or does not add up exactly.
bool ReadWholeCache(const QString &path, QSize size, int count, std::shared_ptr<QFile> &in,
                    std::vector<qint64> &offsets, std::vector<bool> &damaged);
// Reads the head of a stamped cache file of count thumbnails of size; null when the file is
// missing or does not add up exactly.
std::shared_ptr<TThumbnailCacheIndex> ReadStampedCache(const QString &path, QSize size, int count);
// The thumbnail of size whose pixels start at offset in an open cache file; null when the file
// does not hold them (any more).
QImage ReadCachedPixels(QFile *in, qint64 offset, QSize size);
