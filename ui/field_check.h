#pragma once

#include "host/text.h"
#include "ui/control_table.h"

// Why the edit box's text cannot go into webd.conf as typed ("用户1 密码：含有
// …"), or the empty text when it can.
Text UnstorableFieldReason(ControlId editBox);
