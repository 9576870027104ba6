// Treats arbitrary bytes as a picture container and walks it once, as the picture base does at
// start-up: every entry found must lie in the file, each record right behind the one before,
// and the walk must agree with locating single entries, including where it meets damage.

#include "base/FileStorage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

const QString &containerPath()
{
    static const QTemporaryDir dir((QDir(QStringLiteral("/dev/shm")).exists()
                                        ? QStringLiteral("/dev/shm")
                                        : QDir::tempPath()) +
                                   QStringLiteral("/storagewalk-fuzz-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("fuzz.stg"));
    return path;
}

// Entry index located alone; nullopt when that raises the container's damage.
std::optional<TStorageItem> locateOne(const QString &path, int index)
{
    try {
        return LocateStorageItem(path, index);
    } catch (const EStorageDamaged &) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString &path = containerPath();
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(reinterpret_cast<const char *>(data), qsizetype(size)) != qsizetype(size))
            std::abort();
    }
    std::vector<TStorageItem> items;
    bool damaged = false;
    try {
        LocateStorageItems(path, items);
    } catch (const EStorageDamaged &) {
        damaged = true;
    }
    qint64 at = 0;
    for (const TStorageItem &item : items) {
        if (item.Offset != at + 4 || item.Length < 0 ||
            qint64(item.Offset) + item.Length > qint64(size))
            std::abort();
        at = qint64(item.Offset) + item.Length;
    }
    // A sound container is walked to its last byte; a damaged one stops at a record that does
    // not fit.
    if (!damaged && at != qint64(size))
        std::abort();
    const int count = static_cast<int>(items.size());
    for (const int index : {0, count / 2, count - 1}) {
        if (index < 0 || index >= count)
            continue;
        const std::optional<TStorageItem> one = locateOne(path, index);
        if (!one || !(*one == items[size_t(index)]))
            std::abort();
    }
    // Past the entries found: nothing in a sound container, the same damage in a damaged one.
    const std::optional<TStorageItem> past = locateOne(path, count);
    if (damaged ? past.has_value() : (!past || !(*past == TStorageItem{})))
        std::abort();
    return 0;
}
