#include "designer/FontPickers.h"

#include "imaging/VantelleError.h"

#include <QCoreApplication>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstring>

namespace {

// TrueType and OpenType fonts; fontconfig names OpenType's PostScript outlines "CFF".
bool IsOutlineFormat(const char *format)
{
    return std::strcmp(format, "TrueType") == 0 || std::strcmp(format, "CFF") == 0;
}

} // namespace

QStringList SortedFaceNames(const QStringList &names)
{
    QStringList sorted;
    for (const QString &name : names)
        if (!name.isEmpty())
            sorted.append(name);
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    QStringList unique;
    for (const QString &name : sorted)
        if (unique.isEmpty() || QString::compare(unique.last(), name, Qt::CaseInsensitive) != 0)
            unique.append(name);
    return unique;
}

QStringList FontFaceList()
{
    // Qt's family list mixes in Type 1 faces, fontconfig's generic aliases ("Sans Serif") and one
    // entry per foundry ("Nimbus Sans [URW ]"); fontconfig itself tells each font's format and
    // its plain family names.
    QStringList names;
    FcPattern *pattern = FcPatternCreate();
    FcObjectSet *objects =
        FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_FONTFORMAT, FC_OUTLINE, nullptr);
    FcFontSet *fonts = pattern && objects ? FcFontList(nullptr, pattern, objects) : nullptr;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        const FcPattern *font = fonts->fonts[i];
        FcChar8 *format = nullptr;
        FcBool outline = FcTrue;
        if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch ||
            !IsOutlineFormat(reinterpret_cast<const char *>(format)) ||
            (FcPatternGetBool(font, FC_OUTLINE, 0, &outline) == FcResultMatch && !outline))
            continue;
        // A font names its family, and sometimes its subfamily ("DejaVu Sans Condensed"), in
        // its first language; names in other languages are translations of those.
        FcChar8 *firstLang = nullptr;
        const bool hasLang =
            FcPatternGetString(font, FC_FAMILYLANG, 0, &firstLang) == FcResultMatch;
        FcChar8 *family = nullptr;
        for (int k = 0; FcPatternGetString(font, FC_FAMILY, k, &family) == FcResultMatch; ++k) {
            FcChar8 *lang = nullptr;
            if (k > 0 && hasLang &&
                FcPatternGetString(font, FC_FAMILYLANG, k, &lang) == FcResultMatch &&
                FcStrCmp(lang, firstLang) != 0)
                continue;
            names.append(QString::fromUtf8(reinterpret_cast<const char *>(family)));
        }
    }
    if (fonts)
        FcFontSetDestroy(fonts);
    if (objects)
        FcObjectSetDestroy(objects);
    if (pattern)
        FcPatternDestroy(pattern);
    return SortedFaceNames(names);
}

int IndexOfFace(const QStringList &faces, const QString &face)
{
    for (int i = 0; i < faces.size(); ++i)
        if (QString::compare(faces[i], face, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

namespace {

// The faces the designer names, with the free look-alike installed in their place.
const char *const LookAlikes[][2] = {{"Comic Sans MS", "Comic Neue"},
                                     {"Times New Roman", "Liberation Serif"},
                                     {"Arial", "Liberation Sans"}};

} // namespace

int IndexOfFaceOrLookAlike(const QStringList &faces, const QString &face)
{
    const int index = IndexOfFace(faces, face);
    if (index >= 0)
        return index;
    for (const auto &pair : LookAlikes)
        if (QString::compare(face, QString::fromLatin1(pair[0]), Qt::CaseInsensitive) == 0)
            return IndexOfFace(faces, QString::fromLatin1(pair[1]));
    return -1;
}

QString DefaultFontFace(const QStringList &faces)
{
    const auto &preferred = LookAlikes;
    for (const auto &pair : preferred) {
        const int index = IndexOfFace(faces, QString::fromLatin1(pair[0]));
        if (index >= 0)
            return faces[index];
    }
    for (const auto &pair : preferred) {
        const int index = IndexOfFace(faces, QString::fromLatin1(pair[1]));
        if (index >= 0)
            return faces[index];
    }
    return faces.isEmpty() ? QString() : faces.first();
}

const std::array<uint32_t, 20> &PaletteColors()
{
    static const std::array<uint32_t, 20> colors = [] {
        static const int rgb[20][3] = {
            {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
            {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
            {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
            {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
        std::array<uint32_t, 20> values{};
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = static_cast<uint32_t>(rgb[i][0]) | static_cast<uint32_t>(rgb[i][1]) << 8 |
                        static_cast<uint32_t>(rgb[i][2]) << 16;
        return values;
    }();
    return colors;
}

int SelectFontColorIndex(std::vector<uint32_t> &items, uint32_t c)
{
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == c)
            return static_cast<int>(i);
    if (items.empty())
        return -1;
    items.back() = c;
    return static_cast<int>(items.size()) - 1;
}

QStringList FontSizeItems()
{
    return {QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
            QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
            QStringLiteral("24"), QStringLiteral("30"), QStringLiteral("36"), QStringLiteral("42"),
            QStringLiteral("48"), QStringLiteral("54"), QStringLiteral("60"), QStringLiteral("66"),
            QStringLiteral("72")};
}

int ParseFontSize(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        throw EConvertError(
            QCoreApplication::translate("TFontPickers", "'%1' is not a valid integer value")
                .arg(text));
    return value;
}

int ParseAngleText(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : -360;
}
