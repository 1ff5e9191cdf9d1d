#include <windows.h>

#include "host/host_ops.h"
#include "ui/main_window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // First of all: every path is formed from the run directory.
    FixRunDirectory();
    RunMainWindow(instance, showCommand);
    return 0;  // closing the window always ends the program with 0
}
