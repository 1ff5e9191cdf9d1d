// The program's only ways out to its surroundings: message boxes, its own
// directory, files, starting another program and ending itself. None of them
// raises or reports an error; failures are the results stated.
#pragma once

#include <cstdint>

#include "host/run_directory.h"
#include "host/text.h"

// Button sets: 0 is OK alone, 1 is OK and Cancel.
enum : int { kButtonsOk = 0, kButtonsOkCancel = 1 };
// Answers: 0 is OK, 1 is Cancel (and Escape or the close button).
enum : int { kAnswerOk = 0, kAnswerCancel = 1 };

// A task-modal box without owner or icon. 0 also when it cannot be shown.
int MsgBox(std::string_view text, int buttons, std::string_view title);

// Posts a close request to the main window and returns at once.
void CloseMainWindow();
[[noreturn]] void ExitProgram(int exitCode);

// The directory fixed at start-up, without trailing backslash, as a new copy.
Text RunDirectory();
// Fixes the run directory (no trailing backslash) and makes it the current
// directory; FixRunDirectory takes it from the executable's own path.
void SetRunDirectory(Text directory);
void FixRunDirectory();

// Creates the file or cuts it to 0 bytes and writes every byte; true only
// when all was written and the file closed. An empty path gives false.
// opened (when given) tells whether the file was created or cut, so that a
// failed write knows it left a partial file behind.
bool FileWrite(std::string_view path, const ByteArray& bytes, bool* opened = nullptr);
// The whole content of a file; false when it cannot be read.
bool FileRead(std::string_view path, ByteArray& bytes);
// Never replaces: fails, changing nothing, when newPath exists (file or
// directory) or oldPath does not.
bool FileRename(std::string_view oldPath, std::string_view newPath);
bool FileDelete(std::string_view path);
// A file's attributes as the system keeps them, to be put back unchanged
// (all bits set when there is no such entry).
uint32_t FileAttributes(std::string_view path);
bool FileSetAttributes(std::string_view path, uint32_t attributes);
// Clears the read-only attribute of a file (not of a directory); false when
// there is no such file or the attribute cannot be changed. A file that is
// not read-only is left alone.
bool FileClearReadOnly(std::string_view path);
// True for any entry of that name, directories included.
bool FileExists(std::string_view path);
// The system's error code for the last file operation above that failed.
uint32_t LastFileError();

// The failure box: 失败, and on a second line why: the reason (GBK) followed,
// when systemError is not 0, by the system's own message for that error in
// the user's display language. Title "false", OK alone.
void ShowFailure(std::string_view reason, uint32_t systemError = 0);

// Show modes: 1 hidden, 2 normal, 3 minimised, 4 maximised, 5 normal without
// activation, 6 minimise; out-of-range values are clamped.
int ShowCommandForMode(int showMode);
// Starts exactly programPath (as the application name, with itself quoted
// as the command line) in the current directory. Without wait, returns once
// the program first waits for input or after 1000 ms at most.
bool LaunchProgram(std::string_view programPath, bool wait, int showMode = 2);
