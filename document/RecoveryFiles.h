#pragma once

// The recovery files of one state folder. Each running copy of the program writes its unsaved
// design to a file of its own: recovery.vpopup for the first, recovery-2.vpopup, recovery-3.vpopup
// ... for copies started while others run. A lock file beside each ("recovery.vpopup.lock")
// says which copy owns it, so that a copy never offers, overwrites or removes the file of a copy
// that is still running, and a file whose owner has ended without removing it (a crash or a
// kill) is found at the next start.

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QLockFile;

class TRecoveryFiles {
public:
    // folder is the program's state folder; it is made when the first file is written.
    explicit TRecoveryFiles(QString folder);
    ~TRecoveryFiles();
    TRecoveryFiles(const TRecoveryFiles &) = delete;
    TRecoveryFiles &operator=(const TRecoveryFiles &) = delete;

    // The file of slot n (1 for recovery.vpopup).
    QString SlotPath(int slot) const;
    // The file this copy writes to. Taken on first use: the first slot that no running copy
    // owns and that holds no file left by an ended one. Empty when no lock can be made in the
    // folder (the folder cannot be written; there is then nothing to recover either).
    QString OwnPath();
    // The first file left by a copy that has ended, or empty. It is held by this copy from now
    // on, until Discard or Adopt, so that no copy started meanwhile offers it too.
    QString TakeLeftFile();
    // Removes a left file and lets its slot go.
    void Discard(const QString &path);
    // A left file becomes this copy's own: it is written from now on and removed by RemoveOwn.
    // False (nothing changes) when this copy has a file already or path is not held as left.
    bool Adopt(const QString &path);
    // Removes this copy's file; the slot stays this copy's.
    void RemoveOwn();

private:
    // The slot's lock, or nullptr; owned then tells whether another copy holds it (rather
    // than the folder refusing lock files).
    std::unique_ptr<QLockFile> LockSlot(const QString &path, bool *owned = nullptr) const;

    QString m_folder;
    QString m_own;
    std::unique_ptr<QLockFile> m_ownLock;
    std::map<QString, std::unique_ptr<QLockFile>> m_left;
};
