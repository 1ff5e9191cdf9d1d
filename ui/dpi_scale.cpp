#include "ui/dpi_scale.h"

#include <algorithm>

int ScaleLength(int length96, int dpi) {
    long long scaled = static_cast<long long>(length96) * dpi;
    long long half = kBaseDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kBaseDpi : -((-scaled + half) / kBaseDpi));
}

LayoutRect ScaleRect(const LayoutRect& r, int dpi) {
    int left = ScaleLength(r.left, dpi);
    int top = ScaleLength(r.top, dpi);
    return {left, top, ScaleLength(r.left + r.width, dpi) - left, ScaleLength(r.top + r.height, dpi) - top};
}

LayoutPoint StartPosition(int screenWidth, int screenHeight, const LayoutRect& workArea, int width, int height) {
    return {std::max((screenWidth - width) / 2, workArea.left), std::max((screenHeight - height) / 2, workArea.top)};
}
