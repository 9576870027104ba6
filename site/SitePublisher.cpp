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
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>

namespace {

// Pages are replaced in groups: the intents of a group go to the journal and the disk first,
// then the group's pages are renamed into place, then the progress is told.
constexpr int kGroup = 256;

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
        if (bytes.isDetached() && bytes.capacity() >= size)
            bytes.resize(size);
        else
            bytes = QByteArray(size, Qt::Uninitialized);
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
                      const TFileLike &how, const QByteArray &bytes)
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
    bool ok = (!setMode || ::fchmod(fd, mode) == 0) && WriteAll(fd, bytes);
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

// The length of the common start of a and b (forward) or of their common end (backward), at
// most limit; compared a block at a time first.
qsizetype CommonLength(const char *a, const char *b, qsizetype limit, bool forward)
{
    constexpr qsizetype kBlock = 64;
    qsizetype n = 0;
    const auto at = [&](const char *p, qsizetype length) {
        return forward ? p + n : p - n - length;
    };
    while (n + kBlock <= limit && std::memcmp(at(a, kBlock), at(b, kBlock), kBlock) == 0)
        n += kBlock;
    while (n < limit && *at(a, 1) == *at(b, 1))
        ++n;
    return n;
}

// The smallest change that turns before (of hash beforeHash) into after.
TPageSplice SpliceOf(const QByteArray &before, uint64_t beforeHash, const QByteArray &after)
{
    const qsizetype limit = std::min(before.size(), after.size());
    const qsizetype prefix = CommonLength(before.constData(), after.constData(), limit, true);
    const qsizetype suffix = CommonLength(before.constData() + before.size(),
                                          after.constData() + after.size(), limit - prefix, false);
    TPageSplice splice;
    splice.Before = beforeHash;
    splice.After = PageHash(after);
    splice.Offset = prefix;
    splice.Removed = before.mid(prefix, before.size() - prefix - suffix);
    splice.Inserted = after.mid(prefix, after.size() - prefix - suffix);
    return splice;
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
    return JoinPath(m_site, page);
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
    const QString folder = path.left(slash);
    auto held = m_folders.find(folder);
    if (held == m_folders.end()) {
        if (m_folders.size() >= kHeldFolders)
            ForgetFolders();
        const int fd = ::open(Native(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        held = m_folders.emplace(folder, fd).first;
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0)
            m_newFileGroup[fd] = (info.st_mode & S_ISGID) != 0 ? info.st_gid : ::getegid();
    }
    // A folder that cannot be held is gone through by the whole path.
    if (held->second < 0)
        return {AT_FDCWD, Native(path)};
    return {held->second, Native(path.mid(slash + 1))};
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

TSitePlan TSitePublisher::PlanUpdate() const
{
    m_writable.clear();
    ForgetFolders();
    NewCheck();
    TSitePlan plan;
    for (const auto &[page, splices] : JournalState(ReadJournal()).Pages)
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
    for (const auto &[page, splices] : JournalState(ReadJournal()).Pages) {
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
    QByteArray Bytes;
    TPageSplice Splice;
    struct stat Info {};
    // Where the page is found while the folders held are those of generation Folders.
    int Dir = -1;
    QByteArray Name;
    unsigned Folders = 0;
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
    const TSiteJournal &journalNow = ReadJournal();
    // As the plan reconciled it when the journal is the same file still; a page read anew since
    // is reconciled again when its group is replaced.
    TJournalState reconciled;
    if (m_journal && m_journal->Reconciled)
        reconciled = std::move(*m_journal->Reconciled);
    const TSiteJournal recorded = journalNow; // a copy: the run rewrites the journal
    const QByteArray recordedBytes = m_journal ? m_journal->Bytes : QByteArray();
    if (m_journal)
        m_journal->Reconciled.reset();
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
        QByteArray text = JournalHeader();
        if (!cookie.isEmpty())
            text += JournalCookieLine(cookie);
        for (const auto &[page, splices] : state)
            for (const TPageSplice &splice : splices)
                text += JournalRecordLine({TJournalRecord::Publish, page, splice});
        if (!unlessAsRead || text != recordedBytes)
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
            WriteReplacement(place.Dir, place.Name, page.NewFile, page.Info, how, page.Bytes);
        } catch (const EVantelleError &error) {
            result.Pages[page.Result].Action = TSitePageAction::Skip;
            result.Pages[page.Result].Reason = error.message();
            page.NewFile.clear();
        }
    };
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
        std::vector<TPendingPage> group;
        QByteArray intents;
        for (; next < work.size() && group.size() < static_cast<size_t>(kGroup); ++next) {
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
            TPendingPage pending{work[next], read.Path, {},        {},          {},
                                 read.Info,  read.Dir,  read.Name, read.Folders};
            if (plan.TakeDown) {
                const auto known = state.find(out.Page);
                std::optional<uint64_t> after;
                pending.Bytes =
                    WithoutPopup(BytesOf(read), HashOf(read), *LookOf(read).Block,
                                 known != state.end() ? known->second : std::vector<TPageSplice>(),
                                 &after, storage());
                intents += JournalRecordLine(
                    {TJournalRecord::TakeDown,
                     out.Page,
                     {HashOf(read), after ? *after : PageHash(pending.Bytes), 0, {}, {}}});
            } else {
                pending.Bytes =
                    InsertPopupTag(BytesOf(read), ScriptTagFor(out.Page), read.Path, storage());
                pending.Splice = SpliceOf(BytesOf(read), HashOf(read), pending.Bytes);
                intents += JournalRecordLine({TJournalRecord::Publish, out.Page, pending.Splice});
            }
            pending.NewFile = ReplacementPath(pending.Path);
            // A page taken down is in the journal already, so a new file a killed run leaves
            // of it is found and removed: it is written at once, and its memory serves the next
            // page, rather than the group's pages all held until their intents are written.
            if (plan.TakeDown) {
                writeNew(pending);
                spare.push_back(std::move(pending.Bytes));
                pending.Bytes = QByteArray();
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
            if (page.Bytes.capacity() > 0)
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
