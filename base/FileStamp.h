#pragma once

#include <QString>

// What tells one state of a file from another without reading it: its size, its modification
// and change times to the nanosecond, and which file it is on which device. Any write changes
// the change time, which no program can set back.
struct TFileStamp {
    qint64 size = -1; // -1: no such file
    qint64 modified = 0;
    qint64 changed = 0;
    quint64 inode = 0;
    quint64 device = 0;

    bool operator==(const TFileStamp &) const = default;
    bool IsNone() const { return size < 0; }
};

// The stamp of path as it is now; none when it cannot be looked at.
TFileStamp StampOf(const QString &path);
// Whether every later change of the file is bound to change its stamp: its last change lies far
// enough back that a new one cannot fall into the same tick of the file system's clock.
bool IsSettled(const TFileStamp &stamp);
