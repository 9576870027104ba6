#include "ResourceArt.h"

#include "ArtKit.h"

#include <QDir>
#include <QFontMetricsF>
#include <QRadialGradient>

#include <functional>

using namespace ArtKit;

namespace ResourceArt {

QImage background(qreal scale)
{
    QImage image(qRound(800 * scale), qRound(600 * scale), QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    prepare(p);
    p.scale(scale, scale);
    const QRectF r(0, 0, 800, 600);
    QLinearGradient base(r.topLeft(), r.bottomLeft());
    base.setColorAt(0.0, QColor(0x1d, 0x0b, 0x33));
    base.setColorAt(0.45, QColor(0x3f, 0x1f, 0x66));
    base.setColorAt(1.0, QColor(0x6a, 0x3f, 0x98));
    p.fillRect(r, base);
    // A broad, faint light low on the page keeps the gradient from looking flat.
    QRadialGradient light(QPointF(300, 640), 620);
    light.setColorAt(0, QColor(0xc8, 0x8c, 0xf0, 70));
    light.setColorAt(1, QColor(0xc8, 0x8c, 0xf0, 0));
    p.fillRect(r, light);
    // Fine diagonal weave: barely visible, it gives the surface a cloth-like texture.
    p.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (int x = -600; x < 800; x += 4)
        p.drawLine(QPointF(x, 0), QPointF(x + 600, 600));
    p.setPen(QPen(QColor(0, 0, 0, 9), 1));
    for (int x = 0; x < 1400; x += 4)
        p.drawLine(QPointF(x, 0), QPointF(x - 600, 600));
    p.end();
    addGrain(image, 3, 0xB6);
    return image;
}

namespace {

// Light script lettering with a soft dark halo so it reads on every part of the background.
void letter(QImage &target, const QString &text, const QRectF &box, int maxSize,
            Qt::Alignment align, qreal scale)
{
    // Fit by the drawn outline, not the advance: the slanted face overhangs its advance width.
    QFont font = scriptFont(maxSize);
    QPainterPath path;
    for (int size = maxSize; size > 8; --size) {
        font.setPixelSize(size);
        path = QPainterPath();
        path.addText(QPointF(0, 0), font, text);
        if (path.boundingRect().width() <= box.width() - 4 &&
            QFontMetricsF(font).ascent() + QFontMetricsF(font).descent() <= box.height())
            break;
    }
    const QRectF bounds = path.boundingRect();
    const QFontMetricsF m(font);
    const qreal x = (align & Qt::AlignHCenter) ? box.center().x() - bounds.center().x()
                                               : box.left() + 2 - bounds.left();
    const qreal y = box.center().y() + (m.ascent() - m.descent()) / 2;
    path.translate(x, y);
    withGlow(
        target,
        [&](QPainter &p) {
            p.scale(scale, scale);
            QLinearGradient fill(box.topLeft(), box.bottomLeft());
            fill.setColorAt(0, QColor(0xff, 0xff, 0xff));
            fill.setColorAt(1, QColor(0xf3, 0xdc, 0xff));
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawPath(path);
        },
        qRound(3 * scale), QColor(0x14, 0x04, 0x26, 150));
}

// The product's emblem, a little popup window with a sparkle on a warm glossy tile, drawn in
// the 36 x 36 square at (x, y); the logo and the desktop icon share it.
void emblem(QPainter &p, qreal x, qreal y)
{
    const QRectF tile(x, y, 36, 36);
    const QPainterPath shape = roundedRect(tile, 8);
    p.setPen(QPen(QColor(0x7a, 0x1d, 0x5c), 1));
    p.setBrush(diagonal(tile, QColor(0xff, 0xb3, 0x47), QColor(0xe0, 0x3a, 0x8a)));
    p.drawPath(shape);
    const QRectF win(x + 7, y + 8, 22, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 240));
    p.drawPath(roundedRect(win, 2.5));
    p.setBrush(QColor(0xe0, 0x3a, 0x8a));
    p.drawRect(QRectF(x + 7, y + 8, 22, 4.5));
    p.setBrush(QColor(0xff, 0xb3, 0x47));
    p.drawPath(star(QPointF(x + 18, y + 19.5), 5.2, 2.1, 4, -90));
    gloss(p, shape, 0.4);
}

} // namespace

QImage logo(qreal scale)
{
    QImage image = canvas(qRound(200 * scale), qRound(48 * scale));
    withShadow(
        image,
        [scale](QPainter &p) {
            p.scale(scale, scale);
            emblem(p, 4, 5);
        },
        QPointF(0, 1.5 * scale), qRound(3 * scale), QColor(0x10, 0x00, 0x20, 140));
    letter(image, QStringLiteral("Vantelle Pro"), QRectF(44, 0, 156, 48), 36, Qt::AlignLeft, scale);
    return image;
}

QImage appIcon(int size)
{
    // The emblem fills a 40-unit square with room for its shadow, scaled to the icon's size.
    const qreal scale = size / 40.0;
    QImage image = canvas(size, size);
    withShadow(
        image,
        [scale](QPainter &p) {
            p.scale(scale, scale);
            emblem(p, 2, 1.5);
        },
        QPointF(0, 1.0 * scale), std::max(1, qRound(2 * scale)), QColor(0x10, 0x00, 0x20, 110));
    return image;
}

QImage previewText(qreal scale)
{
    QImage image = canvas(qRound(190 * scale), qRound(40 * scale));
    letter(image, QStringLiteral("Your popup preview"), QRectF(0, 0, 190, 40), 30, Qt::AlignHCenter,
           scale);
    return image;
}

QImage moreText(qreal scale)
{
    QImage image = canvas(qRound(460 * scale), qRound(40 * scale));
    letter(image, QStringLiteral("Click here to get more pictures for your popups!"),
           QRectF(0, 0, 460, 40), 30, Qt::AlignHCenter, scale);
    return image;
}

QImage loadButton(qreal scale)
{
    QImage image = canvas(qRound(24 * scale), qRound(24 * scale));
    QPainter p(&image);
    prepare(p);
    p.scale(scale, scale);
    const QColor edge(0x9a, 0x6a, 0x00);
    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(2.5, 19.5);
    back.lineTo(2.5, 5.5);
    back.quadTo(2.5, 4.5, 3.5, 4.5);
    back.lineTo(8.5, 4.5);
    back.lineTo(10.5, 6.5);
    back.lineTo(18.5, 6.5);
    back.quadTo(19.5, 6.5, 19.5, 7.5);
    back.lineTo(19.5, 19.5);
    back.closeSubpath();
    p.setPen(QPen(edge, 1));
    p.setBrush(vertical(QRectF(0, 4, 24, 16), QColor(0xf2, 0xb8, 0x2a), QColor(0xd8, 0x96, 0x10)));
    p.drawPath(back);
    // A sheet of paper inside.
    p.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1));
    p.setBrush(QColor(0xfd, 0xfd, 0xfd));
    p.drawRect(QRectF(5.5, 8.5, 12, 8));
    // The open front flap, tilted towards the viewer.
    QPainterPath front;
    front.moveTo(2.5, 19.5);
    front.lineTo(6.0, 10.5);
    front.lineTo(22.5, 10.5);
    front.lineTo(19.5, 19.5);
    front.closeSubpath();
    p.setPen(QPen(edge, 1));
    p.setBrush(vertical(QRectF(0, 10, 24, 10), QColor(0xff, 0xe8, 0x7a), QColor(0xf6, 0xc0, 0x2e)));
    p.drawPath(front);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(6.8, 11.6), QPointF(21.0, 11.6));
    return image;
}

// A glossy disc in the given colours with a white sign drawn by mark on it.
static QImage discButton(qreal scale, QColor light, QColor dark, QColor edge,
                         const std::function<void(QPainter &)> &mark)
{
    QImage image = canvas(qRound(24 * scale), qRound(24 * scale));
    QPainter p(&image);
    prepare(p);
    p.scale(scale, scale);
    const QPainterPath disc = circle(QPointF(12, 12), 10.5);
    QRadialGradient fill(QPointF(10, 8), 13);
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawPath(disc);
    gloss(p, disc, 0.35);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    mark(p);
    return image;
}

QImage removeButton(qreal scale)
{
    return discButton(scale, QColor(0xff, 0x6b, 0x5e), QColor(0xc4, 0x14, 0x14),
                      QColor(0x8a, 0x0a, 0x0a), [](QPainter &p) {
                          p.drawLine(QPointF(8.2, 8.2), QPointF(15.8, 15.8));
                          p.drawLine(QPointF(15.8, 8.2), QPointF(8.2, 15.8));
                      });
}

QImage keepButton(qreal scale)
{
    return discButton(scale, QColor(0x7c, 0xd9, 0x5a), QColor(0x2a, 0x8c, 0x1e),
                      QColor(0x1a, 0x5e, 0x12), [](QPainter &p) {
                          p.drawLine(QPointF(12, 6.8), QPointF(12, 17.2));
                          p.drawLine(QPointF(6.8, 12), QPointF(17.2, 12));
                      });
}

void writeAll(const QString &folder)
{
    const QDir dir(folder);
    dir.mkpath(QStringLiteral("."));
    for (const qreal scale : {1.0, 2.0}) {
        const QString suffix = scale == 1.0 ? QString() : QStringLiteral("@2x");
        saveJpeg(background(scale), dir.filePath(QStringLiteral("BG%1.jpg").arg(suffix)), 90);
        savePng(logo(scale), dir.filePath(QStringLiteral("LOGO%1.png").arg(suffix)));
        savePng(previewText(scale), dir.filePath(QStringLiteral("PREVIEW_TEXT%1.png").arg(suffix)));
        savePng(moreText(scale), dir.filePath(QStringLiteral("MORE_TEXT%1.png").arg(suffix)));
        savePng(loadButton(scale), dir.filePath(QStringLiteral("LOAD_BUTTON%1.png").arg(suffix)));
        savePng(removeButton(scale),
                dir.filePath(QStringLiteral("REMOVE_BUTTON%1.png").arg(suffix)));
        savePng(keepButton(scale), dir.filePath(QStringLiteral("KEEP_BUTTON%1.png").arg(suffix)));
    }
}

void writeIcons(const QString &hicolor, const QString &name)
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QDir folder(QDir(hicolor).filePath(QStringLiteral("%1x%1/apps").arg(size)));
        folder.mkpath(QStringLiteral("."));
        savePng(appIcon(size), folder.filePath(name + QStringLiteral(".png")));
    }
}

} // namespace ResourceArt
