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
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
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

// Reads a whole file with its status, or gives the reason it cannot be read.
std::optional<QByteArray> ReadWithStatus(const QString &path, struct stat &info, QString &reason)
{
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > (qint64(1) << 31)) {
        reason = EFileError::CannotOpen(
                     path, fd < 0 || errno != 0
                               ? SystemReason()
                               : QCoreApplication::translate("SitePublisher", "Not a file"))
                     .message();
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes(static_cast<qsizetype>(info.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    const bool failed = got < bytes.size();
    if (failed)
        reason = EFileError::CannotOpen(path, SystemReason()).message();
    ::close(fd);
    if (failed)
        return std::nullopt;
    return bytes;
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

// Writes the new file of a page with the page's permissions (and owner, where allowed).
void WriteReplacement(const QString &path, const struct stat &like, const QByteArray &bytes)
{
    const QByteArray native = Native(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        throw EFileError::CannotCreate(path, SystemReason());
    bool ok = ::fchmod(fd, like.st_mode & 07777) == 0 && WriteAll(fd, bytes);
    if (ok && ::geteuid() == 0)
        (void)!::fchown(fd, like.st_uid, like.st_gid);
    // Start writing the new page out now, so that the rename over the page, which makes the
    // file system write it first, finds it on its way (a hint only: no wait, no error).
    if (ok)
        (void)::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    const QString reason = ok ? QString() : SystemReason();
    if (::close(fd) != 0 && ok)
        ok = false;
    if (!ok) {
        ::unlink(native.constData());
        throw EFileError::CannotCreate(path, reason.isEmpty() ? SystemReason() : reason);
    }
}

// Removes the new page files a killed run may have left beside the journal's pages. Each folder
// is listed once rather than every page's new file looked up by name.
template <typename PathOf> void RemoveReplacements(const TSiteJournal &journal, PathOf pathOf)
{
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

// The smallest change that turns before into after.
TPageSplice SpliceOf(const QByteArray &before, const QByteArray &after)
{
    const qsizetype limit = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < limit && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    TPageSplice splice;
    splice.Before = PageHash(before);
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
}

QString TSitePublisher::ScriptFile() const
{
    return JoinPath(m_popupFolder, QStringLiteral("script.js"));
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

struct TPageLook {
    TSitePageState State = TSitePageState::NoPopup;
    QString Reason;
    // The first block of this popup, when the page has one first.
    std::optional<TPopupBlock> Block;
};

TPageLook LookAt(const QString &path, const QByteArray &bytes, const QString &scriptFile)
{
    TPageLook look;
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
    if (ResolveScriptAddress(path, first.Source) == scriptFile) {
        look.State = TSitePageState::ThisPopup;
        look.Block = first;
    } else {
        look.State = TSitePageState::OtherPopup;
        look.Reason = QCoreApplication::translate("SitePublisher", "It holds another popup (%1)")
                          .arg(QString::fromUtf8(first.Source));
    }
    return look;
}

// The page without this popup: its original bytes when nobody changed it since, else the page
// with only the block taken out.
QByteArray WithoutPopup(const QByteArray &bytes, const TPopupBlock &block,
                        const std::vector<TPageSplice> &splices)
{
    if (!splices.empty() && PageHash(bytes) == splices.back().After) {
        QByteArray original = bytes;
        bool exact = true;
        for (auto it = splices.rbegin(); it != splices.rend() && exact; ++it) {
            exact =
                PageHash(original) == it->After && it->Offset <= original.size() &&
                original.size() - it->Offset >= it->Inserted.size() &&
                QByteArrayView(original).sliced(it->Offset, it->Inserted.size()) == it->Inserted;
            if (exact)
                original.replace(it->Offset, it->Inserted.size(), it->Removed);
        }
        if (exact && PageHash(original) == splices.front().Before)
            return original;
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

std::optional<QByteArray> TSitePublisher::ReadPage(const QString &path, QString *reason,
                                                   struct stat *status) const
{
    // A page read before is read again only when its status says it changed since.
    struct stat info {};
    auto known = m_pages.find(path);
    if (known != m_pages.end() && ::stat(Native(path).constData(), &info) == 0 &&
        SameFile(info, known->second.Info)) {
        if (status)
            *status = info;
        return known->second.Bytes;
    }
    QString why;
    std::optional<QByteArray> bytes = ReadWithStatus(path, info, why);
    if (!bytes) {
        if (reason)
            *reason = why;
        m_pages.erase(path);
        return std::nullopt;
    }
    if (status)
        *status = info;
    m_pages[path] = {*bytes, info};
    return bytes;
}

TSitePagePlan TSitePublisher::PlanPage(const QString &page, const QByteArray *bytes,
                                       const struct stat *info, bool takeDown) const
{
    TSitePagePlan plan;
    plan.Page = page;
    const QString path = PagePath(page);
    std::optional<QByteArray> read;
    struct stat readInfo {};
    QString reason;
    if (!bytes || !info) {
        read = ReadPage(path, &reason, &readInfo);
        if (!read) {
            plan.State = TSitePageState::Unusable;
            plan.Reason = reason;
            return plan;
        }
        bytes = &*read;
        info = &readInfo;
    }
    TPageLook look = LookAt(path, *bytes, ScriptFile());
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
            plan.Action = InsertPopupTag(*bytes, ScriptTagFor(page), path) == *bytes
                              ? TSitePageAction::Unchanged
                              : TSitePageAction::Update;
        break;
    default:
        plan.Action = TSitePageAction::Skip;
        return plan;
    }
    if (plan.Action == TSitePageAction::Add || plan.Action == TSitePageAction::Update ||
        plan.Action == TSitePageAction::Remove) {
        if (const QString why = WhyNotWritable(path, *info); !why.isEmpty()) {
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
    std::vector<TSitePagePlan> states;
    for (const QString &page : ListSitePages(m_site))
        states.push_back(PlanPage(page, nullptr, nullptr, false));
    return states;
}

TSiteJournal TSitePublisher::ReadJournal() const
{
    const QString path = JournalFile();
    if (!QFileInfo::exists(path))
        return {};
    return ParseSiteJournal(ReadFileBytes(path), path);
}

QString TSitePublisher::JournalCookieName() const
{
    return ReadJournal().CookieName;
}

std::map<QString, std::vector<TPageSplice>>
TSitePublisher::JournalState(const TSiteJournal &journal) const
{
    std::map<QString, std::optional<QByteArray>> pages;
    const auto bytesOf = [&](const QString &page) -> const std::optional<QByteArray> & {
        auto it = pages.find(page);
        if (it == pages.end())
            it = pages.emplace(page, ReadPage(PagePath(page))).first;
        return it->second;
    };
    return ReconcileJournal(
        journal,
        [&](const QString &page) -> std::optional<uint64_t> {
            const auto &bytes = bytesOf(page);
            return bytes ? std::optional<uint64_t>(PageHash(*bytes)) : std::nullopt;
        },
        [&](const QString &page) {
            const auto &bytes = bytesOf(page);
            return bytes && LookAt(PagePath(page), *bytes, ScriptFile()).Block.has_value();
        });
}

TSitePlan TSitePublisher::PlanPublish(const QStringList &include, const QStringList &exclude) const
{
    return PlanPages(FilterPages(ListSitePages(m_site), include, exclude));
}

TSitePlan TSitePublisher::PlanPages(const QStringList &pages) const
{
    m_writable.clear();
    TSitePlan plan;
    for (const QString &page : pages) {
        const QString path = PagePath(page);
        struct stat info {};
        const std::optional<QByteArray> bytes = ReadPage(path, nullptr, &info);
        plan.Pages.push_back(PlanPage(page, bytes ? &*bytes : nullptr, &info, false));
        const TSitePagePlan &last = plan.Pages.back();
        if (plan.ExampleDiff.isEmpty() && bytes &&
            (last.Action == TSitePageAction::Add || last.Action == TSitePageAction::Update))
            plan.ExampleDiff =
                UnifiedDiff(page, *bytes, InsertPopupTag(*bytes, ScriptTagFor(page), path));
    }
    return plan;
}

TSitePlan TSitePublisher::PlanUpdate() const
{
    m_writable.clear();
    TSitePlan plan;
    for (const auto &[page, splices] : JournalState(ReadJournal()))
        plan.Pages.push_back(PlanPage(page, nullptr, nullptr, false));
    return plan;
}

TSitePlan TSitePublisher::PlanTakeDown() const
{
    TSitePlan plan;
    plan.TakeDown = true;
    m_writable.clear();
    for (const auto &[page, splices] : JournalState(ReadJournal())) {
        const QString path = PagePath(page);
        struct stat info {};
        const std::optional<QByteArray> bytes = ReadPage(path, nullptr, &info);
        plan.Pages.push_back(PlanPage(page, bytes ? &*bytes : nullptr, &info, true));
        if (plan.ExampleDiff.isEmpty() && bytes &&
            plan.Pages.back().Action == TSitePageAction::Remove) {
            const TPageLook look = LookAt(path, *bytes, ScriptFile());
            plan.ExampleDiff =
                UnifiedDiff(page, *bytes, WithoutPopup(*bytes, *look.Block, splices));
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
    const QString journalPath = JournalFile();
    const TSiteJournal recorded = ReadJournal();
    std::map<QString, std::vector<TPageSplice>> state = JournalState(recorded);
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
    const auto writeJournal = [&] {
        QByteArray text = JournalHeader();
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
    writeJournal();

    TSiteResult result;
    std::vector<size_t> work;
    for (const TSitePagePlan &page : plan.Pages) {
        result.Pages.push_back({page.Page, page.Action, page.Reason});
        if (page.Action == TSitePageAction::Add || page.Action == TSitePageAction::Update ||
            page.Action == TSitePageAction::Remove)
            work.push_back(result.Pages.size() - 1);
    }
    const int total = static_cast<int>(work.size());
    TJournalWriter journal(journalPath);
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
        std::vector<TPendingPage> group;
        QByteArray intents;
        for (; next < work.size() && group.size() < static_cast<size_t>(kGroup); ++next) {
            TSitePageResult &out = result.Pages[work[next]];
            TPendingPage pending{work[next], PagePath(out.Page), {}, {}, {}, {}};
            QString reason;
            const std::optional<QByteArray> bytes = ReadPage(pending.Path, &reason, &pending.Info);
            TSitePagePlan now = bytes ? PlanPage(out.Page, &*bytes, &pending.Info, plan.TakeDown)
                                      : TSitePagePlan{out.Page, TSitePageState::Unusable,
                                                      TSitePageAction::Skip, reason};
            out.Action = now.Action;
            out.Reason = now.Reason;
            if (now.Action == TSitePageAction::Skip || now.Action == TSitePageAction::Unchanged)
                continue;
            if (plan.TakeDown) {
                const auto known = state.find(out.Page);
                const TPageLook look = LookAt(pending.Path, *bytes, ScriptFile());
                pending.Bytes =
                    WithoutPopup(*bytes, *look.Block,
                                 known != state.end() ? known->second : std::vector<TPageSplice>());
                intents +=
                    JournalRecordLine({TJournalRecord::TakeDown,
                                       out.Page,
                                       {PageHash(*bytes), PageHash(pending.Bytes), 0, {}, {}}});
            } else {
                pending.Bytes = InsertPopupTag(*bytes, ScriptTagFor(out.Page), pending.Path);
                pending.Splice = SpliceOf(*bytes, pending.Bytes);
                intents += JournalRecordLine({TJournalRecord::Publish, out.Page, pending.Splice});
            }
            pending.NewFile = ReplacementPath(pending.Path);
            group.push_back(std::move(pending));
        }
        // Intent first: once a page is replaced, the journal already says so.
        journal.Append(intents);
        for (TPendingPage &page : group) {
            try {
                WriteReplacement(page.NewFile, page.Info, page.Bytes);
            } catch (const EVantelleError &error) {
                result.Pages[page.Result].Action = TSitePageAction::Skip;
                result.Pages[page.Result].Reason = error.message();
                page.NewFile.clear();
            }
        }
        // No wait for the disk between the new files and the renames: a killed process leaves
        // the kernel both, in order, and the file system commits a file renamed over another
        // with its data.
        for (TPendingPage &page : group) {
            if (page.NewFile.isEmpty())
                continue;
            if (std::rename(Native(page.NewFile).constData(), Native(page.Path).constData()) != 0) {
                result.Pages[page.Result].Action = TSitePageAction::Skip;
                result.Pages[page.Result].Reason =
                    EFileError::CannotCreate(page.Path, SystemReason()).message();
                ::unlink(Native(page.NewFile).constData());
                continue;
            }
            const QString &name = result.Pages[page.Result].Page;
            m_pages.erase(page.Path);
            if (plan.TakeDown)
                state.erase(name);
            else
                state[name].push_back(page.Splice);
        }
        if (progress && !progress(static_cast<int>(next), total))
            result.Cancelled = true;
    }
    journal.SyncFileSystem();
    m_pages.clear();
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
        writeJournal();
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
