#include "host/run_directory.h"

Text RunDirectoryOf(std::string_view modulePath) {
    size_t lastBackslash = std::string_view::npos;
    for (size_t i = 0; i < modulePath.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(modulePath[i]);
        if (IsGbkLeadByte(b) && i + 1 < modulePath.size()) {
            ++i;
        } else if (b == '\\') {
            lastBackslash = i;
        }
    }
    if (lastBackslash == std::string_view::npos) return Text();
    return Text(modulePath.substr(0, lastBackslash));
}
