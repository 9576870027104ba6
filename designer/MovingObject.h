#pragma once

// A design object of the popup designer: a text object, or the one picture object that
// carries the close button. Plain data: drawing, scaled pictures and the rectangles an object
// covers on a view are the renderer's; placement rules are in DesignModel and the selection is
// the designer page's.

#include <QString>
#include <QStringList>

#include <cstdint>

class TPNGObject;

// A text object's font. Color is 0x00BBGGRR (red in the low byte); Size is in points.
struct TFontDesc {
    QString Name = QStringLiteral("Comic Sans MS");
    int Size = 14;
    uint32_t Color = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    bool operator==(const TFontDesc &other) const = default;
};

// Left/Top inclusive, Right/Bottom exclusive, as the hit test reads them.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TRect &other) const = default;
    bool Contains(int x, int y) const noexcept
    {
        return Left <= x && x < Right && Top <= y && y < Bottom;
    }
};

// The design square is always 500 x 500; the popup picture of side documentSize sits centred
// in it, its top-left corner at (DocumentOrigin, DocumentOrigin).
constexpr int DesignSize = 500;
constexpr int DocumentOrigin(int documentSize) noexcept
{
    return (DesignSize - documentSize) / 2;
}

class TMovingObject {
public:
    // A text object at the default position for the given document size.
    explicit TMovingObject(int documentSize);

    QStringList Lines;
    // The chosen close-button picture (owned by the close-button list), or none.
    const TPNGObject *ButtonPicture = nullptr;
    bool IsPicture = false;
    double ButtonScale = 1.0;
    TFontDesc Font;
    // Degrees, counter-clockwise on screen.
    int32_t Angle = 0;
    // Anchor in design coordinates: top-left of the unrotated text block or of the picture.
    int32_t X = 0;
    int32_t Y = 0;
};
