#pragma once

// What the font, colour and size pickers of the designer hold, and the rules for finding a
// colour and a default face in them. Plain data; the page fills its controls from these.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

// Installed TrueType and OpenType families by their plain names, sorted without regard to case,
// each name once.
QStringList FontFaceList();
// Sorts and drops case-insensitive duplicates and empty names (the rule FontFaceList applies).
QStringList SortedFaceNames(const QStringList &names);

// The face selected when no object is: the first of "Comic Sans MS", "Times New Roman",
// "Arial" in faces, else its look-alike ("Comic Neue", "Liberation Serif", "Liberation Sans"),
// else the first face of the list; empty only for an empty list.
QString DefaultFontFace(const QStringList &faces);
// Index of face in faces ignoring case, or -1.
int IndexOfFace(const QStringList &faces, const QString &face);
// Index of face, else of its installed look-alike ("Comic Sans MS" -> "Comic Neue" ...), or -1.
int IndexOfFaceOrLookAlike(const QStringList &faces, const QString &face);

// The 20 colours of the stock palette as 0x00BBGGRR, in palette order.
const std::array<uint32_t, 20> &PaletteColors();
constexpr int CustomColorSlot = 20;
constexpr int FontColorCount = 21;

// The item SelectFontColor picks for colour c in items (21 values, the last the custom slot):
// the first equal item, else the custom slot, whose value becomes c.
int SelectFontColorIndex(std::vector<uint32_t> &items, uint32_t c);

// "8" ... "72": the 17 sizes of the size list.
QStringList FontSizeItems();

// The text of the size box as a decimal integer; throws EConvertError
// "'<text>' is not a valid integer value" otherwise.
int ParseFontSize(const QString &text);
// The angle box's text as a decimal integer, or -360 when it is not one.
int ParseAngleText(const QString &text);
