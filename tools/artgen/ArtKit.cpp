#include "ArtKit.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainterPathStroker>
#include <QSaveFile>
#include <QtMath>

#include <jpeglib.h>

#include <cstdio>
#include <random>
#include <stdexcept>
#include <vector>

namespace ArtKit {

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
}

namespace {

// One horizontal box pass over every channel of a premultiplied image, edges clamped.
void boxPass(const uint32_t *src, uint32_t *dst, int count, int stride, int radius)
{
    const int window = 2 * radius + 1;
    int sum[4] = {0, 0, 0, 0};
    auto at = [&](int i) { return src[static_cast<size_t>(qBound(0, i, count - 1)) * stride]; };
    for (int i = -radius; i <= radius; ++i) {
        const uint32_t v = at(i);
        for (int c = 0; c < 4; ++c)
            sum[c] += (v >> (8 * c)) & 0xFF;
    }
    for (int i = 0; i < count; ++i) {
        uint32_t out = 0;
        for (int c = 0; c < 4; ++c)
            out |= static_cast<uint32_t>((sum[c] + window / 2) / window) << (8 * c);
        dst[static_cast<size_t>(i) * stride] = out;
        const uint32_t add = at(i + radius + 1);
        const uint32_t sub = at(i - radius);
        for (int c = 0; c < 4; ++c)
            sum[c] += static_cast<int>((add >> (8 * c)) & 0xFF) -
                      static_cast<int>((sub >> (8 * c)) & 0xFF);
    }
}

} // namespace

QImage blurred(const QImage &image, int radius)
{
    QImage a = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0)
        return a;
    QImage b(a.size(), a.format());
    const int w = a.width(), h = a.height();
    // Three passes of a box a third of the radius wide approximate a Gaussian.
    const int r = qMax(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            boxPass(reinterpret_cast<const uint32_t *>(a.constScanLine(y)),
                    reinterpret_cast<uint32_t *>(b.scanLine(y)), w, 1, r);
        const int stride = static_cast<int>(b.bytesPerLine() / 4);
        for (int x = 0; x < w; ++x)
            boxPass(reinterpret_cast<const uint32_t *>(b.constBits()) + x,
                    reinterpret_cast<uint32_t *>(a.bits()) + x, h, stride, r);
    }
    return a;
}

static QImage tinted(const QImage &layer, QColor colour)
{
    QImage shadow = canvas(layer.width(), layer.height());
    QPainter p(&shadow);
    p.drawImage(0, 0, layer);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(shadow.rect(), colour);
    return shadow;
}

void withShadow(QImage &target, const Painter &body, QPointF offset, int blur, QColor shadowColor)
{
    QImage layer = canvas(target.width(), target.height());
    {
        QPainter p(&layer);
        prepare(p);
        body(p);
    }
    const QImage shadow = blurred(tinted(layer, shadowColor), blur);
    QPainter p(&target);
    p.drawImage(offset, shadow);
    p.drawImage(0, 0, layer);
}

void withGlow(QImage &target, const Painter &body, int blur, QColor glowColor)
{
    QImage layer = canvas(target.width(), target.height());
    {
        QPainter p(&layer);
        prepare(p);
        body(p);
    }
    const QImage glow = blurred(tinted(layer, glowColor), blur);
    QPainter p(&target);
    p.drawImage(0, 0, glow);
    p.drawImage(0, 0, glow);
    p.drawImage(0, 0, layer);
}

void addGrain(QImage &image, int amount, unsigned seed)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> noise(-amount, amount);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = noise(rng);
            const QRgb v = row[x];
            row[x] = qRgba(qBound(0, qRed(v) + n, 255), qBound(0, qGreen(v) + n, 255),
                           qBound(0, qBlue(v) + n, 255), qAlpha(v));
        }
    }
}

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal rotationDeg)
{
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = qDegreesToRadians(rotationDeg + 180.0 * i / points);
        const qreal r = (i % 2 == 0) ? outer : inner;
        poly << centre + QPointF(r * qCos(angle), r * qSin(angle));
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath heart(const QRectF &b)
{
    QPainterPath path;
    const qreal x = b.x(), y = b.y(), w = b.width(), h = b.height();
    path.moveTo(x + w / 2, y + h * 0.28);
    path.cubicTo(x + w / 2, y + h * 0.05, x + w * 0.05, y - h * 0.02, x + w * 0.02, y + h * 0.32);
    path.cubicTo(x, y + h * 0.6, x + w * 0.35, y + h * 0.75, x + w / 2, y + h);
    path.cubicTo(x + w * 0.65, y + h * 0.75, x + w, y + h * 0.6, x + w * 0.98, y + h * 0.32);
    path.cubicTo(x + w * 0.95, y - h * 0.02, x + w / 2, y + h * 0.05, x + w / 2, y + h * 0.28);
    path.closeSubpath();
    return path;
}

QPainterPath snowflake(QPointF c, qreal radius, qreal stroke)
{
    QPainterPath lines;
    for (int arm = 0; arm < 6; ++arm) {
        const qreal a = qDegreesToRadians(60.0 * arm - 90);
        const QPointF dir(qCos(a), qSin(a));
        lines.moveTo(c);
        lines.lineTo(c + dir * radius);
        for (qreal t : {0.45, 0.72}) {
            const QPointF base = c + dir * (radius * t);
            const qreal len = radius * (t < 0.5 ? 0.32 : 0.22);
            for (int side : {-1, 1}) {
                const qreal b = a + side * qDegreesToRadians(45.0);
                lines.moveTo(base);
                lines.lineTo(base + QPointF(qCos(b), qSin(b)) * len);
            }
        }
    }
    QPainterPathStroker stroker;
    stroker.setWidth(stroke);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(lines).simplified();
}

QPainterPath leaf(QPointF base, qreal length, qreal width, qreal angleDeg)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(length * 0.3, -width, length * 0.75, -width * 0.8, length, 0);
    path.cubicTo(length * 0.75, width * 0.8, length * 0.3, width, 0, 0);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angleDeg);
    return t.map(path);
}

QPainterPath flower(QPointF c, qreal radius, int petals, qreal rotationDeg)
{
    QPainterPath path;
    for (int i = 0; i < petals; ++i) {
        QPainterPath petal;
        petal.addEllipse(QRectF(radius * 0.15, -radius * 0.28, radius * 0.85, radius * 0.56));
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(rotationDeg + 360.0 * i / petals);
        path = path.united(t.map(petal));
    }
    return path;
}

QLinearGradient vertical(const QRectF &r, QColor top, QColor bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QLinearGradient diagonal(const QRectF &r, QColor from, QColor to)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

void gloss(QPainter &p, const QPainterPath &shape, qreal strength)
{
    const QRectF b = shape.boundingRect();
    QPainterPath upper;
    upper.addEllipse(QRectF(b.left() - b.width() * 0.25, b.top() - b.height() * 0.62,
                            b.width() * 1.5, b.height() * 1.08));
    QLinearGradient g(b.topLeft(), QPointF(b.left(), b.top() + b.height() * 0.48));
    g.setColorAt(0, QColor(255, 255, 255, qRound(255 * strength)));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape.intersected(upper));
    p.restore();
}

QFont scriptFont(int pixelSize)
{
    QFont font(QStringLiteral("Z003"));
    font.setPixelSize(pixelSize);
    // Font databases may add the foundry to the family name, as in "Z003 [urw]".
    if (!QFontInfo(font).family().startsWith(QLatin1String("Z003")))
        throw std::runtime_error("the script face Z003 is not installed (Debian package "
                                 "fonts-urw-base35)");
    return font;
}

void savePng(const QImage &image, const QString &path)
{
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot create " + path.toStdString());
    QImageWriter writer(&file, "png");
    writer.setQuality(0); // the smallest file: compression level 9
    if (!writer.write(straight) || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void saveJpeg(const QImage &image, const QString &path, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const QString temp = path + QStringLiteral(".part");
    FILE *out = std::fopen(QFile::encodeName(temp).constData(), "wb");
    if (!out)
        throw std::runtime_error("cannot create " + temp.toStdString());
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo); // sequential baseline, 4:2:0 chroma
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const bool ok = std::fflush(out) == 0 && std::ferror(out) == 0;
    std::fclose(out);
    if (!ok || (QFileInfo::exists(path) && !QFile::remove(path)) || !QFile::rename(temp, path))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace ArtKit
