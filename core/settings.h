// Every input of the generator, exactly as the window shows it when 生成 is
// clicked. Texts are carried as typed: nothing trimmed, escaped or checked.
#pragma once

#include "host/text.h"

struct Permissions {
    bool AccessFiles = false;  // r
    bool ListFiles = false;    // l
    bool UploadFiles = false;  // u
    bool ModifyFiles = false;  // m
    bool ShowHidden = false;   // S
};

struct AccountSettings {
    bool Enabled = false;
    Permissions Rights;
    Text Name;
    Text Password;
};

struct Settings {
    Text SharePath;
    Text Port;
    bool ListenIpv4 = false;
    bool ListenIpv6 = false;
    AccountSettings User1;
    AccountSettings User2;
    bool GuestEnabled = false;
    Permissions GuestRights;
    bool HideTrayIcon = false;
    Text BrowserPath;
};
