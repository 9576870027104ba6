#include "imaging/AdditionalPng.h"

#include "imaging/AlphaStretch.h"
#include "imaging/PngObject.h"

void PngToBitmap32(const TPNGObject &png, Bitmap32 &image)
{
    // Every pixel is written below, so the picture is not cleared first.
    if (image.width() != png.width() || image.height() != png.height())
        image.setSizeForOverwrite(png.width(), png.height());
    if (!image.isEmpty())
        png.argbPicture(image.row(0));
}

void Bitmap32ToPng(const Bitmap32 &image, TPNGObject &png)
{
    png.assignImage(image.asQImage());
    png.createAlpha();
    for (int y = 0; y < image.height(); ++y) {
        const uint32_t *in = image.row(y);
        uint8_t *alpha = png.alphaScanline(y);
        for (int x = 0; x < image.width(); ++x)
            alpha[x] = uint8_t(in[x] >> 24);
    }
}

void StretchBitmap32(const Bitmap32 &source, Bitmap32 &dest)
{
    Stretch(source, dest, BoxFilter, 1.0f);
}
