#pragma once

#include <cstdint>

#include "host/text.h"
#include "host/wide_path.h"

// Creates each level of the path in turn. Gives the system's error code of
// the first level that could not be created (one that exists already does
// not count), or 0.
uint32_t CreateDirectoryChain(const WidePath& path);
// Creates the levels of text's path; true when it is a directory afterwards.
// error (when given) receives why not.
bool EnsureDirectory(std::string_view text, uint32_t* error = nullptr);

// The 开启删除功能 action: the share folder typed in 编辑框1 and its trash
// folder inside it (the share path, a backslash, .Trash\) exist afterwards,
// or 失败 says why.
void EnableDeletion();
