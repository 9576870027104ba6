#pragma once

// The one renderer of design objects, shared by the designer canvas and the final popup
// picture, so both show the same text, rotation, close button and bounds. It reads the design
// and never writes it: the rectangles objects cover are returned for the view that drew them,
// and scaled close-button pictures are kept in a cache keyed by their pixels and size.
//
// How the composition uses it:
//   - Wrap the 32-bit picture in a canvas: TDesignCanvas canvas(bitmap.asQImage());
//     (a Format_ARGB32 surface; pixels keep straight, non-premultiplied alpha).
//   - Give the canvas a coverage mask: QImage mask(size, QImage::Format_Alpha8), filled with 0,
//     canvas.SetCoverage(&mask). From then on every text draw also paints its glyphs into the
//     mask with the same font and transform; a pixel is painted by the text exactly when its
//     mask byte is non-zero (anti-aliased edge pixels included). Call canvas.ClearCoverage()
//     before each object to learn what that object alone painted.
//   - Draw a copy of each object shifted into picture coordinates (X, Y -= DocumentOrigin)
//     with DrawObject(copy, canvas) (no focus frame); the returned bounds are in picture
//     coordinates (for the close-button object that is the close area).
//   - The close-button object blends ScaledButtonPicture(picture, scale) into the rectangle
//     (X, Y) with that picture's own width and height; its alpha plane is its transparency.
//   - Text drawing writes colour and alpha through QPainter; the composition sets the final
//     alpha from the coverage mask, not from what the painter left.

#include "designer/MovingObject.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>

#include <memory>
#include <vector>

class Bitmap32;
class TDesignModel;
class TPNGObject;

// A surface to draw design objects on, with an optional coverage mask for text.
class TDesignCanvas {
public:
    // The surface must be Format_ARGB32, Format_ARGB32_Premultiplied or Format_RGB32 and must
    // outlive the canvas; it is shared, never copied.
    explicit TDesignCanvas(QImage surface);
    ~TDesignCanvas();
    TDesignCanvas(const TDesignCanvas &) = delete;
    TDesignCanvas &operator=(const TDesignCanvas &) = delete;

    QImage &Surface() noexcept { return m_surface; }
    QPainter &Painter();

    // Device pixels per design pixel: 1 for the design itself, the screen's ratio for the
    // canvas a high-density screen shows. Objects keep their design coordinates and bounds.
    void SetScale(qreal scale) noexcept { m_scale = scale; }
    qreal Scale() const noexcept { return m_scale; }
    // A rectangle in design pixels as device pixels, edges rounded.
    TRect ToDevice(const TRect &rect) const;

    // mask: Format_Alpha8 of the surface's size, or null to stop recording.
    void SetCoverage(QImage *mask);
    void ClearCoverage();
    QImage *Coverage() const noexcept { return m_coverage; }
    QPainter *CoveragePainter();

private:
    QImage m_surface;
    std::unique_ptr<QPainter> m_painter;
    QImage *m_coverage = nullptr;
    std::unique_ptr<QPainter> m_coveragePainter;
    qreal m_scale = 1;
};

// The font a text object is drawn with: pixel size round(points x 96 / 72), at least 1.
QFont MakeFont(const TFontDesc &font);
// 0x00BBGGRR as an opaque colour.
QColor ColorFromValue(uint32_t value);
uint32_t ValueFromColor(const QColor &color);

// True when the text holds any character other than space, CR and LF.
bool HasVisibleText(const QString &text);

// Rotates point about centre by angle radians (the callers pass point >= centre on both axes).
QPoint RotatePoint(QPoint centre, QPoint point, double angle);

// Draws the object and returns its bounds, the selection and hit rectangle, in the coordinates
// of the objects (design pixels on a scaled canvas); focused draws the focus frame on them.
TRect DrawObject(const TMovingObject &object, TDesignCanvas &canvas, bool focused = false);
// The bounds DrawObject gives, without drawing a picture or a focus frame; text is drawn all
// the same.
TRect MeasureObject(const TMovingObject &object, TDesignCanvas &canvas);

// The close-button picture resampled to ScaledButtonSize(picture, scale), made once for a
// picture's pixels and size and then taken from a small cache.
std::shared_ptr<const TPNGObject> ScaledButtonPicture(const TPNGObject &picture, double scale);

// Size of the close-button picture as drawn: its own size at scale 1 exactly, else each side
// times the scale cut to an integer, and never below 2 x 2.
QSize ScaledButtonSize(const TPNGObject &picture, double scale);

// Width of a close-button picture of width x height fitted to a list item's height, its
// proportions kept, rounded to the nearest integer with halves to the even neighbour.
int FittedItemWidth(int width, int height, int itemHeight);

// A 1-pixel frame along the inside edge of (left, top, right, bottom), clipped to the image.
void FrameRect(QImage &image, const TRect &rect, QColor color);
// The dotted focus frame: every other pixel of the inside edge inverted (colour bits only).
void DrawFocusRect(QImage &image, const TRect &rect);

// The whole design: background, the selected template scaled into the document square (none
// leaves the square in the background colour), the 2-pixel document frame RGB(0, 200, 255)
// and every object in list order, the one at index selected (-1: none) with the focus frame.
// designBitmap must be 500 x 500. Returns each object's bounds, in list order.
std::vector<TRect> RenderDesign(Bitmap32 &designBitmap, const TPNGObject *selectedPicture,
                                int documentSize, const TDesignModel &model, int selected,
                                QColor background);

// RenderDesign at scale device pixels per design pixel into a square of 500 x scale: the
// template is resampled straight to the larger square and texts and pictures are drawn at that
// density, so a high-density screen shows the design sharp while the design, its objects and
// their bounds stay in design pixels.
std::vector<TRect> RenderDesignScaled(Bitmap32 &screenBitmap, qreal scale,
                                      const TPNGObject *selectedPicture, int documentSize,
                                      const TDesignModel &model, int selected, QColor background);

// The canvas control: 2-pixel black frame, the design at (2, 2). A bitmap rendered at a scale
// above 1 is given with that scale and fills the same 500 x 500 logical pixels.
void PaintDesignCanvas(QPainter &painter, const Bitmap32 &designBitmap, qreal scale = 1);

// The document frame colour.
constexpr QRgb DocumentFrameColor = 0xFF00C8FFu;
