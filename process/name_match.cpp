#include "process/name_match.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr bool IsAsciiUpper(int u) { return u >= 0x41 && u <= 0x5A; }
constexpr bool IsAsciiLower(int u) { return u >= 0x61 && u <= 0x7A; }

}  // namespace

int CompareWideNoCase(const char16_t* first, const char16_t* second) {
    if (first == nullptr || second == nullptr) {
        if (first == nullptr && second == nullptr) return 0;
        return first == nullptr ? -1 : 1;
    }
    int d = 0;
    for (size_t i = 0;; ++i) {
        // Units read as signed 16-bit, so those from 0x8000 up sort below ASCII.
        int a = static_cast<int16_t>(first[i]);
        int b = static_cast<int16_t>(second[i]);
        d = a - b;
        bool match = d == 0 || (IsAsciiUpper(a) && d == -32) || (IsAsciiLower(a) && d == 32);
        if (!match) break;
        if (a == 0) {
            d = 0;
            break;
        }
    }
    return d < 0 ? -1 : (d > 0 ? 1 : 0);
}
