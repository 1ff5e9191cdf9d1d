// TextToInt, TextFind and TextUpper on arbitrary bytes: no crash, no
// undefined behaviour, and the properties every caller relies on.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string all(reinterpret_cast<const char*>(data), size);
    size_t cut = size ? data[0] % (size + 1) : 0;
    std::string t = all.substr(0, cut);
    std::string s = all.substr(cut);

    (void)TextToInt(t);

    int at = TextFind(t, s);
    if (at != -1) {
        if (at < 1 || static_cast<size_t>(at) - 1 + s.size() > t.size()) std::abort();
        if (t.compare(static_cast<size_t>(at) - 1, s.size(), s) != 0) std::abort();
    }

    std::string upper = TextUpper(t);
    if (upper.size() != t.size()) std::abort();
    for (size_t i = 0; i < t.size(); ++i) {
        unsigned char a = static_cast<unsigned char>(t[i]), b = static_cast<unsigned char>(upper[i]);
        if (a != b && !(a >= 'a' && a <= 'z' && b == a - 0x20)) std::abort();
    }
    return 0;
}
