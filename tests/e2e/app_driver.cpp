#include "tests/e2e/app_driver.h"

App::App(bool withServer, const std::wstring& folder) : dir(folder) {
    CopyFileW((TestBinDirectory() + L"\\kelvara.exe").c_str(), Exe().c_str(), FALSE);
    if (withServer) CopyFileW(StandinExe().c_str(), (dir / L"webd.exe").c_str(), FALSE);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    std::wstring line = L"\"" + Exe() + L"\"";
    // Started from elsewhere on purpose: the program fixes its own directory.
    CreateProcessW(Exe().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\", &startup, &process);
}

App::~App() {
    if (process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
}

namespace {

void SendKey(WORD vk, bool up) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof(in));
}

}  // namespace

bool App::WaitForWindow(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (HWND found = FindVisibleWindowOf(process.dwProcessId, L"KelvaraMainWindow")) {
            window = found;
            WaitForInputIdle(process.hProcess, 2000);
            return true;
        }
        if (WaitForSingleObject(process.hProcess, 0) != WAIT_TIMEOUT) return false;
        Sleep(20);
    }
    return false;
}

long App::ExitCode(DWORD timeoutMs) {
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<long>(code);
}

HWND App::Control(ControlId id) const { return GetDlgItem(window, ControlCommandId(id)); }

std::wstring App::Text(ControlId id) const {
    // WM_GETTEXT itself: GetWindowTextW does not ask another process's edit box.
    wchar_t buffer[4096] = {};
    SendMessageW(Control(id), WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

void App::SetText(ControlId id, const std::wstring& text) const {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool App::Checked(ControlId id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool App::Enabled(ControlId id) const { return IsWindowEnabled(Control(id)) != FALSE; }

HWND App::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(process.dwThreadId, &info);
    return info.hwndFocus;
}

bool App::WaitForFocus(ControlId id, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    do {
        if (Focus() == Control(id)) return true;
        Sleep(10);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

void App::Activate() const {
    // A modal box that just closed re-enables the window a moment later.
    for (int i = 0; i < 100 && !IsWindowEnabled(window); ++i) Sleep(10);
    if (GetForegroundWindow() != window) SetForegroundWindow(window);
    for (int i = 0; i < 100 && GetForegroundWindow() != window; ++i) Sleep(10);
    // Reactivation puts the focus back a moment later (under Wine through
    // the X server); input sent before that would be overtaken by it.
    for (int i = 0; i < 100 && Focus() == nullptr; ++i) Sleep(10);
}

void App::Click(ControlId id) const {
    // Two clicks on one spot within the double-click time are a double click,
    // which an edit box does not take as a click into it.
    static DWORD lastClick = 0;
    DWORD since = GetTickCount() - lastClick;
    if (since < GetDoubleClickTime() + 50) Sleep(GetDoubleClickTime() + 50 - since);
    Activate();
    RECT r;
    GetWindowRect(Control(id), &r);
    int x = (r.left + r.right) / 2;
    int y = (r.top + r.bottom) / 2;
    // Check boxes: on the box itself, at the left.
    if (kControls[id].kind == ControlKind::CheckBox) x = r.left + 7;
    INPUT in[3] = {};
    for (INPUT& i : in) i.type = INPUT_MOUSE;
    in[0].mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in[0].mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
    lastClick = GetTickCount();
    Settle();
}

void App::Key(WORD vk, bool shift) const {
    Activate();
    if (shift) SendKey(VK_SHIFT, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (shift) SendKey(VK_SHIFT, true);
    Settle();
}

void App::Type(const std::wstring& keys) const {
    for (wchar_t c : keys) {
        WORD vk = c == L'-' ? VK_OEM_MINUS : static_cast<WORD>(towupper(c));
        Key(vk);
    }
}

void App::SettleAfterBox() const {
    Activate();
    Sleep(250);
}

void App::Settle() const {
    Sleep(60);
    WaitForInputIdle(process.hProcess, 1000);
}
