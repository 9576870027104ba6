#include "output/PopupComposer.h"

#include "designer/DesignModel.h"
#include "designer/DesignRenderer.h"
#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include <algorithm>
#include <cstdint>
#include <memory>
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

// The pixels a text's glyphs covered become opaque; the rest of its area keeps the opacity the
// template, the close button and earlier texts gave it, as the designer shows them.
void AlphaFromCoverage(Bitmap32 &image, const QImage &coverage, const TRect &area)
{
    for (int y = area.Top; y < area.Bottom; ++y) {
        uint32_t *row = image.row(y);
        const uchar *mask = coverage.constScanLine(y);
        for (int x = area.Left; x < area.Right; ++x)
            if (mask[x] != 0)
                row[x] = WithAlpha(row[x], 255);
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

namespace {

// Draws every object of model into TemplateBitmap (each object drawn shifted by -offset) and
// fixes the alpha; returns the close area, and each object's bounds in the picture when asked.
TPixelRect ComposeInto(Bitmap32 &TemplateBitmap, const TDesignModel &model, int offset,
                       std::vector<TRect> *bounds)
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

    TPixelRect closeArea;
    {
        QImage coverage(TemplateBitmap.width(), TemplateBitmap.height(), QImage::Format_Alpha8);
        TDesignCanvas canvas(TemplateBitmap.asQImage());
        canvas.SetCoverage(&coverage);
        if (bounds)
            bounds->clear();
        for (const auto &entry : model.DesignObjects) {
            // The object at its place in the picture; the design keeps its own.
            TMovingObject object = *entry;
            object.X -= offset;
            object.Y -= offset;
            // A text is drawn once, recording its glyphs' coverage; every pixel of its area then
            // gets its alpha from that record, so no earlier opaque fill is needed.
            if (!object.IsPicture)
                canvas.ClearCoverage();
            const TRect drawn = DrawObject(object, canvas);
            if (object.IsPicture) {
                if (object.ButtonPicture)
                    CopyButtonAlpha(TemplateBitmap,
                                    *ScaledButtonPicture(*object.ButtonPicture, object.ButtonScale),
                                    object.X, object.Y);
                if (entry.get() == model.CloseButtonObject())
                    closeArea = AsPixelRect(drawn);
            } else {
                AlphaFromCoverage(TemplateBitmap, coverage, ClippedArea(drawn, TemplateBitmap));
            }
            if (bounds)
                bounds->push_back(drawn);
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
    return closeArea;
}

int Doubled(int value)
{
    return static_cast<int>(std::clamp<long long>(2LL * value, -1000000000LL, 1000000000LL));
}

// Every pixel becomes a block of two by two.
void DoublePixels(const Bitmap32 &source, Bitmap32 &dest)
{
    for (int y = 0; y < dest.height(); ++y) {
        const uint32_t *from = source.row(y / 2);
        uint32_t *to = dest.row(y);
        for (int x = 0; x < dest.width(); ++x)
            to[x] = from[x / 2];
    }
}

} // namespace

TPixelRect ComposePopupImage(Bitmap32 &TemplateBitmap, const TDesignModel &model, int documentSize,
                             TPNGObject &OutputPicture, std::vector<TRect> *bounds)
{
    const TPixelRect closeArea =
        ComposeInto(TemplateBitmap, model, DocumentOrigin(documentSize), bounds);
    Bitmap32ToPng(TemplateBitmap, OutputPicture);
    return closeArea;
}

TPixelRect CloseButtonRect(const TDesignModel &model, int documentSize)
{
    const TMovingObject *button = model.CloseButtonObject();
    if (!button)
        return {};
    const int x = button->X - DocumentOrigin(documentSize);
    const int y = button->Y - DocumentOrigin(documentSize);
    if (!button->ButtonPicture)
        return TPixelRect{x, y, x, y};
    const QSize size = ScaledButtonSize(*button->ButtonPicture, button->ButtonScale);
    return TPixelRect{x, y, x + size.width(), y + size.height()};
}

void ComposeSharpPopupImage(const TPNGObject *templatePicture, const TDesignModel &model,
                            int documentSize, TPNGObject &picture)
{
    const int side = 2 * documentSize;
    Bitmap32 image(side, side);
    if (templatePicture) {
        Bitmap32 original;
        PngToBitmap32(*templatePicture, original);
        if (original.width() >= side && original.height() >= side) {
            StretchBitmap32(original, image);
        } else {
            // The original has no detail for the larger size: the template as logo.png has it,
            // each pixel doubled, and only texts and close button gain.
            Bitmap32 single(documentSize, documentSize);
            StretchBitmap32(original, single);
            DoublePixels(single, image);
        }
    }

    // The objects again at twice their size and place, in picture coordinates.
    const int offset = DocumentOrigin(documentSize);
    TDesignModel doubled;
    for (const auto &entry : model.DesignObjects) {
        auto copy = std::make_unique<TMovingObject>(documentSize);
        copy->Lines = entry->Lines;
        copy->IsPicture = entry->IsPicture;
        copy->ButtonPicture = entry->ButtonPicture;
        copy->ButtonScale = entry->ButtonScale * 2.0;
        copy->Font = entry->Font;
        copy->Font.Size = Doubled(entry->Font.Size);
        copy->Angle = entry->Angle;
        copy->X = Doubled(entry->X - offset);
        copy->Y = Doubled(entry->Y - offset);
        doubled.DesignObjects.push_back(std::move(copy));
    }
    ComposeInto(image, doubled, 0, nullptr);
    Bitmap32ToPng(image, picture);
}

QString DesignReadingText(const TDesignModel &model)
{
    std::vector<const TMovingObject *> texts;
    for (const auto &entry : model.DesignObjects)
        if (!entry->IsPicture && HasVisibleText(entry->Lines.join(u'\n')))
            texts.push_back(entry.get());
    // Top to bottom, and left to right within a row.
    std::stable_sort(texts.begin(), texts.end(),
                     [](const TMovingObject *a, const TMovingObject *b) {
                         return a->Y != b->Y ? a->Y < b->Y : a->X < b->X;
                     });
    QString text;
    for (const TMovingObject *object : texts) {
        QStringList words;
        for (const QString &line : object->Lines)
            if (!line.trimmed().isEmpty())
                words << line.simplified();
        const QString part = words.join(u' ');
        if (!text.isEmpty())
            text += QStringLiteral(".!?:;").contains(text.back()) ? QStringLiteral(" ")
                                                                  : QStringLiteral(". ");
        text += part;
    }
    return text;
}
