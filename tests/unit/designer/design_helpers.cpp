#include "design_helpers.h"

#include "imaging/AdditionalPng.h"
#include "imaging/PngObject.h"

std::unique_ptr<TPNGObject> SolidPicture(int width, int height, uint32_t argb)
{
    Bitmap32 bitmap(width, height);
    bitmap.fill(argb);
    auto png = std::make_unique<TPNGObject>();
    Bitmap32ToPng(bitmap, *png);
    return png;
}
