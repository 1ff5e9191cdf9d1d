#include <gtest/gtest.h>

#include "ui/control_table.h"
#include "ui/dpi_scale.h"

namespace {

TEST(ScaleLength, RoundsToTheNearestPixelHalvesAwayFromZero) {
    struct Case {
        int length, dpi, scaled;
    } cases[] = {
        {920, 96, 920}, {279, 96, 279}, {920, 144, 1380}, {279, 144, 419},  // 418.5
        {279, 120, 349},                                                    // 348.75
        {16, 120, 20},   {12, 144, 18},  {1, 120, 1},     {2, 120, 3},      // 2.5
        {-16, 144, -24}, {-3, 120, -4},  {0, 192, 0},     {920, 192, 1840},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScaleLength(c.length, c.dpi), c.scaled) << c.length << " at " << c.dpi;
    }
}

TEST(ScaleRect, KeepsNeighboursTouchingAndIsExactAt96) {
    for (const ControlRow& row : kControls) {
        LayoutRect r96 = {row.left, row.top, row.width, row.height};
        EXPECT_EQ(ScaleRect(r96, 96), r96) << "position " << row.id + 1;
    }
    // Widths of 10 at 120 DPI are 12.5: scaling each width alone would leave
    // a gap or an overlap; scaling the edges never does.
    for (int dpi : {120, 144, 168}) {
        LayoutRect a = ScaleRect({0, 0, 10, 10}, dpi);
        LayoutRect b = ScaleRect({10, 0, 10, 10}, dpi);
        EXPECT_EQ(a.left + a.width, b.left) << dpi;
    }
    EXPECT_EQ(ScaleRect({125, 8, 435, 32}, 144), (LayoutRect{188, 12, 652, 48}));
}

TEST(StartPosition, CentresButKeepsTheCaptionOnScreen) {
    const LayoutRect work = {0, 0, 1920, 1040};
    EXPECT_EQ(StartPosition(1920, 1080, work, 920, 279), (LayoutPoint{500, 400}));
    EXPECT_EQ(StartPosition(1921, 1081, work, 920, 279), (LayoutPoint{500, 401}));  // truncated
    // 192 DPI on a 1366 × 768 screen: wider than the screen, left edge held.
    EXPECT_EQ(StartPosition(1366, 768, {0, 0, 1366, 728}, 1840, 558), (LayoutPoint{0, 105}));
    // A task bar on the left or at the top moves the work area.
    EXPECT_EQ(StartPosition(1366, 768, {48, 40, 1318, 728}, 1840, 900), (LayoutPoint{48, 40}));
}

}  // namespace
