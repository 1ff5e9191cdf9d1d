#pragma once

#include "host/text.h"
#include "host/wide_path.h"

// Creates each level of the path in turn; reports nothing.
void CreateDirectoryChain(const WidePath& path);
// Creates the levels of text's path; true when it is a directory afterwards.
bool EnsureDirectory(std::string_view text);

// The 开启删除功能 action: the share folder typed in 编辑框1 and its trash
// folder (the share path followed by .Trash\) exist afterwards, or 失败 says not.
void EnableDeletion();
