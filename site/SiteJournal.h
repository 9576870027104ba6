#pragma once

// The journal of a site's popup, kept in the popup folder: every page the popup was published
// to, with a hash of the page's bytes before and after each change and the bytes the change
// took out and put in, so that a page nobody has edited since can be given back byte for byte.
//
// It is a text file of lines; records are only ever appended while pages are being replaced
// (an intent is on the disk before its page is replaced) and the file is rewritten whole,
// beside and renamed over, once a run ends. A last line without its line end is what a killed
// run was writing when it died, and is ignored; whether an intent took effect is decided later
// by the page's hash.
//
//   vantelle-site-journal 1
//   cookie <cookie name>
//   publish <page> <hash before> <hash after> <offset> <bytes taken out> <bytes put in>
//   takedown <page> <hash before> <hash after>
//
// Pages are relative to the site, percent-encoded; hashes are 16 hexadecimal digits; bytes are
// base64 ("-" for none).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <map>
#include <vector>

// A 64-bit hash of a page's bytes, to tell an unchanged page from an edited one (not a defence
// against someone who forges pages).
uint64_t PageHash(const QByteArray &bytes);

// The same hash of bytes given in parts, as of the parts one after the other: a page that is
// the pieces of another is hashed without being built.
class TPageHasher {
public:
    TPageHasher &Add(QByteArrayView bytes);
    uint64_t Finish() const;

private:
    static constexpr size_t kBlock = 32;
    void Blocks(const char *p, size_t blocks);

    uint64_t m_lane[4] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull, 0xA4093822299F31D0ull,
                          0x082EFA98EC4E6C89ull};
    char m_tail[kBlock] = {};
    size_t m_held = 0; // bytes in m_tail, short of a block
    uint64_t m_size = 0;
};

// One change of a page: at Offset, Removed was replaced by Inserted.
struct TPageSplice {
    uint64_t Before = 0;
    uint64_t After = 0;
    qsizetype Offset = 0;
    QByteArray Removed;
    QByteArray Inserted;

    bool operator==(const TPageSplice &) const = default;
};

struct TJournalRecord {
    enum Kind { Publish, TakeDown } Type = Publish;
    QString Page;
    TPageSplice Splice; // Offset and bytes only for Publish
};

struct TSiteJournal {
    QString CookieName;
    std::vector<TJournalRecord> Records;
};

// Limits of a journal, beyond which it is refused as damaged.
namespace JournalLimits {
constexpr qint64 FileBytes = 512 * 1024 * 1024;
constexpr qsizetype PathLength = 4096;
constexpr qsizetype SpliceBytes = 1024 * 1024;
} // namespace JournalLimits

// Parses a journal; raises an EVantelleError naming fileName and the line for a damaged one.
TSiteJournal ParseSiteJournal(const QByteArray &bytes, const QString &fileName);

QByteArray JournalHeader();
QByteArray JournalCookieLine(const QString &cookieName);
QByteArray JournalRecordLine(const TJournalRecord &record);

// What the journal's records say now, reconciled with the pages as they are: for each page, the
// publish changes in effect, oldest first. currentHash gives a page's hash now (nullopt when it
// cannot be read) and holdsPopup whether it holds this popup's block now.
template <typename HashOf, typename Holds>
std::map<QString, std::vector<TPageSplice>> ReconcileJournal(const TSiteJournal &journal,
                                                             HashOf currentHash, Holds holdsPopup);

// ---- implementation of the template

template <typename HashOf, typename Holds>
std::map<QString, std::vector<TPageSplice>> ReconcileJournal(const TSiteJournal &journal,
                                                             HashOf currentHash, Holds holdsPopup)
{
    // Each page's records in order.
    std::map<QString, std::vector<const TJournalRecord *>> byPage;
    for (const TJournalRecord &record : journal.Records)
        byPage[record.Page].push_back(&record);
    std::map<QString, std::vector<TPageSplice>> state;
    for (const auto &[page, records] : byPage) {
        const auto hash = currentHash(page);
        // Replays the records; a record whose page hash does not match what it expects to
        // follow is taken to have not happened when a later state explains the page better.
        std::vector<TPageSplice> splices;
        for (size_t k = 0; k < records.size(); ++k) {
            const TJournalRecord &record = *records[k];
            const bool last = k + 1 == records.size();
            if (record.Type == TJournalRecord::TakeDown) {
                if (!last || (hash && *hash == record.Splice.After))
                    splices.clear();
                continue;
            }
            if (!last) {
                splices.push_back(record.Splice);
                continue;
            }
            // The last intent: done when the page has its after bytes, not done when it has its
            // before bytes; otherwise the page was edited since, and what it holds decides.
            if (hash && *hash == record.Splice.After)
                splices.push_back(record.Splice);
            else if (hash && *hash == record.Splice.Before)
                ;
            else if (holdsPopup(page))
                splices.push_back(record.Splice);
        }
        if (!splices.empty() && !holdsPopup(page) && !(hash && *hash == splices.back().After))
            splices.clear(); // the block was taken out by hand
        if (!splices.empty())
            state.emplace(page, std::move(splices));
    }
    return state;
}
