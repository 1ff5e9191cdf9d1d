#include <gtest/gtest.h>

#include "core/config_text.h"
#include "host/win_text.h"
#include "tests/e2e/app_driver.h"

namespace {

constexpr ControlId kUser1Row[] = {编辑框3, 编辑框4, 选择框5, 选择框6, 选择框7, 选择框8, 选择框9};
constexpr ControlId kUser2Row[] = {编辑框5, 编辑框6, 选择框10, 选择框11, 选择框12, 选择框13, 选择框14};
constexpr ControlId kGuestRow[] = {选择框17, 选择框18, 选择框19, 选择框20, 选择框21};

TEST(Window, OpensCentredWithTheTableLayoutAndTheStartState) {
    App app;
    ASSERT_TRUE(app.WaitForWindow());

    BOOL wow64 = TRUE;
    ASSERT_TRUE(IsWow64Process(app.process.hProcess, &wow64));
    EXPECT_EQ(wow64 != FALSE, sizeof(void*) == 4) << "kelvara.exe is built for this lane's architecture";

    wchar_t caption[64] = {};
    GetWindowTextW(app.window, caption, 64);
    EXPECT_EQ(std::wstring(caption), L"Kelvara");
    RECT w;
    GetWindowRect(app.window, &w);
    EXPECT_EQ(w.right - w.left, 920);
    EXPECT_EQ(w.bottom - w.top, 279);
    LONG style = GetWindowLongW(app.window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    // (Wine answers WM_GETICON and class icons of another process with 0; the
    // icon shows in the caption of the screenshot.)

    // Layout: every control where the table puts it, stacked in table order.
    POINT origin = {0, 0};
    ClientToScreen(app.window, &origin);
    HWND above = nullptr;
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(testing::Message() << "position " << row.id + 1);
        HWND c = app.Control(row.id);
        ASSERT_NE(c, nullptr);
        RECT r;
        GetWindowRect(c, &r);
        EXPECT_EQ(r.left - origin.x, row.left);
        EXPECT_EQ(r.top - origin.y, row.top);
        EXPECT_EQ(r.right - r.left, row.width);
        EXPECT_EQ(r.bottom - r.top, row.height);
        EXPECT_TRUE(IsWindowVisible(c));
        if (above) {
            EXPECT_EQ(GetWindow(above, GW_HWNDNEXT), c);
        }
        above = c;
        if (row.text && row.id != 编辑框1) {
            EXPECT_EQ(app.Text(row.id), WideFromGbk(row.text));
        }
    }
    SaveClientShot(app.window, TestBinDirectory() + L"\\e2e-window.bmp");

    EXPECT_EQ(app.Text(编辑框1), app.dir.path + L"\\web\\");
    EXPECT_TRUE(app.WaitForFocus(按钮1));
    for (ControlId id : kUser1Row) EXPECT_TRUE(app.Enabled(id)) << id;
    for (ControlId id : kUser2Row) EXPECT_FALSE(app.Enabled(id)) << id;
    for (ControlId id : kGuestRow) EXPECT_FALSE(app.Enabled(id)) << id;
    EXPECT_TRUE(app.Checked(选择框1));
    EXPECT_FALSE(app.Enabled(选择框1));
    EXPECT_TRUE(app.Checked(选择框15) && !app.Checked(选择框16) && !app.Checked(选择框4));
    EXPECT_TRUE(app.Checked(选择框10) && app.Checked(选择框11) && app.Checked(选择框12) && !app.Checked(选择框13));
    EXPECT_TRUE(app.Checked(选择框17) && app.Checked(选择框18) && !app.Checked(选择框19));
}

TEST(Window, TabOrderFollowsTheTableAndSkipsDisabledControls) {
    App app;
    ASSERT_TRUE(app.WaitForWindow());
    ASSERT_TRUE(app.WaitForFocus(按钮1));
    app.Key(VK_TAB);
    EXPECT_TRUE(app.WaitForFocus(编辑框1));
    app.Key(VK_TAB, true);
    EXPECT_TRUE(app.WaitForFocus(按钮1));
    app.Key(VK_TAB, true);
    EXPECT_TRUE(app.WaitForFocus(编辑框7));
    app.Key(VK_TAB);
    EXPECT_TRUE(app.WaitForFocus(按钮1));
    app.Click(编辑框2);
    ASSERT_TRUE(app.WaitForFocus(编辑框2));
    app.Key(VK_TAB);
    EXPECT_TRUE(app.WaitForFocus(选择框2)) << "the disabled IPV4 box is skipped";

    // Enter and F1 change nothing; the disabled IPV4 box ignores clicks.
    std::wstring share = app.Text(编辑框1);
    app.Key(VK_RETURN);
    app.Key(VK_F1);
    app.Click(选择框1);
    EXPECT_TRUE(app.Checked(选择框1));
    EXPECT_EQ(app.Text(编辑框1), share);
    EXPECT_TRUE(NoBoxAppears(L"true", 200));
    EXPECT_TRUE(IsWindowVisible(app.window));
}

TEST(Window, EnableBoxesGovernTheirRowsByClickAndBySpace) {
    App app;
    ASSERT_TRUE(app.WaitForWindow());
    app.Click(选择框15);
    EXPECT_FALSE(app.Checked(选择框15));
    for (ControlId id : kUser1Row) EXPECT_FALSE(app.Enabled(id)) << id;
    EXPECT_EQ(app.Text(编辑框3), L"user1");
    EXPECT_TRUE(app.Checked(选择框9)) << "disabling keeps the ticks";
    app.Key(VK_SPACE);  // the box keeps the focus after the click
    EXPECT_TRUE(app.Checked(选择框15));
    for (ControlId id : kUser1Row) EXPECT_TRUE(app.Enabled(id)) << id;

    app.Click(选择框16);
    for (ControlId id : kUser2Row) EXPECT_TRUE(app.Enabled(id)) << id;
    EXPECT_EQ(app.Text(编辑框6), L"kemo2");
    app.Key(VK_SPACE);
    for (ControlId id : kUser2Row) EXPECT_FALSE(app.Enabled(id)) << id;

    app.Click(选择框4);
    for (ControlId id : kGuestRow) EXPECT_TRUE(app.Enabled(id)) << id;
}

TEST(Window, PortCheckRunsOnEveryLossOfFocus) {
    App app;
    ASSERT_TRUE(app.WaitForWindow());
    struct Case {
        const wchar_t* text;
        bool refused;
    } cases[] = {{L"65535", false}, {L"0", false}, {L"", false}, {L"abc", false},
                 {L"65536", true},  {L"-1", true}, {L"99999", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8FromWide(c.text));
        app.Click(编辑框2);
        ASSERT_TRUE(app.WaitForFocus(编辑框2)) << "focus on " << GetDlgCtrlID(app.Focus()) << " fg "
                                               << (GetForegroundWindow() == app.window);
        app.SetText(编辑框2, c.text);
        BoxAnswerer answerer(L"err", BoxAction::ClickOk, c.refused ? 5000 : 400);
        app.Key(VK_TAB);
        BoxSeen seen = answerer.Wait();
        EXPECT_EQ(seen.found, c.refused);
        if (c.refused) {
            EXPECT_EQ(seen.text, L"错误");
            app.SettleAfterBox();
        }
        app.Settle();
        EXPECT_EQ(app.Text(编辑框2), c.refused ? L"9212" : c.text);
    }

    // Typing: only control characters, the minus sign and digits, five at most.
    app.Click(编辑框2);
    app.SetText(编辑框2, L"");
    app.Type(L"12a-3");
    EXPECT_EQ(app.Text(编辑框2), L"12-3");
    app.Type(L"45");
    EXPECT_EQ(app.Text(编辑框2), L"12-34");
    app.Key(VK_BACK);
    EXPECT_EQ(app.Text(编辑框2), L"12-3");
    // Pasting is not filtered; the length limit still holds.
    app.Paste(编辑框2, L"abcdefg");
    EXPECT_EQ(app.Text(编辑框2), L"abcde");

    // A click on 生成 moves the focus first: the check runs before anything.
    app.SetText(编辑框2, L"70000");
    BoxAnswerer check(L"err", BoxAction::ClickOk);
    BoxAnswerer result(L"true", BoxAction::ClickOk, 3000);
    app.Click(按钮1);
    EXPECT_TRUE(check.Wait().found);
    result.Wait();
    app.Settle();
    EXPECT_EQ(app.Text(编辑框2), L"9212");
}

TEST(Window, ClosingWithAFocusedBadPortChecksItFirstThenExitsWithZero) {
    App app;
    ASSERT_TRUE(app.WaitForWindow());
    app.Click(编辑框2);
    ASSERT_TRUE(app.WaitForFocus(编辑框2));
    app.SetText(编辑框2, L"70000");
    BoxAnswerer answerer(L"err", BoxAction::ClickOk);
    app.Key(VK_ESCAPE);
    BoxSeen seen = answerer.Wait();
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(app.ExitCode(5000), 0);
}

TEST(Window, SwitchingToAnotherProgramRunsThePortCheck) {
    App app;
    ASSERT_TRUE(app.WaitForWindow());
    TempDir otherDir;
    ASSERT_TRUE(CopyFileW(StandinExe().c_str(), (otherDir / L"other.exe").c_str(), FALSE));
    PROCESS_INFORMATION other = StartProgram(otherDir / L"other.exe", otherDir.path);
    HWND otherWindow = nullptr;
    for (int i = 0; i < 200 && !(otherWindow = FindVisibleWindowOf(other.dwProcessId)); ++i) Sleep(10);
    ASSERT_NE(otherWindow, nullptr);

    app.Click(编辑框2);
    ASSERT_TRUE(app.WaitForFocus(编辑框2));
    app.SetText(编辑框2, L"99999");
    BoxAnswerer answerer(L"err", BoxAction::ClickOk);
    SetForegroundWindow(otherWindow);
    EXPECT_TRUE(answerer.Wait().found);
    app.Settle();
    EXPECT_EQ(app.Text(编辑框2), L"9212");
    EndProcess(other);
}

TEST(Window, EscapeAndAltF4CloseWithExitCodeZeroWritingNothing) {
    for (bool altF4 : {false, true}) {
        App app;
        ASSERT_TRUE(app.WaitForWindow());
        if (altF4) {
            app.Activate();
            INPUT in[4] = {};
            for (INPUT& i : in) i.type = INPUT_KEYBOARD;
            in[0].ki.wVk = VK_MENU;
            in[1].ki.wVk = VK_F4;
            in[2].ki.wVk = VK_F4;
            in[2].ki.dwFlags = KEYEVENTF_KEYUP;
            in[3].ki.wVk = VK_MENU;
            in[3].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(4, in, sizeof(INPUT));
        } else {
            app.Key(VK_ESCAPE);
        }
        EXPECT_EQ(app.ExitCode(5000), 0) << (altF4 ? "Alt+F4" : "Escape");
        EXPECT_FALSE(Exists(app.dir / L"webd.conf"));
    }
}

TEST(Window, GenerateWithTheDefaultsWritesFourLines) {
    App app;
    ASSERT_TRUE(app.WaitForWindow());
    BoxAnswerer answerer(L"true", BoxAction::ClickOk);
    app.Click(按钮1);
    BoxSeen seen = answerer.Wait();
    EXPECT_EQ(seen.text, L"成功");
    std::string expected = "Webd.Root \"" + GbkFromWide(app.dir.path) +
                           "\\web\\\"\r\nWebd.Listen 9212\r\nWebd.User rlumS user1 kemo1\r\nWebd.Guest 0\r\n";
    EXPECT_EQ(ReadBytes(app.dir / L"webd.conf"), expected);

    // IPV6 ticked: the bracket form; every later click keeps one backup.
    app.Click(选择框2);
    BoxAnswerer second(L"true", BoxAction::ClickOk);
    app.Click(按钮1);
    EXPECT_TRUE(second.Wait().found);
    EXPECT_NE(ReadBytes(app.dir / L"webd.conf").find("Webd.Listen [::]:9212\r\n"), std::string::npos);
    EXPECT_EQ(ReadBytes(app.dir / L"webd.conf.bak"), expected);
}

TEST(Window, RunningServerIsStoppedOnOkAndTheToolQuitsOnCancel) {
    for (bool stop : {true, false}) {
        SCOPED_TRACE(stop ? "OK" : "Cancel");
        TempDir serverDir;
        std::wstring serverExe = serverDir / L"webd.exe";
        ASSERT_TRUE(CopyFileW(StandinExe().c_str(), serverExe.c_str(), FALSE));
        PROCESS_INFORMATION server = StartProgram(serverExe, serverDir.path);
        ASSERT_NE(server.hProcess, nullptr);

        BoxAnswerer answerer(L"注意！", stop ? BoxAction::ClickOk : BoxAction::ClickCancel);
        App app;
        BoxSeen seen = answerer.Wait();
        EXPECT_EQ(seen.text, L"需暂时退出webd，待配置生成完毕再运行\r\n是否需要关闭webd？");
        if (stop) {
            EXPECT_EQ(WaitForSingleObject(server.hProcess, 5000), WAIT_OBJECT_0);
            EXPECT_TRUE(app.WaitForWindow());
        } else {
            EXPECT_EQ(app.ExitCode(5000), 0);
            EXPECT_FALSE(app.WaitForWindow(100)) << "the window is never shown";
            EXPECT_EQ(WaitForSingleObject(server.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
        }
        EndProcess(server);
    }
}

}  // namespace
