#include "base/FileStorage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

namespace {

constexpr qint64 CopyChunk = 10000;
constexpr qint64 MaxOffset = std::numeric_limits<int32_t>::max();

struct Record {
    qint64 start = 0; // position of the Length field
    int32_t length = 0;
    qint64 payload() const { return start + 4; }
    qint64 end() const { return start + 4 + length; }
};

// The platform's reason for a failed open. Qt words a directory in its own way; the program
// reports the system's text for it like for every other failure.
QString openFailure(const QString &path, const QFileDevice &file)
{
    if (QFileInfo(path).isDir())
        return QString::fromLocal8Bit(std::strerror(EISDIR));
    return file.errorString();
}

EFileError cannotRead(const QString &path, const QString &reason)
{
    return EFileError(QCoreApplication::translate("FileStorage", "Cannot read file \"%1\". %2")
                          .arg(path, reason));
}

EFileError cannotWrite(const QString &path, const QString &reason)
{
    return EFileError(QCoreApplication::translate("FileStorage", "Cannot write file \"%1\". %2")
                          .arg(path, reason));
}

EVantelleError tooLarge(const QString &container)
{
    return EVantelleError(
        QCoreApplication::translate("FileStorage",
                                    "The picture container \"%1\" cannot grow beyond 2 GiB.")
            .arg(container));
}

std::array<char, 4> encodeLength(int32_t length)
{
    const auto v = static_cast<uint32_t>(length);
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
            static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
}

int32_t decodeLength(const std::array<char, 4> &b)
{
    const uint32_t v = static_cast<uint32_t>(static_cast<uint8_t>(b[0])) |
                       static_cast<uint32_t>(static_cast<uint8_t>(b[1])) << 8 |
                       static_cast<uint32_t>(static_cast<uint8_t>(b[2])) << 16 |
                       static_cast<uint32_t>(static_cast<uint8_t>(b[3])) << 24;
    return static_cast<int32_t>(v);
}

// Reads the record that starts at pos, checking that it lies wholly inside the file.
Record readRecord(QFile &file, const QString &path, qint64 pos, qint64 size, int entry)
{
    if (size - pos < 4)
        throw EStorageDamaged(
            path, entry,
            QCoreApplication::translate("FileStorage", "ends inside its length field"));
    std::array<char, 4> buf{};
    if (!file.seek(pos) || file.read(buf.data(), 4) != 4)
        throw cannotRead(path, file.errorString());
    Record r{pos, decodeLength(buf)};
    if (r.length < 0 || r.length > size - pos - 4)
        throw EStorageDamaged(
            path, entry,
            QCoreApplication::translate("FileStorage", "runs past the end of the file"));
    if (r.payload() > MaxOffset)
        throw EStorageDamaged(path, entry,
                              QCoreApplication::translate("FileStorage", "lies beyond 2 GiB"));
    return r;
}

// The record of entry index, or none when the file ends before it. Every record on the way
// is checked, so a damaged container is reported rather than read as garbage.
std::optional<Record> findRecord(QFile &file, const QString &path, int index)
{
    if (index < 0)
        return std::nullopt;
    const qint64 size = file.size();
    qint64 pos = 0;
    for (int k = 0;; ++k) {
        if (pos >= size)
            return std::nullopt;
        const Record r = readRecord(file, path, pos, size, k);
        if (k == index)
            return r;
        pos = r.end();
    }
}

// Checks the whole container; returns the number of entries.
int checkAllRecords(QFile &file, const QString &path)
{
    const qint64 size = file.size();
    qint64 pos = 0;
    int count = 0;
    while (pos < size) {
        pos = readRecord(file, path, pos, size, count).end();
        ++count;
    }
    return count;
}

// The device is unbuffered, so errno still holds the reason of the failing write; Qt itself
// reports none when a write stops partway (a full disk).
void writeAll(QFileDevice &out, const QString &path, const char *data, qint64 count)
{
    if (count <= 0)
        return;
    errno = 0;
    if (out.write(data, count) != count)
        throw cannotWrite(path, errno != 0 ? EFileError::LastSystemReason() : out.errorString());
}

// Copies bytes [from, to) of in to the current position of out.
void copyRange(QFile &in, const QString &inPath, qint64 from, qint64 to, QFileDevice &out,
               const QString &outPath)
{
    if (from >= to)
        return;
    if (!in.seek(from))
        throw cannotRead(inPath, in.errorString());
    std::array<char, CopyChunk> buf{};
    for (qint64 left = to - from; left > 0;) {
        const qint64 got = in.read(buf.data(), std::min(left, CopyChunk));
        if (got <= 0)
            throw cannotRead(inPath, got < 0 ? in.errorString()
                                             : QCoreApplication::translate(
                                                   "FileStorage", "The file ended unexpectedly"));
        writeAll(out, outPath, buf.data(), got);
        left -= got;
    }
}

// Writes one record holding the whole of source at the end of out. The Length is patched in
// after copying, so it always matches the bytes actually copied even if the source changed
// size meanwhile.
void writeRecordFromFile(QSaveFile &out, const QString &container, const QString &source)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw EFileError::CannotOpen(source, openFailure(source, in));
    const qint64 start = out.pos();
    writeAll(out, container, encodeLength(0).data(), 4);
    std::array<char, CopyChunk> buf{};
    qint64 copied = 0;
    for (;;) {
        const qint64 got = in.read(buf.data(), CopyChunk);
        if (got < 0)
            throw cannotRead(source, in.errorString());
        if (got == 0)
            break;
        copied += got;
        if (start + 4 + copied > MaxOffset)
            throw tooLarge(container);
        writeAll(out, container, buf.data(), got);
    }
    const qint64 end = out.pos();
    if (!out.seek(start))
        throw cannotWrite(container, out.errorString());
    writeAll(out, container, encodeLength(static_cast<int32_t>(copied)).data(), 4);
    if (!out.seek(end))
        throw cannotWrite(container, out.errorString());
}

} // namespace

EStorageDamaged::EStorageDamaged(const QString &container, int entry, const QString &what)
    : EVantelleError(QCoreApplication::translate(
                         "FileStorage", "The picture container \"%1\" is damaged (entry %2 %3).")
                         .arg(container)
                         .arg(entry)
                         .arg(what))
{
}

void WriteStorage(const QStringList &sources, const QString &container)
{
    // Written beside the old container and renamed over it, so a failure leaves the old one.
    QSaveFile out(container);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EFileError::CannotCreate(container, openFailure(container, out));
    for (const QString &source : sources)
        writeRecordFromFile(out, container, source);
    if (!out.commit())
        throw EFileError::CannotCreate(container, out.errorString());
}

TStorageItem LocateStorageItem(const QString &container, int index)
{
    QFile file(container);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            return {};
        throw EFileError::CannotOpen(container, openFailure(container, file));
    }
    const std::optional<Record> r = findRecord(file, container, index);
    if (!r)
        return {};
    return {static_cast<int32_t>(r->payload()), r->length};
}

void LocateStorageItems(const QString &container, std::vector<TStorageItem> &items)
{
    items.clear();
    QFile file(container);
    if (!file.exists())
        return;
    // Four bytes at a time from places far apart: the device's read-ahead would only copy.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (!file.exists())
            return;
        throw EFileError::CannotOpen(container, openFailure(container, file));
    }
    const qint64 size = file.size();
    qint64 pos = 0;
    for (int k = 0; pos < size; ++k) {
        const Record r = readRecord(file, container, pos, size, k);
        items.push_back({static_cast<int32_t>(r.payload()), r.length});
        pos = r.end();
    }
}

void AppendStorageItem(const QString &container, const QString &source)
{
    if (!QFile::exists(container)) {
        WriteStorage({source}, container);
        return;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw EFileError::CannotOpen(source, openFailure(source, in));
    if (in.size() > MaxOffset)
        throw tooLarge(container);
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw cannotRead(source, in.errorString());
    AppendStorageBytes(container, bytes);
}

void AppendStorageBytes(const QString &container, const QByteArray &bytes)
{
    if (bytes.size() > MaxStorageItemSize)
        throw tooLarge(container);
    if (!QFile::exists(container)) {
        QSaveFile out(container);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw EFileError::CannotCreate(container, openFailure(container, out));
        writeAll(out, container, encodeLength(static_cast<int32_t>(bytes.size())).data(), 4);
        writeAll(out, container, bytes.constData(), bytes.size());
        if (!out.commit())
            throw EFileError::CannotCreate(container, out.errorString());
        return;
    }
    QFile file(container);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        throw EFileError::CannotOpen(container, openFailure(container, file));
    // A new record behind a damaged one could never be found again.
    checkAllRecords(file, container);
    const qint64 oldSize = file.size();
    if (oldSize + 4 + bytes.size() > MaxOffset)
        throw tooLarge(container);
    try {
        if (!file.seek(oldSize))
            throw cannotWrite(container, file.errorString());
        writeAll(file, container, encodeLength(static_cast<int32_t>(bytes.size())).data(), 4);
        writeAll(file, container, bytes.constData(), bytes.size());
        if (!file.flush())
            throw cannotWrite(container, file.errorString());
    } catch (...) {
        // Cut a half-written record away so the container stays as it was.
        file.resize(oldSize);
        throw;
    }
}

void DeleteStorageItem(const QString &container, int index)
{
    if (index < 0 || !QFile::exists(container))
        return;
    QFile in(container);
    if (!in.open(QIODevice::ReadOnly))
        throw EFileError::CannotOpen(container, openFailure(container, in));
    const std::optional<Record> r = findRecord(in, container, index);
    if (!r)
        return;
    const qint64 size = in.size();

    // The replacement is a new file beside the old one: failing to make it means the folder
    // cannot be written, which says more to the user than the name of a file they never chose.
    QSaveFile out(container);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QFileInfo info(container);
        throw EFileError(QCoreApplication::translate(
                             "FileStorage",
                             "The folder \"%1\" holding %2 cannot be written (%3); nothing was "
                             "changed")
                             .arg(info.absolutePath(), info.fileName(),
                                  errno != 0 ? EFileError::LastSystemReason() : out.errorString()));
    }
    copyRange(in, container, 0, r->start, out, container);
    copyRange(in, container, r->end(), size, out, container);
    if (!out.commit())
        throw EFileError::CannotCreate(container, out.errorString());
}

std::optional<QByteArray> ReadStorageItem(const QString &container, int index)
{
    const TStorageItem item = LocateStorageItem(container, index);
    if (item.Offset == 0)
        return std::nullopt;
    QFile file(container);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError::CannotOpen(container, openFailure(container, file));
    if (!file.seek(item.Offset))
        throw cannotRead(container, file.errorString());
    QByteArray bytes = file.read(item.Length);
    if (bytes.size() != item.Length)
        throw cannotRead(container, file.error() != QFileDevice::NoError
                                        ? file.errorString()
                                        : QCoreApplication::translate(
                                              "FileStorage", "The file ended unexpectedly"));
    return bytes;
}
