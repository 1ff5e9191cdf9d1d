// Stand-in for the real server in tests: records how it was started (command
// line, working directory, show command) in started.txt beside its own exe,
// then keeps a window and a message loop (so WaitForInputIdle sees it idle)
// until it is ended, closed, or two minutes have passed.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void RecordStart(int showCommand) {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring record = module;
    record = record.substr(0, record.find_last_of(L'\\') + 1) + L"started.txt";

    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);

    std::string line = "pid=" + std::to_string(GetCurrentProcessId()) + "\n" +
                       "exe=" + Utf8(module) + "\n" +
                       "cmdline=" + Utf8(GetCommandLineW()) + "\n" +
                       "cwd=" + Utf8(cwd) + "\n" +
                       "flags=" + std::to_string(startup.dwFlags) + "\n" +
                       "show=" + std::to_string(startup.wShowWindow) + "\n" +
                       "winmain_show=" + std::to_string(showCommand) + "\n";
    HANDLE file = CreateFileW(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK StandinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CALLBACK EndAfterTimeout(HWND window, UINT, UINT_PTR, DWORD) { DestroyWindow(window); }

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    RecordStart(showCommand);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = StandinProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"webd-standin";
    RegisterClassW(&wc);
    HWND window = CreateWindowW(L"webd-standin", L"webd stand-in", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    SetTimer(window, 1, 120000, EndAfterTimeout);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
