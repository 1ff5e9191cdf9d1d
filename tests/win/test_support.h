// Helpers for the tests that run under Wine: real folders, real files, real
// processes and message boxes answered as a user would.
#pragma once

#include <windows.h>

#include <atomic>
#include <map>
#include <ostream>
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

// Every entry of a folder (not recursive): whether it is a directory, its
// bytes and the attributes that matter (read-only, hidden, system).
struct EntrySeen {
    bool directory = false;
    std::string bytes;
    DWORD attributes = 0;
    bool operator==(const EntrySeen&) const = default;
};
void PrintTo(const EntrySeen& e, std::ostream* out);
using FolderSnapshot = std::map<std::wstring, EntrySeen>;
FolderSnapshot Snapshot(const std::wstring& dir);
std::string Describe(const FolderSnapshot& snapshot);

// A file held open without sharing by another process (a second copy of the
// test executable), as an editor or a backup program might hold it.
struct HeldFile {
    explicit HeldFile(const std::wstring& path);
    ~HeldFile();
    bool held = false;

private:
    PROCESS_INFORMATION holder_ = {};
};

// The system's message for an error code, as the tool shows it.
std::wstring SystemMessageOf(DWORD error);

enum class BoxAction { ClickOk, ClickCancel, EscapeKey, CloseButton };

struct BoxSeen {
    bool found = false;
    std::wstring title;
    std::wstring text;
    bool hasOk = false;
    bool hasCancel = false;
    // The text's first line, and what follows it ("" when nothing does).
    std::wstring FirstLine() const { return text.substr(0, text.find(L"\r\n")); }
    std::wstring Reason() const {
        size_t at = text.find(L"\r\n");
        return at == std::wstring::npos ? std::wstring() : text.substr(at + 2);
    }
};

// Waits on its own thread for a message box with the given title (any title
// when empty), reads it, and answers it. Join (or destroy) to get what it saw.
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
// Reads a top-level #32770 box with this title (any when empty), if one is up now.
HWND FindBox(const std::wstring& title);
BoxSeen ReadBox(HWND box);
void AnswerBox(HWND box, BoxAction action);
