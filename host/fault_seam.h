// Built into the tests' copy of the host operations only (KELVARA_FAULT_SEAM):
// every file operation that changes or opens something is counted, and the
// armed one fails as the system would, with the given error. The shipped exe
// is compiled without it.
#pragma once

#include <cstdint>

// From now on, the failAt-th file operation fails (1 is the next one; 0
// disarms). Resets the count.
void ArmFileFault(int failAt, uint32_t error);
// File operations counted since the last ArmFileFault.
int FileOperationCount();
