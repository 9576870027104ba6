#pragma once

// Moving pictures between the PNG object and the 32-bit picture, alpha kept both ways.

#include "imaging/Bitmap32.h"
#include "imaging/PixelColour.h"

#include <cstdint>

class TPNGObject;

void PngToBitmap32(const TPNGObject &png, Bitmap32 &image);
void Bitmap32ToPng(const Bitmap32 &image, TPNGObject &png);
// Stretch with the box filter of support 1.0; dest is already sized.
void StretchBitmap32(const Bitmap32 &source, Bitmap32 &dest);
