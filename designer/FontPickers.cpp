#include "designer/FontPickers.h"

#include "imaging/VantelleError.h"

#include <QFontDatabase>

#include <algorithm>

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
    QStringList outline;
    const QStringList families = QFontDatabase::families();
    for (const QString &family : families) {
        // Bitmap faces cannot be rotated or sized freely, and private faces are the system's own.
        if (QFontDatabase::isPrivateFamily(family) || QFontDatabase::isBitmapScalable(family) ||
            !QFontDatabase::isSmoothlyScalable(family))
            continue;
        outline.append(family);
    }
    return SortedFaceNames(outline);
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
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

int ParseAngleText(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : -360;
}
