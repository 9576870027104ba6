#include "document/RecoveryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include <algorithm>
#include <utility>
#include <vector>

TRecoveryFiles::TRecoveryFiles(QString folder) : m_folder(std::move(folder)) {}

TRecoveryFiles::~TRecoveryFiles() = default;

QString TRecoveryFiles::SlotPath(int slot) const
{
    return m_folder + (slot == 1 ? QStringLiteral("/recovery.vpopup")
                                 : QStringLiteral("/recovery-%1.vpopup").arg(slot));
}

std::unique_ptr<QLockFile> TRecoveryFiles::LockSlot(const QString &path, bool *owned) const
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    // Only an owner that has ended frees a slot, however long it has been running.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return lock;
    if (owned)
        *owned = lock->error() == QLockFile::LockFailedError;
    return nullptr;
}

QString TRecoveryFiles::OwnPath()
{
    if (!m_own.isEmpty())
        return m_own;
    if (!QDir().mkpath(m_folder))
        return QString();
    for (int slot = 1;; ++slot) {
        const QString path = SlotPath(slot);
        if (m_left.count(path) != 0)
            continue;
        bool owned = false;
        std::unique_ptr<QLockFile> lock = LockSlot(path, &owned);
        if (!lock) {
            if (owned)
                continue;     // another copy runs on this slot
            return QString(); // no lock can be made here at all
        }
        // A file of an ended copy is kept for the next start to offer.
        if (QFileInfo::exists(path))
            continue;
        m_own = path;
        m_ownLock = std::move(lock);
        return m_own;
    }
}

QString TRecoveryFiles::TakeLeftFile()
{
    static const QRegularExpression name(QStringLiteral("^recovery(-([0-9]{1,6}))?\\.vpopup$"));
    std::vector<int> numbers;
    const QStringList files =
        QDir(m_folder).entryList({QStringLiteral("recovery*.vpopup")}, QDir::Files);
    for (const QString &file : files) {
        const QRegularExpressionMatch match = name.match(file);
        if (!match.hasMatch())
            continue;
        const int slot = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
        // "recovery-1.vpopup" or "recovery-02.vpopup" belong to no slot.
        if (slot >= 1 && SlotPath(slot) == m_folder + QLatin1Char('/') + file)
            numbers.push_back(slot);
    }
    std::sort(numbers.begin(), numbers.end());
    for (const int slot : numbers) {
        const QString path = SlotPath(slot);
        if (path == m_own || m_left.count(path) != 0)
            continue;
        if (std::unique_ptr<QLockFile> lock = LockSlot(path)) {
            m_left.emplace(path, std::move(lock));
            return path;
        }
    }
    return QString();
}

void TRecoveryFiles::Discard(const QString &path)
{
    const auto held = m_left.find(path);
    if (held == m_left.end())
        return;
    QFile::remove(path);
    m_left.erase(held);
}

bool TRecoveryFiles::Adopt(const QString &path)
{
    const auto held = m_left.find(path);
    if (held == m_left.end() || !m_own.isEmpty())
        return false;
    m_own = path;
    m_ownLock = std::move(held->second);
    m_left.erase(held);
    return true;
}

void TRecoveryFiles::RemoveOwn()
{
    if (!m_own.isEmpty())
        QFile::remove(m_own);
}
