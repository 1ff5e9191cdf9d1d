#pragma once

#include "core/settings.h"
#include "ui/control_table.h"

enum class AccountRow { User1, User2, Guest };

// Start-up, once all controls exist and before the window is shown.
void InitMainWindow();
// Every governed control of the row enabled exactly when its box is ticked.
void ApplyRowEnabling(AccountRow row);
// Runs whenever the port box loses the focus.
void ValidatePortBox();
Settings ReadSettings();

// What a click on a control means: the row handlers, 生成, 开启删除功能.
void OnControlCommand(ControlId id, int notification);
