#pragma once

// How a spin box's text reads as a behaviour setting, shared by the unit test of the reading
// rule and the window test that types into the page's three number boxes.

#include <cstdint>

struct TSpinTextCase {
    const char *text;
    int32_t value;
};

inline constexpr TSpinTextCase SpinTextCases[] = {
    {"7", 7},
    {"-3", -3},
    {"+12", 12},
    {"", 0},
    {"abc", 0},
    {"-", 0},
    {"1.5", 0},
    {" 5", 0},
    {"0x10", 0},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"2147483648", 0},
    {"-2147483649", 0},
    {"99999999999999999999", 0},
    {"007", 7},
};
