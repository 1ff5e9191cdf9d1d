// The only way the actions read and change controls. Each works on the live
// window; none fails while the window exists.
#pragma once

#include "host/text.h"
#include "ui/control_table.h"

Text GetControlText(ControlId editBox);
void SetControlText(ControlId editBox, std::string_view text);
bool IsChecked(ControlId checkBox);
void SetDisabled(ControlId control, bool disabled);
