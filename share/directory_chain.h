#pragma once

#include "host/wide_path.h"

// One "create this directory" attempt: gets a NUL-terminated wide path; its
// result does not matter to the walk.
using CreateOneDirectory = void (*)(const char16_t* path, void* context);

// Tries each level of the path in turn: every backslash after the first one
// creates the prefix before it, and the terminator creates the whole path,
// so D:\a\b\ tries D:\a, then D:\a\b, then D:\a\b\. Paths under three units
// (4 bytes of units before the terminator) are left alone.
void WalkDirectoryChain(const WidePath& path, CreateOneDirectory create, void* context);
