// Wide paths: UTF-16LE units ending in one NUL unit, made from a GBK text, or
// the empty wide path of no units at all (handed to Windows as a null pointer).
#pragma once

#include <cstddef>
#include <vector>

#include "host/text.h"

using WidePath = std::vector<char16_t>;

inline size_t WideByteCount(const WidePath& w) { return w.size() * sizeof(char16_t); }

// Windows side: decode with code page 936 whatever the system's code page.
WidePath ToWidePath(std::string_view text);
// True only for an existing directory (PathIsDirectoryW answering exactly 16).
bool IsDirectory(const WidePath& path);
// True when the first entry that FindFirstFileW reports is not a directory.
bool IsExistingFile(const WidePath& path);
