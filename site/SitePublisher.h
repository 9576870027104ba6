#pragma once

// Publishing one popup to many pages of a site, and taking it down again. A plan says first
// what will change (nothing is written while planning); applying it writes the popup files once
// and replaces each chosen page atomically with only its popup block changed, keeping a journal
// in the popup folder (see SiteJournal.h) so that a cancel or a crash at any moment leaves every
// page either as it was or fully changed, and a later run puts the site right.

#include "output/PageText.h"
#include "output/PopupWriter.h"
#include "site/SiteJournal.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include <sys/stat.h>

// The popup folder a site gets by default: popup/<design name>/ under the site's folder.
QString DefaultSitePopupFolder(const QString &site, const QString &designName);

// The name of the journal in the popup folder.
inline const QString SiteJournalName = QStringLiteral("site-journal.txt");

enum class TSitePageState {
    NoPopup,
    ThisPopup,
    OtherPopup,
    BadMarkers,
    Unusable, // cannot be read or written, or is not single-byte text
};

enum class TSitePageAction { Add, Update, Unchanged, Remove, Skip };

// What a page holds as far as this popup is concerned.
struct TSitePageLook {
    TSitePageState State = TSitePageState::NoPopup;
    QString Reason;
    // The first block of this popup, when the page has one first, and its bytes.
    std::optional<TPopupBlock> Block;
    QByteArray BlockBytes;
};

struct TSitePagePlan {
    QString Page; // relative to the site
    TSitePageState State = TSitePageState::NoPopup;
    TSitePageAction Action = TSitePageAction::Skip;
    QString Reason; // why a page is skipped
};

struct TSitePlan {
    bool TakeDown = false;
    std::vector<TSitePagePlan> Pages;
    // A unified diff of the first page that changes; empty when none does.
    QString ExampleDiff;
    int Count(TSitePageAction action) const;
};

// What a run did to one page; Done is false for a page skipped (Reason says why) or not reached
// because the run was cancelled.
struct TSitePageResult {
    QString Page;
    TSitePageAction Action = TSitePageAction::Skip;
    QString Reason;
};

struct TSiteResult {
    std::vector<TSitePageResult> Pages;
    bool Cancelled = false;
    int Count(TSitePageAction action) const;
};

// Called after each group of pages with the pages done so far and the pages to do; returning
// false cancels the run after the group (the pages done stay done).
using TSiteProgress = std::function<bool(int done, int total)>;

QString SitePageStateName(TSitePageState state);
QString SitePageActionName(TSitePageAction action);

class TSitePublisher {
public:
    // site and popupFolder need not be canonical; popupFolder empty means the default for
    // designName.
    TSitePublisher(const QString &site, const QString &popupFolder, const QString &designName);
    ~TSitePublisher();
    TSitePublisher(const TSitePublisher &) = delete;
    TSitePublisher &operator=(const TSitePublisher &) = delete;

    const QString &Site() const { return m_site; }
    const QString &PopupFolder() const { return m_popupFolder; }
    QString ScriptFile() const;
    QString JournalFile() const;

    // Every page of the site with its state, no filter (for a list to choose from).
    std::vector<TSitePagePlan> PageStates() const;

    // What a publish of the pages matching the patterns would change.
    TSitePlan PlanPublish(const QStringList &include = {}, const QStringList &exclude = {}) const;
    // What a publish of exactly these pages (relative to the site) would change.
    TSitePlan PlanPages(const QStringList &pages) const;
    // The pages matching the patterns for a publish that follows at once, none of them read:
    // the run works out each page as it comes to it (what a plan would have found), so each
    // page is read once. Every page is put down as to be added; the run's result says what
    // was done.
    TSitePlan ChoosePages(const QStringList &include = {}, const QStringList &exclude = {}) const;
    // Publish to the pages the journal lists (after the design changed).
    TSitePlan PlanUpdate() const;
    // Take the popup off every page the journal lists.
    TSitePlan PlanTakeDown() const;

    // The cookie name the journal keeps (empty when it has none).
    QString JournalCookieName() const;

    // Writes the popup files (with the journal's cookie name when the design names none) and
    // then the pages of the plan that change.
    TSiteResult Publish(TPopupSource &source, const TSitePlan &plan,
                        const TSiteProgress &progress = {});
    TSiteResult TakeDown(const TSitePlan &plan, const TSiteProgress &progress = {});

    // The tag of a page: the popup block with the script's address from the page's folder.
    QByteArray ScriptTagFor(const QString &page) const;

private:
    // A page as last read, with what was learnt from its bytes. The bytes themselves are held
    // only for the page read last (m_bytes): a plan keeps what it learnt of every page, not the
    // pages, and a run reads each page again as it changes it.
    struct TReadPage {
        QString Path; // absolute
        struct stat Info {};
        // The check that last found the file as read (see ReadPage).
        unsigned Check = 0;
        // Where the page is found: its name in its folder held open (Dir), valid while the
        // folders held are those of generation Folders.
        int Dir = -1;
        QByteArray Name;
        unsigned Folders = 0;
        std::optional<uint64_t> Hash;
        std::optional<TSitePageLook> Look;
        // Which reading this is: a new number each time the page is read anew.
        unsigned Reading = 0;
    };
    // The journal reconciled with the pages, and which reading of each journal page it used
    // (0 for one that could not be read).
    struct TJournalState {
        std::map<QString, std::vector<TPageSplice>> Pages;
        std::unordered_map<QString, unsigned> Readings;
    };

    TSiteResult Apply(const TSitePlan &plan, const TSiteProgress &progress, TPopupSource *source);
    QString PagePath(const QString &page) const;
    // The page (relative to the site), read again only when its status says it changed since it
    // was read, and its status asked only once per check (a plan, the start of a run, each group
    // of a run); null, with the reason, when it cannot be read. With withBytes, its bytes are
    // held too, and reading them is the check. The entry lives until the page is read anew or
    // forgotten.
    TReadPage *ReadPage(const QString &page, QString *reason = nullptr,
                        bool withBytes = false) const;
    // Reads the page's bytes into m_bytes; what was learnt from them stays when the page is
    // still as it was read, else this is a new reading. False, with the reason, when the page
    // cannot be read.
    bool Load(TReadPage &page, QString *reason) const;
    // The page's bytes, read again when another page's are held (within the same check).
    const QByteArray &BytesOf(TReadPage &page) const;
    // The page's bytes given away, with what was learnt from them kept: the page holds its
    // bytes no longer, and storage is the memory the next page is read into.
    QByteArray TakeBytes(TReadPage &page, QByteArray storage) const;
    void Forget(const QString &page) const;
    void NewCheck() const { ++m_check; }
    // Where a file of the site is found: its folder held open and its name in it (or the whole
    // path from the working folder when its folder cannot be held). Valid until the next Place.
    struct TPlace {
        int Dir;
        QByteArray Name;
    };
    TPlace Place(const QString &path) const;
    // Sets where the page is found, opening its folder when it is not held yet.
    void Locate(TReadPage &page) const;
    // Closes the folders held, so that the next check finds each folder anew.
    void ForgetFolders() const;
    // Whether a script address in a page is the popup's script, (path, address) -> bool;
    // worked out once per folder and address.
    auto IsOurScript() const
    {
        return [this](const QString &path, const QByteArray &address) {
            return IsOurScript(path, address);
        };
    }
    bool IsOurScript(const QString &path, const QByteArray &address) const;
    uint64_t HashOf(TReadPage &page) const;
    const TSitePageLook &LookOf(TReadPage &page) const;
    // The page's plan; *as, when given, is set to the page as read (null when it cannot be),
    // with its bytes held when withBytes.
    TSitePagePlan PlanPage(const QString &page, bool takeDown, TReadPage **as = nullptr,
                           bool withBytes = false) const;
    QString WhyNotWritable(const QString &path, const struct stat &info) const;
    // The journal as parsed (empty when there is none); valid until the next ReadJournal.
    const TSiteJournal &ReadJournal() const;
    TJournalState JournalState(const TSiteJournal &journal) const;

    QString m_site;
    QString m_popupFolder;
    QString m_scriptFile;
    mutable std::map<QString, QByteArray> m_tags; // by folder of the site
    // The script address last found in pages of each folder, and whether it is the popup's.
    mutable std::unordered_map<QString, std::pair<QByteArray, bool>> m_addresses;
    // Pages as a plan read them, for the run that follows the plan; by page.
    mutable std::unordered_map<QString, TReadPage> m_pages;
    // The bytes of the page read last, and which page they are (null for none).
    mutable QByteArray m_bytes;
    mutable TReadPage *m_bytesOf = nullptr;
    mutable unsigned m_check = 0;
    mutable unsigned m_readings = 0;
    // The site's folders held open (or -1 when one cannot be), by path; a few at most.
    mutable std::map<QString, int, std::less<>> m_folders;
    // The group a new file gets in each folder held (by its descriptor).
    mutable std::map<int, gid_t> m_newFileGroup;
    mutable unsigned m_folderGeneration = 1;
    // The journal as last parsed, with the status of its file then.
    struct TReadJournal {
        TSiteJournal Journal;
        QByteArray Bytes; // the file's
        struct stat Info {};
        // As the last plan reconciled it, for the run that follows.
        std::optional<TJournalState> Reconciled;
    };
    mutable std::optional<TReadJournal> m_journal;
    // Whether each folder of the site can be written to, asked once per plan or run.
    mutable std::map<QString, bool> m_writable;
};
