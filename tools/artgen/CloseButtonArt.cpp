#include "CloseButtonArt.h"

#include "ArtKit.h"

#include <QFontMetricsF>
#include <QRadialGradient>

using namespace ArtKit;

namespace CloseButtonArt {

namespace {

QColor rgb(QRgb v, int alpha = 255)
{
    QColor c = QColor::fromRgb(v);
    c.setAlpha(alpha);
    return c;
}

void cross(QPainter &p, QPointF c, qreal half, qreal width, const QColor &colour)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
    p.drawLine(c + QPointF(half, -half), c + QPointF(-half, half));
}

// Small pictures keep a one-pixel margin for a tight shadow that lifts them off any popup.
QImage withSmallShadow(int w, int h, const Painter &body, int strength = 90)
{
    QImage image = canvas(w, h);
    withShadow(image, body, QPointF(0, w >= 32 ? 1.5 : 1.0), w >= 32 ? 3 : 2,
               QColor(0, 0, 0, strength));
    return image;
}

struct Disc {
    int size;
    QRgb light, dark;
    QRgb crossColour;
    QRgb ring = 0; // 0: no ring
    bool glossy = true;
};

QImage disc(const Disc &d)
{
    return withSmallShadow(d.size, d.size, [d](QPainter &p) {
        const qreal s = d.size;
        const QPointF c(s / 2, s / 2 - 0.5);
        const qreal r = s / 2 - (s >= 32 ? 2.5 : 1.5);
        const QPainterPath shape = circle(c, r);
        QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.45), r * 1.5);
        g.setColorAt(0, rgb(d.light));
        g.setColorAt(1, rgb(d.dark));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(shape);
        if (d.ring) {
            const qreal w = qMax(1.5, s / 14);
            p.setPen(QPen(rgb(d.ring), w));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, r - w / 2, r - w / 2);
        }
        if (d.glossy)
            gloss(p, shape, 0.38);
        cross(p, c, r * 0.38, qMax(1.6, s / 10), rgb(d.crossColour));
    });
}

QImage square(int size, QRgb light, QRgb dark, QRgb crossColour, qreal radius)
{
    return withSmallShadow(size, size, [=](QPainter &p) {
        const qreal s = size;
        const qreal m = s >= 28 ? 2.5 : 1.5;
        const QRectF r(m, m - 0.5, s - 2 * m, s - 2 * m);
        const QPainterPath shape = roundedRect(r, radius);
        p.setPen(QPen(rgb(dark).darker(125), 1));
        p.setBrush(vertical(r, rgb(light), rgb(dark)));
        p.drawPath(shape);
        gloss(p, shape, 0.3);
        cross(p, r.center(), r.width() * 0.2, qMax(1.6, s / 10), rgb(crossColour));
    });
}

QImage outlineSquare(int size)
{
    return withSmallShadow(
        size, size,
        [=](QPainter &p) {
            const qreal s = size;
            const QRectF r(2, 1.5, s - 4, s - 4);
            p.setPen(Qt::NoPen);
            p.setBrush(rgb(0x000000, 70));
            p.drawRoundedRect(r, 3, 3);
            p.setPen(QPen(rgb(0xffffff), 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 3, 3);
            cross(p, r.center(), r.width() * 0.2, 2.2, rgb(0xffffff));
        },
        140);
}

QImage ringOnly(int size)
{
    return withSmallShadow(
        size, size,
        [=](QPainter &p) {
            const qreal s = size;
            const QPointF c(s / 2, s / 2 - 0.5);
            const qreal r = s / 2 - 3;
            p.setPen(Qt::NoPen);
            p.setBrush(rgb(0x000000, 60));
            p.drawEllipse(c, r, r);
            p.setPen(QPen(rgb(0xffffff), 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, r - 1, r - 1);
            cross(p, c, r * 0.36, 2.4, rgb(0xffffff));
        },
        140);
}

// A bare cross with a crisp white edge, readable on dark and light popups alike.
QImage bareCross(int size, QRgb colour)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    prepare(p);
    const qreal s = size;
    cross(p, QPointF(s / 2, s / 2), s * 0.3, s / 7 + 2.5, rgb(0xffffff, 235));
    cross(p, QPointF(s / 2, s / 2), s * 0.3, s / 7, rgb(colour));
    return image;
}

QImage pill(int w, int h, QRgb light, QRgb dark, QRgb text, QRgb border)
{
    return withSmallShadow(w, h, [=](QPainter &p) {
        const QRectF r(1, 0.5, w - 2, h - 2);
        const QPainterPath shape = roundedRect(r, r.height() / 2);
        p.setPen(QPen(rgb(border), 1));
        p.setBrush(vertical(r, rgb(light), rgb(dark)));
        p.drawPath(shape);
        gloss(p, shape, 0.3);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setBold(true);
        f.setPixelSize(qRound(h * 0.58));
        p.setFont(f);
        p.setPen(rgb(text));
        p.drawText(r, Qt::AlignCenter, QStringLiteral("Close"));
    });
}

} // namespace

QList<QImage> all()
{
    return {
        disc({24, 0xff6b5e, 0xc41414, 0xffffff}),
        disc({24, 0x444444, 0x0d0d0d, 0xffffff, 0xffffff, false}),
        disc({16, 0xa8a8a8, 0x5c5c5c, 0xffffff}),
        disc({32, 0xffffff, 0xe6e6e6, 0xd32f2f, 0xd32f2f, false}),
        square(24, 0x4f9bff, 0x1c5fd6, 0xffffff, 5),
        square(28, 0x56606e, 0x2b313a, 0xffffff, 4),
        pill(48, 18, 0xf6f6f6, 0xd4d4d4, 0x333333, 0x9a9a9a),
        pill(48, 20, 0xff6b5e, 0xc41414, 0xffffff, 0x8a0a0a),
        disc({32, 0xffc46b, 0xf06a00, 0xffffff}),
        disc({20, 0x6ee07a, 0x1f9a3a, 0xffffff}),
        bareCross(20, 0x222222),
        disc({40, 0xb57bff, 0x5b21b6, 0xffffff, 0xffffff, true}),
        outlineSquare(24),
        pill(48, 18, 0x4a4a4a, 0x1a1a1a, 0xffffff, 0x000000),
        disc({48, 0xff6b5e, 0xb00f0f, 0xffffff, 0xffffff, true}),
        disc({28, 0xffe27a, 0xf2b200, 0x3b2a00}),
        square(20, 0x3fd1c4, 0x0f8f86, 0xffffff, 3),
        disc({36, 0xffffff, 0xf0f0f0, 0x555555, 0xcfcfcf, false}),
        disc({24, 0xf7d774, 0xb8862b, 0x2b1d00}),
        ringOnly(32),
        pill(48, 20, 0x5fb0ff, 0x1c6fd6, 0xffffff, 0x124f9c),
    };
}

} // namespace CloseButtonArt
