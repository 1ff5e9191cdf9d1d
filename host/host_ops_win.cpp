#include <windows.h>

#include "host/command_line.h"
#include "host/host_ops.h"
#include "host/main_window_win.h"
#include "host/win_text.h"

namespace {

Text g_runDirectory;
HWND g_mainWindow = nullptr;

// W calls on GBK paths; the empty text stays an empty (not null) string so
// that every call gets a valid pointer.
std::wstring PathW(std::string_view path) { return WideFromGbk(path); }

}  // namespace

void SetMainWindow(HWND window) { g_mainWindow = window; }

int MsgBox(std::string_view text, int buttons, std::string_view title) {
    UINT style = static_cast<UINT>(buttons);
    if ((style & MB_SYSTEMMODAL) == 0) style |= MB_TASKMODAL;
    int id = MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(title).c_str(), style);
    // An OK-only box has one answer however it is closed (Wine reports
    // Escape there as IDCANCEL, Windows as IDOK).
    if (buttons == kButtonsOk) return 0;
    switch (id) {
        case IDOK: return 0;
        case IDCANCEL: return 1;
        case IDABORT: return 2;
        case IDRETRY: return 3;
        case IDIGNORE: return 4;
        case IDYES: return 5;
        case IDNO: return 6;
        default: return 0;  // 0 when the box could not be shown, too
    }
}

void CloseMainWindow() { PostMessageW(g_mainWindow, WM_CLOSE, 0, 0); }

void ExitProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

Text RunDirectory() { return g_runDirectory; }

void SetRunDirectory(Text directory) {
    g_runDirectory = std::move(directory);
    // "D:" alone would mean drive D's own current directory, not its root.
    std::wstring current = WideFromGbk(g_runDirectory);
    if (current.size() == 2 && current[1] == L':') current += L'\\';
    SetCurrentDirectoryW(current.c_str());
}

void FixRunDirectory() {
    wchar_t module[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(nullptr, module, MAX_PATH);
    SetRunDirectory(RunDirectoryOf(GbkFromWide(module, static_cast<int>(n))));
}

bool FileWrite(std::string_view path, const ByteArray& bytes) {
    if (path.empty()) return false;
    HANDLE file = CreateFileW(PathW(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    if (!bytes.empty()) {
        DWORD written = 0;
        ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
             written == bytes.size();
    }
    // A close that fails may mean data never reached the disk.
    if (!CloseHandle(file)) ok = false;
    return ok;
}

// MoveFileW never replaces: the backup rotation relies on it.
bool FileRename(std::string_view oldPath, std::string_view newPath) {
    return MoveFileW(PathW(oldPath).c_str(), PathW(newPath).c_str()) != FALSE;
}

bool FileDelete(std::string_view path) { return DeleteFileW(PathW(path).c_str()) != FALSE; }

bool FileClearReadOnly(std::string_view path) {
    std::wstring wide = PathW(path);
    DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if ((attributes & FILE_ATTRIBUTE_READONLY) == 0) return true;
    return SetFileAttributesW(wide.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) != FALSE;
}

bool FileExists(std::string_view path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(PathW(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

int ShowCommandForMode(int showMode) {
    static constexpr int kShowCommands[] = {SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED,
                                            SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_MINIMIZE};
    if (showMode < 1) showMode = 1;
    if (showMode > 6) showMode = 6;
    return kShowCommands[showMode - 1];
}

bool LaunchProgram(std::string_view programPath, bool wait, int showMode) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(ShowCommandForMode(showMode));
    // The application name makes Windows start exactly this file; without it
    // an unquoted "C:\a b\webd.exe" would first try C:\a.exe.
    std::wstring application = PathW(programPath);
    std::wstring commandLine = QuoteCommandLineArgument<wchar_t>(application);
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started)) {
        return false;
    }
    if (wait) {
        WaitForSingleObject(started.hProcess, INFINITE);
    } else {
        WaitForInputIdle(started.hProcess, 1000);
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}
