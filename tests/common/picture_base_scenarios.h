#pragma once

// The picture-base cases that the core tests and the window tests both run: what the containers
// hold, what start-up makes of them, and what Remove leaves in usr.stg. The core test checks the
// list and the files; the window test runs the same cases through the grid, the buttons and the
// error boxes. Also the small picture files those tests feed to Load....

#include "base/FileStorage.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace BaseScenarios {

// A picture is named by its width (3 pixels high, one colour). Two widths stand for entries
// that are not usable pictures: NotAPicture (bytes that do not decode) and BadPalette (a palette
// picture whose indices run past its palette: it decodes, but cannot be drawn).
constexpr int NotAPicture = 0;
constexpr int BadPalette = -1;
using Widths = std::vector<int>;

struct Scenario {
    const char *name;
    std::optional<Widths> templates; // img.stg; none: the file is missing
    std::optional<Widths> user;      // usr.stg
    // After start-up: the widths in the picture list (an unusable user entry keeps its place
    // as an empty, damaged picture of width 0), the number of templates, the error boxes.
    Widths list;
    int templateCount;
    int messages;
    // Remove on this list index (-1: not tried), whether it removes, and usr.stg afterwards.
    int remove;
    bool removed;
    std::optional<Widths> userAfter;
};

inline const std::vector<Scenario> &Scenarios()
{
    // clang-format off
    static const std::vector<Scenario> all = {
        {"three templates and two user pictures", Widths{11, 12, 13}, Widths{21, 22},
         {11, 12, 13, 21, 22}, 3, 0, 4, true, Widths{21}},
        {"neither container", std::nullopt, std::nullopt, {}, 0, 0, -1, false, std::nullopt},
        {"user pictures only", std::nullopt, Widths{21, 22}, {21, 22}, 0, 0, 0, true, Widths{22}},
        {"templates only: a template is never removed", Widths{11, 12, 13}, std::nullopt,
         {11, 12, 13}, 3, 0, 2, false, std::nullopt},
        {"an undecodable user entry keeps its cell; its neighbour is removed", Widths{11},
         Widths{21, NotAPicture, 23}, {11, 21, 0, 23}, 1, 1, 3, true, Widths{21, NotAPicture}},
        {"an undecodable user entry is removed", Widths{11}, Widths{21, NotAPicture, 23},
         {11, 21, 0, 23}, 1, 1, 2, true, Widths{21, 23}},
        {"a user picture with a broken palette is damaged too", std::nullopt,
         Widths{BadPalette, 22}, {0, 22}, 0, 1, 0, true, Widths{22}},
        {"an undecodable template is left out", Widths{11, NotAPicture, 13}, Widths{21},
         {11, 13, 21}, 2, 1, 2, true, Widths{}},
    };
    // clang-format on
    return all;
}

inline uint32_t Crc32(const QByteArray &bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<uint8_t>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray Chunk(const char *name, const QByteArray &data)
{
    auto be32 = [](uint32_t v) {
        const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
        return QByteArray(b, 4);
    };
    const QByteArray body = QByteArray(name) + data;
    return be32(static_cast<uint32_t>(data.size())) + body + be32(Crc32(body));
}

// A width x 3 palette PNG with one palette entry whose pixels use index 7.
inline QByteArray BadPalettePng(int width)
{
    const char ihdr[13] = {0, 0, 0, char(width), 0, 0, 0, 3, 8, 3, 0, 0, 0};
    QByteArray rows;
    for (int y = 0; y < 3; ++y)
        rows += QByteArray(1, '\0') + QByteArray(width, '\x07');
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + Chunk("IHDR", QByteArray(ihdr, 13)) +
           Chunk("PLTE", QByteArray("\xFF\x00\x00", 3)) + Chunk("IDAT", qCompress(rows).mid(4)) +
           Chunk("IEND", QByteArray());
}

// The source file of a width in folder/src/, written on first use.
inline QString Source(const QString &folder, int width)
{
    const QString name = width == NotAPicture  ? QStringLiteral("not-a-picture.png")
                         : width == BadPalette ? QStringLiteral("bad-palette.png")
                                               : QStringLiteral("w%1.png").arg(width);
    const QString file = QDir(folder).filePath(QStringLiteral("src/") + name);
    if (QFileInfo::exists(file))
        return file;
    QDir().mkpath(QFileInfo(file).path());
    if (width > 0) {
        QImage image(width, 3, QImage::Format_RGB32);
        image.fill(qRgb(width % 256, 40, 90));
        image.save(file, "PNG");
    } else {
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(width == BadPalette ? BadPalettePng(4)
                                          : QByteArray("\x89PNG but then nothing that decodes"));
    }
    return file;
}

inline QStringList Sources(const QString &folder, const Widths &widths)
{
    QStringList files;
    for (int width : widths)
        files << Source(folder, width);
    return files;
}

// Writes the containers of s into folder.
inline void Build(const Scenario &s, const QString &folder)
{
    if (s.templates)
        WriteStorage(Sources(folder, *s.templates),
                     QDir(folder).filePath(QStringLiteral("img.stg")));
    if (s.user)
        WriteStorage(Sources(folder, *s.user), QDir(folder).filePath(QStringLiteral("usr.stg")));
}

// The bytes a container of these pictures has.
inline QByteArray ContainerBytes(const QString &folder, const Widths &widths)
{
    const QString file = QDir(folder).filePath(QStringLiteral("expected.stg"));
    WriteStorage(Sources(folder, widths), file);
    QFile in(file);
    QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    in.close();
    QFile::remove(file);
    return bytes;
}

} // namespace BaseScenarios
