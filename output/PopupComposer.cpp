#include "output/PopupComposer.h"

#include "designer/DesignModel.h"
#include "designer/DesignRenderer.h"
#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int kAlphaShift = 24;
constexpr uint32_t kColourMask = 0x00FFFFFFu;

uint8_t AlphaOf(uint32_t pixel)
{
    return static_cast<uint8_t>(pixel >> kAlphaShift);
}

uint32_t WithAlpha(uint32_t pixel, uint8_t alpha)
{
    return (pixel & kColourMask) | (static_cast<uint32_t>(alpha) << kAlphaShift);
}

// The object's Bounds clipped to the picture; empty when they miss it.
TRect ClippedArea(const TRect &bounds, const Bitmap32 &image)
{
    return TRect{std::max(bounds.Left, 0), std::max(bounds.Top, 0),
                 std::min(bounds.Right, image.width()), std::min(bounds.Bottom, image.height())};
}

// Inside a text's area only the pixels its glyphs covered stay opaque.
void AlphaFromCoverage(Bitmap32 &image, const QImage &coverage, const TRect &area)
{
    for (int y = area.Top; y < area.Bottom; ++y) {
        uint32_t *row = image.row(y);
        const uchar *mask = coverage.constScanLine(y);
        for (int x = area.Left; x < area.Right; ++x)
            row[x] = WithAlpha(row[x], mask[x] != 0 ? 255 : 0);
    }
}

void CopyButtonAlpha(Bitmap32 &image, const TPNGObject &button, int left, int top)
{
    const int firstRow = std::max(0, -top);
    const int lastRow = std::min(button.height(), image.height() - top);
    const int firstColumn = std::max(0, -left);
    const int lastColumn = std::min(button.width(), image.width() - left);
    for (int j = firstRow; j < lastRow; ++j) {
        const uint8_t *alpha = button.alphaScanline(j);
        uint32_t *row = image.row(top + j);
        for (int i = firstColumn; i < lastColumn; ++i)
            row[left + i] = WithAlpha(row[left + i], alpha ? alpha[i] : 255);
    }
}

TPixelRect AsPixelRect(const TRect &r)
{
    return TPixelRect{r.Left, r.Top, r.Right, r.Bottom};
}

// Keeps the object in picture coordinates for as long as it lives, even when drawing throws.
class TPictureCoordinates {
public:
    TPictureCoordinates(TMovingObject &object, int offset) : m_object(object), m_offset(offset)
    {
        m_object.X -= m_offset;
        m_object.Y -= m_offset;
    }
    ~TPictureCoordinates()
    {
        m_object.X += m_offset;
        m_object.Y += m_offset;
    }
    TPictureCoordinates(const TPictureCoordinates &) = delete;
    TPictureCoordinates &operator=(const TPictureCoordinates &) = delete;

private:
    TMovingObject &m_object;
    int m_offset;
};

} // namespace

TPixelRect FindClickArea(const Bitmap32 &image)
{
    constexpr int kOpaque = 128;
    constexpr int kEnough = 25;
    const int width = image.width();
    const int height = image.height();
    std::vector<int> rowCounts(static_cast<size_t>(std::max(height, 0)), 0);
    std::vector<int> columnCounts(static_cast<size_t>(std::max(width, 0)), 0);
    for (int y = 0; y < height; ++y) {
        const uint32_t *row = image.row(y);
        int count = 0;
        for (int x = 0; x < width; ++x) {
            const int counts = AlphaOf(row[x]) > kOpaque ? 1 : 0;
            count += counts;
            columnCounts[static_cast<size_t>(x)] += counts;
        }
        rowCounts[static_cast<size_t>(y)] = count;
    }

    TPixelRect area{width, height, -1, -1};
    for (int y = 0; y < height; ++y)
        if (rowCounts[static_cast<size_t>(y)] > kEnough) {
            area.Top = y;
            break;
        }
    for (int y = height - 1; y >= 0; --y)
        if (rowCounts[static_cast<size_t>(y)] > kEnough) {
            area.Bottom = y;
            break;
        }
    for (int x = 0; x < width; ++x)
        if (columnCounts[static_cast<size_t>(x)] > kEnough) {
            area.Left = x;
            break;
        }
    for (int x = width - 1; x >= 0; --x)
        if (columnCounts[static_cast<size_t>(x)] > kEnough) {
            area.Right = x;
            break;
        }
    return area;
}

TPixelRect ComposePopupImage(Bitmap32 &TemplateBitmap, TDesignModel &model, int documentSize,
                             TPNGObject &OutputPicture)
{
    // The template's own alpha, one byte a pixel; kept between calls so that a composition
    // allocates nothing of the picture's size.
    static thread_local std::vector<uint8_t> savedAlpha;
    const int width = TemplateBitmap.width();
    const int height = TemplateBitmap.height();
    savedAlpha.resize(static_cast<size_t>(std::max(width, 0)) *
                      static_cast<size_t>(std::max(height, 0)));
    for (int y = 0; y < height; ++y) {
        const uint32_t *row = TemplateBitmap.row(y);
        uint8_t *saved = savedAlpha.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x)
            saved[x] = AlphaOf(row[x]);
    }

    const int offset = DocumentOrigin(documentSize);
    TPixelRect closeArea;
    {
        QImage coverage(TemplateBitmap.width(), TemplateBitmap.height(), QImage::Format_Alpha8);
        TDesignCanvas canvas(TemplateBitmap.asQImage());
        canvas.SetCoverage(&coverage);
        for (const auto &entry : model.DesignObjects) {
            TMovingObject &object = *entry;
            TPictureCoordinates inPicture(object, offset);
            // A text is drawn once, recording its glyphs' coverage; every pixel of its area then
            // gets its alpha from that record, so no earlier opaque fill is needed.
            if (!object.IsPicture)
                canvas.ClearCoverage();
            DrawObject(object, canvas, nullptr);
            if (object.IsPicture) {
                if (object.ButtonPicture)
                    CopyButtonAlpha(TemplateBitmap, *object.ScaledPicture, object.X, object.Y);
                if (&object == model.CloseButtonObject())
                    closeArea = AsPixelRect(object.Bounds);
            } else {
                AlphaFromCoverage(TemplateBitmap, coverage,
                                  ClippedArea(object.Bounds, TemplateBitmap));
            }
        }
    }

    for (int y = 0; y < height; ++y) {
        uint32_t *row = TemplateBitmap.row(y);
        const uint8_t *saved = savedAlpha.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            const uint32_t alpha = std::max<uint32_t>(row[x] >> kAlphaShift, saved[x]);
            row[x] = (row[x] & kColourMask) | (alpha << kAlphaShift);
        }
    }
    Bitmap32ToPng(TemplateBitmap, OutputPicture);
    return closeArea;
}
