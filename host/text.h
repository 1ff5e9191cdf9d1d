// Texts are GBK (code page 936) bytes in a std::string; an absent text and
// the empty text are the same value. Lengths count bytes, positions count
// bytes from 1. Byte arrays may hold NUL bytes; texts never do.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;
using ByteArray = std::vector<unsigned char>;

// A byte of 0x80 or more begins a two-byte character for the
// character-aware operations (TextFind, TextUpper, TextToInt).
constexpr bool IsLeadByte(unsigned char b) { return b >= 0x80; }

// Code page 936's own lead bytes, for the walks that follow the system's
// rules (the run directory, the file-name part of a path).
constexpr bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Where a path's last separator is, walked by code page 936's own lead
// bytes: the trail byte 0x5C of a character such as 昞 is no backslash.
// npos when there is none.
size_t FindLastBackslash(std::string_view t);
// True when the last character (not merely the last byte) is a backslash.
bool EndsInBackslash(std::string_view t);

Text TextJoin(std::initializer_list<std::string_view> parts);
Text TextLeft(std::string_view t, int count);
Text TextRight(std::string_view t, int count);
int TextCharCode(std::string_view t, int position);
Text TextUpper(std::string_view t);
int TextCompare(std::string_view a, std::string_view b);
int TextFind(std::string_view t, std::string_view s);
int32_t TextToInt(std::string_view t);
ByteArray TextToBytes(std::string_view t);

