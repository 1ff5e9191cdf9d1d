// The second floor for start-up measurements: the tool's own window, built
// from the same table by the same code, with the same manifest, icon and
// fonts, shown and focused the same way, and nothing else: no process scan,
// no start-up logic, no event handling.
#include <windows.h>

#include "floor_window.h"
#include "ui/window_build_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    MainWindow w;
    if (!BuildMainWindow(instance, QuitOnDestroyProc, w)) return 1;
    ShowWindow(w.window, SW_SHOWNORMAL);
    SetForegroundWindow(w.window);
    SetFocus(w.controls[按钮1]);
    RunMessageLoop();
    ReleaseMainWindow(w);
    return 0;
}
