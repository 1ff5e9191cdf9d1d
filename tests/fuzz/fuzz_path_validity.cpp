// IsValidFilePath and the file-name part on arbitrary bytes: the name is a
// suffix of the path, and a valid path never has a forbidden name character.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/path_validity.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path(reinterpret_cast<const char*>(data), size);
    std::string name = FileNamePart(path);
    if (name.size() > path.size() || path.compare(path.size() - name.size(), name.size(), name) != 0) std::abort();
    if (IsValidFilePath(path)) {
        unsigned char first = static_cast<unsigned char>(path[0]);
        if (!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))) std::abort();
        if (name.empty()) std::abort();
    }
    return 0;
}
