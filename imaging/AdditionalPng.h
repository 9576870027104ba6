#pragma once

// Moving pictures between the PNG object and the 32-bit picture, alpha kept both ways.

#include "imaging/Bitmap32.h"

#include <cstdint>

class TPNGObject;

void PngToBitmap32(const TPNGObject &png, Bitmap32 &image);
void Bitmap32ToPng(const Bitmap32 &image, TPNGObject &png);
// Stretch with the box filter of support 1.0; dest is already sized.
void StretchBitmap32(const Bitmap32 &source, Bitmap32 &dest);

constexpr uint32_t SetAlpha(uint32_t color, uint8_t alpha) noexcept
{
    return (color & 0xFFFFFFu) | (static_cast<uint32_t>(alpha) << 24);
}

constexpr uint32_t SwapRedBlue(uint32_t color) noexcept
{
    return (color >> 16) | (color & 0xFF00u) | ((color << 16) & 0xFF0000u);
}
