#include "designer/DesignRenderer.h"

#include "base/TemplatePicture.h"
#include "designer/DesignModel.h"
#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"

#include <QByteArray>
#include <QFontMetrics>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace {

// Products of a rotation meant to land on whole pixels (cos 0, a 45-degree diagonal) come out a
// hair below the integer in floating point; cut toward zero only what is really fractional.
int TruncPixel(long double value)
{
    // Far beyond any canvas; keeps the conversion to int defined for absurd texts.
    constexpr long double Limit = 1 << 30;
    value = std::clamp(value, -Limit, Limit);
    const long double nearest = std::nearbyint(value);
    if (std::fabs(value - nearest) < 1e-9L)
        return static_cast<int>(nearest);
    return static_cast<int>(std::trunc(value));
}

// A pasted novel on one line must not overflow the text rectangle's arithmetic.
constexpr int MaxTextExtent = 1 << 24;

// The picture resampled to size; sides below 2 pixels are widened by repeating the edge, which
// the resampler needs.
std::shared_ptr<const TPNGObject> ResampledPicture(const TPNGObject &picture, QSize size)
{
    Bitmap32 original;
    PngToBitmap32(picture, original);
    auto result = std::make_shared<TPNGObject>();
    if (original.width() == size.width() && original.height() == size.height()) {
        Bitmap32ToPng(original, *result);
    } else {
        Bitmap32 scaled(size.width(), size.height());
        if (original.width() < 2 || original.height() < 2)
            original = PadToResamplable(original);
        StretchBitmap32(original, scaled);
        Bitmap32ToPng(scaled, *result);
    }
    return result;
}

// What a scaled picture is made from: the picture's size and pixels (colour and alpha), and
// the size it is resampled to.
struct TScaledKey {
    QByteArray Pixels;
    QSize From;
    QSize To;

    bool operator==(const TScaledKey &other) const = default;
};

TScaledKey ScaledKeyOf(const TPNGObject &picture, QSize size)
{
    TScaledKey key{{}, QSize(picture.width(), picture.height()), size};
    key.Pixels.resize(static_cast<qsizetype>(picture.width()) * picture.height() * 4);
    auto *row = reinterpret_cast<uint32_t *>(key.Pixels.data());
    for (int y = 0; y < picture.height(); ++y, row += picture.width())
        picture.argbScanline(y, row);
    return key;
}

void XorPixel(QImage &image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
    line[x] ^= 0x00FFFFFFu;
}

void SetPixel(QImage &image, int x, int y, QRgb value)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return;
    reinterpret_cast<QRgb *>(image.scanLine(y))[x] = value;
}

// Text lines as drawn: "<Empty>" stands in front when nothing visible would show.
// It is drawn into the popup's picture as well, which does not follow the program's language.
QStringList DrawnLines(const TMovingObject &object)
{
    QStringList lines = object.Lines;
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    if (!HasVisibleText(text))
        lines.prepend(QStringLiteral("<Empty>"));
    return lines;
}

TRect DrawText(const TMovingObject &object, TDesignCanvas &canvas, double &t)
{
    const QStringList lines = DrawnLines(object);
    const QFont font = MakeFont(object.Font);
    const QFontMetrics metrics(font);
    const int h = metrics.height();
    const int ascent = metrics.ascent();

    int angle = object.Angle;
    if (angle <= 0)
        angle += 360;
    t = angle * std::numbers::pi / 180.0;
    // A whole turn is drawn unrotated, so upright text keeps the fast, crisp glyph path.
    const int turn = angle % 360;

    QPainter &painter = canvas.Painter();
    painter.setFont(font);
    painter.setPen(ColorFromValue(object.Font.Color));
    QPainter *coverage = canvas.CoveragePainter();
    if (coverage) {
        coverage->setFont(font);
        coverage->setPen(QColor(255, 255, 255, 255));
    }

    const QPoint anchor(object.X, object.Y);
    int maxWidth = 0;
    for (int r = 0; r < lines.size(); ++r) {
        const QPoint origin = RotatePoint(anchor, QPoint(object.X, object.Y + r * h), -t);
        QTransform transform = QTransform::fromTranslate(origin.x(), origin.y());
        if (turn != 0)
            transform.rotate(-turn);
        painter.setTransform(canvas.Scale() == 1 ? transform
                                                 : transform * QTransform::fromScale(
                                                                   canvas.Scale(), canvas.Scale()));
        painter.drawText(QPoint(0, ascent), lines[r]);
        if (coverage) {
            coverage->setTransform(transform);
            coverage->drawText(QPoint(0, ascent), lines[r]);
        }
        maxWidth = std::max(maxWidth, std::min(metrics.horizontalAdvance(lines[r]), MaxTextExtent));
    }
    painter.resetTransform();
    if (coverage)
        coverage->resetTransform();
    const long long height =
        std::min<long long>(static_cast<long long>(lines.size()) * h, MaxTextExtent);
    return TRect{object.X, object.Y, object.X + maxWidth, object.Y + static_cast<int>(height)};
}

TRect DrawPicture(const TMovingObject &object, TDesignCanvas &canvas, bool measureOnly)
{
    if (!object.ButtonPicture)
        return TRect{object.X, object.Y, object.X, object.Y};
    const QSize size = ScaledButtonSize(*object.ButtonPicture, object.ButtonScale);
    const TRect drawn{object.X, object.Y, object.X + size.width(), object.Y + size.height()};
    if (measureOnly)
        return drawn;
    if (canvas.Scale() == 1) {
        ScaledButtonPicture(*object.ButtonPicture, object.ButtonScale)
            ->draw(canvas.Surface(), QRect(QPoint(object.X, object.Y), size));
    } else {
        // Resampled from the original picture to the device size, not blown up from the design
        // size, so the button is as sharp as the screen.
        const TRect device = canvas.ToDevice(drawn);
        const int width = std::max(device.Right - device.Left, 2);
        const int height = std::max(device.Bottom - device.Top, 2);
        Bitmap32 original;
        PngToBitmap32(*object.ButtonPicture, original);
        Bitmap32 scaled(width, height);
        StretchBitmap32(PadToResamplable(original), scaled);
        TPNGObject picture;
        Bitmap32ToPng(scaled, picture);
        picture.draw(canvas.Surface(), QRect(device.Left, device.Top, width, height));
    }
    return drawn;
}

TRect DrawOrMeasure(const TMovingObject &object, TDesignCanvas &canvas, bool focused,
                    bool measureOnly)
{
    double t = 0.0;
    const TRect r =
        object.IsPicture ? DrawPicture(object, canvas, measureOnly) : DrawText(object, canvas, t);

    const QPoint p0(r.Left, r.Top);
    const QPoint corners[4] = {p0, RotatePoint(p0, QPoint(r.Right, r.Top), -t),
                               RotatePoint(p0, QPoint(r.Left, r.Bottom), -t),
                               RotatePoint(p0, QPoint(r.Right, r.Bottom), -t)};
    TRect bounds{10000, 10000, -10000, -10000};
    for (const QPoint &p : corners) {
        bounds.Left = std::min(bounds.Left, p.x());
        bounds.Right = std::max(bounds.Right, p.x());
        bounds.Top = std::min(bounds.Top, p.y());
        bounds.Bottom = std::max(bounds.Bottom, p.y());
    }
    if (!object.IsPicture || object.ButtonPicture) {
        const int m = object.IsPicture ? (r.Right - r.Left) / 12 : 2;
        bounds = TRect{bounds.Left - m, bounds.Top - m, bounds.Right + m, bounds.Bottom + m};
    }

    if (!measureOnly && focused)
        DrawFocusRect(canvas.Surface(), canvas.ToDevice(bounds));
    return bounds;
}

std::vector<TRect> DrawObjects(const TDesignModel &model, TDesignCanvas &canvas, int selected)
{
    std::vector<TRect> bounds;
    bounds.reserve(model.DesignObjects.size());
    for (size_t i = 0; i < model.DesignObjects.size(); ++i)
        bounds.push_back(
            DrawObject(*model.DesignObjects[i], canvas, static_cast<int>(i) == selected));
    return bounds;
}

} // namespace

std::shared_ptr<const TPNGObject> ScaledButtonPicture(const TPNGObject &picture, double scale)
{
    // A few entries: the close button of the design, and the ones tried on the way to it.
    constexpr size_t Kept = 8;
    static thread_local std::vector<std::pair<TScaledKey, std::shared_ptr<const TPNGObject>>> cache;
    TScaledKey key = ScaledKeyOf(picture, ScaledButtonSize(picture, scale));
    const auto found = std::find_if(cache.begin(), cache.end(),
                                    [&](const auto &entry) { return entry.first == key; });
    if (found != cache.end()) {
        // The most recently used stays at the front.
        std::rotate(cache.begin(), found, found + 1);
        return cache.front().second;
    }
    auto scaled = ResampledPicture(picture, key.To);
    if (cache.size() == Kept)
        cache.pop_back();
    cache.insert(cache.begin(), {std::move(key), scaled});
    return scaled;
}

TDesignCanvas::TDesignCanvas(QImage surface) : m_surface(std::move(surface)) {}

TDesignCanvas::~TDesignCanvas() = default;

QPainter &TDesignCanvas::Painter()
{
    if (!m_painter)
        m_painter = std::make_unique<QPainter>(&m_surface);
    return *m_painter;
}

void TDesignCanvas::SetCoverage(QImage *mask)
{
    m_coveragePainter.reset();
    m_coverage = mask;
}

void TDesignCanvas::ClearCoverage()
{
    if (!m_coverage)
        return;
    m_coveragePainter.reset();
    m_coverage->fill(0);
}

TRect TDesignCanvas::ToDevice(const TRect &rect) const
{
    auto at = [this](int v) { return static_cast<int>(std::lround(v * m_scale)); };
    return TRect{at(rect.Left), at(rect.Top), at(rect.Right), at(rect.Bottom)};
}

QPainter *TDesignCanvas::CoveragePainter()
{
    if (!m_coverage)
        return nullptr;
    if (!m_coveragePainter)
        m_coveragePainter = std::make_unique<QPainter>(m_coverage);
    return m_coveragePainter.get();
}

QFont MakeFont(const TFontDesc &desc)
{
    QFont font(desc.Name);
    // Sizes are typed freely; beyond a few thousand pixels text only costs time and memory.
    const long long pixels = std::llround(static_cast<double>(desc.Size) * 96.0 / 72.0);
    font.setPixelSize(static_cast<int>(std::clamp<long long>(pixels, 1, 4000)));
    font.setBold(desc.Bold);
    font.setItalic(desc.Italic);
    font.setUnderline(desc.Underline);
    return font;
}

QColor ColorFromValue(uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

uint32_t ValueFromColor(const QColor &color)
{
    return static_cast<uint32_t>(color.red()) | static_cast<uint32_t>(color.green()) << 8 |
           static_cast<uint32_t>(color.blue()) << 16;
}

bool HasVisibleText(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c != QLatin1Char(' ') && c != QLatin1Char('\r') && c != QLatin1Char('\n');
    });
}

QPoint RotatePoint(QPoint centre, QPoint point, double angle)
{
    const long long dx = static_cast<long long>(point.x()) - centre.x();
    const long long dy = static_cast<long long>(point.y()) - centre.y();
    long double a = dx == 0
                        ? std::numbers::pi_v<long double> / 2
                        : std::atan(static_cast<long double>(dy) / static_cast<long double>(dx));
    a += angle;
    const long double d = std::sqrt(static_cast<long double>(dx * dx + dy * dy));
    return QPoint(centre.x() + TruncPixel(d * std::cos(a)),
                  centre.y() + TruncPixel(d * std::sin(a)));
}

QSize ScaledButtonSize(const TPNGObject &picture, double scale)
{
    int width = picture.width();
    int height = picture.height();
    if (scale != 1.0) {
        width = static_cast<int>(std::trunc(width * scale));
        height = static_cast<int>(std::trunc(height * scale));
    }
    return QSize(std::max(width, 2), std::max(height, 2));
}

int FittedItemWidth(int width, int height, int itemHeight)
{
    if (width <= 0 || height <= 0 || itemHeight <= 0)
        return 0;
    // nearbyint follows the default rounding mode, which rounds halves to even.
    return static_cast<int>(std::nearbyint(width / (static_cast<double>(height) / itemHeight)));
}

TRect DrawObject(const TMovingObject &object, TDesignCanvas &canvas, bool focused)
{
    return DrawOrMeasure(object, canvas, focused, false);
}

TRect MeasureObject(const TMovingObject &object, TDesignCanvas &canvas)
{
    return DrawOrMeasure(object, canvas, false, true);
}

void FrameRect(QImage &image, const TRect &rect, QColor color)
{
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    const QRgb value = color.rgba();
    for (int x = rect.Left; x < rect.Right; ++x) {
        SetPixel(image, x, rect.Top, value);
        SetPixel(image, x, rect.Bottom - 1, value);
    }
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        SetPixel(image, rect.Left, y, value);
        SetPixel(image, rect.Right - 1, y, value);
    }
}

void DrawFocusRect(QImage &image, const TRect &rect)
{
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    // Each frame pixel is visited once, so an inverted pixel is never inverted back.
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            XorPixel(image, x, y);
    };
    const int right = rect.Right - 1;
    const int bottom = rect.Bottom - 1;
    for (int x = rect.Left; x <= right; ++x) {
        dot(x, rect.Top);
        if (bottom != rect.Top)
            dot(x, bottom);
    }
    for (int y = rect.Top + 1; y < bottom; ++y) {
        dot(rect.Left, y);
        if (right != rect.Left)
            dot(right, y);
    }
}

std::vector<TRect> RenderDesign(Bitmap32 &designBitmap, const TPNGObject *selectedPicture,
                                int documentSize, const TDesignModel &model, int selected,
                                QColor background)
{
    background.setAlpha(255);
    designBitmap.fill(background.rgba());
    TDesignCanvas canvas(designBitmap.asQImage());

    const int d = DocumentOrigin(documentSize);
    const int e = (documentSize + DesignSize) / 2;
    if (selectedPicture && !selectedPicture->isEmpty())
        selectedPicture->draw(canvas.Surface(), QRect(d, d, e - d, e - d));

    const QColor frame = QColor::fromRgba(DocumentFrameColor);
    FrameRect(canvas.Surface(), TRect{d - 1, d - 1, e + 1, e + 1}, frame);
    FrameRect(canvas.Surface(), TRect{d - 2, d - 2, e + 2, e + 2}, frame);

    return DrawObjects(model, canvas, selected);
}

std::vector<TRect> RenderDesignScaled(Bitmap32 &screenBitmap, qreal scale,
                                      const TPNGObject *selectedPicture, int documentSize,
                                      const TDesignModel &model, int selected, QColor background)
{
    const int side = static_cast<int>(std::lround(DesignSize * scale));
    if (screenBitmap.width() != side || screenBitmap.height() != side)
        screenBitmap.setSize(side, side);
    background.setAlpha(255);
    screenBitmap.fill(background.rgba());
    TDesignCanvas canvas(screenBitmap.asQImage());
    canvas.SetScale(scale);

    const int d = DocumentOrigin(documentSize);
    const int e = (documentSize + DesignSize) / 2;
    const TRect square = canvas.ToDevice(TRect{d, d, e, e});
    if (selectedPicture && !selectedPicture->isEmpty())
        selectedPicture->draw(
            canvas.Surface(),
            QRect(square.Left, square.Top, square.Right - square.Left, square.Bottom - square.Top));

    // The 2-pixel document frame, as wide in device pixels as the screen makes two pixels.
    const TRect outer = canvas.ToDevice(TRect{d - 2, d - 2, e + 2, e + 2});
    const QColor frame = QColor::fromRgba(DocumentFrameColor);
    for (int k = 0; outer.Left + k < square.Left; ++k)
        FrameRect(canvas.Surface(),
                  TRect{outer.Left + k, outer.Top + k, outer.Right - k, outer.Bottom - k}, frame);

    return DrawObjects(model, canvas, selected);
}

void PaintDesignCanvas(QPainter &painter, const Bitmap32 &designBitmap, qreal scale)
{
    painter.fillRect(QRect(0, 0, 504, 504), Qt::black);
    if (designBitmap.isEmpty())
        return;
    if (scale == 1) {
        painter.drawImage(QPoint(2, 2), designBitmap.asQImage());
        return;
    }
    QImage image = designBitmap.asQImage();
    image.setDevicePixelRatio(scale);
    painter.drawImage(QPointF(2, 2), image);
}
