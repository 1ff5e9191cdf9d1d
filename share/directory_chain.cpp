#include "share/directory_chain.h"

void WalkDirectoryChain(const WidePath& path, CreateOneDirectory create, void* context) {
    const size_t n = WideByteCount(path);
    if (n < 8) return;
    // Zero-filled, one unit longer than the path: always NUL-terminated.
    std::vector<char16_t> buffer(n / 2 + 1, u'\0');
    int backslashes = 0;
    for (size_t j = 0; j + 2 <= n; j += 2) {
        char16_t u = path[j / 2];
        if (u == u'\0') {
            create(buffer.data(), context);
            break;
        }
        if (u == u'\\') {
            // The first backslash follows the drive: nothing to create yet.
            if (backslashes > 0) create(buffer.data(), context);
            ++backslashes;
        }
        buffer[j / 2] = u;
    }
}
