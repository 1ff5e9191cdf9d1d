#pragma once

#include "host/text.h"

// The file-name part of a path, walked like the shell's PathFindFileNameA:
// a backslash, slash or colon followed by anything but a separator or the end
// starts a new component; a GBK two-byte character counts as one.
Text FileNamePart(std::string_view path);

// True for an absolute path on a drive letter whose last component is a
// non-empty name free of ? / \ < > * | : and the double quote.
bool IsValidFilePath(std::string_view path);
