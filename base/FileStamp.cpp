#include "base/FileStamp.h"

#include <QFile>

#include <ctime>
#include <sys/stat.h>

TFileStamp StampOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return TFileStamp{static_cast<qint64>(st.st_size),
                      qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                      qint64(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec,
                      static_cast<quint64>(st.st_ino), static_cast<quint64>(st.st_dev)};
}

bool IsSettled(const TFileStamp &stamp)
{
    if (stamp.IsNone())
        return false;
    // Some file systems keep times to two seconds; the rest to a tick of a few milliseconds.
    constexpr qint64 Margin = 3'000'000'000;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const qint64 nanoseconds = qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    return stamp.changed < nanoseconds - Margin;
}
