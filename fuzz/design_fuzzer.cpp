// Treats arbitrary bytes as a design file: parses them, and when they make a design, writes it
// out again and checks that the written file reads back to the same design. (Texts that are not
// valid UTF-16 are mended on the first write, so the check starts from the written file.)

#include "document/DesignFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TDesignState state;
    try {
        state = ParseDesignFile(bytes, QStringLiteral("fuzz.vpopup"));
    } catch (const EDesignFileError &e) {
        if (!e.message().startsWith(QStringLiteral("Cannot open design \"fuzz.vpopup\". ")))
            std::abort();
        return 0;
    }
    const QByteArray written = DesignFileBytes(state);
    const TDesignState again = ParseDesignFile(written, QStringLiteral("again.vpopup"));
    const QByteArray rewritten = DesignFileBytes(again);
    if (!(ParseDesignFile(rewritten, QStringLiteral("again.vpopup")) == again))
        std::abort();
    if (again.DocumentSize != state.DocumentSize || again.Texts.size() != state.Texts.size() ||
        !(again.Template == state.Template) || !(again.CloseButton == state.CloseButton) ||
        again.CloseButtonScale != state.CloseButtonScale)
        std::abort();
    return 0;
}
