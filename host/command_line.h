#pragma once

#include <string>
#include <string_view>

// One argument quoted so that CommandLineToArgvW and the C runtime give it
// back unchanged, spaces, quotes and trailing backslashes included. Used on
// wide strings: in GBK bytes a trail byte 0x5C would pass for a backslash.
template <typename Char>
std::basic_string<Char> QuoteCommandLineArgument(std::basic_string_view<Char> argument) {
    std::basic_string<Char> out(1, Char('"'));
    size_t backslashes = 0;
    for (Char c : argument) {
        if (c == Char('\\')) {
            ++backslashes;
            continue;
        }
        // Backslashes count only before a quote: there they must be doubled.
        out.append(c == Char('"') ? backslashes * 2 + 1 : backslashes, Char('\\'));
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, Char('\\'));  // they stand before the closing quote
    out += Char('"');
    return out;
}
