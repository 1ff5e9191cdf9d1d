#include "host/text.h"

size_t FindLastBackslash(std::string_view t) {
    size_t last = std::string_view::npos;
    for (size_t i = 0; i < t.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(t[i]);
        if (IsGbkLeadByte(b) && i + 1 < t.size()) {
            ++i;
        } else if (b == '\\') {
            last = i;
        }
    }
    return last;
}

bool EndsInBackslash(std::string_view t) { return !t.empty() && FindLastBackslash(t) == t.size() - 1; }

Text TextJoin(std::initializer_list<std::string_view> parts) {
    size_t size = 0;
    for (std::string_view p : parts) size += p.size();
    Text out;
    out.reserve(size);
    for (std::string_view p : parts) out.append(p);
    return out;
}

Text TextLeft(std::string_view t, int count) {
    if (count <= 0) return Text();
    return Text(t.substr(0, static_cast<size_t>(count)));
}

Text TextRight(std::string_view t, int count) {
    if (count <= 0) return Text();
    size_t n = static_cast<size_t>(count);
    if (n >= t.size()) return Text(t);
    return Text(t.substr(t.size() - n));
}

int TextCharCode(std::string_view t, int position) {
    if (position <= 0 || static_cast<size_t>(position) > t.size()) return 0;
    return static_cast<signed char>(t[static_cast<size_t>(position) - 1]);
}

Text TextUpper(std::string_view t) {
    Text out(t);
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(out[i]);
        if (IsLeadByte(b)) {
            ++i;  // the trail byte is never a letter of its own
        } else if (b >= 'a' && b <= 'z') {
            out[i] = static_cast<char>(b - 0x20);
        }
    }
    return out;
}

int TextCompare(std::string_view a, std::string_view b) {
    int c = a.compare(b);  // char_traits<char> compares as unsigned char
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int TextFind(std::string_view t, std::string_view s) {
    size_t i = 0;  // never beyond t.size()
    for (;;) {
        if (t.size() - i < s.size()) return -1;
        if (t.compare(i, s.size(), s) == 0) return static_cast<int>(i) + 1;
        if (i >= t.size()) return -1;
        if (IsLeadByte(static_cast<unsigned char>(t[i]))) {
            if (i + 1 >= t.size()) return -1;  // lone lead byte at the end
            i += 2;  // a match never starts on a trail byte
        } else {
            i += 1;
        }
    }
}

namespace {

// Full-width digits, signs and spaces read as their ASCII forms, so a port
// typed with a Chinese input method still means its number.
Text FoldFullWidth(std::string_view t) {
    Text out;
    out.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(t[i]);
        if (!IsLeadByte(b)) {
            out.push_back(static_cast<char>(b));
            continue;
        }
        if (i + 1 >= t.size()) break;  // a lead byte without its trail is dropped
        unsigned char c = static_cast<unsigned char>(t[i + 1]);
        ++i;
        if (b == 0xA3 && c >= 0xA1 && c <= 0xFE) {
            out.push_back(static_cast<char>(c - 0x80));
        } else if (b == 0xA1 && c == 0xA1) {
            out.push_back(' ');
        } else if (b == 0xA1 && c == 0xAB) {
            out.push_back('~');
        } else if (b == 0xA1 && (c == 0xEE || c == 0xEF)) {
            out.push_back('*');
        } else {
            out.push_back(static_cast<char>(b));
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

}  // namespace

int32_t TextToInt(std::string_view t) {
    Text folded = FoldFullWidth(t);
    size_t i = 0;
    while (i < folded.size() && ((folded[i] >= 0x09 && folded[i] <= 0x0D) || folded[i] == ' ')) ++i;
    bool negative = false;
    if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) {
        negative = folded[i] == '-';
        ++i;
    }
    uint32_t value = 0;  // unsigned arithmetic wraps modulo 2^32 without UB
    for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
        value = value * 10u + static_cast<uint32_t>(folded[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

ByteArray TextToBytes(std::string_view t) {
    return ByteArray(t.begin(), t.end());
}
