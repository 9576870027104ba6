#pragma once

// Containers: a flat run of records, each a 4-byte little-endian Length and that many payload
// bytes. No header, no index; entry numbers are positions. Every payload in the program is a
// whole PNG file.

#include "imaging/VantelleError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

struct TStorageItem {
    int32_t Offset = 0; // payload offset; 0 means "no such entry"
    int32_t Length = 0;
    bool operator==(const TStorageItem &) const = default;
};

// A container whose records do not fit the file: a Length that runs past the end, or a file
// that ends inside a Length field. Raised instead of handing garbage offsets to a reader.
class EStorageDamaged : public EVantelleError {
public:
    EStorageDamaged(const QString &container, int entry, const QString &what);
};

// The largest source a container can take as an entry: a payload must end within 2 GiB.
constexpr qint64 MaxStorageItemSize = 0x7FFFFFFF - 4;

// Creates or replaces the container with one entry per source, in order.
void WriteStorage(const QStringList &sources, const QString &container);
// Offset and length of entry index; {0, 0} when there is none or the container is missing.
TStorageItem LocateStorageItem(const QString &container, int index);
// Every entry of container in order, the file walked once; none when it is missing. Raises as
// LocateStorageItem does at the first damaged record, with the entries before it in items.
void LocateStorageItems(const QString &container, std::vector<TStorageItem> &items);
// Adds source as a new last entry; creates the container when it does not exist.
void AppendStorageItem(const QString &container, const QString &source);
// Adds bytes as a new last entry, the same way.
void AppendStorageBytes(const QString &container, const QByteArray &bytes);
// Removes entry index; an index at or past the last entry changes nothing. The shorter file is
// written beside the old one, so a folder that cannot be written is reported as such.
void DeleteStorageItem(const QString &container, int index);
// The payload bytes of entry index; none when there is no such entry or the container is
// missing.
std::optional<QByteArray> ReadStorageItem(const QString &container, int index);
