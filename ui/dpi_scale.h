// The layout is given at 96 DPI (100 %); at any other display scale every
// length is scaled from it. Pure: tested on every host.
#pragma once

struct LayoutRect {
    int left, top, width, height;
    bool operator==(const LayoutRect&) const = default;
};

struct LayoutPoint {
    int x, y;
    bool operator==(const LayoutPoint&) const = default;
};

inline constexpr int kBaseDpi = 96;

// length × dpi / 96, rounded to the nearest pixel, halves away from zero.
int ScaleLength(int length96, int dpi);

// The edges are scaled, each rounded as above; width and height are what
// lies between them, so controls that touch at 96 DPI touch at every DPI.
LayoutRect ScaleRect(const LayoutRect& rect96, int dpi);

// Where a window of this outer size starts: centred on the screen (each
// half truncated toward zero), yet never left of or above the work area, so
// that a window larger than a small screen keeps its caption reachable.
LayoutPoint StartPosition(int screenWidth, int screenHeight, const LayoutRect& workArea, int width, int height);
