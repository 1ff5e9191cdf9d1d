#include "tests/win/test_support.h"

#include <gtest/gtest.h>

#include "host/win_text.h"

TempDir::TempDir(const std::wstring& name) {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    // A bounded search: a name the file system cannot hold must fail the test, not hang it.
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = std::wstring(base) + name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(++counter);
        if (CreateDirectoryW(path.c_str(), nullptr)) return;
    }
    ADD_FAILURE() << "cannot create a temporary folder: " << Utf8FromWide(ErrorText(L"CreateDirectoryW", path));
}

TempDir::~TempDir() { RemoveTree(path); }

Text TempDir::Gbk() const { return GbkFromWide(path); }

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string out;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) out.append(buffer, got);
    CloseHandle(file);
    return out;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectoryW(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring ErrorText(const wchar_t* call, const std::wstring& path) {
    return std::wstring(call) + L"(" + path + L") error " + std::to_wstring(GetLastError());
}

std::wstring WideFromUtf8(const std::string& s) {
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
    return out;
}

std::string Utf8FromWide(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring TestBinDirectory() {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path = module;
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring StandinExe() { return TestBinDirectory() + L"\\standin\\webd.exe"; }

namespace {

struct WindowSearch {
    DWORD pid;
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND w, LPARAM context) {
    auto* s = reinterpret_cast<WindowSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s->pid || !IsWindowVisible(w)) return TRUE;
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    if (s->windowClass && std::wstring(cls) != s->windowClass) return TRUE;
    s->found = w;
    return FALSE;
}

}  // namespace

HWND FindVisibleWindowOf(DWORD pid, const wchar_t* windowClass) {
    WindowSearch s = {pid, windowClass, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

PROCESS_INFORMATION StartProgram(const std::wstring& exe, const std::wstring& workingDir) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + exe + L"\"";
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &started)) {
        started = {};
        return started;
    }
    WaitForInputIdle(started.hProcess, 5000);
    return started;
}

std::vector<std::string> WaitForStartRecords(const std::wstring& dir, size_t count, DWORD timeoutMs) {
    std::vector<std::string> records;
    DWORD start = GetTickCount();
    do {
        std::string all = ReadBytes(dir + L"\\started.txt");
        records.clear();
        if (all != "<missing>") {
            size_t at = 0;
            while ((at = all.find("pid=", at)) != std::string::npos) {
                size_t next = all.find("pid=", at + 4);
                std::string one = all.substr(at, next == std::string::npos ? std::string::npos : next - at);
                if (one.find("winmain_show=") != std::string::npos && one.back() == '\n') records.push_back(one);
                at = at + 4;
            }
        }
        if (records.size() >= count) break;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return records;
}

std::string RecordField(const std::string& record, const std::string& key) {
    std::string line = "\n" + record;  // every key then follows a line end
    size_t at = line.find("\n" + key + "=");
    if (at == std::string::npos) return std::string();
    at += key.size() + 2;
    return line.substr(at, line.find('\n', at) - at);
}

void EndRecordedProcess(const std::string& record) {
    PROCESS_INFORMATION p = {};
    p.hProcess = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                             static_cast<DWORD>(std::stoul(RecordField(record, "pid"))));
    EndProcess(p);
}

void EndProcess(PROCESS_INFORMATION& process) {
    if (process.hProcess) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hProcess);
    }
    if (process.hThread) CloseHandle(process.hThread);
    process = {};
}

HWND FindBox(const std::wstring& title) {
    HWND box = FindWindowW(L"#32770", title.empty() ? nullptr : title.c_str());
    return box && IsWindowVisible(box) ? box : nullptr;
}

BoxSeen ReadBox(HWND box) {
    BoxSeen seen;
    seen.found = true;
    wchar_t buffer[1024] = {};
    GetWindowTextW(box, buffer, 1024);
    seen.title = buffer;
    buffer[0] = 0;
    GetDlgItemTextW(box, 0xFFFF, buffer, 1024);
    seen.text = buffer;
    seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
    seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    return seen;
}

void AnswerBox(HWND box, BoxAction action) {
    switch (action) {
        case BoxAction::ClickOk:
            SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
            break;
        case BoxAction::ClickCancel:
            SendMessageW(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
            break;
        case BoxAction::EscapeKey: {
            SetForegroundWindow(box);
            INPUT keys[2] = {};
            keys[0].type = keys[1].type = INPUT_KEYBOARD;
            keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, keys, sizeof(INPUT));
            break;
        }
        case BoxAction::CloseButton:
            PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
    }
}

BoxAnswerer::BoxAnswerer(std::wstring title, BoxAction action, DWORD timeoutMs)
    : worker_([this, title, action, timeoutMs] {
          DWORD start = GetTickCount();
          while (GetTickCount() - start < timeoutMs) {
              if (HWND box = FindBox(title)) {
                  Sleep(50);  // let it finish drawing and take the focus, as a person would
                  seen_ = ReadBox(box);
                  AnswerBox(box, action);
                  return;
              }
              Sleep(10);
          }
      }) {}

BoxAnswerer::~BoxAnswerer() {
    if (worker_.joinable()) worker_.join();
}

BoxSeen BoxAnswerer::Wait() {
    if (worker_.joinable()) worker_.join();
    return seen_;
}

bool NoBoxAppears(const std::wstring& title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (FindBox(title)) return false;
        Sleep(10);
    }
    return true;
}

FolderSnapshot Snapshot(const std::wstring& dir) {
    FolderSnapshot out;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return out;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        EntrySeen e;
        e.directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        e.attributes = found.dwFileAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        if (!e.directory) e.bytes = ReadBytes(dir + L"\\" + name);
        out[name] = e;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return out;
}

void PrintTo(const EntrySeen& e, std::ostream* out) {
    *out << (e.directory ? "<dir>" : "\"" + e.bytes.substr(0, 60) + "\"") << (e.attributes & FILE_ATTRIBUTE_READONLY ? " ro" : "");
}

std::string Describe(const FolderSnapshot& snapshot) {
    std::string out;
    for (const auto& [name, e] : snapshot) {
        out += Utf8FromWide(name) + (e.directory ? " <dir>" : " \"" + e.bytes.substr(0, 40) + "\"") +
               (e.attributes & FILE_ATTRIBUTE_READONLY ? " ro" : "") + "; ";
    }
    return out.empty() ? "(empty)" : out;
}

HeldFile::HeldFile(const std::wstring& path) {
    std::wstring event = L"kelvara-held-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                         std::to_wstring(GetTickCount());
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, event.c_str());
    std::wstring self = TestBinDirectory() + L"\\kelvara_win_tests.exe";
    std::wstring line = L"\"" + self + L"\" --hold-file \"" + path + L"\" " + event;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (CreateProcessW(self.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &holder_)) {
        HANDLE waits[2] = {ready, holder_.hProcess};
        held = WaitForMultipleObjects(2, waits, FALSE, 10000) == WAIT_OBJECT_0;
    }
    CloseHandle(ready);
}

HeldFile::~HeldFile() { EndProcess(holder_); }

std::wstring SystemMessageOf(DWORD error) {
    wchar_t* buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                             nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message(buffer ? buffer : L"", n);
    LocalFree(buffer);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
        message.pop_back();
    }
    return message;
}
