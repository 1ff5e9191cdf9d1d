// The only way the actions read and change controls. Each works on the live
// window; none fails while the window exists.
#pragma once

#include "host/text.h"
#include "ui/control_table.h"

Text GetControlText(ControlId editBox);
void SetControlText(ControlId editBox, std::string_view text);
bool IsChecked(ControlId checkBox);
void SetDisabled(ControlId control, bool disabled);

// What keeps an edit box's text out of webd.conf: a character that GBK
// cannot hold (GetControlText would give "?" for it), or a line break or
// other control character, which would split or corrupt a line.
enum class FieldFault { None, NotGbk, ControlCharacter };
FieldFault ControlTextFault(ControlId editBox);
