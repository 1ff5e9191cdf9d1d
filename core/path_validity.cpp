#include "core/path_validity.h"

namespace {

constexpr bool IsSeparator(char c) { return c == '\\' || c == '/'; }

constexpr const char* kForbiddenInFileName[] = {"?", "/", "\\", "<", ">", "*", "|", ":", "\""};

}  // namespace

Text FileNamePart(std::string_view path) {
    size_t start = 0;
    size_t i = 0;
    while (i < path.size()) {
        char c = path[i];
        size_t next = i + (IsGbkLeadByte(static_cast<unsigned char>(c)) && i + 1 < path.size() ? 2 : 1);
        if ((IsSeparator(c) || c == ':') && next < path.size() && !IsSeparator(path[next])) {
            start = next;
        }
        i = next;
    }
    return Text(path.substr(start));
}

bool IsValidFilePath(std::string_view path) {
    int first = TextCharCode(TextUpper(TextLeft(path, 1)), 1);
    if (first < 'A' || first > 'Z') return false;
    if (TextFind(path, ":\\") <= 0 && TextFind(path, ":/") <= 0) return false;
    Text name = FileNamePart(path);
    if (TextCompare(TextRight(name, 1), "\\") == 0) name.clear();
    if (TextCompare(name, "") == 0) return false;
    for (const char* forbidden : kForbiddenInFileName) {
        if (TextFind(name, forbidden) > 0) return false;
    }
    return true;
}
