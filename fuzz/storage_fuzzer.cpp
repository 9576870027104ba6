// Treats arbitrary bytes as a picture container: walks its entries, decodes each payload the
// way the picture base does, then deletes and appends an entry on a copy and checks that the
// file changed by exactly one record.

#include "base/FileStorage.h"
#include "imaging/PngObject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Locating entry i walks i records, so very long runs of empty records would make one input
// quadratic; the picture base never holds more than a few hundred.
constexpr int MaxEntries = 200;

const QTemporaryDir &scratch()
{
    static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/storage-fuzz-XXXXXX"));
    return dir;
}

void writeBytes(const QString &path, const char *data, qsizetype size)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data, size) != size)
        std::abort();
}

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString container = scratch().filePath(QStringLiteral("fuzz.stg"));
    const QString copy = scratch().filePath(QStringLiteral("copy.stg"));
    const QString source = scratch().filePath(QStringLiteral("source.png"));
    writeBytes(container, reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    std::vector<TStorageItem> items;
    bool damaged = false;
    try {
        for (int i = 0; i < MaxEntries; ++i) {
            const TStorageItem item = LocateStorageItem(container, i);
            if (item == TStorageItem{})
                break;
            if (item.Offset < 4 || item.Length < 0 ||
                qint64(item.Offset) + item.Length > qint64(size))
                std::abort();
            items.push_back(item);
        }
    } catch (const EStorageDamaged &) {
        damaged = true;
    }

    QFile reader(container);
    if (!reader.open(QIODevice::ReadOnly))
        std::abort();
    for (const TStorageItem &item : items) {
        if (!reader.seek(item.Offset))
            std::abort();
        TPNGObject png;
        try {
            png.loadFromStream(reader);
        } catch (const EVantelleError &) {
        }
    }
    reader.close();

    // Delete an entry chosen by the input (sometimes one past the end) on a copy.
    writeBytes(copy, reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const int index = size > 0 ? data[0] % (static_cast<int>(items.size()) + 2) : 0;
    bool deleted = false;
    try {
        DeleteStorageItem(copy, index);
        deleted = true;
    } catch (const EStorageDamaged &) {
    }
    const qint64 after = fileSize(copy);
    if (!deleted || index >= static_cast<int>(items.size())) {
        // Refused or past the end: nothing may change. (An index past a damaged record is
        // refused; one past the last whole entry of a sound file is a no-op.)
        if (after != qint64(size))
            std::abort();
    } else {
        if (after != qint64(size) - 4 - items[index].Length)
            std::abort();
    }

    // Appending to a sound container adds exactly one record that can be found again.
    if (!damaged && static_cast<int>(items.size()) < MaxEntries - 1) {
        const qsizetype payload = std::min<qsizetype>(static_cast<qsizetype>(size), 64);
        writeBytes(source, reinterpret_cast<const char *>(data), payload);
        const qint64 before = fileSize(copy);
        AppendStorageItem(copy, source);
        if (fileSize(copy) != before + 4 + payload)
            std::abort();
        const int count = static_cast<int>(items.size()) - (deleted && index < int(items.size()));
        const TStorageItem added = LocateStorageItem(copy, count);
        if (added.Offset != before + 4 || added.Length != payload)
            std::abort();
    }
    return 0;
}
