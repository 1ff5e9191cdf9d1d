// Helpers for the tests that run under Wine: real folders, real files, real
// processes and message boxes answered as a user would.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "host/text.h"

// A fresh folder under the temporary directory, removed with all it holds.
struct TempDir {
    std::wstring path;  // no trailing backslash
    explicit TempDir(const std::wstring& name = L"kelvara");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::wstring operator/(const std::wstring& name) const { return path + L"\\" + name; }
    Text Gbk() const;
};

void RemoveTree(const std::wstring& path);
bool WriteBytes(const std::wstring& path, const std::string& bytes);
// The whole content, or "<missing>" when the file cannot be read.
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);
bool IsDirectoryW(const std::wstring& path);
std::wstring ErrorText(const wchar_t* call, const std::wstring& path);

std::wstring WideFromUtf8(const std::string& s);
std::string Utf8FromWide(const std::wstring& w);

// The directory of this test executable, and of the stand-in webd.exe.
std::wstring TestBinDirectory();
std::wstring StandinExe();

// A visible top-level window of the process (of that class, when given).
HWND FindVisibleWindowOf(DWORD pid, const wchar_t* windowClass = nullptr);

// Starts a copy of the stand-in; the process handle is the caller's.
PROCESS_INFORMATION StartProgram(const std::wstring& exe, const std::wstring& workingDir = L"");
// Waits for the stand-in's started.txt in dir to hold `count` records.
std::vector<std::string> WaitForStartRecords(const std::wstring& dir, size_t count, DWORD timeoutMs);
// A key=value line of one start record ("" when absent), and the end of the
// process it records.
std::string RecordField(const std::string& record, const std::string& key);
void EndRecordedProcess(const std::string& record);
void EndProcess(PROCESS_INFORMATION& process);

enum class BoxAction { ClickOk, ClickCancel, EscapeKey, CloseButton };

struct BoxSeen {
    bool found = false;
    std::wstring title;
    std::wstring text;
    bool hasOk = false;
    bool hasCancel = false;
};

// Waits on its own thread for a message box with the given title, reads it,
// and answers it. Join (or destroy) to get what it saw.
struct BoxAnswerer {
    BoxAnswerer(std::wstring title, BoxAction action, DWORD timeoutMs = 10000);
    ~BoxAnswerer();
    BoxSeen Wait();

private:
    BoxSeen seen_;  // before worker_: the thread writes it
    std::thread worker_;
};

// True when no message box with this title shows up within timeoutMs.
bool NoBoxAppears(const std::wstring& title, DWORD timeoutMs);
// Reads a top-level #32770 box with this title, if one is up now.
HWND FindBox(const std::wstring& title);
BoxSeen ReadBox(HWND box);
void AnswerBox(HWND box, BoxAction action);
