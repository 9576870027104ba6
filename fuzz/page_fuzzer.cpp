// Page insertion on arbitrary bytes: a page that is accepted always gets exactly the tag, comes
// back with CR LF line ends only and stays the same when the tag is inserted again; one that is
// refused is refused with an error.

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
    const QByteArray result = InsertPopupTag(std::optional<QByteArray>(page), tag);
    if (!result.contains(tag) || !result.endsWith("\r\n"))
        std::abort();
    for (qsizetype i = 0; i < result.size(); ++i) {
        const bool lf = result[i] == '\n';
        const bool cr = result[i] == '\r';
        if ((lf && (i == 0 || result[i - 1] != '\r')) ||
            (cr && (i + 1 == result.size() || result[i + 1] != '\n')))
            std::abort();
    }
    // Add popup run again finds the block it wrote and changes nothing.
    if (InsertPopupTag(std::optional<QByteArray>(result), tag) != result)
        std::abort();
    return 0;
}
