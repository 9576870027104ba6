// The site journal on arbitrary bytes: it is read or refused with an error, never anything
// else; what it reads is written back to lines that read the same again, and reconciling it
// with pages of any hash stays within the records it read.

#include "imaging/VantelleError.h"
#include "site/SiteJournal.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TSiteJournal journal;
    try {
        journal = ParseSiteJournal(bytes, QStringLiteral("site-journal.txt"));
    } catch (const EVantelleError &) {
        return 0;
    }
    QByteArray again = JournalHeader() + JournalCookieLine(journal.CookieName);
    for (const TJournalRecord &record : journal.Records)
        again += JournalRecordLine(record);
    const TSiteJournal reread = ParseSiteJournal(again, QStringLiteral("again"));
    if (reread.CookieName != journal.CookieName || reread.Records.size() != journal.Records.size())
        std::abort();
    for (size_t k = 0; k < journal.Records.size(); ++k)
        if (reread.Records[k].Page != journal.Records[k].Page ||
            reread.Records[k].Type != journal.Records[k].Type ||
            !(reread.Records[k].Splice == journal.Records[k].Splice))
            std::abort();

    // Pages whose hash is the first byte's choice of before, after or neither.
    const uint8_t pick = size > 0 ? data[0] : 0;
    const auto state = ReconcileJournal(
        journal,
        [&](const QString &page) -> std::optional<uint64_t> {
            for (const TJournalRecord &record : journal.Records)
                if (record.Page == page)
                    return pick % 3 == 0   ? record.Splice.Before
                           : pick % 3 == 1 ? record.Splice.After
                                           : std::optional<uint64_t>();
            return std::nullopt;
        },
        [&](const QString &) { return (pick & 4) != 0; });
    size_t splices = 0;
    for (const auto &[page, list] : state)
        splices += list.size();
    if (splices > journal.Records.size())
        std::abort();
    return 0;
}
