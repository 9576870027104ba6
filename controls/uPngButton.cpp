#include "controls/uPngButton.h"

#include "controls/ScreenArt.h"
#include "imaging/AdditionalPng.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TEdgeRect OffsetRectBy(const TEdgeRect &r, int dx, int dy)
{
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

TEdgeRect CenterRect(const TEdgeRect &r, const TEdgeRect &bounds)
{
    return OffsetRectBy(r, (bounds.left + bounds.right - r.left - r.right) / 2,
                        (bounds.top + bounds.bottom - r.top - r.bottom) / 2);
}

int Luminance(uint32_t color)
{
    const int red = static_cast<int>(color & 0xFF);
    const int green = static_cast<int>((color >> 8) & 0xFF);
    const int blue = static_cast<int>((color >> 16) & 0xFF);
    // Integer thousandths avoid the float sum landing just under a whole number (white would
    // come out as 254).
    return (299 * red + 587 * green + 114 * blue) / 1000;
}

namespace {

QColor mapChannels(const QColor &c, int (*f)(int))
{
    return QColor(f(c.red()), f(c.green()), f(c.blue()));
}

} // namespace

QColor TPngButton::HotFace(const QColor &face)
{
    return mapChannels(face, [](int c) { return 255 - static_cast<int>((255 - c) / 1.5); });
}

QColor TPngButton::PressedFace(const QColor &face)
{
    return mapChannels(face, [](int c) { return static_cast<int>(c / 1.1); });
}

QColor TPngButton::BorderOf(const QColor &face)
{
    return mapChannels(face, [](int c) { return static_cast<int>(c / 1.3); });
}

TPngButton::TPngButton(QWidget *parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (OnClick)
            OnClick(this);
    });
}

TPngButton::~TPngButton() = default;

void TPngButton::SetCaption(const QString &caption)
{
    m_caption = caption;
    setText(caption);
}

QColor TPngButton::FocusRingColor() const
{
    return palette().color(QPalette::Active, QPalette::Highlight);
}

QColor TPngButton::FaceColor() const
{
    const QColor buttonFace = palette().color(QPalette::Button);
    if (ShownPressed())
        return PressedFace(buttonFace);
    return MouseInside ? HotFace(buttonFace) : buttonFace;
}

// One logical pixel wide, two inside the edge, so it clears the hover border and is as thick as
// the screen makes a pixel at every scale.
void TPngButton::DrawFocusRing(QPainter &painter) const
{
    const int w = width();
    const int h = height();
    if (w < 6 || h < 6)
        return;
    const QColor ring = FocusRingColor();
    painter.fillRect(QRectF(2, 2, w - 4, 1), ring);
    painter.fillRect(QRectF(2, h - 3, w - 4, 1), ring);
    painter.fillRect(QRectF(2, 3, 1, h - 6), ring);
    painter.fillRect(QRectF(w - 3, 3, 1, h - 6), ring);
}

void TPngButton::SetCaptionPlacement(uint8_t code)
{
    m_captionPlacement = code;
    UpdateLayout();
}

void TPngButton::SetEnabled(bool value)
{
    if (value == isEnabled())
        return;
    setEnabled(value);
    PaintNow();
}

void TPngButton::UpdateLayout()
{
    const QFontMetrics metrics(font());
    const int w = metrics.horizontalAdvance(m_caption);
    const int h = metrics.height();
    const TEdgeRect client{0, 0, width(), height()};
    const TEdgeRect picture{0, 0, Picture.width(), Picture.height()};
    if (m_captionPlacement == cpBottom) {
        if (!m_caption.isEmpty()) {
            TextRect = CenterRect({0, 0, w, h}, client);
            TextRect = OffsetRectBy(TextRect, 0, client.bottom - TextRect.bottom - 5);
        } else {
            TextRect = {0, height(), 0, 0};
        }
        ImageRect = CenterRect(picture, {0, 0, width(), TextRect.top});
    } else if (m_captionPlacement == cpRight) {
        if (!m_caption.isEmpty()) {
            TextRect = CenterRect({0, 0, w, h}, client);
            TextRect = OffsetRectBy(TextRect, client.right - TextRect.right - 5, 0);
        } else {
            TextRect = {width(), 0, 0, 0};
        }
        ImageRect = CenterRect(picture, {0, 0, TextRect.left, height()});
    }

    if (!Picture.isEmpty()) {
        Bitmap32 grey;
        PngToBitmap32(Picture, grey);
        for (int y = 0; y < grey.height(); ++y) {
            uint32_t *row = grey.row(y);
            for (int x = 0; x < grey.width(); ++x) {
                const auto l = static_cast<uint32_t>(Luminance(Picture.pixel(x, y)));
                row[x] = (row[x] & 0xFF000000u) | (l << 16) | (l << 8) | l;
            }
        }
        Bitmap32ToPng(grey, DisabledPicture);
    }
    PaintNow();
}

QImage TPngButton::RenderFace() const
{
    const QColor face = FaceColor();

    QImage surface(size(), QImage::Format_RGB32);
    surface.fill(face);
    const int w = width();
    const int h = height();
    if (MouseInside) {
        const QRgb border = BorderOf(face).rgb();
        auto put = [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < w && y < h)
                surface.setPixel(x, y, border);
        };
        for (int x = 2; x <= w - 3; ++x) {
            put(x, 0);
            put(x, h - 1);
        }
        for (int y = 2; y <= h - 3; ++y) {
            put(0, y);
            put(w - 1, y);
        }
        put(1, 1);
        put(w - 2, 1);
        put(1, h - 2);
        put(w - 2, h - 2);
    }

    const int shift = ShownPressed() ? 1 : 0;
    const TEdgeRect image = OffsetRectBy(ImageRect, shift, shift);
    const TEdgeRect text = OffsetRectBy(TextRect, shift, shift);
    const TPNGObject &picture = isEnabled() ? Picture : DisabledPicture;
    if (!Picture.isEmpty())
        picture.draw(surface, QRect(image.left, image.top, image.right - image.left,
                                    image.bottom - image.top));
    if (!m_caption.isEmpty()) {
        QPainter painter(&surface);
        painter.setFont(font());
        painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
        const QFontMetrics metrics(font());
        painter.drawText(QPoint(text.left, text.top + metrics.ascent()), m_caption);
    }
    if (hasFocus()) {
        QPainter painter(&surface);
        DrawFocusRing(painter);
    }
    return surface;
}

QImage TPngButton::RenderDenseFace(qreal dpr) const
{
    const QColor face = FaceColor();

    QImage surface(DeviceSize(size(), dpr), QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(dpr);
    surface.fill(face);
    QPainter painter(&surface);
    const int w = width();
    const int h = height();
    if (MouseInside) {
        // The same cut-corner border, each logical pixel as wide as the screen makes it.
        const QColor border = BorderOf(face);
        painter.fillRect(QRectF(2, 0, w - 4, 1), border);
        painter.fillRect(QRectF(2, h - 1, w - 4, 1), border);
        painter.fillRect(QRectF(0, 2, 1, h - 4), border);
        painter.fillRect(QRectF(w - 1, 2, 1, h - 4), border);
        for (const QPointF corner :
             {QPointF(1, 1), QPointF(w - 2, 1), QPointF(1, h - 2), QPointF(w - 2, h - 2)})
            painter.fillRect(QRectF(corner, QSizeF(1, 1)), border);
    }

    const int shift = ShownPressed() ? 1 : 0;
    const TEdgeRect image = OffsetRectBy(ImageRect, shift, shift);
    const TEdgeRect text = OffsetRectBy(TextRect, shift, shift);
    if (!Picture.isEmpty()) {
        Bitmap32 normal;
        PngToBitmap32(Picture, normal);
        QImage icon = PictureForScreen(normal.asQImage(), TwicePicture, dpr);
        if (!isEnabled()) {
            // The disabled icon is grey by the same luminance rule, at the screen's density.
            icon = icon.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < icon.height(); ++y) {
                auto *row = reinterpret_cast<QRgb *>(icon.scanLine(y));
                for (int x = 0; x < icon.width(); ++x) {
                    const QRgb c = row[x];
                    const int l = Luminance(static_cast<uint32_t>(qRed(c)) |
                                            static_cast<uint32_t>(qGreen(c)) << 8 |
                                            static_cast<uint32_t>(qBlue(c)) << 16);
                    row[x] = qRgba(l, l, l, qAlpha(c));
                }
            }
        }
        painter.drawImage(
            QRectF(image.left, image.top, image.right - image.left, image.bottom - image.top),
            icon);
    }
    if (!m_caption.isEmpty()) {
        painter.setFont(font());
        painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(128, 128, 128));
        const QFontMetrics metrics(font());
        painter.drawText(QPoint(text.left, text.top + metrics.ascent()), m_caption);
    }
    if (hasFocus())
        DrawFocusRing(painter);
    return surface;
}

void TPngButton::PaintNow()
{
    repaint();
}

void TPngButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    if (dpr == 1)
        painter.drawImage(0, 0, RenderFace());
    else
        painter.drawImage(QPointF(0, 0), RenderDenseFace(dpr));
}

void TPngButton::mousePressEvent(QMouseEvent *)
{
    Pressed = true;
    PaintNow();
}

void TPngButton::PointerAt(int x, int y, Qt::MouseButtons buttons)
{
    const bool inside = x >= 0 && y >= 0 && x < width() && y < height();
    if (inside != MouseInside) {
        MouseInside = inside;
        if (buttons.testFlag(Qt::LeftButton) && hasFocus())
            Pressed = true;
        PaintNow();
    }
    if (!MouseInside) {
        Pressed = false;
        PaintNow();
    }
}

void TPngButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    PointerAt(p.x(), p.y(), event->buttons());
}

void TPngButton::leaveEvent(QEvent *)
{
    // Qt reports leaving instead of letting the button capture the move that leaves it.
    if (MouseInside)
        PointerAt(-1, -1, Qt::NoButton);
}

void TPngButton::mouseReleaseEvent(QMouseEvent *)
{
    const bool wasPressed = Pressed;
    const bool wasInside = MouseInside;
    Pressed = false;
    MouseInside = false;
    PaintNow();
    if (wasPressed && wasInside)
        click();
}

void TPngButton::keyPressEvent(QKeyEvent *event)
{
    // Space is the button's own key (pressed on the key going down, clicked as it comes up);
    // Enter clicks at once, as it does on the dialog buttons.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TPngButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    update();
}

void TPngButton::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    update();
}
