#pragma once

// Helpers on 32-bit colour values, shared by the PNG codec and the 32-bit picture.

#include <cstdint>

constexpr uint32_t SetAlpha(uint32_t color, uint8_t alpha) noexcept
{
    return (color & 0xFFFFFFu) | (static_cast<uint32_t>(alpha) << 24);
}

constexpr uint32_t SwapRedBlue(uint32_t color) noexcept
{
    return (color >> 16) | (color & 0xFF00u) | ((color << 16) & 0xFF0000u);
}
