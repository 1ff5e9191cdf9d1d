// BuildConfigText on arbitrary records: always starts with the root line,
// carries every field as given, and only the browser entry lacks a line end.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/config_text.h"

namespace {

struct Reader {
    const uint8_t* data;
    size_t size;
    bool Flag() { return size ? (--size, (*data++ & 1) != 0) : false; }
    std::string Field() {
        size_t n = size ? *data % 16 : 0;
        if (size) --size, ++data;
        n = n < size ? n : size;
        std::string out(reinterpret_cast<const char*>(data), n);
        data += n;
        size -= n;
        return out;
    }
    Permissions Rights() { return {Flag(), Flag(), Flag(), Flag(), Flag()}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader r{data, size};
    Settings s;
    s.SharePath = r.Field();
    s.Port = r.Field();
    s.ListenIpv4 = r.Flag();
    s.ListenIpv6 = r.Flag();
    s.User1 = {r.Flag(), r.Rights(), r.Field(), r.Field()};
    s.User2 = {r.Flag(), r.Rights(), r.Field(), r.Field()};
    s.GuestEnabled = r.Flag();
    s.GuestRights = r.Rights();
    s.HideTrayIcon = r.Flag();
    s.BrowserPath = r.Field();

    std::string text = BuildConfigText(s);
    std::string root = "Webd.Root \"" + s.SharePath + "\"\r\n";
    if (text.compare(0, root.size(), root) != 0) std::abort();
    bool browser = !s.BrowserPath.empty() && s.BrowserPath != kBrowserPlaceholder;
    std::string tail = browser ? " Webd.Browser \"" + s.BrowserPath + "\"\"" : "\r\n";
    if (text.size() < tail.size() || text.compare(text.size() - tail.size(), tail.size(), tail) != 0) std::abort();
    return 0;
}
