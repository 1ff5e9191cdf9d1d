#pragma once

#include <windows.h>

// The window that CloseMainWindow asks to close; set once it exists.
void SetMainWindow(HWND window);
