// What each control of the tab order is called when the tool speaks of it:
// to a screen reader, and in a failure box that names a field. Short, in
// Chinese, row-qualified in the account rows, no two alike.
#pragma once

#include "ui/control_table.h"

struct ControlName {
    ControlId id;
    const char* name;  // GBK
};

extern const ControlName kControlNames[30];

// The control's name, or nullptr for the labels and panels.
const char* NameOfControl(ControlId id);
