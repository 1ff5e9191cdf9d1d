// Drives the real kelvara.exe as a user would: started from its own folder,
// found by its window, fed real key strokes and mouse clicks with SendInput,
// read through its controls.
#pragma once

#include <windows.h>

#include <string>

#include "tests/win/test_support.h"
#include "ui/control_table.h"

// How the program is put in place and started.
struct AppStart {
    bool withServer = false;             // the stand-in beside it as webd.exe
    std::wstring exeName = L"kelvara.exe";
    std::wstring subfolder;              // below the fresh folder, e.g. a very long path
    int showCommand = -1;                // STARTUPINFO's show command, when not -1
    // Started by a Linux-side wine, as Explorer would start a program whose
    // path Wine's CreateProcess refuses (longer than 260 characters).
    bool fromLinux = false;
};

struct App {
    TempDir dir;
    std::wstring runFolder;  // where the exe lies: dir, or a folder below it
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;

    // Copies kelvara.exe (and, when asked, the stand-in as webd.exe) into a
    // fresh folder and starts it there. Does not wait for the window.
    explicit App(const AppStart& start = AppStart());
    ~App();

    std::wstring Exe() const { return exe_; }
    // Waits until the main window is visible.
    bool WaitForWindow(DWORD timeoutMs = 10000);
    // Exit code once the program ended within the time given, or -1.
    long ExitCode(DWORD timeoutMs);

    HWND Control(ControlId id) const;
    std::wstring Text(ControlId id) const;
    void SetText(ControlId id, const std::wstring& text) const;  // WM_SETTEXT, no typing
    bool Checked(ControlId id) const;
    bool Enabled(ControlId id) const;
    HWND Focus() const;
    bool WaitForFocus(ControlId id, DWORD timeoutMs = 3000) const;

    void Activate() const;
    void Click(ControlId id) const;
    void Key(WORD vk, bool shift = false) const;
    void Type(const std::wstring& keys) const;  // digits, lower-case letters and '-'
    void Settle() const;  // lets the program handle what it was sent
    void SettleAfterBox() const;  // the window active and focused again
    // Puts text on the clipboard and pastes it with Ctrl+V into the control.
    void Paste(ControlId id, const std::wstring& text) const;

private:
    std::wstring exe_;
    bool fromLinux_ = false;
};

// Saves the window's client area as a BMP for a person to look at.
void SaveClientShot(HWND window, const std::wstring& path);
