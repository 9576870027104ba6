#pragma once

#include <cstdint>
#include <functional>

// Milliseconds since boot cut to 32 bits.
uint32_t GetTickCount();

// Tests replace the clock; an empty function restores the real one.
void SetTickCountSource(std::function<uint32_t()> source);
