#include <windows.h>

#include "share/directory_chain.h"
#include "share/enable_deletion.h"

void CreateDirectoryChain(const WidePath& path) {
    // Each level's result is ignored: existing and uncreatable levels alike
    // leave the walk going, and only the final directory test counts.
    WalkDirectoryChain(
        path,
        [](const char16_t* level, void*) { CreateDirectoryW(reinterpret_cast<const wchar_t*>(level), nullptr); },
        nullptr);
}
