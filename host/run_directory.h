#pragma once

#include "host/text.h"

// The directory part of the executable's own path: the bytes before its last
// backslash, found by code page 936's lead-byte rules so that a two-byte
// character whose second byte is 0x5C stays whole. No trailing backslash;
// empty when the path has no backslash at all.
Text RunDirectoryOf(std::string_view modulePath);
