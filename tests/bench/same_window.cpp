// The second floor for start-up measurements: the tool's own window, built
// from the same table by the same code, with the same manifest, icon and
// fonts, shown and focused the same way, and nothing else: no process scan,
// no start-up logic, no event handling.
#include <windows.h>

#include "ui/window_build_win.h"

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    MainWindow w;
    if (!BuildMainWindow(instance, FloorProc, w)) return 1;
    ShowWindow(w.window, SW_SHOWNORMAL);
    SetForegroundWindow(w.window);
    SetFocus(w.controls[按钮1]);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    ReleaseMainWindow(w);
    return 0;
}
