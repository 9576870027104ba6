#include "ContactSheet.h"

#include "ArtKit.h"
#include "ResourceArt.h"

using namespace ArtKit;

namespace ContactSheet {

namespace {

void checker(QPainter &p, const QRectF &r, int cell = 8)
{
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(0xff, 0xff, 0xff));
    for (int y = 0; y * cell < r.height(); ++y)
        for (int x = 0; x * cell < r.width(); ++x)
            if ((x + y) % 2)
                p.fillRect(QRectF(r.left() + x * cell, r.top() + y * cell, cell, cell),
                           QColor(0xcc, 0xcc, 0xcc));
    p.restore();
}

// The frame the program paints around its group panels, so icons are judged on that ground.
void groupPanel(QPainter &p, const QRectF &r)
{
    p.setPen(QColor(128, 128, 128));
    p.setBrush(QColor(245, 245, 245));
    p.drawRoundedRect(r, 5, 5);
}

} // namespace

QImage resources()
{
    const QImage bg = ResourceArt::background();
    QImage sheet(800, 760, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x30, 0x30, 0x30));
    QPainter p(&sheet);
    prepare(p);
    // The window's client area is 724 x 559 and shows the background's top-left part.
    p.drawImage(0, 0, bg);
    p.fillRect(QRectF(724, 0, 76, 600), QColor(0, 0, 0, 120));
    p.fillRect(QRectF(0, 559, 724, 41), QColor(0, 0, 0, 120));
    groupPanel(p, QRectF(16, 48, 692, 441));
    p.drawImage(QPointF((724 - 190) / 2.0, 4), ResourceArt::previewText());
    p.drawImage(QPointF(10, 511), ResourceArt::logo());
    p.drawImage(QPointF(132, 440), ResourceArt::moreText());
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(QRectF(18.5, 472.5, 89, 33));
    p.drawImage(QPointF(24, 477), ResourceArt::loadButton());
    p.drawRect(QRectF(114.5, 472.5, 89, 33));
    p.drawImage(QPointF(120, 477), ResourceArt::removeButton());
    p.setPen(Qt::black);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QPointF(52, 493), QStringLiteral("Load..."));
    p.drawText(QPointF(148, 493), QStringLiteral("Remove"));
    // Below the page: the icons enlarged, on the panel colour and on a checkerboard.
    const QList<QImage> icons = {ResourceArt::loadButton(), ResourceArt::removeButton()};
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int i = 0; i < 2; ++i) {
        const QRectF on(10 + i * 220, 610, 96, 96);
        p.fillRect(on, QColor(245, 245, 245));
        p.drawImage(on, icons[i]);
        const QRectF off(110 + i * 220, 610, 96, 96);
        checker(p, off, 12);
        p.drawImage(off, icons[i]);
    }
    checker(p, QRectF(460, 610, 200, 48));
    p.drawImage(QPointF(460, 610), ResourceArt::logo());
    p.fillRect(QRectF(460, 664, 200, 48), Qt::white);
    p.drawImage(QPointF(460, 664), ResourceArt::logo());
    return sheet;
}

QImage thumbnails(const QList<QImage> &pictures, bool checkerboard)
{
    const int columns = 6, cell = 135;
    const int rows = qMax(1, static_cast<int>((pictures.size() + columns - 1) / columns));
    QImage sheet(columns * cell + 10, rows * (cell + 16) + 10, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(checkerboard ? QColor(0x90, 0x90, 0x90) : Qt::white);
    QPainter p(&sheet);
    prepare(p);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(12);
    p.setFont(f);
    for (int i = 0; i < pictures.size(); ++i) {
        const QRectF box(10 + (i % columns) * cell, 10 + (i / columns) * (cell + 16), 125, 125);
        if (checkerboard)
            checker(p, box);
        p.drawImage(box, pictures[i]);
        p.setPen(checkerboard ? Qt::white : Qt::black);
        p.drawText(QRectF(box.left(), box.bottom(), 125, 16), Qt::AlignCenter,
                   QString::number(i + 1) + QStringLiteral(".png  ") +
                       QString::number(pictures[i].width()) + QLatin1Char('x') +
                       QString::number(pictures[i].height()));
    }
    return sheet;
}

QImage closeButtons(const QList<QImage> &buttons)
{
    const int columns = 7, cellW = 150, cellH = 168;
    const int rows = static_cast<int>((buttons.size() + columns - 1) / columns);
    const QList<QColor> grounds = {QColor(0xf4, 0xf1, 0xe8), QColor(0x2b, 0x2f, 0x3a), QColor()};
    QImage sheet(10 + columns * cellW, 10 + grounds.size() * (rows * cellH + 12),
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    prepare(p);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    for (int g = 0; g < grounds.size(); ++g) {
        for (int i = 0; i < buttons.size(); ++i) {
            const QRectF box(10 + (i % columns) * cellW,
                             10 + g * (rows * cellH + 12) + (i / columns) * cellH, cellW - 8,
                             cellH - 8);
            if (grounds[g].isValid())
                p.fillRect(box, grounds[g]);
            else
                checker(p, box);
            const QImage &b = buttons[i];
            p.drawImage(QPointF(box.left() + 6, box.top() + 6), b);
            p.drawImage(QRectF(box.left() + 6, box.top() + 60, b.width() * 2.0, b.height() * 2.0),
                        b);
            p.setPen(g == 1 ? Qt::white : Qt::black);
            p.drawText(QRectF(box.right() - 64, box.top() + 4, 60, 14), Qt::AlignRight,
                       QString::number(i + 1) + QStringLiteral(": ") + QString::number(b.width()) +
                           QLatin1Char('x') + QString::number(b.height()));
        }
    }
    return sheet;
}

} // namespace ContactSheet
