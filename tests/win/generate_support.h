// Runs the generate action as the window would, in a folder of the test's
// choosing as the run directory, and answers the one box it shows.
#pragma once

#include "core/config_text.h"
#include "core/generate_config.h"
#include "host/host_ops.h"
#include "host/win_text.h"
#include "tests/win/test_support.h"

inline Settings SampleSettings(const char* share = "D:\\web\\") {
    Settings s;
    s.SharePath = share;
    s.Port = "9212";
    s.ListenIpv4 = true;
    s.User1 = {true, {true, true, true, true, true}, "user1", "kemo1"};
    s.BrowserPath = kBrowserPlaceholder;
    return s;
}

// title: the box expected ("" for whichever comes); gives what it said.
inline BoxSeen RunGenerate(const std::wstring& dir, const Settings& s, const wchar_t* title = L"",
                           BoxAction answer = BoxAction::ClickOk) {
    Text saved = RunDirectory();
    SetRunDirectory(GbkFromWide(dir));
    BoxAnswerer answerer(title, answer);
    GenerateConfig(s);
    BoxSeen seen = answerer.Wait();
    SetRunDirectory(saved);
    return seen;
}
