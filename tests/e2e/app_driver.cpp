#include "tests/e2e/app_driver.h"

#include "ui/window_build_win.h"

namespace {

// The Linux path of a Windows path, as Wine's own kernel32 tells it.
std::string UnixPathOf(const std::wstring& path) {
    using Convert = char*(CDECL*)(const wchar_t*);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unix = convert ? convert(path.c_str()) : nullptr;
    std::string out = unix ? unix : "";
    if (unix) HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

}  // namespace

App::App(const AppStart& start) : dir(L"kelvara-e2e"), fromLinux_(start.fromLinux) {
    runFolder = dir.path;
    if (!start.subfolder.empty()) {
        for (size_t at = 0; at != std::wstring::npos;) {
            at = start.subfolder.find(L'\\', at + 1);
            CreateDirectoryW((runFolder + L"\\" + start.subfolder.substr(0, at)).c_str(), nullptr);
        }
        runFolder += L"\\" + start.subfolder;
    }
    exe_ = runFolder + L"\\" + start.exeName;
    CopyFileW((TestBinDirectory() + L"\\kelvara.exe").c_str(), exe_.c_str(), FALSE);
    if (start.withServer) CopyFileW(StandinExe().c_str(), (runFolder + L"\\webd.exe").c_str(), FALSE);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (start.showCommand >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(start.showCommand);
    }
    if (start.fromLinux) {
        // A Linux program started from Wine: the wine loader then starts the
        // exe in this same Wine, and the window is found by its class.
        // The loader this Wine runs with, when scripts/wine-run.sh chose one.
        wchar_t chosen[MAX_PATH] = {};
        std::wstring wine = GetEnvironmentVariableW(L"WINELOADER", chosen, MAX_PATH) ? chosen : L"/usr/bin/wine";
        std::wstring line = wine + L" " + WideFromUtf8(UnixPathOf(exe_));  // the loader finds itself by argv[0]
        std::wstring program = L"Z:" + wine;
        for (wchar_t& c : program) c = c == L'/' ? L'\\' : c;
        PROCESS_INFORMATION loader = {};
        if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\", &startup,
                           &loader)) {
            CloseHandle(loader.hThread);
            CloseHandle(loader.hProcess);
        }
        return;
    }
    std::wstring line = L"\"" + exe_ + L"\"";
    // Started from elsewhere on purpose: the program fixes its own directory.
    CreateProcessW(exe_.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\", &startup, &process);
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
        if (fromLinux_ && !process.hProcess) {
            HWND found = FindWindowW(kMainWindowClass, nullptr);
            DWORD pid = 0;
            process.dwThreadId = found ? GetWindowThreadProcessId(found, &pid) : 0;
            if (pid) {
                process.dwProcessId = pid;
                process.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, pid);
            }
            Sleep(20);
            continue;
        }
        if (HWND found = FindVisibleWindowOf(process.dwProcessId, kMainWindowClass)) {
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
    size_t length = static_cast<size_t>(SendMessageW(Control(id), WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(Control(id), WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()))));
    return text;
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

void App::Paste(ControlId id, const std::wstring& text) const {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    Click(id);
    SendMessageW(Control(id), EM_SETSEL, 0, -1);  // the paste replaces what the box held
    INPUT keys[4] = {};
    for (INPUT& k : keys) k.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[3].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = keys[2].ki.wVk = 'V';
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    Activate();
    SendInput(4, keys, sizeof(INPUT));
    Settle();
}

void App::Settle() const {
    Sleep(60);
    WaitForInputIdle(process.hProcess, 1000);
}

// Saves the client area as a BMP for a person to look at.
void SaveClientShot(HWND window, const std::wstring& path) {
    RECT r;
    GetClientRect(window, &r);
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
    BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    DWORD size = static_cast<DWORD>(r.right * r.bottom * 4);
    file.bfSize = file.bfOffBits + size;
    std::string bytes(reinterpret_cast<char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
    bytes.append(static_cast<char*>(bits), size);
    WriteBytes(path, bytes);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
}
