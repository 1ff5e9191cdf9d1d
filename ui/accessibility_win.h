// Screen readers: each control of the tab order tells its own name and, in
// the account rows, whose row it is in ("用户2 访问文件"). Everything else a
// screen reader asks (role, state, value, place, focus, default action) is
// the system's standard answer for that control, so a ticked, disabled or
// typed-into control reads exactly as before.
#pragma once

#include "ui/window_build_win.h"

// oleacc.dll is loaded only when the first screen reader asks: a window
// nobody inspects never loads it.
void NameControlsForScreenReaders(const MainWindow& w);
