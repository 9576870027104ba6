#pragma once

// Separable two-pass resampling of 32-bit pictures with integer weights; the four bytes of a
// pixel (alpha included) are filtered alike, nothing is premultiplied.

#include "imaging/Bitmap32.h"

using TFilterProc = float (*)(float);

float BoxFilter(float x);

// Fills all of dest (its size is kept) from source.
void Stretch(const Bitmap32 &source, Bitmap32 &dest, TFilterProc filter, float support);
