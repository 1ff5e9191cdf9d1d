#pragma once

#include <cstdint>
#include <vector>

#include "host/text.h"

using ProcessIdList = std::vector<uint32_t>;

// Fills ids with every process whose executable file name matches name
// (ASCII letters without regard to case), in the snapshot's order. Gives
// their number, or -1 with ids empty when no snapshot can be taken.
int FindProcessIdsByName(std::string_view name, ProcessIdList& ids);

// This program's own process, which the start-up shutdown never ends.
uint32_t OwnProcessId();

// True when the system reports the process terminated (exit code 0).
bool KillProcess(uint32_t id);
