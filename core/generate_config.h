#pragma once

#include "core/settings.h"

// The 生成 action: builds webd.conf's text, keeps the previous file as
// webd.conf.bak, writes the new file beside the executable, says how it went
// and, when webd.exe is there, offers to start it.
void GenerateConfig(const Settings& settings);
