#pragma once

#include <windows.h>

// Builds the hidden main window and its controls, runs the start-up steps,
// shows it and handles input until it is closed. Returns the exit code.
int RunMainWindow(HINSTANCE instance, int showCommand);
