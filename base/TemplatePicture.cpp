#include "base/TemplatePicture.h"

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

#include <QImage>

#include <algorithm>
#include <vector>

Bitmap32 PadToResamplable(const Bitmap32 &source)
{
    const int width = std::max(source.width(), 2);
    const int height = std::max(source.height(), 2);
    Bitmap32 padded(width, height);
    if (source.isEmpty())
        return padded;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            padded.setPixel(
                x, y,
                source.pixel(std::min(x, source.width() - 1), std::min(y, source.height() - 1)));
    return padded;
}

void RenderTemplatePicture(const TPNGObject &picture, int side, Bitmap32 &out)
{
    Bitmap32 source;
    PngToBitmap32(picture, source);
    out.setSize(0, 0);
    out.setSize(side, side);
    if (source.width() >= 2 && source.height() >= 2)
        StretchBitmap32(source, out);
    else
        StretchBitmap32(PadToResamplable(source), out);
}

void CreateShownAlpha(TPNGObject &picture)
{
    if (picture.isEmpty() || picture.alphaScanline(0) != nullptr ||
        picture.transparencyMode() == ptmNone) {
        picture.createAlpha();
        return;
    }
    // The codec's own drawing is what the user sees in the list; drawn over transparent black
    // at its own size it leaves exactly the alpha the picture shows, a transparent colour
    // included, in each pixel's alpha byte. The colours come from the plain conversion, which
    // does not mix them with the black.
    const int w = picture.width();
    const int h = picture.height();
    QImage shown(w, h, QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    picture.draw(shown, QRect(0, 0, w, h));
    Bitmap32 pixels;
    PngToBitmap32(picture, pixels);
    for (int y = 0; y < h; ++y) {
        const auto *alpha = reinterpret_cast<const uint32_t *>(shown.constScanLine(y));
        uint32_t *row = pixels.row(y);
        for (int x = 0; x < w; ++x)
            row[x] = SetAlpha(row[x], static_cast<uint8_t>(alpha[x] >> 24));
    }
    Bitmap32ToPng(pixels, picture);
}

void CheckConvertible(const TPNGObject &picture)
{
    std::vector<uint32_t> row(static_cast<size_t>(std::max(picture.width(), 1)));
    for (int y = 0; y < picture.height(); ++y)
        picture.argbScanline(y, row.data());
}
