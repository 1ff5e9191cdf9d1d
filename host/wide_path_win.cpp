#include <windows.h>
#include <shlwapi.h>

#include "host/win_text.h"

std::wstring WideFromGbk(std::string_view text) {
    if (text.empty()) return std::wstring();
    DWORD saved = GetLastError();
    int n = MultiByteToWideChar(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    SetLastError(saved);
    return out;
}

Text GbkFromWide(const wchar_t* units, int count) {
    if (count <= 0) return Text();
    DWORD saved = GetLastError();
    int n = WideCharToMultiByte(kGbkCodePage, 0, units, count, nullptr, 0, nullptr, nullptr);
    Text out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(kGbkCodePage, 0, units, count, out.data(), n, nullptr, nullptr);
    SetLastError(saved);
    return out;
}

bool FitsGbk(const std::wstring& w) {
    if (w.empty()) return true;
    DWORD saved = GetLastError();
    BOOL usedDefault = FALSE;
    // The conversion's own report, not a search for "?": the text may hold one.
    int n = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                nullptr, &usedDefault);
    SetLastError(saved);
    return n > 0 && !usedDefault;
}

WidePath ToWidePath(std::string_view text) {
    Text terminated = TextJoin({text});
    if (terminated.empty()) return WidePath();
    // -1: the terminator is converted too and counted in cch.
    int cch = MultiByteToWideChar(kGbkCodePage, 0, terminated.c_str(), -1, nullptr, 0);
    WidePath wide(static_cast<size_t>(cch > 0 ? cch : 0), u'\0');
    if (cch > 0) {
        MultiByteToWideChar(kGbkCodePage, 0, terminated.c_str(), -1, reinterpret_cast<wchar_t*>(wide.data()), cch);
    }
    return wide;
}

bool IsDirectory(const WidePath& path) {
    if (path.empty()) return false;
    // Only exactly FILE_ATTRIBUTE_DIRECTORY counts; a bare non-zero does not.
    return PathIsDirectoryW(WidePointer(path)) == FILE_ATTRIBUTE_DIRECTORY;
}

bool IsExistingFile(const WidePath& path) {
    if (path.empty()) return false;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WidePointer(path), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
