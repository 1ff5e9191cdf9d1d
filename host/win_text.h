// Windows side only: the one place where GBK texts meet the wide (W) calls.
// Conversions use code page 936 whatever the system's ANSI code page is, so
// the window and the files come out the same on every Windows.
#pragma once

#include <windows.h>

#include <string>

#include "host/text.h"
#include "host/wide_path.h"

constexpr UINT kGbkCodePage = 936;

std::wstring WideFromGbk(std::string_view text);
Text GbkFromWide(const wchar_t* units, int count);
// True when every unit has a GBK form of its own: no default character and no
// best-fit look-alike stands in for any of them.
bool FitsGbk(const std::wstring& w);
inline Text GbkFromWide(const std::wstring& w) { return GbkFromWide(w.data(), static_cast<int>(w.size())); }

// A wide path as the W calls take it: null for the empty wide path.
inline const wchar_t* WidePointer(const WidePath& path) {
    return path.empty() ? nullptr : reinterpret_cast<const wchar_t*>(path.data());
}
