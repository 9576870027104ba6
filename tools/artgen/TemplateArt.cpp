#include "TemplateArt.h"

#include "ArtKit.h"

#include <QRadialGradient>
#include <QtMath>

#include <random>

using namespace ArtKit;

namespace TemplateArt {

namespace {

constexpr int Side = 500;

QColor rgb(QRgb v, int alpha = 255)
{
    QColor c = QColor::fromRgb(v);
    c.setAlpha(alpha);
    return c;
}

// A template: body painted over its own soft drop shadow on a transparent square.
QImage shaped(const Painter &body, qreal drop = 8, int blur = 16, int strength = 95)
{
    QImage image = canvas(Side, Side);
    withShadow(image, body, QPointF(0, drop), blur, QColor(0, 0, 0, strength));
    return image;
}

void fillPath(QPainter &p, const QPainterPath &path, const QBrush &brush)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

void outline(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width,
             Qt::PenStyle style = Qt::SolidLine)
{
    p.setPen(QPen(colour, width, style, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

const QRectF Card(30, 26, 440, 440);

// ---- Cards and panels ----

QImage classicCard()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 26);
        fillPath(p, card, vertical(Card, rgb(0xffffff), rgb(0xf2f5f9)));
        p.setClipPath(card);
        const QRectF header(Card.left(), Card.top(), Card.width(), 118);
        QLinearGradient g(header.topLeft(), header.topRight());
        g.setColorAt(0, rgb(0x2f6fe0));
        g.setColorAt(1, rgb(0x45c4f0));
        p.fillRect(header, g);
        // A gentle wave closes the header instead of a hard edge.
        QPainterPath wave;
        wave.moveTo(Card.left(), 150);
        wave.cubicTo(150, 118, 330, 178, Card.right(), 132);
        wave.lineTo(Card.right(), 100);
        wave.lineTo(Card.left(), 100);
        wave.closeSubpath();
        fillPath(p, wave, g);
        QPainterPath wave2;
        wave2.moveTo(Card.left(), 150);
        wave2.cubicTo(150, 118, 330, 178, Card.right(), 132);
        outline(p, wave2, rgb(0xffffff, 110), 3);
        p.fillRect(QRectF(Card.left(), Card.bottom() - 10, Card.width(), 10), g);
        p.setClipping(false);
        outline(p, card, rgb(0xd5dde8), 1.5);
    });
}

QImage gradientPanel()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 38);
        fillPath(p, card, diagonal(Card, rgb(0x6a2ff0), rgb(0xf0399b)));
        p.setClipPath(card);
        fillPath(p, circle(QPointF(440, 70), 150), rgb(0xffffff, 26));
        fillPath(p, circle(QPointF(470, 40), 80), rgb(0xffffff, 22));
        fillPath(p, circle(QPointF(60, 450), 170), rgb(0x1a0050, 34));
        fillPath(p, circle(QPointF(20, 480), 90), rgb(0x1a0050, 30));
        p.setClipping(false);
        gloss(p, card, 0.22);
        outline(p, card, rgb(0xffffff, 70), 2);
    });
}

QImage splitPanel()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 22);
        fillPath(p, card, rgb(0xffffff));
        p.setClipPath(card);
        const QRectF left(Card.left(), Card.top(), 170, Card.height());
        p.fillRect(left, vertical(left, rgb(0x16324f), rgb(0x1f5c7a)));
        // Facets of light on the dark side.
        const QList<QPolygonF> facets = {
            QPolygonF({QPointF(30, 26), QPointF(200, 26), QPointF(30, 200)}),
            QPolygonF({QPointF(30, 200), QPointF(200, 120), QPointF(200, 330)}),
            QPolygonF({QPointF(30, 330), QPointF(200, 330), QPointF(80, 466)}),
            QPolygonF({QPointF(120, 466), QPointF(200, 380), QPointF(200, 466)}),
        };
        const int alphas[] = {30, 18, 26, 40};
        for (int i = 0; i < facets.size(); ++i) {
            QPainterPath f;
            f.addPolygon(facets[i]);
            fillPath(p, f, rgb(0x7fd3ff, alphas[i]));
        }
        p.fillRect(QRectF(200, Card.top(), 6, Card.height()), rgb(0xf5b83d));
        p.setClipping(false);
        outline(p, card, rgb(0xd0d6de), 1.5);
    });
}

QImage browserWindow()
{
    return shaped([](QPainter &p) {
        const QRectF r(28, 40, 444, 410);
        const QPainterPath win = roundedRect(r, 14);
        fillPath(p, win, rgb(0xffffff));
        p.setClipPath(win);
        p.fillRect(QRectF(r.left(), r.top(), r.width(), 46),
                   vertical(r, rgb(0xeef0f4), rgb(0xdfe3ea)));
        p.fillRect(QRectF(r.left(), r.top() + 46, r.width(), 1), rgb(0xc9ced8));
        p.setClipping(false);
        const QRgb dots[] = {0xff5f57, 0xfebc2e, 0x28c840};
        for (int i = 0; i < 3; ++i)
            fillPath(p, circle(QPointF(r.left() + 24 + i * 22, r.top() + 23), 7), rgb(dots[i]));
        fillPath(p, roundedRect(QRectF(120, r.top() + 12, 230, 22), 11), rgb(0xffffff));
        fillPath(p, roundedRect(QRectF(r.left() + 24, 404, 120, 28), 14), rgb(0x2f80ed, 40));
        outline(p, win, rgb(0xc3c9d3), 1.5);
    });
}

QImage neonGlass()
{
    QImage image = shaped(
        [](QPainter &p) {
            const QPainterPath card = roundedRect(Card, 30);
            fillPath(p, card, vertical(Card, rgb(0x1c1830), rgb(0x0d0b17)));
        },
        10, 20, 140);
    // The neon tube glows onto everything around it.
    withGlow(
        image,
        [](QPainter &p) {
            QLinearGradient g(Card.topLeft(), Card.bottomRight());
            g.setColorAt(0, rgb(0x00e5ff));
            g.setColorAt(1, rgb(0xff2bd6));
            p.setPen(QPen(QBrush(g), 4));
            p.setBrush(Qt::NoBrush);
            p.drawPath(roundedRect(Card.adjusted(16, 16, -16, -16), 20));
        },
        10, QColor(0xc0, 0x40, 0xff, 170));
    return image;
}

QImage luxuryCard()
{
    return shaped(
        [](QPainter &p) {
            const QPainterPath card = roundedRect(Card, 10);
            fillPath(p, card, vertical(Card, rgb(0x26231f), rgb(0x0f0e0c)));
            QLinearGradient gold(Card.topLeft(), Card.bottomRight());
            gold.setColorAt(0, rgb(0xf7e39c));
            gold.setColorAt(0.5, rgb(0xc99a3b));
            gold.setColorAt(1, rgb(0xf0d27a));
            const QRectF outer = Card.adjusted(14, 14, -14, -14);
            const QRectF inner = Card.adjusted(22, 22, -22, -22);
            p.setPen(QPen(QBrush(gold), 3));
            p.setBrush(Qt::NoBrush);
            p.drawRect(outer);
            p.setPen(QPen(QBrush(gold), 1));
            p.drawRect(inner);
            for (const QPointF &c :
                 {outer.topLeft(), outer.topRight(), outer.bottomLeft(), outer.bottomRight()}) {
                QPainterPath d;
                d.addPolygon(QPolygonF({c + QPointF(0, -12), c + QPointF(12, 0), c + QPointF(0, 12),
                                        c + QPointF(-12, 0)}));
                d.closeSubpath();
                fillPath(p, d, gold);
            }
            const qreal cx = Card.center().x();
            QPainterPath flourish;
            flourish.moveTo(cx - 70, 92);
            flourish.cubicTo(cx - 35, 78, cx - 20, 104, cx, 90);
            flourish.cubicTo(cx + 20, 104, cx + 35, 78, cx + 70, 92);
            p.setPen(QPen(QBrush(gold), 2));
            p.drawPath(flourish);
            p.drawPath(QTransform(1, 0, 0, -1, 0, 490).map(flourish));
            QPainterPath gem;
            gem.addPolygon(QPolygonF(
                {QPointF(cx, 82), QPointF(cx + 8, 90), QPointF(cx, 98), QPointF(cx - 8, 90)}));
            fillPath(p, gem, gold);
            fillPath(p, QTransform(1, 0, 0, -1, 0, 490).map(gem), gold);
        },
        8, 16, 120);
}

// ---- Shapes ----

QImage speechBubble()
{
    return shaped([](QPainter &p) {
        QPainterPath bubble = roundedRect(QRectF(30, 34, 440, 330), 60);
        QPainterPath tail;
        tail.moveTo(120, 340);
        tail.cubicTo(125, 400, 100, 440, 70, 468);
        tail.cubicTo(150, 455, 205, 410, 225, 350);
        tail.closeSubpath();
        bubble = bubble.united(tail);
        fillPath(p, bubble, vertical(QRectF(0, 34, 500, 430), rgb(0xffffff), rgb(0xe3f1ff)));
        outline(p, bubble, rgb(0x2d8cf0), 6);
    });
}

QImage ticket()
{
    return shaped([](QPainter &p) {
        const QRectF r(18, 120, 464, 250);
        QPainterPath t = roundedRect(r, 16);
        for (const QPointF &c :
             {QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()),
              QPointF(362, r.top()), QPointF(362, r.bottom())})
            t = t.subtracted(circle(c, 22));
        fillPath(p, t, diagonal(r, rgb(0xffc94a), rgb(0xff8a2b)));
        p.setClipPath(t);
        p.fillRect(QRectF(362, r.top(), r.right() - 362, r.height()), rgb(0xb3360b, 40));
        p.setClipping(false);
        p.setPen(QPen(rgb(0xffffff, 200), 3, Qt::DashLine, Qt::RoundCap));
        p.drawLine(QPointF(362, r.top() + 30), QPointF(362, r.bottom() - 30));
        outline(p, roundedRect(QRectF(44, 146, 292, 198), 10), rgb(0xffffff, 150), 2, Qt::DotLine);
        fillPath(p, star(QPointF(422, r.center().y()), 34, 14, 5), rgb(0xffffff, 220));
    });
}

QImage disc()
{
    return shaped([](QPainter &p) {
        const QPointF c(250, 244);
        const QPainterPath d = circle(c, 218);
        QRadialGradient g(c + QPointF(-60, -80), 320);
        g.setColorAt(0, rgb(0x4ee6c8));
        g.setColorAt(1, rgb(0x0a7a86));
        fillPath(p, d, g);
        for (int r : {196, 186})
            outline(p, circle(c, r), rgb(0xffffff, r == 196 ? 150 : 70), r == 196 ? 3 : 1.5);
        gloss(p, d, 0.28);
    });
}

QImage saleTag()
{
    return shaped([](QPainter &p) {
        p.translate(252, 262);
        p.rotate(-12);
        p.scale(0.92, 0.92);
        QPainterPath tag;
        tag.moveTo(-220, 0);
        tag.lineTo(-130, -150);
        tag.lineTo(200, -150);
        tag.quadTo(220, -150, 220, -130);
        tag.lineTo(220, 130);
        tag.quadTo(220, 150, 200, 150);
        tag.lineTo(-130, 150);
        tag.closeSubpath();
        const QPointF hole(-150, 0);
        tag = tag.subtracted(circle(hole, 16));
        fillPath(p, tag, vertical(QRectF(-220, -150, 440, 300), rgb(0xff6a3d), rgb(0xe2302a)));
        outline(p, circle(hole, 20), rgb(0xffffff, 180), 3);
        QPainterPath inner;
        inner.moveTo(-200, 0);
        inner.lineTo(-122, -132);
        inner.lineTo(202, -132);
        inner.lineTo(202, 132);
        inner.lineTo(-122, 132);
        inner.closeSubpath();
        outline(p, inner, rgb(0xffffff, 130), 2, Qt::DashLine);
        // The string runs from the hole off the tag's point.
        QPainterPath string;
        string.moveTo(hole);
        string.cubicTo(-190, -40, -230, -120, -200, -210);
        outline(p, string, rgb(0x6b4a2b), 3);
    });
}

QImage starburst()
{
    return shaped([](QPainter &p) {
        const QPointF c(250, 246);
        const QPainterPath burst = star(c, 226, 198, 28);
        QRadialGradient g(c, 230);
        g.setColorAt(0, rgb(0xff4b4b));
        g.setColorAt(1, rgb(0xc0102a));
        fillPath(p, burst, g);
        fillPath(p, circle(c, 176), rgb(0xffffff, 28));
        outline(p, circle(c, 168), rgb(0xffffff, 210), 3, Qt::DashLine);
        gloss(p, burst, 0.2);
    });
}

QImage hexagon()
{
    return shaped([](QPainter &p) {
        auto hex = [](qreal r) {
            QPolygonF poly;
            for (int i = 0; i < 6; ++i) {
                const qreal a = qDegreesToRadians(60.0 * i);
                poly << QPointF(250 + r * qCos(a), 246 + r * qSin(a));
            }
            QPainterPath path;
            path.addPolygon(poly);
            path.closeSubpath();
            return path;
        };
        const QPainterPath outer = hex(226);
        fillPath(p, outer, diagonal(outer.boundingRect(), rgb(0x34d399), rgb(0x0e7490)));
        outline(p, hex(200), rgb(0xffffff, 170), 3);
        outline(p, hex(190), rgb(0xffffff, 70), 1.5);
        gloss(p, outer, 0.22);
    });
}

QImage cloud()
{
    return shaped(
        [](QPainter &p) {
            QPainterPath c = roundedRect(QRectF(40, 200, 420, 200), 100);
            for (const auto &[x, y, r] : {std::tuple{150.0, 210.0, 95.0},
                                          {270.0, 170.0, 125.0},
                                          {380.0, 225.0, 85.0},
                                          {95.0, 290.0, 70.0}})
                c = c.united(circle(QPointF(x, y), r));
            fillPath(p, c, vertical(QRectF(0, 45, 500, 355), rgb(0xffffff), rgb(0xdcecfb)));
            outline(p, c, rgb(0xb8d4ef), 2);
        },
        10, 22, 70);
}

QImage heartShape()
{
    return shaped([](QPainter &p) {
        const QPainterPath h = heart(QRectF(28, 44, 444, 420));
        QRadialGradient g(QPointF(180, 150), 380);
        g.setColorAt(0, rgb(0xff7aa8));
        g.setColorAt(1, rgb(0xd6084f));
        fillPath(p, h, g);
        gloss(p, h, 0.25);
        outline(p, heart(QRectF(56, 74, 388, 360)), rgb(0xffffff, 120), 2, Qt::DashLine);
    });
}

QImage rosette()
{
    return shaped([](QPainter &p) {
        const QPointF c(250, 200);
        // Two ribbon tails hang below the medal.
        for (int side : {-1, 1}) {
            QPainterPath tail;
            tail.moveTo(c + QPointF(side * 30, 60));
            tail.lineTo(c + QPointF(side * 120, 270));
            tail.lineTo(c + QPointF(side * 78, 250));
            tail.lineTo(c + QPointF(side * 62, 290));
            tail.lineTo(c + QPointF(side * -20, 80));
            tail.closeSubpath();
            fillPath(p, tail, vertical(QRectF(0, 260, 500, 230), rgb(0x1d4ed8), rgb(0x1e3a8a)));
        }
        const QPainterPath medal = flower(c, 180, 32).united(circle(c, 160));
        fillPath(p, medal, diagonal(QRectF(70, 20, 360, 360), rgb(0xffe27a), rgb(0xd49a1c)));
        fillPath(p, circle(c, 138),
                 diagonal(QRectF(110, 60, 280, 280), rgb(0xfff6d6), rgb(0xf6dc8c)));
        outline(p, circle(c, 128), rgb(0xc8901a), 2.5);
        gloss(p, circle(c, 138), 0.3);
    });
}

QImage bannerBadge()
{
    return shaped([](QPainter &p) {
        const QPointF c(250, 240);
        const QPainterPath d = circle(c, 200);
        fillPath(p, d, diagonal(d.boundingRect(), rgb(0x8b5cf6), rgb(0x4c1d95)));
        outline(p, circle(c, 180), rgb(0xffffff, 130), 2);
        // A ribbon across the middle; its ends hang lower, behind it, with a fold between.
        for (int side : {-1, 1}) {
            auto x = [side](qreal v) { return side < 0 ? v : 500 - v; };
            QPainterPath end;
            end.moveTo(x(14), 270);
            end.lineTo(x(96), 270);
            end.lineTo(x(96), 334);
            end.lineTo(x(14), 334);
            end.lineTo(x(36), 302);
            end.closeSubpath();
            fillPath(p, end, rgb(0xc2185b));
            QPainterPath fold;
            fold.moveTo(x(60), 314);
            fold.lineTo(x(96), 314);
            fold.lineTo(x(96), 334);
            fold.closeSubpath();
            fillPath(p, fold, rgb(0x6d0b34));
        }
        const QRectF band(60, 250, 380, 64);
        p.fillRect(band, vertical(band, rgb(0xff4f8b), rgb(0xe0245e)));
        p.fillRect(QRectF(band.left(), band.top() + 5, band.width(), 1.5), rgb(0xffffff, 90));
        p.fillRect(QRectF(band.left(), band.bottom() - 6.5, band.width(), 1.5), rgb(0xffffff, 90));
        for (int i = -1; i <= 1; ++i)
            fillPath(p,
                     star(QPointF(250 + i * 50, 150 - qAbs(i) * 10), i == 0 ? 26 : 18,
                          i == 0 ? 11 : 8, 5),
                     rgb(0xffd54f));
    });
}

QImage bauble()
{
    return shaped([](QPainter &p) {
        const QPointF c(250, 270);
        outline(p, circle(QPointF(250, 40), 16), rgb(0xb8b8b8), 4);
        const QRectF cap(218, 50, 64, 34);
        fillPath(p, roundedRect(cap, 6), vertical(cap, rgb(0xf5e28a), rgb(0xb88a1e)));
        for (int x = 226; x < 282; x += 10)
            p.fillRect(QRectF(x, 52, 3, 30), rgb(0x8a6410, 90));
        const QPainterPath ball = circle(c, 200);
        QRadialGradient g(c + QPointF(-70, -80), 300);
        g.setColorAt(0, rgb(0xf0455a));
        g.setColorAt(1, rgb(0x8c0b1f));
        fillPath(p, ball, g);
        p.setClipPath(ball);
        for (qreal y : {150.0, 390.0}) {
            p.fillRect(QRectF(0, y, 500, 14), rgb(0xf5d061, 230));
            for (int x = 70; x < 440; x += 36)
                fillPath(p, star(QPointF(x, y + (y < 200 ? -18 : 32)), 7, 3, 4),
                         rgb(0xffffff, 190));
        }
        p.setClipping(false);
        gloss(p, ball, 0.3);
    });
}

// ---- Paper and frames ----

QImage photoFrame()
{
    return shaped(
        [](QPainter &p) {
            const QRectF outer(26, 26, 448, 448);
            QLinearGradient gold(outer.topLeft(), outer.bottomRight());
            gold.setColorAt(0, rgb(0xe9c46a));
            gold.setColorAt(0.35, rgb(0xfff1c1));
            gold.setColorAt(0.7, rgb(0xb8862b));
            gold.setColorAt(1, rgb(0xe0b45a));
            p.setPen(QPen(rgb(0x7a5412), 1.5));
            p.setBrush(gold);
            p.drawRect(outer);
            const QRectF mat = outer.adjusted(38, 38, -38, -38);
            // Bevels: light on the top and left, shade on the bottom and right.
            p.setPen(QPen(rgb(0xfff5d0, 200), 2));
            p.drawLine(outer.topLeft() + QPointF(3, 3), outer.topRight() + QPointF(-3, 3));
            p.drawLine(outer.topLeft() + QPointF(3, 3), outer.bottomLeft() + QPointF(3, -3));
            p.setPen(QPen(rgb(0x6b4510, 180), 2));
            p.drawRect(mat.adjusted(-6, -6, 6, 6));
            p.setPen(Qt::NoPen);
            p.setBrush(rgb(0xfbf7ee));
            p.drawRect(mat);
            p.setPen(QPen(rgb(0xd9ccb0), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(mat.adjusted(18, 18, -18, -18));
        },
        8, 18, 120);
}

QImage polaroid()
{
    return shaped([](QPainter &p) {
        p.translate(250, 250);
        p.rotate(-4);
        const QRectF r(-195, -215, 390, 430);
        p.setPen(QPen(rgb(0xe0e0e0), 1));
        p.setBrush(rgb(0xfdfdfb));
        p.drawRect(r);
        const QRectF photo(-172, -192, 344, 300);
        QLinearGradient sky(photo.topLeft(), photo.bottomLeft());
        sky.setColorAt(0, rgb(0x2b1b5a));
        sky.setColorAt(0.55, rgb(0xf2708a));
        sky.setColorAt(1, rgb(0xffc36b));
        p.fillRect(photo, sky);
        p.setClipRect(photo);
        fillPath(p, circle(QPointF(40, 60), 46), rgb(0xfff1c9, 230));
        QPainterPath hills;
        hills.moveTo(photo.left(), 60);
        hills.cubicTo(-80, 20, -20, 90, 60, 70);
        hills.cubicTo(120, 55, 150, 80, photo.right(), 50);
        hills.lineTo(photo.bottomRight());
        hills.lineTo(photo.bottomLeft());
        hills.closeSubpath();
        fillPath(p, hills, rgb(0x3a2250));
        p.setClipping(false);
        // A strip of tape holds the print.
        p.rotate(6);
        p.fillRect(QRectF(-55, -236, 110, 38), rgb(0xf3ead2, 200));
    });
}

QImage notepad()
{
    return shaped([](QPainter &p) {
        const QRectF r(44, 30, 412, 440);
        fillPath(p, roundedRect(r, 6), rgb(0xfffef7));
        p.setPen(QPen(rgb(0xa9c7e8), 1.2));
        for (qreal y = 118; y < r.bottom() - 12; y += 30)
            p.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
        p.setPen(QPen(rgb(0xf08a8a), 1.6));
        p.drawLine(QPointF(r.left() + 58, r.top() + 48), QPointF(r.left() + 58, r.bottom() - 1));
        p.fillRect(QRectF(r.left(), r.top(), r.width(), 46), rgb(0x3b82c4));
        // Wire rings through the top edge.
        for (qreal x = r.left() + 30; x < r.right() - 10; x += 32) {
            fillPath(p, circle(QPointF(x, r.top() + 30), 6), rgb(0x1d3c5e));
            p.setPen(QPen(rgb(0xb9bec6), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, r.top() + 30), QPointF(x, r.top() - 10));
        }
    });
}

QImage stickyNote()
{
    return shaped(
        [](QPainter &p) {
            p.translate(250, 250);
            p.rotate(3);
            const QRectF r(-200, -200, 400, 400);
            QPainterPath note;
            note.moveTo(r.topLeft());
            note.lineTo(r.topRight());
            note.lineTo(r.right(), r.bottom() - 40);
            note.quadTo(r.right() - 10, r.bottom() - 8, r.right() - 48, r.bottom());
            note.lineTo(r.bottomLeft());
            note.closeSubpath();
            fillPath(p, note, vertical(r, rgb(0xfff59d), rgb(0xffe95c)));
            // The lifted corner.
            QPainterPath curl;
            curl.moveTo(r.right(), r.bottom() - 40);
            curl.quadTo(r.right() - 34, r.bottom() - 34, r.right() - 48, r.bottom());
            curl.quadTo(r.right() - 10, r.bottom() - 8, r.right(), r.bottom() - 40);
            fillPath(p, curl, rgb(0xd9c23c));
            p.fillRect(QRectF(-60, -222, 120, 40), rgb(0xffffff, 150));
        },
        10, 18, 90);
}

QImage envelope()
{
    return shaped([](QPainter &p) {
        const QRectF env(30, 160, 440, 300);
        fillPath(p, roundedRect(env, 10), rgb(0x2563eb));
        // The letter stands out of the open envelope; the text goes on it.
        const QRectF letterRect(62, 36, 376, 330);
        fillPath(p, roundedRect(letterRect, 6), rgb(0xffffff));
        p.setPen(QPen(rgb(0xdbe4f0), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(letterRect, 6, 6);
        p.fillRect(QRectF(62, 36, 376, 10), rgb(0xf59e0b));
        QPainterPath pocket;
        pocket.moveTo(env.left(), 250);
        pocket.lineTo(250, 370);
        pocket.lineTo(env.right(), 250);
        pocket.lineTo(env.right(), env.bottom() - 10);
        pocket.quadTo(env.right(), env.bottom(), env.right() - 10, env.bottom());
        pocket.lineTo(env.left() + 10, env.bottom());
        pocket.quadTo(env.left(), env.bottom(), env.left(), env.bottom() - 10);
        pocket.closeSubpath();
        fillPath(p, pocket, vertical(env, rgb(0x4f8df7), rgb(0x1d4ed8)));
        QPainterPath seam;
        seam.moveTo(env.left() + 4, env.bottom() - 4);
        seam.lineTo(210, 340);
        seam.moveTo(env.right() - 4, env.bottom() - 4);
        seam.lineTo(290, 340);
        outline(p, seam, rgb(0xffffff, 60), 2);
        outline(p, pocket, rgb(0x1e40af), 1.5);
    });
}

QImage coupon()
{
    return shaped([](QPainter &p) {
        const QRectF r(24, 70, 452, 350);
        QPainterPath c;
        c.addRect(r);
        for (qreal x = r.left() + 14; x < r.right(); x += 28) {
            c = c.subtracted(circle(QPointF(x, r.top()), 8));
            c = c.subtracted(circle(QPointF(x, r.bottom()), 8));
        }
        for (qreal y = r.top() + 21; y < r.bottom() - 10; y += 28) {
            c = c.subtracted(circle(QPointF(r.left(), y), 8));
            c = c.subtracted(circle(QPointF(r.right(), y), 8));
        }
        fillPath(p, c, vertical(r, rgb(0xfff7e0), rgb(0xffe7b0)));
        outline(p, roundedRect(r.adjusted(24, 24, -24, -24), 6), rgb(0xd97706), 2.5, Qt::DashLine);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(54);
        f.setBold(true);
        QPainterPath percent;
        percent.addText(QPointF(386, 170), f, QStringLiteral("%"));
        fillPath(p, percent, rgb(0xd97706, 200));
    });
}

QImage postageStamp()
{
    return shaped(
        [](QPainter &p) {
            const QRectF r(40, 40, 420, 420);
            QPainterPath s;
            s.addRect(r);
            for (qreal t = 0; t <= 420; t += 21) {
                for (const QPointF &c :
                     {QPointF(r.left() + t, r.top()), QPointF(r.left() + t, r.bottom()),
                      QPointF(r.left(), r.top() + t), QPointF(r.right(), r.top() + t)})
                    s = s.subtracted(circle(c, 7));
            }
            fillPath(p, s, rgb(0xfffdf6));
            const QRectF art = r.adjusted(26, 26, -26, -26);
            p.fillRect(art, vertical(art, rgb(0xcfe8f5), rgb(0xeef7fb)));
            p.setPen(QPen(rgb(0x2b6f92), 3));
            p.setBrush(Qt::NoBrush);
            p.drawRect(art);
            // A postmark: rings and wavy cancellation lines over one corner.
            outline(p, circle(QPointF(392, 110), 50), rgb(0x3a3a52, 120), 3);
            outline(p, circle(QPointF(392, 110), 40), rgb(0x3a3a52, 90), 1.5);
            for (int i = 0; i < 4; ++i) {
                QPainterPath w;
                const qreal y = 84 + i * 18;
                w.moveTo(236, y);
                for (int k = 0; k < 4; ++k)
                    w.quadTo(236 + k * 30 + 15, y + (k % 2 ? 8 : -8), 266 + k * 30, y);
                outline(p, w, rgb(0x3a3a52, 90), 2.5);
            }
        },
        6, 12, 90);
}

QImage chalkboard()
{
    return shaped(
        [](QPainter &p) {
            const QRectF frame(24, 40, 452, 400);
            p.setPen(Qt::NoPen);
            p.setBrush(vertical(frame, rgb(0xa4703c), rgb(0x6e4420)));
            p.drawRoundedRect(frame, 8, 8);
            const QRectF board = frame.adjusted(22, 22, -22, -22);
            QRadialGradient g(board.center(), 300);
            g.setColorAt(0, rgb(0x2f5a45));
            g.setColorAt(1, rgb(0x1d3d2e));
            p.fillRect(board, g);
            // Wiped chalk leaves faint clouds.
            for (const auto &[x, y, r] : {std::tuple{140.0, 140.0, 90.0}, {360.0, 320.0, 110.0}}) {
                QRadialGradient smudge(QPointF(x, y), r);
                smudge.setColorAt(0, rgb(0xffffff, 18));
                smudge.setColorAt(1, rgb(0xffffff, 0));
                p.fillRect(board, smudge);
            }
            p.fillRect(QRectF(frame.left() + 40, frame.bottom() - 6, 372, 14), rgb(0x5c391a));
            fillPath(p, roundedRect(QRectF(360, frame.bottom() - 12, 50, 10), 4), rgb(0xf4f4ef));
        },
        8, 16, 120);
}

// ---- Seasons and holidays ----

QImage winter()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 28);
        fillPath(p, card, vertical(Card, rgb(0x0b2a5b), rgb(0x3a7bc8)));
        p.setClipPath(card);
        std::mt19937 rng(7);
        std::uniform_real_distribution<qreal> ux(40, 460), uy(30, 330), ur(6, 20);
        for (int i = 0; i < 26; ++i) {
            const QPointF c(ux(rng), uy(rng));
            const qreal r = ur(rng);
            fillPath(p, snowflake(c, r, r / 6), rgb(0xffffff, 70 + static_cast<int>(r) * 6));
        }
        QPainterPath far;
        far.moveTo(Card.left(), 380);
        far.cubicTo(150, 330, 260, 400, Card.right(), 350);
        far.lineTo(Card.bottomRight());
        far.lineTo(Card.bottomLeft());
        far.closeSubpath();
        fillPath(p, far, rgb(0xd6e8fa));
        QPainterPath nearHill;
        nearHill.moveTo(Card.left(), 420);
        nearHill.cubicTo(180, 380, 340, 450, Card.right(), 405);
        nearHill.lineTo(Card.bottomRight());
        nearHill.lineTo(Card.bottomLeft());
        nearHill.closeSubpath();
        fillPath(p, nearHill, rgb(0xffffff));
        p.setClipping(false);
        outline(p, card, rgb(0xffffff, 80), 2);
    });
}

QImage spring()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 28);
        fillPath(p, card, vertical(Card, rgb(0xf3fbef), rgb(0xd4f0c8)));
        p.setClipPath(card);
        auto bloom = [&](QPointF c, qreal r, QRgb petal, qreal rot) {
            for (int i = 0; i < 3; ++i)
                fillPath(p, leaf(c, r * 1.9, r * 0.45, rot + 100 + i * 55), rgb(0x5aa84a));
            fillPath(p, flower(c, r, 5, rot), rgb(petal));
            fillPath(p, circle(c, r * 0.28), rgb(0xffd23f));
        };
        bloom(QPointF(70, 70), 52, 0xf7a1c4, 10);
        bloom(QPointF(150, 44), 30, 0xffffff, 40);
        bloom(QPointF(44, 150), 28, 0xffc2d6, 0);
        bloom(QPointF(430, 420), 60, 0xf7a1c4, 25);
        bloom(QPointF(340, 446), 34, 0xffffff, 5);
        bloom(QPointF(452, 320), 30, 0xffc2d6, 30);
        p.setClipping(false);
        outline(p, card, rgb(0x9fd48f), 2);
    });
}

QImage summer()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 28);
        fillPath(p, card, vertical(Card, rgb(0x3aa9f0), rgb(0xbfe8fb)));
        p.setClipPath(card);
        QRadialGradient sun(QPointF(400, 100), 110);
        sun.setColorAt(0, rgb(0xfff3a0));
        sun.setColorAt(0.4, rgb(0xffd54a));
        sun.setColorAt(0.42, rgb(0xffd54a, 120));
        sun.setColorAt(1, rgb(0xffd54a, 0));
        p.fillRect(Card, sun);
        auto wave = [&](qreal y, qreal amp, QColor colour) {
            QPainterPath w;
            w.moveTo(Card.left(), y);
            for (int k = 0; k < 6; ++k)
                w.quadTo(Card.left() + k * 80 + 40, y + (k % 2 ? amp : -amp),
                         Card.left() + (k + 1) * 80, y);
            w.lineTo(Card.right(), Card.bottom());
            w.lineTo(Card.left(), Card.bottom());
            w.closeSubpath();
            fillPath(p, w, colour);
        };
        wave(372, 10, rgb(0x1e88e5));
        wave(398, 8, rgb(0x1565c0));
        QPainterPath sand;
        sand.moveTo(Card.left(), 440);
        sand.cubicTo(200, 420, 330, 446, Card.right(), 432);
        sand.lineTo(Card.bottomRight());
        sand.lineTo(Card.bottomLeft());
        sand.closeSubpath();
        fillPath(p, sand, rgb(0xf6d89b));
        p.setClipping(false);
        outline(p, card, rgb(0xffffff, 100), 2);
    });
}

QImage autumn()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 28);
        fillPath(p, card, vertical(Card, rgb(0xfff6e5), rgb(0xffd59a)));
        p.setClipPath(card);
        const QRgb colours[] = {0xe8590c, 0xc92a2a, 0xf59f00, 0x8d4b1f, 0xd9480f};
        std::mt19937 rng(11);
        std::uniform_real_distribution<qreal> ua(0, 360), us(28, 52);
        const QList<QPointF> spots = {{60, 60},   {120, 40},  {50, 140},  {440, 70}, {400, 36},
                                      {456, 150}, {70, 430},  {140, 452}, {40, 360}, {430, 440},
                                      {360, 456}, {456, 372}, {250, 452}, {200, 40}};
        for (int i = 0; i < spots.size(); ++i) {
            const qreal angle = ua(rng), size = us(rng);
            const QPainterPath l = leaf(spots[i], size, size * 0.42, angle);
            fillPath(p, l, rgb(colours[i % 5], 230));
            QPainterPath vein;
            vein.moveTo(spots[i]);
            vein.lineTo(spots[i] +
                        QPointF(qCos(qDegreesToRadians(angle)), qSin(qDegreesToRadians(angle))) *
                            size);
            outline(p, vein, rgb(0x5c2a0a, 110), 1.2);
        }
        p.setClipping(false);
        outline(p, card, rgb(0xe8a050), 2);
    });
}

QImage holidayGift()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 20);
        fillPath(p, card, vertical(Card, rgb(0xd32f2f), rgb(0x8e0e12)));
        p.setClipPath(card);
        p.fillRect(QRectF(362, Card.top(), 36, Card.height()), rgb(0xe9bd4c));
        p.fillRect(QRectF(Card.left(), 118, Card.width(), 36), rgb(0xe9bd4c));
        p.fillRect(QRectF(362, Card.top(), 36, Card.height()), rgb(0xffffff, 30));
        p.setClipping(false);
        // The bow sits where the ribbons cross.
        const QPointF knot(380, 136);
        for (int side : {-1, 1}) {
            QPainterPath loop;
            loop.moveTo(knot);
            loop.cubicTo(knot + QPointF(side * 30, -90), knot + QPointF(side * 100, -40),
                         knot + QPointF(side * 20, 8));
            loop.closeSubpath();
            fillPath(p, loop, rgb(0xf2c94c));
            outline(p, loop, rgb(0xa8741a), 1.5);
            QPainterPath ribbon;
            ribbon.moveTo(knot);
            ribbon.lineTo(knot + QPointF(side * 50, 80));
            ribbon.lineTo(knot + QPointF(side * 30, 76));
            ribbon.closeSubpath();
            fillPath(p, ribbon, rgb(0xe0b03c));
        }
        fillPath(p, circle(knot, 15), rgb(0xf7d774));
        std::mt19937 rng(3);
        std::uniform_real_distribution<qreal> ux(50, 330), uy(190, 450), ur(2, 4);
        for (int i = 0; i < 30; ++i)
            fillPath(p, circle(QPointF(ux(rng), uy(rng)), ur(rng)), rgb(0xffffff, 60));
    });
}

QImage halloween()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 28);
        fillPath(p, card, vertical(Card, rgb(0x1b1035), rgb(0x4a2374)));
        p.setClipPath(card);
        QRadialGradient moonGlow(QPointF(380, 120), 130);
        moonGlow.setColorAt(0, rgb(0xfff2c2, 90));
        moonGlow.setColorAt(1, rgb(0xfff2c2, 0));
        p.fillRect(Card, moonGlow);
        fillPath(p, circle(QPointF(380, 120), 58), rgb(0xfff0b8));
        fillPath(p, circle(QPointF(362, 104), 9), rgb(0xe9d89c));
        fillPath(p, circle(QPointF(396, 140), 13), rgb(0xe9d89c));
        auto bat = [&](QPointF c, qreal s) {
            QPainterPath b;
            b.moveTo(c);
            b.cubicTo(c + QPointF(-10 * s, -12 * s), c + QPointF(-26 * s, -8 * s),
                      c + QPointF(-34 * s, -2 * s));
            b.quadTo(c + QPointF(-24 * s, 0), c + QPointF(-20 * s, 6 * s));
            b.quadTo(c + QPointF(-14 * s, 2 * s), c + QPointF(-8 * s, 8 * s));
            b.quadTo(c + QPointF(-4 * s, 3 * s), c + QPointF(0, 6 * s));
            b.quadTo(c + QPointF(4 * s, 3 * s), c + QPointF(8 * s, 8 * s));
            b.quadTo(c + QPointF(14 * s, 2 * s), c + QPointF(20 * s, 6 * s));
            b.quadTo(c + QPointF(24 * s, 0), c + QPointF(34 * s, -2 * s));
            b.cubicTo(c + QPointF(26 * s, -8 * s), c + QPointF(10 * s, -12 * s), c);
            fillPath(p, b, rgb(0x0c0618));
        };
        bat(QPointF(290, 90), 1.2);
        bat(QPointF(440, 200), 0.8);
        bat(QPointF(110, 80), 1.0);
        QPainterPath hill;
        hill.moveTo(Card.left(), 400);
        hill.cubicTo(160, 350, 320, 430, Card.right(), 380);
        hill.lineTo(Card.bottomRight());
        hill.lineTo(Card.bottomLeft());
        hill.closeSubpath();
        fillPath(p, hill, rgb(0x120a22));
        auto pumpkin = [&](QPointF c, qreal r) {
            // Outer lobes first, darker, so the middle one reads as nearest.
            for (int i : {-2, 2, -1, 1, 0}) {
                const QRectF lobe(c.x() + i * r * 0.3 - r * 0.42, c.y() - r * 0.6, r * 0.84,
                                  r * 1.2);
                p.setPen(QPen(rgb(0xa83a06), 1.2));
                p.setBrush(rgb(qAbs(i) == 2 ? 0xd9480f : qAbs(i) == 1 ? 0xe8590c : 0xf76707));
                p.drawEllipse(lobe);
            }
            p.fillRect(QRectF(c.x() - 3, c.y() - r * 0.78, 7, r * 0.3), rgb(0x2b8a3e));
        };
        pumpkin(QPointF(90, 418), 44);
        pumpkin(QPointF(160, 432), 30);
        p.setClipping(false);
        outline(p, card, rgb(0xff9a3c, 120), 2);
    });
}

QImage party()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 24);
        fillPath(p, card, rgb(0xffffff));
        p.setClipPath(card);
        const QRgb colours[] = {0xff4d6d, 0xffbe0b, 0x3a86ff, 0x8338ec, 0x06d6a0, 0xfb5607};
        std::mt19937 rng(21);
        std::uniform_real_distribution<qreal> u(0, 1), ua(0, 180);
        for (int i = 0; i < 340; ++i) {
            // Confetti keeps to the edges so the middle stays calm.
            QPointF c(30 + u(rng) * 440, 26 + u(rng) * 440);
            const qreal dx = qAbs(c.x() - 250) / 220, dy = qAbs(c.y() - 246) / 220;
            if (qMax(dx, dy) < 0.68)
                continue;
            p.save();
            p.translate(c);
            p.rotate(ua(rng));
            const QColor colour = rgb(colours[i % 6]);
            if (i % 3 == 0)
                fillPath(p, circle(QPointF(0, 0), 4.5), colour);
            else
                fillPath(p, roundedRect(QRectF(-7, -3, 14, 6), 1.5), colour);
            p.restore();
        }
        p.setClipping(false);
        outline(p, card, rgb(0xe3e3ea), 1.5);
    });
}

QImage announcement()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 24);
        fillPath(p, card, rgb(0xfffaf3));
        p.setClipPath(card);
        QPainterPath band;
        band.moveTo(Card.left(), Card.top());
        band.lineTo(Card.right(), Card.top());
        band.lineTo(Card.right(), 120);
        band.lineTo(Card.left(), 170);
        band.closeSubpath();
        fillPath(p, band, diagonal(QRectF(30, 26, 440, 150), rgb(0xff7a18), rgb(0xff3d6e)));
        p.setClipping(false);
        // A megaphone in a white disc.
        const QPointF c(104, 110);
        fillPath(p, circle(c, 46), rgb(0xffffff));
        QPainterPath horn;
        horn.moveTo(c + QPointF(-22, -8));
        horn.lineTo(c + QPointF(12, -26));
        horn.lineTo(c + QPointF(12, 26));
        horn.lineTo(c + QPointF(-22, 8));
        horn.closeSubpath();
        fillPath(p, horn, rgb(0xff5a36));
        p.fillRect(QRectF(c.x() - 30, c.y() - 9, 9, 18), rgb(0xff5a36));
        p.setPen(QPen(rgb(0xff5a36), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() + 6, c.y() - 18, 26, 36), -45 * 16, 90 * 16);
        outline(p, card, rgb(0xf1dcc4), 1.5);
    });
}

QImage hazardNotice()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 16);
        fillPath(p, card, rgb(0xfffbea));
        p.setClipPath(card);
        for (const qreal y : {Card.top(), Card.bottom() - 44}) {
            const QRectF strip(Card.left(), y, Card.width(), 44);
            p.fillRect(strip, rgb(0xffcc00));
            p.save();
            p.setClipRect(strip);
            for (qreal x = strip.left() - 60; x < strip.right() + 60; x += 44) {
                QPainterPath s;
                s.addPolygon(QPolygonF({QPointF(x, y + 44), QPointF(x + 22, y + 44),
                                        QPointF(x + 66, y), QPointF(x + 44, y)}));
                fillPath(p, s, rgb(0x222222));
            }
            p.restore();
        }
        p.setClipping(false);
        outline(p, card, rgb(0x222222), 3);
    });
}

QImage cornerRibbon()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 18);
        fillPath(p, card, vertical(Card, rgb(0xffffff), rgb(0xf4f1ec)));
        p.setClipPath(card);
        QPainterPath band;
        band.moveTo(Card.right() - 168, Card.top());
        band.lineTo(Card.right() - 100, Card.top());
        band.lineTo(Card.right(), Card.top() + 100);
        band.lineTo(Card.right(), Card.top() + 168);
        band.closeSubpath();
        fillPath(p, band, diagonal(QRectF(300, 26, 170, 170), rgb(0xff3b3b), rgb(0xb3001b)));
        QPainterPath edges;
        edges.moveTo(Card.right() - 160, Card.top());
        edges.lineTo(Card.right(), Card.top() + 160);
        edges.moveTo(Card.right() - 108, Card.top());
        edges.lineTo(Card.right(), Card.top() + 108);
        outline(p, edges, rgb(0xffffff, 160), 1.5, Qt::DashLine);
        fillPath(p, star(QPointF(Card.right() - 67, Card.top() + 67), 13, 5.5, 5, -45),
                 rgb(0xffffff, 230));
        p.fillRect(QRectF(Card.left(), Card.bottom() - 8, Card.width(), 8), rgb(0xd0102a));
        p.setClipping(false);
        outline(p, card, rgb(0xdcd5ca), 1.5);
    });
}

QImage signUp()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 26);
        fillPath(p, card, rgb(0xffffff));
        p.setClipPath(card);
        QPainterPath top;
        top.addEllipse(QRectF(-60, -250, 620, 390));
        fillPath(p, top, diagonal(QRectF(30, 26, 440, 120), rgb(0x0ea5a4), rgb(0x2563eb)));
        p.setClipping(false);
        // An envelope in a disc straddles the coloured cap.
        const QPointF c(250, 140);
        fillPath(p, circle(c, 42), rgb(0xffffff));
        outline(p, circle(c, 42), rgb(0xd9e3ef), 2);
        const QRectF env(c.x() - 22, c.y() - 15, 44, 30);
        fillPath(p, roundedRect(env, 3), rgb(0x2563eb));
        QPainterPath flap;
        flap.moveTo(env.topLeft() + QPointF(2, 2));
        flap.lineTo(c + QPointF(0, 3));
        flap.lineTo(env.topRight() + QPointF(-2, 2));
        outline(p, flap, rgb(0xffffff), 2.5);
        // Where a sign-up form would sit: a field and a button shape.
        const QRectF field(80, 330, 340, 44);
        fillPath(p, roundedRect(field, 22), rgb(0xf1f5f9));
        outline(p, roundedRect(field, 22), rgb(0xcbd5e1), 1.5);
        const QRectF button(150, 392, 200, 44);
        fillPath(p, roundedRect(button, 22), vertical(button, rgb(0xfb923c), rgb(0xea580c)));
        gloss(p, roundedRect(button, 22), 0.25);
        outline(p, card, rgb(0xdbe3ec), 1.5);
    });
}

QImage newBadgeCard()
{
    QImage image = shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(QRectF(42, 50, 420, 410), 24);
        fillPath(p, card, vertical(card.boundingRect(), rgb(0xfdfcff), rgb(0xeef0ff)));
        outline(p, card, rgb(0xd6d9f5), 1.5);
        p.setClipPath(card);
        p.fillRect(QRectF(42, 430, 420, 30), rgb(0x6366f1));
        p.setClipping(false);
    });
    // The badge hangs over the card's corner with its own shadow.
    withShadow(
        image,
        [](QPainter &p) {
            const QPointF c(84, 88);
            const QPainterPath burst = star(c, 66, 54, 20);
            fillPath(p, burst, diagonal(burst.boundingRect(), rgb(0xffd43b), rgb(0xf08c00)));
            QFont f(QStringLiteral("Liberation Sans"));
            f.setBold(true);
            f.setPixelSize(30);
            QPainterPath word;
            word.addText(0, 0, f, QStringLiteral("NEW"));
            const QRectF b = word.boundingRect();
            QTransform t;
            t.translate(c.x(), c.y());
            t.rotate(-14);
            t.translate(-b.center().x(), -b.center().y());
            fillPath(p, t.map(word), rgb(0xffffff));
            outline(p, t.map(word), rgb(0xb35900, 160), 1);
        },
        QPointF(0, 3), 6, QColor(0, 0, 0, 90));
    return image;
}

QImage saleBanner()
{
    return shaped(
        [](QPainter &p) {
            const QPainterPath card = roundedRect(Card, 20);
            fillPath(p, card, vertical(Card, rgb(0x1f1f24), rgb(0x09090b)));
            p.setClipPath(card);
            p.save();
            p.translate(250, 110);
            p.rotate(-8);
            const QRectF band(-320, -44, 640, 88);
            p.fillRect(band, vertical(band, rgb(0xffe14d), rgb(0xffc400)));
            p.fillRect(QRectF(band.left(), band.top() + 6, band.width(), 2), rgb(0x111111, 120));
            p.fillRect(QRectF(band.left(), band.bottom() - 8, band.width(), 2), rgb(0x111111, 120));
            QFont f(QStringLiteral("Liberation Sans"));
            f.setBold(true);
            f.setPixelSize(54);
            f.setLetterSpacing(QFont::AbsoluteSpacing, 6);
            QPainterPath word;
            word.addText(0, 0, f, QStringLiteral("SALE"));
            word.translate(-word.boundingRect().center());
            fillPath(p, word, rgb(0x111111));
            p.restore();
            for (const auto &[x, y, r] : {std::tuple{420.0, 420.0, 120.0}, {70.0, 460.0, 80.0}})
                fillPath(p, circle(QPointF(x, y), r), rgb(0xffc400, 22));
            p.setClipping(false);
            outline(p, card, rgb(0xffc400, 110), 2);
        },
        8, 16, 120);
}

QImage easter()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 28);
        fillPath(p, card, vertical(Card, rgb(0xfdf4ff), rgb(0xe9f5ff)));
        p.setClipPath(card);
        QPainterPath grass;
        grass.moveTo(Card.left(), 420);
        for (int k = 0; k <= 22; ++k)
            grass.lineTo(Card.left() + k * 20, k % 2 ? 398 : 418);
        grass.lineTo(Card.bottomRight());
        grass.lineTo(Card.bottomLeft());
        grass.closeSubpath();
        fillPath(p, grass, vertical(QRectF(0, 398, 500, 70), rgb(0x8fd16a), rgb(0x4f9a3a)));
        const struct {
            qreal x, w, h;
            QRgb colour, stripe;
            qreal tilt;
        } eggs[] = {{100, 62, 84, 0xffb3c7, 0xffffff, -10},
                    {180, 54, 72, 0xb9e2ff, 0xffe08a, 6},
                    {320, 58, 78, 0xffe08a, 0xc7a6ff, -4},
                    {400, 64, 86, 0xc7a6ff, 0xffffff, 12}};
        for (const auto &e : eggs) {
            p.save();
            p.translate(e.x, 430 - e.h / 2);
            p.rotate(e.tilt);
            QPainterPath egg;
            egg.moveTo(0, -e.h / 2);
            egg.cubicTo(e.w * 0.6, -e.h / 2, e.w * 0.55, e.h / 2, 0, e.h / 2);
            egg.cubicTo(-e.w * 0.55, e.h / 2, -e.w * 0.6, -e.h / 2, 0, -e.h / 2);
            fillPath(p, egg, rgb(e.colour));
            p.setClipPath(egg);
            QPainterPath zig;
            zig.moveTo(-e.w, 0);
            for (int k = 0; k < 8; ++k)
                zig.lineTo(-e.w + (k + 1) * e.w / 4, k % 2 ? 0 : -8);
            outline(p, zig, rgb(e.stripe), 5);
            p.fillRect(QRectF(-e.w, e.h * 0.18, 2 * e.w, 5), rgb(e.stripe, 200));
            p.restore();
        }
        // Blades in front of the eggs settle them into the grass.
        QPainterPath front;
        front.moveTo(Card.left(), 440);
        for (int k = 0; k <= 29; ++k)
            front.lineTo(Card.left() + k * 15 + 7, k % 2 ? 420 : 438);
        front.lineTo(Card.bottomRight());
        front.lineTo(Card.bottomLeft());
        front.closeSubpath();
        fillPath(p, front, vertical(QRectF(0, 420, 500, 50), rgb(0x7cc35a), rgb(0x3f8a2e)));
        p.setClipping(false);
        outline(p, card, rgb(0xe2d4f0), 2);
    });
}

QImage palmSunset()
{
    return shaped([](QPainter &p) {
        const QPainterPath card = roundedRect(Card, 28);
        QLinearGradient sky(Card.topLeft(), Card.bottomLeft());
        sky.setColorAt(0, rgb(0xff9a5a));
        sky.setColorAt(0.55, rgb(0xffd08a));
        sky.setColorAt(1, rgb(0xffe8b8));
        fillPath(p, card, sky);
        p.setClipPath(card);
        fillPath(p, circle(QPointF(250, 370), 80), rgb(0xfff3d6, 210));
        p.fillRect(QRectF(Card.left(), 370, Card.width(), 100),
                   vertical(QRectF(0, 370, 1, 100), rgb(0xf08a5d), rgb(0xb8566b)));
        for (int i = 0; i < 5; ++i)
            p.fillRect(QRectF(250 - 70 + i * 12, 382 + i * 14, 140 - i * 24, 3),
                       rgb(0xfff3d6, 150));
        // A palm leans in from the left edge.
        QPainterPath trunk;
        trunk.moveTo(40, 470);
        trunk.cubicTo(70, 380, 90, 250, 130, 150);
        trunk.lineTo(140, 154);
        trunk.cubicTo(106, 250, 88, 380, 62, 470);
        trunk.closeSubpath();
        fillPath(p, trunk, rgb(0x3b2330));
        const QPointF crown(134, 150);
        for (const auto &[angle, length] : {std::pair{-160.0, 120.0},
                                            {-120.0, 110.0},
                                            {-60.0, 120.0},
                                            {-20.0, 130.0},
                                            {20.0, 110.0},
                                            {160.0, 100.0}})
            fillPath(p, leaf(crown, length, 16, angle), rgb(0x3b2330));
        p.setClipping(false);
        outline(p, card, rgb(0xffffff, 90), 2);
    });
}

QImage wreath()
{
    return shaped([](QPainter &p) {
        const QPointF c(250, 250);
        std::mt19937 rng(5);
        std::uniform_real_distribution<qreal> jitter(-8, 8);
        const QRgb greens[] = {0x2f7d32, 0x1b5e20, 0x43a047};
        for (int i = 0; i < 72; ++i) {
            const qreal a = 5.0 * i;
            const qreal rad = qDegreesToRadians(a);
            const QPointF base = c + QPointF(qCos(rad), qSin(rad)) * (196 + jitter(rng));
            fillPath(p, leaf(base, 44, 12, a + 100 + jitter(rng) * 3), rgb(greens[i % 3]));
        }
        std::uniform_int_distribution<int> pick(0, 359);
        for (int i = 0; i < 14; ++i) {
            const qreal rad = qDegreesToRadians(static_cast<qreal>(pick(rng)));
            const QPointF b = c + QPointF(qCos(rad), qSin(rad)) * 198;
            fillPath(p, circle(b, 7), rgb(0xd32f2f));
            fillPath(p, circle(b + QPointF(-2, -2), 2), rgb(0xffffff, 150));
        }
        // Calm middle for the text, and a bow at the bottom.
        fillPath(p, circle(c, 168), rgb(0xfffdf7));
        outline(p, circle(c, 160), rgb(0xd4a22a, 150), 1.5, Qt::DashLine);
        const QPointF knot(250, 440);
        for (int side : {-1, 1}) {
            QPainterPath loop;
            loop.moveTo(knot);
            loop.cubicTo(knot + QPointF(side * 20, -50), knot + QPointF(side * 70, -30),
                         knot + QPointF(side * 14, 8));
            loop.closeSubpath();
            fillPath(p, loop, rgb(0xc62828));
            QPainterPath tail;
            tail.moveTo(knot);
            tail.lineTo(knot + QPointF(side * 34, 44));
            tail.lineTo(knot + QPointF(side * 18, 42));
            tail.closeSubpath();
            fillPath(p, tail, rgb(0xa61e1e));
        }
        fillPath(p, circle(knot, 10), rgb(0xe53935));
    });
}

} // namespace

QList<QImage> all()
{
    // The order is the order of the template grid: varied neighbours, plain cards first.
    return {
        classicCard(),  gradientPanel(), cornerRibbon(), starburst(),  speechBubble(), ticket(),
        disc(),         saleTag(),       photoFrame(),   winter(),     spring(),       summer(),
        autumn(),       holidayGift(),   envelope(),     coupon(),     announcement(), notepad(),
        stickyNote(),   hexagon(),       neonGlass(),    rosette(),    heartShape(),   halloween(),
        party(),        browserWindow(), chalkboard(),   cloud(),      hazardNotice(), polaroid(),
        splitPanel(),   postageStamp(),  luxuryCard(),   bauble(),     bannerBadge(),  signUp(),
        newBadgeCard(), saleBanner(),    easter(),       palmSunset(), wreath()};
}

} // namespace TemplateArt
