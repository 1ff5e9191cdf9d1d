#include "core/config_text.h"

// 指定自定义的浏览器路径(可不做更改), spelled as bytes so this file builds with
// any compiler's execution character set.
const char kBrowserPlaceholder[] =
    "\xD6\xB8\xB6\xA8\xD7\xD4\xB6\xA8\xD2\xE5\xB5\xC4\xE4\xAF\xC0\xC0\xC6"
    "\xF7\xC2\xB7\xBE\xB6(\xBF\xC9\xB2\xBB\xD7\xF6\xB8\xFC\xB8\xC4)";

Text PermissionLetters(const Permissions& rights) {
    Text letters;
    if (rights.AccessFiles) letters += 'r';
    if (rights.ListFiles) letters += 'l';
    if (rights.UploadFiles) letters += 'u';
    if (rights.ModifyFiles) letters += 'm';
    if (rights.ShowHidden) letters += 'S';
    return letters;
}

namespace {

Text UserLine(const AccountSettings& user) {
    return TextJoin({"Webd.User ", PermissionLetters(user.Rights), " ", user.Name, " ",
                     user.Password, "\r\n"});
}

}  // namespace

Text BuildConfigText(const Settings& s) {
    Text text = TextJoin({"Webd.Root \"", s.SharePath, "\"\r\n"});
    // Only both families together give the bracketed any-address form.
    const char* listen = (s.ListenIpv4 && s.ListenIpv6) ? "Webd.Listen [::]:" : "Webd.Listen ";
    text += TextJoin({listen, s.Port, "\r\n"});
    if (s.User1.Enabled) text += UserLine(s.User1);
    if (s.User2.Enabled) text += UserLine(s.User2);
    if (s.GuestEnabled) {
        text += TextJoin({"Webd.Guest ", PermissionLetters(s.GuestRights), "\r\n"});
    } else {
        text += "Webd.Guest 0\r\n";
    }
    if (s.HideTrayIcon) text += "Webd.Hide\r\n";
    if (TextCompare(s.BrowserPath, "") != 0 && TextCompare(s.BrowserPath, kBrowserPlaceholder) != 0) {
        // webd reads this entry as written: leading space, doubled closing quote, no line end.
        text += TextJoin({" Webd.Browser \"", s.BrowserPath, "\"\""});
    }
    return text;
}
