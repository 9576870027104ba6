#pragma once

#include "unit_support.h"

#include "imaging/Bitmap32.h"

#include <cstdint>
#include <memory>

class TPNGObject;


// A PNG picture of width x height filled with one 0xAARRGGBB value.
std::unique_ptr<TPNGObject> SolidPicture(int width, int height, uint32_t argb);
