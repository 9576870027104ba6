#include "site/SitePublisher.h"

#include "imaging/VantelleError.h"
#include "output/PageText.h"
#include "output/PopupSettings.h"
#include "site/SitePages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace {

// Pages are replaced in groups: the intents of a group go to the journal and the disk first,
// then the group's pages are renamed into place, then the progress is told. A group's pages
// are held in memory until its intents are on the disk; where the file system keeps its files
// in memory, that wait costs nothing and smaller groups hold less.
constexpr size_t kGroup = 256;
constexpr size_t kGroupInMemory = 32;

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

QString SystemReason()
{
    return EFileError::LastSystemReason();
}

// The new file of a page while it is being replaced: hidden, beside it.
QString ReplacementPath(const QString &pagePath)
{
    const qsizetype slash = pagePath.lastIndexOf(u'/');
    return pagePath.left(slash + 1) + u'.' + pagePath.mid(slash + 1) +
           QStringLiteral(".vantelle-new");
}

bool SameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec &&
           a.st_mode == b.st_mode;
}

// The most folders held open at once.
constexpr size_t kHeldFolders = 32;

// Reads a whole file (name in the folder dir; path for messages) into bytes (in its memory when
// it has room) with its status, or gives the reason it cannot be read. With settled, a file
// that changes while it is read is read again, so that the status is surely that of the bytes.
bool ReadWithStatus(int dir, const QByteArray &name, const QString &path, struct stat &info,
                    QByteArray &bytes, QString &reason, bool settled)
{
    // Reading a page is not using it: its access time stays (where the page's owner may ask).
    int fd = ::openat(dir, name.constData(), O_RDONLY | O_CLOEXEC | O_NOATIME);
    if (fd < 0 && errno == EPERM)
        fd = ::openat(dir, name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > (qint64(1) << 31)) {
        reason = EFileError::CannotOpen(
                     path, fd < 0 || errno != 0
                               ? SystemReason()
                               : QCoreApplication::translate("SitePublisher", "Not a file"))
                     .message();
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    bool failed = false;
    for (int attempt = 0;; ++attempt) {
        const auto size = static_cast<qsizetype>(info.st_size);
        if (!bytes.isDetached() || bytes.capacity() < size) {
            // With room for a page somewhat longer, so that the memory serves the next pages.
            bytes = QByteArray();
            bytes.reserve((size + 4096) & ~qsizetype(4095));
        }
        bytes.resize(size);
        qsizetype got = 0;
        while (got < size) {
            const ssize_t n = ::pread(fd, bytes.data() + got, static_cast<size_t>(size - got), got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        failed = got < size;
        struct stat after {};
        if (failed || !settled || ::fstat(fd, &after) != 0 || SameFile(after, info) ||
            attempt == 2 || !S_ISREG(after.st_mode) || after.st_size > (qint64(1) << 31))
            break;
        info = after;
    }
    if (failed)
        reason = EFileError::CannotOpen(path, SystemReason()).message();
    ::close(fd);
    return !failed;
}

// A new page as it is written: up to three parts one after the other (the page's bytes around
// its change, and what the change puts in).
using TPageParts = std::array<QByteArrayView, 3>;

bool WriteAll(int fd, TPageParts parts)
{
    size_t first = 0;
    for (;;) {
        while (first < parts.size() && parts[first].isEmpty())
            ++first;
        if (first == parts.size())
            return true;
        iovec pieces[3];
        int count = 0;
        for (size_t k = first; k < parts.size(); ++k)
            pieces[count++] = {const_cast<char *>(parts[k].data()),
                               static_cast<size_t>(parts[k].size())};
        const ssize_t n = ::writev(fd, pieces, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        // What was written goes from the front.
        for (qsizetype left = n; left > 0;) {
            const qsizetype take = std::min(left, parts[first].size());
            parts[first] = parts[first].sliced(take);
            left -= take;
            if (parts[first].isEmpty())
                ++first;
        }
    }
}

bool WriteAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

// The file mode creation mask of the process, read without changing it; nullopt when it cannot
// be read.
std::optional<mode_t> CreationMask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = status.readAll();
    const qsizetype at = text.indexOf("\nUmask:");
    if (at < 0)
        return std::nullopt;
    const qsizetype end = text.indexOf('\n', at + 1);
    bool ok = false;
    const uint mask = text.mid(at + 8, end - at - 8).trimmed().toUInt(&ok, 8);
    if (!ok || mask > 0777)
        return std::nullopt;
    return static_cast<mode_t>(mask);
}

// How the new file of a page is made like the page.
struct TFileLike {
    // The creation mask of the process (nullopt when unknown).
    std::optional<mode_t> Mask;
    // The group a new file gets in the page's folder (nullopt when unknown).
    std::optional<gid_t> NewFileGroup;
    // Whether the file system keeps its files in memory only, where there is no writing out
    // to start.
    bool InMemory = false;
};

// Whether the file system of path keeps its files in memory only (asked once per run).
bool InMemoryFileSystem(const QString &path)
{
    struct statfs info {};
    if (::statfs(Native(path).constData(), &info) != 0)
        return false;
    return info.f_type == TMPFS_MAGIC || info.f_type == RAMFS_MAGIC;
}

// Writes the new file of a page (name in the folder dir; path for messages) with the page's
// permissions (and owner, where allowed).
void WriteReplacement(int dir, const QByteArray &name, const QString &path, const struct stat &like,
                      const TFileLike &how, const TPageParts &parts)
{
    static const uid_t user = ::geteuid();
    const mode_t mode = like.st_mode & 07777;
    // Only the superuser can give the file the page's owner; until it has, the file stays its
    // own. Anyone else makes the file with the page's permissions at once, and sets them only
    // when the creation mask takes some away.
    const bool setOwner =
        user == 0 && (like.st_uid != user || !how.NewFileGroup || like.st_gid != *how.NewFileGroup);
    const mode_t created = setOwner ? 0600 : mode & 0777;
    const int fd =
        ::openat(dir, name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, created);
    if (fd < 0)
        throw EFileError::CannotCreate(path, SystemReason());
    const bool setMode = setOwner || !how.Mask || (created & ~*how.Mask) != mode;
    bool ok = (!setMode || ::fchmod(fd, mode) == 0) && WriteAll(fd, parts);
    if (ok && setOwner)
        (void)!::fchown(fd, like.st_uid, like.st_gid);
    // Start writing the new page out now, so that the rename over the page, which makes the
    // file system write it first, finds it on its way (a hint only: no wait, no error).
    if (ok && !how.InMemory)
        (void)::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    const QString reason = ok ? QString() : SystemReason();
    if (::close(fd) != 0 && ok)
        ok = false;
    if (!ok) {
        ::unlinkat(dir, name.constData(), 0);
        throw EFileError::CannotCreate(path, reason.isEmpty() ? SystemReason() : reason);
    }
}

// Removes the new page files a killed run may have left beside the journal's pages. Each folder
// is listed once rather than every page's new file looked up by name.
template <typename PathOf> void RemoveReplacements(const TSiteJournal &journal, PathOf pathOf)
{
    // Mostly there are none: the folders are looked through for a new page file of any name
    // first, and the journal's names gathered only when there is one.
    const QByteArray suffix = ".vantelle-new";
    std::set<QString> folders;
    QString previous;
    for (const TJournalRecord &record : journal.Records) {
        const QString folder = record.Page.left(record.Page.lastIndexOf(u'/') + 1);
        if (folder != previous || folders.empty())
            folders.insert(folder);
        previous = folder;
    }
    bool any = false;
    for (const QString &folder : folders) {
        // The folder of a page named "x" in it.
        const QByteArray page = Native(pathOf(folder + u'x'));
        DIR *dir = ::opendir(page.left(page.lastIndexOf('/')).constData());
        if (!dir)
            continue;
        while (const dirent *entry = ::readdir(dir))
            if (entry->d_name[0] == '.' && QByteArrayView(entry->d_name).endsWith(suffix))
                any = true;
        ::closedir(dir);
        if (any)
            break;
    }
    if (!any)
        return;
    std::map<QByteArray, std::set<QByteArray>> byFolder;
    for (const TJournalRecord &record : journal.Records) {
        const QByteArray path = Native(ReplacementPath(pathOf(record.Page)));
        const qsizetype slash = path.lastIndexOf('/');
        byFolder[path.left(slash)].insert(path.mid(slash + 1));
    }
    for (const auto &[folder, names] : byFolder) {
        DIR *dir = ::opendir(folder.constData());
        if (!dir)
            continue;
        std::vector<QByteArray> found;
        while (const dirent *entry = ::readdir(dir))
            if (entry->d_name[0] == '.' && names.count(QByteArray(entry->d_name)))
                found.push_back(folder + '/' + entry->d_name);
        ::closedir(dir);
        for (const QByteArray &path : found)
            ::unlink(path.constData());
    }
}

// The smallest change that turns before (of hash beforeHash) into before with the bytes from
// from to to replaced by added, found without building the new page: the bytes up to from and
// from to on are the same in both, so only the bytes beside the change are compared.
TPageSplice SpliceOf(const QByteArray &before, uint64_t beforeHash, qsizetype from, qsizetype to,
                     const QByteArray &added)
{
    const qsizetype beforeSize = before.size();
    const qsizetype afterSize = beforeSize - (to - from) + added.size();
    const auto afterAt = [&](qsizetype i) {
        if (i < from)
            return before[i];
        if (i - from < added.size())
            return added[i - from];
        return before[i - added.size() + (to - from)];
    };
    const qsizetype limit = std::min(beforeSize, afterSize);
    qsizetype prefix = from;
    while (prefix < limit && before[prefix] == afterAt(prefix))
        ++prefix;
    const qsizetype kept = beforeSize - to;
    qsizetype suffix = std::min(kept, limit - prefix);
    if (suffix == kept)
        while (suffix < limit - prefix &&
               before[beforeSize - 1 - suffix] == afterAt(afterSize - 1 - suffix))
            ++suffix;
    TPageSplice splice;
    splice.Before = beforeHash;
    splice.After = TPageHasher()
                       .Add(QByteArrayView(before).first(from))
                       .Add(added)
                       .Add(QByteArrayView(before).sliced(to))
                       .Finish();
    splice.Offset = prefix;
    splice.Removed = before.mid(prefix, beforeSize - prefix - suffix);
    splice.Inserted.resize(afterSize - prefix - suffix);
    for (qsizetype i = 0; i < splice.Inserted.size(); ++i)
        splice.Inserted[i] = afterAt(prefix + i);
    return splice;
}

// The original of a page published once (of hash hash) as the page with the bytes from from to
// to replaced by removed, found without building it, when nobody has changed the page since:
// false otherwise. *originalHash is the original's.
bool OriginalInPlace(const QByteArray &bytes, uint64_t hash,
                     const std::vector<TPageSplice> &splices, qsizetype &from, qsizetype &to,
                     QByteArray &removed, uint64_t &originalHash)
{
    if (splices.size() != 1 || hash != splices.front().After)
        return false;
    const TPageSplice &splice = splices.front();
    if (splice.Offset > bytes.size() || bytes.size() - splice.Offset < splice.Inserted.size() ||
        QByteArrayView(bytes).sliced(splice.Offset, splice.Inserted.size()) != splice.Inserted)
        return false;
    const QByteArrayView page(bytes);
    originalHash = TPageHasher()
                       .Add(page.first(splice.Offset))
                       .Add(splice.Removed)
                       .Add(page.sliced(splice.Offset + splice.Inserted.size()))
                       .Finish();
    if (originalHash != splice.Before)
        return false;
    from = splice.Offset;
    to = splice.Offset + splice.Inserted.size();
    removed = splice.Removed;
    return true;
}

QStringList SplitLines(const QByteArray &text)
{
    QStringList lines;
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = from;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        lines << QString::fromUtf8(text.mid(from, end - from));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        from = end + 1;
    }
    return lines;
}

// One hunk with three lines of context: the pages differ only around the popup block.
QString UnifiedDiff(const QString &name, const QByteArray &before, const QByteArray &after)
{
    const QStringList a = SplitLines(before);
    const QStringList b = SplitLines(after);
    qsizetype prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    constexpr qsizetype kContext = 3;
    const qsizetype from = std::max<qsizetype>(0, prefix - kContext);
    const qsizetype aTo = std::min(a.size(), a.size() - suffix + kContext);
    const qsizetype bTo = std::min(b.size(), b.size() - suffix + kContext);
    const auto range = [](qsizetype start, qsizetype count) {
        return QStringLiteral("%1,%2").arg(count == 0 ? start : start + 1).arg(count);
    };
    QString diff = QStringLiteral("--- a/%1\n+++ b/%1\n@@ -%2 +%3 @@\n")
                       .arg(name, range(from, aTo - from), range(from, bTo - from));
    for (qsizetype i = from; i < prefix; ++i)
        diff += u' ' + a[i] + u'\n';
    for (qsizetype i = prefix; i < a.size() - suffix; ++i)
        diff += u'-' + a[i] + u'\n';
    for (qsizetype i = prefix; i < b.size() - suffix; ++i)
        diff += u'+' + b[i] + u'\n';
    for (qsizetype i = a.size() - suffix; i < aTo; ++i)
        diff += u' ' + a[i] + u'\n';
    return diff;
}

// The journal file, appended to while a run replaces pages.
class TJournalWriter {
public:
    explicit TJournalWriter(const QString &path) : m_path(path)
    {
        m_fd = ::open(Native(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (m_fd < 0)
            throw EFileError::CannotCreate(path, SystemReason());
    }
    ~TJournalWriter() { ::close(m_fd); }
    TJournalWriter(const TJournalWriter &) = delete;
    TJournalWriter &operator=(const TJournalWriter &) = delete;

    // Appends the lines and waits until they are on the disk.
    void Append(const QByteArray &lines)
    {
        if (lines.isEmpty())
            return;
        if (!WriteAll(m_fd, lines) || ::fdatasync(m_fd) != 0)
            throw EFileError::CannotCreate(m_path, SystemReason());
    }
    // Waits until everything written to the file system of the journal is on the disk.
    void SyncFileSystem() { ::syncfs(m_fd); }

private:
    QString m_path;
    int m_fd = -1;
};

// Settings with the cookie name the site keeps.
class TCookieSource : public TPopupSource {
public:
    TCookieSource(TPopupSource &source, QString cookieName)
        : m_source(source), m_cookieName(std::move(cookieName))
    {
    }
    TComposedPopup ComposePopupImage() override { return m_source.ComposePopupImage(); }
    int DocumentSize() const override { return m_source.DocumentSize(); }
    TPopupSettings PopupSettings() const override
    {
        TPopupSettings settings = m_source.PopupSettings();
        settings.CookieName = m_cookieName;
        return settings;
    }
    QString DesignText() const override { return m_source.DesignText(); }
    bool ComposeSharpImage(TPNGObject &picture) override
    {
        return m_source.ComposeSharpImage(picture);
    }

private:
    TPopupSource &m_source;
    QString m_cookieName;
};

} // namespace

QString DefaultSitePopupFolder(const QString &site, const QString &designName)
{
    return JoinPath(JoinPath(site, QStringLiteral("popup")), designName);
}

int TSitePlan::Count(TSitePageAction action) const
{
    return static_cast<int>(std::count_if(Pages.begin(), Pages.end(),
                                          [&](const auto &page) { return page.Action == action; }));
}

int TSiteResult::Count(TSitePageAction action) const
{
    return static_cast<int>(std::count_if(Pages.begin(), Pages.end(),
                                          [&](const auto &page) { return page.Action == action; }));
}

QString SitePageStateName(TSitePageState state)
{
    switch (state) {
    case TSitePageState::NoPopup:
        return QStringLiteral("no popup");
    case TSitePageState::ThisPopup:
        return QStringLiteral("this popup");
    case TSitePageState::OtherPopup:
        return QStringLiteral("another popup");
    case TSitePageState::BadMarkers:
        return QStringLiteral("markers that do not pair");
    case TSitePageState::Unusable:
        return QStringLiteral("cannot be changed");
    }
    return QString();
}

QString SitePageActionName(TSitePageAction action)
{
    switch (action) {
    case TSitePageAction::Add:
        return QStringLiteral("added");
    case TSitePageAction::Update:
        return QStringLiteral("updated");
    case TSitePageAction::Unchanged:
        return QStringLiteral("unchanged");
    case TSitePageAction::Remove:
        return QStringLiteral("removed");
    case TSitePageAction::Skip:
        return QStringLiteral("skipped");
    }
    return QString();
}

TSitePublisher::TSitePublisher(const QString &site, const QString &popupFolder,
                               const QString &designName)
{
    const QString canonical = QDir(site).canonicalPath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isDir())
        throw EVantelleError(
            QCoreApplication::translate("SitePublisher", "The site folder \"%1\" does not exist")
                .arg(site));
    m_site = canonical;
    m_popupFolder =
        QDir::cleanPath(popupFolder.isEmpty() ? DefaultSitePopupFolder(m_site, designName)
                                              : QDir(m_site).absoluteFilePath(popupFolder));
    // The popup folder's own place, links resolved, so that addresses computed from it hold.
    const QString parent = QFileInfo(m_popupFolder).absolutePath();
    if (const QString real = QDir(parent).canonicalPath(); !real.isEmpty())
        m_popupFolder = JoinPath(real, QFileInfo(m_popupFolder).fileName());
    m_scriptFile = JoinPath(m_popupFolder, QStringLiteral("script.js"));
}

QString TSitePublisher::ScriptFile() const
{
    return m_scriptFile;
}

QString TSitePublisher::JournalFile() const
{
    return JoinPath(m_popupFolder, SiteJournalName);
}

QString TSitePublisher::PagePath(const QString &page) const
{
    // Pages are relative to the site, without "." or ".." (as listed, and as the journal
    // takes them).
    return m_site.endsWith(u'/') ? m_site + page : m_site + u'/' + page;
}

namespace {

// isOurs(path, source) says whether the script address source in the page at path is the
// popup's script.
template <typename IsOurs>
TSitePageLook LookAt(const QString &path, const QByteArray &bytes, IsOurs isOurs)
{
    TSitePageLook look;
    try {
        CheckSingleByteText(bytes, path);
    } catch (const EVantelleError &error) {
        look.State = TSitePageState::Unusable;
        look.Reason = error.message();
        return look;
    }
    const TPopupMarkers markers = ReadPopupMarkers(bytes);
    if (!markers.Mismatches.empty()) {
        look.State = TSitePageState::BadMarkers;
        look.Reason = markers.MismatchReason();
        return look;
    }
    // Markers with nothing between them are where the page wants a popup.
    if (markers.Blocks.empty() || markers.Blocks.front().Source.isEmpty())
        return look;
    const TPopupBlock &first = markers.Blocks.front();
    if (isOurs(path, first.Source)) {
        look.State = TSitePageState::ThisPopup;
        look.Block = first;
        look.BlockBytes = bytes.sliced(first.Start, first.End - first.Start);
    } else {
        look.State = TSitePageState::OtherPopup;
        look.Reason = QCoreApplication::translate("SitePublisher", "It holds another popup (%1)")
                          .arg(QString::fromUtf8(first.Source));
    }
    return look;
}

// The page (of hash hash) without this popup: its original bytes when nobody changed it since,
// else the page with only the block taken out. *originalHash is set to the result's hash when
// the original bytes came back. The original may be built in the memory of storage.
QByteArray WithoutPopup(const QByteArray &bytes, uint64_t hash, const TPopupBlock &block,
                        const std::vector<TPageSplice> &splices,
                        std::optional<uint64_t> *originalHash = nullptr, QByteArray storage = {})
{
    if (!splices.empty() && hash == splices.back().After) {
        QByteArray original = bytes;
        uint64_t now = hash;
        bool exact = true;
        for (auto it = splices.rbegin(); it != splices.rend() && exact; ++it) {
            exact =
                now == it->After && it->Offset <= original.size() &&
                original.size() - it->Offset >= it->Inserted.size() &&
                QByteArrayView(original).sliced(it->Offset, it->Inserted.size()) == it->Inserted;
            if (exact) {
                // Built anew rather than replaced in a copy: one pass over the bytes.
                QByteArray before = std::move(storage);
                storage = QByteArray();
                before.resize(0);
                before.reserve(original.size() - it->Inserted.size() + it->Removed.size());
                before.append(QByteArrayView(original).first(it->Offset));
                before.append(it->Removed);
                before.append(QByteArrayView(original).sliced(it->Offset + it->Inserted.size()));
                original = std::move(before);
                now = PageHash(original);
            }
        }
        if (exact && now == splices.front().Before) {
            if (originalHash)
                *originalHash = now;
            return original;
        }
    }
    QByteArray result = bytes;
    const QByteArrayView tag = QByteArrayView(bytes).sliced(block.Start, block.End - block.Start);
    // The line end the first publish put beside the tag goes with it, when it is still there.
    if (!splices.empty() && splices.front().Removed.isEmpty()) {
        const QByteArray &inserted = splices.front().Inserted;
        const qsizetype within = inserted.indexOf(tag);
        if (within >= 0 && block.Start >= within &&
            bytes.size() - (block.Start - within) >= inserted.size() &&
            QByteArrayView(bytes).sliced(block.Start - within, inserted.size()) == inserted)
            return result.remove(block.Start - within, inserted.size());
    }
    // Markers the page had before keep their place, empty again.
    if (splices.size() == 1) {
        const qsizetype at = tag.indexOf(splices.front().Inserted);
        if (at >= 0 && !splices.front().Inserted.isEmpty())
            return result.replace(block.Start + at, splices.front().Inserted.size(),
                                  splices.front().Removed);
    }
    return result.remove(block.Start, block.End - block.Start);
}

} // namespace

// Why a page cannot be replaced, or empty.
QString TSitePublisher::WhyNotWritable(const QString &path, const struct stat &info) const
{
    if ((info.st_mode & 0222) == 0)
        return QCoreApplication::translate("SitePublisher", "It is read-only");
    const QString folder = path.left(path.lastIndexOf(u'/'));
    auto known = m_writable.find(folder);
    if (known == m_writable.end())
        known = m_writable.emplace(folder, ::access(Native(folder).constData(), W_OK) == 0).first;
    if (!known->second)
        return QCoreApplication::translate("SitePublisher", "Its folder cannot be written to");
    return QString();
}

TSitePublisher::TReadPage *TSitePublisher::ReadPage(const QString &page, QString *reason,
                                                    bool withBytes) const
{
    auto known = m_pages.find(page);
    if (known != m_pages.end()) {
        TReadPage &read = known->second;
        const bool held = m_bytesOf == &read;
        if (read.Check == m_check && (held || !withBytes))
            return &read;
        if (held || !withBytes) {
            // Its status says whether what was learnt still holds.
            struct stat info {};
            Locate(read);
            if (::fstatat(read.Dir, read.Name.constData(), &info, 0) == 0 &&
                SameFile(info, read.Info)) {
                read.Check = m_check;
                return &read;
            }
            read.Info = {}; // changed: read anew
        }
    } else {
        known = m_pages.try_emplace(page).first;
        known->second.Path = PagePath(page);
    }
    TReadPage &read = known->second;
    if (!Load(read, reason)) {
        Forget(page);
        return nullptr;
    }
    return &read;
}

bool TSitePublisher::Load(TReadPage &read, QString *reason) const
{
    // What the page held last is worked out before its bytes go.
    if (m_bytesOf && m_bytesOf != &read && !m_bytesOf->Look)
        m_bytesOf->Look = LookAt(m_bytesOf->Path, m_bytes, IsOurScript());
    m_bytesOf = nullptr;
    Locate(read);
    struct stat info {};
    QString why;
    // A page read before is taken as it was read when its status is the same and its bytes are
    // those read then: they have the same hash when that is known, else the status is asked
    // again after reading, so that it is surely the bytes'.
    const bool before = read.Reading != 0;
    if (!ReadWithStatus(read.Dir, read.Name, read.Path, info, m_bytes, why, before && !read.Hash)) {
        if (reason)
            *reason = why;
        return false;
    }
    m_bytesOf = &read;
    read.Check = m_check;
    std::optional<uint64_t> hash;
    if (before && SameFile(info, read.Info)) {
        if (!read.Hash)
            return true;
        hash = PageHash(m_bytes);
        if (*hash == *read.Hash)
            return true;
    }
    read.Info = info;
    read.Hash = hash;
    read.Look.reset();
    read.Reading = ++m_readings;
    return true;
}

const QByteArray &TSitePublisher::BytesOf(TReadPage &page) const
{
    if (m_bytesOf != &page && !Load(page, nullptr)) {
        // Gone since it was read: the bytes as they were are not to be had.
        static const QByteArray none;
        return none;
    }
    return m_bytes;
}

QByteArray TSitePublisher::TakeBytes(TReadPage &page, QByteArray storage) const
{
    if (m_bytesOf != &page)
        return QByteArray();
    LookOf(page);
    m_bytesOf = nullptr;
    return std::exchange(m_bytes, std::move(storage));
}

void TSitePublisher::Forget(const QString &page) const
{
    const auto known = m_pages.find(page);
    if (known == m_pages.end())
        return;
    if (m_bytesOf == &known->second)
        m_bytesOf = nullptr;
    m_pages.erase(known);
}

TSitePublisher::TPlace TSitePublisher::Place(const QString &path) const
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const QStringView folder = QStringView(path).first(slash);
    auto held = m_folders.find(folder);
    if (held == m_folders.end()) {
        if (m_folders.size() >= kHeldFolders)
            ForgetFolders();
        const int fd =
            ::open(Native(folder.toString()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        held = m_folders.emplace(folder.toString(), fd).first;
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0)
            m_newFileGroup[fd] = (info.st_mode & S_ISGID) != 0 ? info.st_gid : ::getegid();
    }
    // A folder that cannot be held is gone through by the whole path.
    if (held->second < 0)
        return {AT_FDCWD, Native(path)};
    // The name as QFile::encodeName gives it (UTF-8), without a copy of the name first.
    return {held->second, QStringView(path).sliced(slash + 1).toUtf8()};
}

void TSitePublisher::Locate(TReadPage &page) const
{
    if (page.Folders == m_folderGeneration)
        return;
    TPlace place = Place(page.Path);
    page.Dir = place.Dir;
    page.Name = std::move(place.Name);
    page.Folders = m_folderGeneration;
}

void TSitePublisher::ForgetFolders() const
{
    for (const auto &[folder, fd] : m_folders)
        if (fd >= 0)
            ::close(fd);
    m_folders.clear();
    m_newFileGroup.clear();
    ++m_folderGeneration;
}

TSitePublisher::~TSitePublisher()
{
    ForgetFolders();
}

uint64_t TSitePublisher::HashOf(TReadPage &page) const
{
    if (!page.Hash) {
        const QByteArray &bytes = BytesOf(page);
        page.Hash = PageHash(bytes);
    }
    return *page.Hash;
}

const TSitePageLook &TSitePublisher::LookOf(TReadPage &page) const
{
    if (!page.Look) {
        const QByteArray &bytes = BytesOf(page);
        page.Look = LookAt(page.Path, bytes, IsOurScript());
    }
    return *page.Look;
}

TSitePagePlan TSitePublisher::PlanPage(const QString &page, bool takeDown, TReadPage **as,
                                       bool withBytes) const
{
    TSitePagePlan plan;
    plan.Page = page;
    QString reason;
    TReadPage *read = ReadPage(page, &reason, withBytes);
    if (as)
        *as = read;
    if (!read) {
        plan.State = TSitePageState::Unusable;
        plan.Reason = reason;
        return plan;
    }
    const TSitePageLook &look = LookOf(*read);
    plan.State = look.State;
    plan.Reason = look.Reason;
    switch (look.State) {
    case TSitePageState::NoPopup:
        plan.Action = takeDown ? TSitePageAction::Unchanged : TSitePageAction::Add;
        break;
    case TSitePageState::ThisPopup:
        if (takeDown)
            plan.Action = TSitePageAction::Remove;
        else
            // Publishing puts the tag in place of the block: nothing changes when the block is
            // the tag already.
            plan.Action = look.BlockBytes == ScriptTagFor(page) ? TSitePageAction::Unchanged
                                                                : TSitePageAction::Update;
        break;
    default:
        plan.Action = TSitePageAction::Skip;
        return plan;
    }
    if (plan.Action == TSitePageAction::Add || plan.Action == TSitePageAction::Update ||
        plan.Action == TSitePageAction::Remove) {
        if (const QString why = WhyNotWritable(read->Path, read->Info); !why.isEmpty()) {
            plan.State = TSitePageState::Unusable;
            plan.Reason = why;
            plan.Action = TSitePageAction::Skip;
        }
    }
    return plan;
}

QByteArray TSitePublisher::ScriptTagFor(const QString &page) const
{
    // Pages of one folder share their tag.
    const QString folder = page.left(page.lastIndexOf(u'/') + 1);
    auto known = m_tags.find(folder);
    if (known == m_tags.end())
        known = m_tags
                    .emplace(folder, QByteArray(PopupStartMarker) + "<script src=" +
                                         RelativeScriptAddress(PagePath(page), ScriptFile()) +
                                         "></script>" + PopupEndMarker)
                    .first;
    return known->second;
}

std::vector<TSitePagePlan> TSitePublisher::PageStates() const
{
    m_writable.clear();
    ForgetFolders();
    NewCheck();
    std::vector<TSitePagePlan> states;
    for (const QString &page : ListSitePages(m_site))
        states.push_back(PlanPage(page, false));
    return states;
}

const TSiteJournal &TSitePublisher::ReadJournal() const
{
    // Read again only when its status says it changed since.
    const QString path = JournalFile();
    struct stat info {};
    if (::stat(Native(path).constData(), &info) != 0) {
        m_journal.reset();
        static const TSiteJournal none;
        return none;
    }
    if (!m_journal || !SameFile(info, m_journal->Info)) {
        m_journal.reset();
        QByteArray bytes = ReadFileBytes(path);
        TSiteJournal journal = ParseSiteJournal(bytes, path);
        m_journal = TReadJournal{std::move(journal), std::move(bytes), info, std::nullopt};
    }
    return m_journal->Journal;
}

QString TSitePublisher::JournalCookieName() const
{
    return ReadJournal().CookieName;
}

TSitePublisher::TJournalState TSitePublisher::JournalState(const TSiteJournal &journal) const
{
    TJournalState state;
    // Each page is asked about a few times in a row: found once.
    const QString *last = nullptr;
    TReadPage *lastRead = nullptr;
    const auto read = [&](const QString &page) {
        if (last != &page && (!last || *last != page)) {
            lastRead = ReadPage(page);
            last = &page;
        }
        return lastRead;
    };
    state.Pages = ReconcileJournal(
        journal,
        [&](const QString &page) -> std::optional<uint64_t> {
            TReadPage *as = read(page);
            state.Readings[page] = as ? as->Reading : 0;
            return as ? std::optional<uint64_t>(HashOf(*as)) : std::nullopt;
        },
        [&](const QString &page) {
            TReadPage *as = read(page);
            return as && LookOf(*as).Block.has_value();
        });
    // Kept for the run that follows a plan: it asks again only about the pages read anew since.
    if (m_journal && &journal == &m_journal->Journal && !state.Readings.empty())
        m_journal->Reconciled = state;
    return state;
}

TSitePlan TSitePublisher::PlanPublish(const QStringList &include, const QStringList &exclude) const
{
    return PlanPages(FilterPages(ListSitePages(m_site), include, exclude));
}

TSitePlan TSitePublisher::PlanPages(const QStringList &pages) const
{
    m_writable.clear();
    ForgetFolders();
    NewCheck();
    TSitePlan plan;
    plan.Pages.reserve(pages.size());
    for (const QString &page : pages) {
        TReadPage *read = nullptr;
        plan.Pages.push_back(PlanPage(page, false, &read));
        const TSitePagePlan &last = plan.Pages.back();
        // The hash a run needs is had now, while the page's bytes are here; the run reads
        // the page again and knows it by this hash.
        if (read && (last.Action == TSitePageAction::Add || last.Action == TSitePageAction::Update))
            HashOf(*read);
        if (plan.ExampleDiff.isEmpty() &&
            (last.Action == TSitePageAction::Add || last.Action == TSitePageAction::Update)) {
            if (TReadPage *read = ReadPage(page)) {
                const QByteArray &bytes = BytesOf(*read);
                plan.ExampleDiff =
                    UnifiedDiff(page, bytes, InsertPopupTag(bytes, ScriptTagFor(page), read->Path));
            }
        }
    }
    return plan;
}

TSitePlan TSitePublisher::ChoosePages(const QStringList &include, const QStringList &exclude) const
{
    TSitePlan plan;
    const QStringList pages = FilterPages(ListSitePages(m_site), include, exclude);
    plan.Pages.reserve(pages.size());
    for (const QString &page : pages)
        plan.Pages.push_back({page, TSitePageState::NoPopup, TSitePageAction::Add, {}});
    return plan;
}

TSitePlan TSitePublisher::PlanUpdate() const
{
    m_writable.clear();
    ForgetFolders();
    NewCheck();
    TSitePlan plan;
    const TJournalState state = JournalState(ReadJournal());
    plan.Pages.reserve(state.Pages.size());
    for (const auto &[page, splices] : state.Pages)
        plan.Pages.push_back(PlanPage(page, false));
    return plan;
}

TSitePlan TSitePublisher::PlanTakeDown() const
{
    TSitePlan plan;
    plan.TakeDown = true;
    m_writable.clear();
    ForgetFolders();
    NewCheck();
    const TJournalState state = JournalState(ReadJournal());
    plan.Pages.reserve(state.Pages.size());
    for (const auto &[page, splices] : state.Pages) {
        plan.Pages.push_back(PlanPage(page, true));
        if (plan.ExampleDiff.isEmpty() && plan.Pages.back().Action == TSitePageAction::Remove) {
            if (TReadPage *read = ReadPage(page, nullptr, true); read && LookOf(*read).Block)
                plan.ExampleDiff = UnifiedDiff(
                    page, m_bytes,
                    WithoutPopup(m_bytes, HashOf(*read), *LookOf(*read).Block, splices));
        }
    }
    return plan;
}

namespace {

struct TPendingPage {
    size_t Result; // index into the run's results
    QString Path;
    QString NewFile;
    // The new page is Bytes with the bytes from From to To replaced by Added.
    QByteArray Bytes;
    qsizetype From = 0;
    qsizetype To = 0;
    QByteArray Added;
    TPageSplice Splice;
    struct stat Info {};
    // Where the page is found while the folders held are those of generation Folders.
    int Dir = -1;
    QByteArray Name;
    unsigned Folders = 0;

    TPageParts Parts() const
    {
        return {QByteArrayView(Bytes).first(From), Added, QByteArrayView(Bytes).sliced(To)};
    }
};

} // namespace

TSiteResult TSitePublisher::Apply(const TSitePlan &plan, const TSiteProgress &progress,
                                  TPopupSource *source)
{
    if (!source && !QFileInfo::exists(JournalFile()))
        return {}; // nothing was published here
    // The journal as it stands, reconciled with the pages, is written again whole: what a
    // killed run left (a torn last line, intents that never took effect) goes.
    m_writable.clear();
    ForgetFolders();
    NewCheck();
    const QString journalPath = JournalFile();
    ReadJournal();
    // As the plan reconciled it when the journal is the same file still; a page read anew since
    // is reconciled again when its group is replaced. The run rewrites the journal: it is read
    // again after.
    TJournalState reconciled;
    TSiteJournal recorded;
    QByteArray recordedBytes;
    if (m_journal) {
        if (m_journal->Reconciled)
            reconciled = std::move(*m_journal->Reconciled);
        recorded = std::move(m_journal->Journal);
        recordedBytes = std::move(m_journal->Bytes);
        m_journal.reset();
    }
    if (reconciled.Readings.empty())
        reconciled = JournalState(recorded);
    std::map<QString, std::vector<TPageSplice>> &state = reconciled.Pages;
    // The page's state again when it was read anew since it was reconciled.
    const auto reconcileAgain = [&](const QString &page, const TReadPage *as) {
        const auto known = reconciled.Readings.find(page);
        if (known == reconciled.Readings.end() || known->second == (as ? as->Reading : 0))
            return;
        TSiteJournal one;
        for (const TJournalRecord &record : recorded.Records)
            if (record.Page == page)
                one.Records.push_back(record);
        TJournalState again = JournalState(one);
        state.erase(page);
        if (auto now = again.Pages.find(page); now != again.Pages.end())
            state.emplace(page, std::move(now->second));
        known->second = again.Readings[page];
    };
    QString cookie = recorded.CookieName;
    if (source) {
        const QString designCookie = source->PopupSettings().CookieName;
        if (!designCookie.isEmpty())
            cookie = designCookie;
        else if (cookie.isEmpty())
            cookie = NewCookieName();
    }
    // Every new page file a killed run left: each had its intent in the journal first.
    RemoveReplacements(recorded, [&](const QString &page) { return PagePath(page); });
    // unlessAsRead: not written when the file holds these bytes already (as a run that ended
    // well leaves it).
    const auto writeJournal = [&](bool unlessAsRead) {
        if (unlessAsRead) {
            // Compared line by line with the file's bytes, not built first.
            QByteArrayView left(recordedBytes);
            const auto same = [&left](const QByteArray &line) {
                if (!left.startsWith(line))
                    return false;
                left = left.sliced(line.size());
                return true;
            };
            bool asRead =
                same(JournalHeader()) && (cookie.isEmpty() || same(JournalCookieLine(cookie)));
            for (auto page = state.begin(); asRead && page != state.end(); ++page)
                for (const TPageSplice &splice : page->second)
                    if (asRead)
                        asRead =
                            same(JournalRecordLine({TJournalRecord::Publish, page->first, splice}));
            if (asRead && left.isEmpty() && !recordedBytes.isNull())
                return;
        }
        // Room for it all at once, rather than new memory again and again as it grows.
        qsizetype size = recordedBytes.size() + 256;
        for (const auto &[page, splices] : state)
            for (const TPageSplice &splice : splices)
                size += 3 * page.size() + 2 * (splice.Removed.size() + splice.Inserted.size()) + 80;
        QByteArray text;
        text.reserve(size);
        text += JournalHeader();
        if (!cookie.isEmpty())
            text += JournalCookieLine(cookie);
        for (const auto &[page, splices] : state)
            for (const TPageSplice &splice : splices)
                text += JournalRecordLine({TJournalRecord::Publish, page, splice});
        WriteFileBytes(journalPath, text, true);
    };
    // The popup's files first: a design that cannot be written stops the run before the
    // journal or any page is touched, and no page ever points to a script that is not there.
    if (source) {
        TCookieSource withCookie(*source, cookie);
        WritePopupFiles(withCookie, QString(), m_popupFolder, false);
    }
    writeJournal(true);

    TSiteResult result;
    result.Pages.reserve(plan.Pages.size());
    std::vector<size_t> work;
    for (const TSitePagePlan &page : plan.Pages) {
        result.Pages.push_back({page.Page, page.Action, page.Reason});
        if (page.Action == TSitePageAction::Add || page.Action == TSitePageAction::Update ||
            page.Action == TSitePageAction::Remove)
            work.push_back(result.Pages.size() - 1);
    }
    const int total = static_cast<int>(work.size());
    // Where a page's new file is found (its folder held as the page's).
    // The memory of the last group's new pages, used again for the next group's.
    std::vector<QByteArray> spare;
    const auto storage = [&spare] {
        if (spare.empty())
            return QByteArray();
        QByteArray buffer = std::move(spare.back());
        spare.pop_back();
        return buffer;
    };
    const auto newPlace = [this](TPendingPage &page) -> TPlace {
        if (page.Folders != m_folderGeneration) {
            TPlace place = Place(page.Path);
            page.Dir = place.Dir;
            page.Name = std::move(place.Name);
            page.Folders = m_folderGeneration;
        }
        if (page.Dir == AT_FDCWD)
            return {AT_FDCWD, Native(page.NewFile)};
        return {page.Dir, '.' + page.Name + ".vantelle-new"};
    };
    TJournalWriter journal(journalPath);
    const std::optional<mode_t> mask = CreationMask();
    const bool inMemory = InMemoryFileSystem(m_site);
    // Writes the new file of a page; a page that cannot have one is skipped.
    const auto writeNew = [&](TPendingPage &page) {
        try {
            const TPlace place = newPlace(page);
            TFileLike how{mask, std::nullopt, inMemory};
            if (const auto group = m_newFileGroup.find(place.Dir); group != m_newFileGroup.end())
                how.NewFileGroup = group->second;
            WriteReplacement(place.Dir, place.Name, page.NewFile, page.Info, how, page.Parts());
        } catch (const EVantelleError &error) {
            result.Pages[page.Result].Action = TSitePageAction::Skip;
            result.Pages[page.Result].Reason = error.message();
            page.NewFile.clear();
        }
    };
    // A group's pages and intents, their memory serving every group.
    const size_t groupSize = inMemory ? kGroupInMemory : kGroup;
    std::vector<TPendingPage> group;
    group.reserve(groupSize);
    QByteArray intents;
    size_t next = 0;
    while (next < work.size()) {
        if (result.Cancelled) {
            for (; next < work.size(); ++next) {
                result.Pages[work[next]].Action = TSitePageAction::Skip;
                result.Pages[work[next]].Reason =
                    QCoreApplication::translate("SitePublisher", "Cancelled");
            }
            break;
        }
        // The group's new pages, from the pages as they are now.
        NewCheck();
        group.clear();
        intents.resize(0);
        for (; next < work.size() && group.size() < groupSize; ++next) {
            TSitePageResult &out = result.Pages[work[next]];
            TReadPage *as = nullptr;
            const TSitePagePlan now = PlanPage(out.Page, plan.TakeDown, &as, true);
            reconcileAgain(out.Page, as);
            out.Action = now.Action;
            out.Reason = now.Reason;
            if (now.Action == TSitePageAction::Skip || now.Action == TSitePageAction::Unchanged)
                continue;
            TReadPage &read = *as;
            Locate(read);
            TPendingPage pending;
            pending.Result = work[next];
            pending.Path = read.Path;
            pending.Info = read.Info;
            pending.Dir = read.Dir;
            pending.Name = read.Name;
            pending.Folders = read.Folders;
            if (plan.TakeDown) {
                // The page's bytes, shared until the new file is written, which is at once.
                pending.Bytes = BytesOf(read);
                const auto known = state.find(out.Page);
                const std::vector<TPageSplice> none;
                const std::vector<TPageSplice> &splices =
                    known != state.end() ? known->second : none;
                uint64_t after = 0;
                if (!OriginalInPlace(pending.Bytes, HashOf(read), splices, pending.From, pending.To,
                                     pending.Added, after)) {
                    std::optional<uint64_t> original;
                    pending.Bytes = WithoutPopup(pending.Bytes, HashOf(read), *LookOf(read).Block,
                                                 splices, &original, storage());
                    pending.From = pending.To = pending.Bytes.size();
                    pending.Added = QByteArray();
                    after = original ? *original : PageHash(pending.Bytes);
                }
                intents += JournalRecordLine(
                    {TJournalRecord::TakeDown, out.Page, {HashOf(read), after, 0, {}, {}}});
            } else {
                // Written from the page's bytes as read and the tag: the page's bytes are
                // held until the group's intents are on the disk, the new page never built.
                const uint64_t hash = HashOf(read);
                QByteArray spareBytes = storage();
                pending.Bytes = TakeBytes(read, std::move(spareBytes));
                if (pending.Bytes.isNull()) {
                    // Gone since it was read.
                    out.Action = TSitePageAction::Skip;
                    out.Reason = EFileError::CannotOpen(read.Path, SystemReason()).message();
                    continue;
                }
                TPopupTagPlace place =
                    PopupTagPlace(pending.Bytes, ScriptTagFor(out.Page), read.Path);
                pending.From = place.From;
                pending.To = place.To;
                pending.Added = std::move(place.Added);
                pending.Splice =
                    SpliceOf(pending.Bytes, hash, pending.From, pending.To, pending.Added);
                intents += JournalRecordLine({TJournalRecord::Publish, out.Page, pending.Splice});
            }
            pending.NewFile = ReplacementPath(pending.Path);
            // A page taken down is in the journal already, so a new file a killed run leaves
            // of it is found and removed: it is written at once, rather than the group's pages
            // all held until their intents are written.
            if (plan.TakeDown) {
                writeNew(pending);
                if (pending.Bytes.isDetached())
                    spare.push_back(std::move(pending.Bytes));
                pending.Bytes = QByteArray();
                pending.Added = QByteArray();
            }
            group.push_back(std::move(pending));
        }
        // Intent first: once a page is replaced, the journal already says so.
        journal.Append(intents);
        if (!plan.TakeDown)
            for (TPendingPage &page : group)
                writeNew(page);
        // No wait for the disk between the new files and the renames: a killed process leaves
        // the kernel both, in order, and the file system commits a file renamed over another
        // with its data.
        for (TPendingPage &page : group) {
            if (page.NewFile.isEmpty())
                continue;
            const TPlace from = newPlace(page);
            const TPlace to =
                page.Folders == m_folderGeneration ? TPlace{page.Dir, page.Name} : Place(page.Path);
            if (::renameat(from.Dir, from.Name.constData(), to.Dir, to.Name.constData()) != 0) {
                result.Pages[page.Result].Action = TSitePageAction::Skip;
                result.Pages[page.Result].Reason =
                    EFileError::CannotCreate(page.Path, SystemReason()).message();
                ::unlinkat(from.Dir, from.Name.constData(), 0);
                continue;
            }
            const QString &name = result.Pages[page.Result].Page;
            if (plan.TakeDown)
                state.erase(name);
            else
                state[name].push_back(page.Splice);
        }
        for (TPendingPage &page : group)
            if (page.Bytes.isDetached() && page.Bytes.capacity() > 0)
                spare.push_back(std::move(page.Bytes));
        if (progress && !progress(static_cast<int>(next), total))
            result.Cancelled = true;
    }
    journal.SyncFileSystem();
    m_pages.clear();
    m_bytesOf = nullptr;
    ForgetFolders();
    // The whole journal again, with what this run did.
    if (plan.TakeDown && state.empty()) {
        for (const char *name : {"logo.png", "logo@2x.png", "script.js", "pix.gif"})
            QFile::remove(JoinPath(m_popupFolder, QLatin1String(name)));
        QFile::remove(journalPath);
        QDir().rmdir(m_popupFolder);
        // The default popup/ folder goes too when this was its last popup.
        if (QFileInfo(m_popupFolder).absolutePath() == JoinPath(m_site, QStringLiteral("popup")))
            QDir().rmdir(QFileInfo(m_popupFolder).absolutePath());
    } else {
        writeJournal(false);
    }
    return result;
}

TSiteResult TSitePublisher::Publish(TPopupSource &source, const TSitePlan &plan,
                                    const TSiteProgress &progress)
{
    return Apply(plan, progress, &source);
}

TSiteResult TSitePublisher::TakeDown(const TSitePlan &plan, const TSiteProgress &progress)
{
    return Apply(plan, progress, nullptr);
}

bool TSitePublisher::IsOurScript(const QString &path, const QByteArray &address) const
{
    // The pages of a folder mostly name the same address.
    const QString folder = path.left(path.lastIndexOf(u'/') + 1);
    auto &known = m_addresses[folder];
    if (known.first.isNull() || known.first != address)
        known = {address.isNull() ? QByteArray("") : address,
                 ResolveScriptAddress(path, address) == m_scriptFile};
    return known.second;
}
