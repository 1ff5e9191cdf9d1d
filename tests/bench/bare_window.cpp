// The floor for start-up measurements: a bare Win32 window, nothing else.
#include <windows.h>

#include "floor_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = QuitOnDestroyProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"BareWindow";
    RegisterClassW(&wc);
    HWND window = CreateWindowW(L"BareWindow", L"Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                CW_USEDEFAULT, CW_USEDEFAULT, 920, 279, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    RunMessageLoop();
    return 0;
}
