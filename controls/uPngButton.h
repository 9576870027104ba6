#pragma once

// A push button that draws itself: a PNG icon with alpha and an optional caption on a flat face
// that lights up under the pointer and darkens while held. Disabled, it shows a greyscale copy
// of its icon and a grey caption. It takes keyboard focus like any button (Tab), shows it with a
// ring, and Space or Enter press it; screen readers name it by its caption unless an accessible
// name is set.

#include "imaging/PngObject.h"

#include <QAbstractButton>
#include <QColor>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>

// Left, top, right, bottom with right and bottom exclusive, as the layout rules are written.
struct TEdgeRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TEdgeRect &) const = default;
};

TEdgeRect OffsetRectBy(const TEdgeRect &r, int dx, int dy);
TEdgeRect CenterRect(const TEdgeRect &r, const TEdgeRect &bounds);
// Trunc(0.299 red + 0.587 green + 0.114 blue) of a 0x00BBGGRR colour, computed exactly.
int Luminance(uint32_t color);

enum TCaptionPlacement : uint8_t { cpBottom = 2, cpRight = 4 };

class TPngButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TPngButton(QWidget *parent = nullptr);
    ~TPngButton() override;

    TPNGObject Picture;
    TPNGObject DisabledPicture;
    // The icon at twice Picture's size, painted on screens of a higher density than 1; without
    // it Picture is resampled there.
    QImage TwicePicture;
    TEdgeRect ImageRect;
    TEdgeRect TextRect;
    bool MouseInside = false;
    bool Pressed = false;
    // Called on every click: by the mouse, the keyboard or an assistive technology.
    std::function<void(TPngButton *sender)> OnClick;

    const QString &Caption() const noexcept { return m_caption; }
    // The caption is also the button's text, so screen readers read it.
    void SetCaption(const QString &caption);
    uint8_t CaptionPlacement() const noexcept { return m_captionPlacement; }
    void SetCaptionPlacement(uint8_t code);
    // Repaints at once only when the state changes.
    void SetEnabled(bool value);

    // The face colours the button paints with for a given button-face colour.
    static QColor HotFace(const QColor &face);
    static QColor PressedFace(const QColor &face);
    static QColor BorderOf(const QColor &face);
    // The colour of the ring that shows keyboard focus.
    QColor FocusRingColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void UpdateLayout();
    void PointerAt(int x, int y, Qt::MouseButtons buttons);
    void PaintNow();
    QImage RenderFace() const;
    // The face at a device pixel ratio other than 1: the same look, drawn at that density.
    QImage RenderDenseFace(qreal dpr) const;
    // Held down by the mouse or by the space bar.
    bool ShownPressed() const { return Pressed || isDown(); }
    QColor FaceColor() const;
    void DrawFocusRing(QPainter &painter) const;

    QString m_caption;
    uint8_t m_captionPlacement = cpBottom;
};
