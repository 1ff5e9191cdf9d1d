#include <windows.h>

#include "share/directory_chain.h"
#include "share/enable_deletion.h"

namespace {

struct ChainResult {
    DWORD firstError = 0;
    DWORD lastError = 0;
};

}  // namespace

uint32_t CreateDirectoryChain(const WidePath& path) {
    // A failed level does not stop the walk: a later one may exist already,
    // and only the final directory test counts. The first real failure is
    // kept to say why, should that test fail.
    ChainResult result;
    WalkDirectoryChain(
        path,
        [](const char16_t* level, void* context) {
            auto* r = static_cast<ChainResult*>(context);
            if (CreateDirectoryW(reinterpret_cast<const wchar_t*>(level), nullptr)) return;
            r->lastError = GetLastError();
            if (r->firstError == 0 && r->lastError != ERROR_ALREADY_EXISTS) r->firstError = r->lastError;
        },
        &result);
    return result.firstError ? result.firstError : result.lastError;
}
