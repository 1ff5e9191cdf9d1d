// Building the main window from the control table: its class, its frame,
// the 41 controls with their fonts, stacking and icons, all scaled to the
// display's DPI. Nothing here runs any of the tool's logic, so the benchmark
// builds the very same window as its floor.
#pragma once

#include <windows.h>

#include "ui/control_table.h"
#include "ui/dpi_scale.h"

// The one main window and what it was built with.
struct MainWindow {
    HWND window = nullptr;
    HWND controls[kControlCount] = {};
    int dpi = kBaseDpi;
    HFONT b16 = nullptr;
    HFONT n12 = nullptr;
    HFONT gui = nullptr;  // made for this DPI; nullptr while the stock font fits it
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
};

inline constexpr wchar_t kMainWindowClass[] = L"KelvaraMainWindow";

// The window hidden, sized and centred at the DPI of the screen it opens
// on; the controls made from the bottom of the table to the top, stacked in
// table order and shown. False when the window cannot be made.
bool BuildMainWindow(HINSTANCE instance, WNDPROC windowProc, MainWindow& w);

// Every control's rectangle, the fonts and the icons for another DPI (the
// window moved to a monitor with another scale). Texts, ticks and the focus
// stay as they are.
void LayOutForDpi(MainWindow& w, int dpi);

// The fonts and icons made for the window, once it is gone.
void ReleaseMainWindow(MainWindow& w);

// The control a window handle belongs to, or nullptr.
const ControlRow* RowOfControl(const MainWindow& w, HWND control);
