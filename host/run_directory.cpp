#include "host/run_directory.h"

Text RunDirectoryOf(std::string_view modulePath) {
    size_t lastBackslash = FindLastBackslash(modulePath);
    if (lastBackslash == std::string_view::npos) return Text();
    return Text(modulePath.substr(0, lastBackslash));
}
