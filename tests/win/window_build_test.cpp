// The window as built from the table, in this process, where its fonts and
// icons can be looked at (another process cannot read them under Wine).
#include <gtest/gtest.h>

#include "ui/dpi_scale.h"
#include "ui/window_build_win.h"

namespace {

LONG FontHeight(HWND control) {
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfHeight;
}

int IconWidth(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(WindowBuild, FontsIconsAndRectanglesFollowTheDpi) {
    MainWindow w;
    ASSERT_TRUE(BuildMainWindow(GetModuleHandleW(nullptr), DefWindowProcW, w));
    LOGFONTW stock = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock);
    const int systemDpi = w.dpi;  // the test prefix's one display
    for (int dpi : {144, 192, systemDpi}) {
        SCOPED_TRACE(dpi);
        LayOutForDpi(w, dpi);
        EXPECT_EQ(FontHeight(w.controls[编辑框1]), -ScaleLength(16, dpi)) << "B16";
        EXPECT_EQ(FontHeight(w.controls[选择框3]), -ScaleLength(12, dpi)) << "N12";
        EXPECT_EQ(FontHeight(w.controls[按钮1]), MulDiv(stock.lfHeight, dpi, systemDpi)) << "the GUI font";
        if (dpi == systemDpi) {
            EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(w.controls[按钮1], WM_GETFONT, 0, 0)),
                      GetStockObject(DEFAULT_GUI_FONT));
        }
        EXPECT_EQ(IconWidth(w.bigIcon), ScaleLength(32, dpi));
        EXPECT_EQ(IconWidth(w.smallIcon), ScaleLength(16, dpi));
        RECT r;
        GetWindowRect(w.controls[编辑框7], &r);
        MapWindowPoints(HWND_DESKTOP, w.window, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ((LayoutRect{r.left, r.top, r.right - r.left, r.bottom - r.top}), ScaleRect({104, 212, 300, 32}, dpi));
    }
    DestroyWindow(w.window);
    ReleaseMainWindow(w);
}

}  // namespace
