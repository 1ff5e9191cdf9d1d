#include <windows.h>

#include "host/command_line.h"
#include "host/host_ops.h"
#include "host/main_window_win.h"
#include "host/win_text.h"

#ifdef KELVARA_FAULT_SEAM
#include "host/fault_seam.h"
#endif

namespace {

Text g_runDirectory;
HWND g_mainWindow = nullptr;
DWORD g_lastFileError = 0;

// W calls on GBK paths; the empty text stays an empty (not null) string so
// that every call gets a valid pointer.
std::wstring PathW(std::string_view path) { return WideFromGbk(path); }

bool Failed() {
    g_lastFileError = GetLastError();
    return false;
}

#ifdef KELVARA_FAULT_SEAM
int g_operations = 0;
int g_failAt = 0;
DWORD g_injectedError = 0;

// True when this operation is the one armed to fail; the last error is set
// as the system would set it.
bool InjectedFault() {
    if (++g_operations != g_failAt) return false;
    SetLastError(g_injectedError);
    return true;
}
#else
constexpr bool InjectedFault() { return false; }
#endif

int MessageBoxOf(const std::wstring& text, const std::wstring& title, UINT style) {
    if ((style & MB_SYSTEMMODAL) == 0) style |= MB_TASKMODAL;
    return MessageBoxW(nullptr, text.c_str(), title.c_str(), style);
}

// The system's message for an error, without its closing line break.
std::wstring SystemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                             nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message = n ? std::wstring(buffer, n) : L"错误 " + std::to_wstring(error);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
        message.pop_back();
    }
    return message;
}

}  // namespace

#ifdef KELVARA_FAULT_SEAM
void ArmFileFault(int failAt, uint32_t error) {
    g_operations = 0;
    g_failAt = failAt;
    g_injectedError = error;
}

int FileOperationCount() { return g_operations; }
#endif

void SetMainWindow(HWND window) { g_mainWindow = window; }

int MsgBox(std::string_view text, int buttons, std::string_view title) {
    int id = MessageBoxOf(WideFromGbk(text), WideFromGbk(title), static_cast<UINT>(buttons));
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

void ShowFailure(std::string_view reason, uint32_t systemError) {
    // Wide all the way: the system's message may hold characters outside GBK.
    std::wstring text = L"失败\r\n" + WideFromGbk(reason);
    if (systemError != 0) text += SystemMessage(systemError);
    MessageBoxOf(text, L"false", MB_OK);
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
    // Whatever the length: a path cut at the buffer's end would make a
    // parent folder the run directory.
    std::wstring module(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
        if (n < module.size()) {
            module.resize(n);
            break;
        }
        module.resize(module.size() * 2);
    }
    SetRunDirectory(RunDirectoryOf(GbkFromWide(module)));
}

bool FileWrite(std::string_view path, const ByteArray& bytes, bool* opened) {
    if (opened) *opened = false;
    if (path.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return Failed();
    }
    HANDLE file = InjectedFault() ? INVALID_HANDLE_VALUE
                                  : CreateFileW(PathW(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed();
    if (opened) *opened = true;
    bool ok = true;
    DWORD error = 0;
    if (!bytes.empty()) {
        DWORD size = static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (InjectedFault()) {
            // As a full disk would: part of the bytes, then the error.
            DWORD saved = GetLastError();
            WriteFile(file, bytes.data(), size / 2, &written, nullptr);
            error = saved;
            ok = false;
        } else if (!WriteFile(file, bytes.data(), size, &written, nullptr)) {
            error = GetLastError();
            ok = false;
        } else if (written != size) {
            error = ERROR_DISK_FULL;
            ok = false;
        }
    }
    // A close that fails may mean data never reached the disk.
    bool injectedClose = InjectedFault();
    DWORD closeError = injectedClose ? GetLastError() : 0;
    if (!CloseHandle(file) || injectedClose) {
        if (ok) error = injectedClose ? closeError : GetLastError();
        ok = false;
    }
    if (!ok) {
        SetLastError(error);
        return Failed();
    }
    return true;
}

bool FileRead(std::string_view path, ByteArray& bytes) {
    bytes.clear();
    HANDLE file = InjectedFault() ? INVALID_HANDLE_VALUE
                                  : CreateFileW(PathW(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed();
    bool ok = true;
    DWORD error = 0;
    unsigned char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (InjectedFault() || !ReadFile(file, buffer, sizeof(buffer), &got, nullptr)) {
            error = GetLastError();
            ok = false;
            break;
        }
        if (got == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    CloseHandle(file);  // nothing was written: a failing close changes nothing
    if (!ok) {
        SetLastError(error);
        return Failed();
    }
    return true;
}

// MoveFileW never replaces: the backup rotation relies on it.
bool FileRename(std::string_view oldPath, std::string_view newPath) {
    if (InjectedFault() || !MoveFileW(PathW(oldPath).c_str(), PathW(newPath).c_str())) return Failed();
    return true;
}

bool FileDelete(std::string_view path) {
    if (InjectedFault() || !DeleteFileW(PathW(path).c_str())) return Failed();
    return true;
}

uint32_t FileAttributes(std::string_view path) { return GetFileAttributesW(PathW(path).c_str()); }

bool FileSetAttributes(std::string_view path, uint32_t attributes) {
    if (InjectedFault() || !SetFileAttributesW(PathW(path).c_str(), attributes)) return Failed();
    return true;
}

bool FileClearReadOnly(std::string_view path) {
    DWORD attributes = FileAttributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return Failed();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        SetLastError(ERROR_ACCESS_DENIED);
        return Failed();
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) == 0) return true;
    return FileSetAttributes(path, attributes & ~FILE_ATTRIBUTE_READONLY);
}

bool FileExists(std::string_view path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(PathW(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

uint32_t LastFileError() { return g_lastFileError; }

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
