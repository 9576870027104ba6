// Page insertion on arbitrary bytes. A page whose markers do not pair is refused with an error
// and only then; any other page comes back with the tag as its first block, every byte outside
// that block as it was (its earlier first block gone, or one line end added beside a last-line
// tag), and the same page again when the tag is inserted once more.

#include "imaging/VantelleError.h"
#include "output/PageText.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray page(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        CheckSingleByteText(page, QStringLiteral("page.htm"));
    } catch (const EVantelleError &) {
        return 0;
    }
    const QByteArray tag = ScriptTag(QStringLiteral("page.popup"));
    const TPopupMarkers before = ReadPopupMarkers(page);
    QByteArray result;
    try {
        result = InsertPopupTag(page, tag, QStringLiteral("page.htm"));
    } catch (const EVantelleError &) {
        if (before.Mismatches.empty())
            std::abort();
        return 0;
    }
    if (!before.Mismatches.empty())
        std::abort();

    const TPopupMarkers after = ReadPopupMarkers(result);
    if (!after.Mismatches.empty() || after.Blocks.empty())
        std::abort();
    const TPopupBlock &block = after.Blocks.front();
    if (result.mid(block.Start, block.End - block.Start) != tag ||
        block.Source != "page.popup/script.js")
        std::abort();

    QByteArray outside = result;
    outside.remove(block.Start, block.End - block.Start);
    QByteArray kept = page;
    if (!before.Blocks.empty())
        kept.remove(before.Blocks.front().Start,
                    before.Blocks.front().End - before.Blocks.front().Start);
    if (outside != kept) {
        const QByteArray added = outside.mid(page.size());
        const bool lastLine = before.Blocks.empty() && outside.startsWith(page) &&
                              (added == "\r\n" || added == "\n" || added == "\r");
        if (!lastLine)
            std::abort();
    }

    // Add popup run again finds the block it wrote and changes nothing.
    if (InsertPopupTag(result, tag, QStringLiteral("page.htm")) != result)
        std::abort();
    return 0;
}
