#pragma once

// A rectangle by its four edges, as the script's point lists carry it. Whether Right and Bottom
// are inclusive depends on who measured it: the click area's are, a drawn object's are not.
struct TPixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TPixelRect &) const = default;
};
