// The window at other display scales. Wine takes the scale from LogPixels
// (HKCU\Control Panel\Desktop) when a program starts, and scales nothing
// for it: what the window shows is what the program laid out.
#include <gtest/gtest.h>

#include "tests/e2e/app_driver.h"
#include "ui/dpi_scale.h"

namespace {

// The display scale for the programs started while it lives.
struct ScopedLogPixels {
    HKEY key = nullptr;
    DWORD previous = 0;
    bool hadValue = false;
    explicit ScopedLogPixels(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr);
        DWORD size = sizeof(previous);
        hadValue = RegQueryValueExW(key, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&previous), &size) ==
                   ERROR_SUCCESS;
        RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi));
    }
    ~ScopedLogPixels() {
        if (hadValue) {
            RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&previous), sizeof(previous));
        } else {
            RegDeleteValueW(key, L"LogPixels");
        }
        RegCloseKey(key);
    }
};

// Every control where the table puts it, scaled; and the client area holds
// the whole layout (912 × 245 at 96 DPI): nothing cut at the right or bottom.
void ExpectScaledLayout(const App& app, int dpi) {
    POINT origin = {0, 0};
    ClientToScreen(app.window, &origin);
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(testing::Message() << "position " << row.id + 1);
        LayoutRect expected = ScaleRect({row.left, row.top, row.width, row.height}, dpi);
        RECT r;
        GetWindowRect(app.Control(row.id), &r);
        EXPECT_EQ((LayoutRect{r.left - origin.x, r.top - origin.y, r.right - r.left, r.bottom - r.top}), expected);
    }
    RECT client;
    GetClientRect(app.window, &client);
    EXPECT_GE(client.right, ScaleLength(912, dpi));
    EXPECT_GE(client.bottom, ScaleLength(245, dpi));
}

TEST(Dpi, TheWindowIsTheTableScaledAtEveryDisplayScale) {
    for (int dpi : {120, 144, 192}) {
        SCOPED_TRACE(testing::Message() << dpi << " DPI");
        ScopedLogPixels scale(static_cast<DWORD>(dpi));
        App app;
        ASSERT_TRUE(app.WaitForWindow());
        RECT w;
        GetWindowRect(app.window, &w);
        EXPECT_EQ(w.right - w.left, ScaleLength(kWindowWidth, dpi));
        EXPECT_EQ(w.bottom - w.top, ScaleLength(kWindowHeight, dpi));
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        LayoutPoint start = StartPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                          {work.left, work.top, work.right - work.left, work.bottom - work.top},
                                          w.right - w.left, w.bottom - w.top);
        EXPECT_EQ(w.left, start.x);
        EXPECT_EQ(w.top, start.y);
        ExpectScaledLayout(app, dpi);
        if (dpi == 144) SaveClientShot(app.window, TestBinDirectory() + L"\\e2e-window-150.bmp");
    }
}

TEST(Dpi, MovingToAMonitorWithAnotherScaleLaysTheWindowOutAgain) {
    // A single-display Wine never sends WM_DPICHANGED: it is sent here as
    // Windows would send it, with the suggested rectangle.
    App app;
    ASSERT_TRUE(app.WaitForWindow());
    app.Click(选择框16);
    app.SetText(编辑框5, L"第二个");
    app.Click(编辑框6);
    ASSERT_TRUE(app.WaitForFocus(编辑框6));
    RECT before;
    GetWindowRect(app.window, &before);
    RECT suggested = {before.left, before.top, before.left + ScaleLength(kWindowWidth, 144),
                      before.top + ScaleLength(kWindowHeight, 144)};
    // The rectangle must lie in the program's own memory, as Windows puts it there.
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, app.process.dwProcessId);
    ASSERT_NE(process, nullptr);
    void* remote = VirtualAllocEx(process, nullptr, sizeof(suggested), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_NE(remote, nullptr);
    ASSERT_TRUE(WriteProcessMemory(process, remote, &suggested, sizeof(suggested), nullptr));
    SendMessageW(app.window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    app.Settle();
    RECT after;
    GetWindowRect(app.window, &after);
    EXPECT_EQ(after.right - after.left, suggested.right - suggested.left);
    EXPECT_EQ(after.bottom - after.top, suggested.bottom - suggested.top);
    ExpectScaledLayout(app, 144);
    EXPECT_EQ(app.Text(编辑框5), L"第二个");
    EXPECT_TRUE(app.Checked(选择框16));
    EXPECT_TRUE(app.Enabled(选择框10));
    EXPECT_EQ(app.Focus(), app.Control(编辑框6));
}

}  // namespace
