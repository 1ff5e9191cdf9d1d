// What both start-up floors share: a window procedure that only ends the
// program when its window goes, and the plain message loop.
#pragma once
#include <windows.h>

inline LRESULT CALLBACK QuitOnDestroyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

inline void RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
