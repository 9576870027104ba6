#pragma once

// Cases of the designer's rules shared by the unit tests of those rules and the window tests
// that reach them through the page's controls, so that both check the same figures.

#include <cstdint>

// A text typed into the angle box: the angle the object gets, and what the box shows after
// typing (a lone sign or an emptied box is a number still being typed and stays).
struct TAngleCase {
    const char *typed;
    int angle;
    const char *shown;
};
inline constexpr TAngleCase AngleCases[] = {
    {"190", -170, "-170"}, {"-180", 180, "180"}, {"360", 0, "0"},      {"-360", 0, "0"},
    {"500", 140, "140"},   {"abc", 0, "0"},      {"-45", -45, "-45"},  {"180", 180, "180"},
    {"-179", -179, "-179"}, {"-", 0, "-"},       {"", 0, ""},
};

// An object's colour (0x00BBGGRR) selected in the colour list, in this order from a custom
// slot holding 0: the item that shows it and the custom slot's colour afterwards.
struct TColourCase {
    uint32_t colour;
    int item;
    uint32_t customAfter;
};
inline constexpr TColourCase ColourCases[] = {
    {0x0000FF, 13, 0},        // red
    {0x030201, 20, 0x030201}, // RGB(1, 2, 3) takes the custom slot
    {0xFFFFFF, 19, 0x030201}, // white is a palette colour
    {0xF0FBFF, 10, 0x030201}, // RGB(255, 251, 240)
    {0x000000, 0, 0x030201},
    {0x332211, 20, 0x332211}, // another custom colour replaces the first
};

// Three texts added in a row at document size 500, nothing selected before the first.
struct TPosition {
    int x, y;
};
inline constexpr TPosition DefaultPositions[] = {{50, 50}, {70, 70}, {90, 90}};

// Presses of the close button's "+" or "-" from scale 1: the label then, and whether the same
// button still takes another press.
struct TScaleCase {
    bool increase;
    int presses;
    const char *label;
    bool canPressAgain;
};
inline constexpr TScaleCase ScaleCases[] = {
    {true, 1, "Scale (1.1)", true},
    {true, 10, "Scale (2)", false}, // the error of 0.1 accumulates past 2
    {false, 8, "Scale (0.2)", true}, // just above 0.2
    {false, 9, "Scale (0.1)", false},
};
