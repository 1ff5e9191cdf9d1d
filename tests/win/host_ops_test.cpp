#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "host/command_line.h"
#include "host/gbk_literals.h"
#include "host/host_ops.h"
#include "host/win_text.h"
#include "tests/win/test_support.h"

namespace {

TEST(Build, RunsAsTheArchitectureItWasBuiltFor) {
    // Proof that a lane ran what it says: a 32-bit exe in the 64-bit prefix
    // runs under WoW64, a 64-bit one natively.
    BOOL wow64 = TRUE;
    ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
#ifdef _WIN64
    EXPECT_EQ(sizeof(void*), 8u);
    EXPECT_FALSE(wow64);
#else
    EXPECT_EQ(sizeof(void*), 4u);
    EXPECT_TRUE(wow64);
#endif
    std::printf("architecture: %u-bit pointers, %s\n", static_cast<unsigned>(sizeof(void*) * 8),
                wow64 ? "under WoW64" : "native");
}

TEST(MsgBox, AnswersMapToZeroForOkAndOneForCancel) {
    struct Case {
        int buttons;
        BoxAction action;
        int result;
    } cases[] = {
        {kButtonsOkCancel, BoxAction::ClickOk, 0},
        {kButtonsOkCancel, BoxAction::ClickCancel, 1},
        {kButtonsOkCancel, BoxAction::EscapeKey, 1},
        {kButtonsOkCancel, BoxAction::CloseButton, 1},
        {kButtonsOk, BoxAction::ClickOk, 0},
        {kButtonsOk, BoxAction::EscapeKey, 0},
        {kButtonsOk, BoxAction::CloseButton, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "buttons " << c.buttons << " action " << static_cast<int>(c.action));
        BoxAnswerer answerer(L"注意！", c.action);
        int result = MsgBox("第一行\r\n第二行", c.buttons, "注意！");
        BoxSeen seen = answerer.Wait();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.text, L"第一行\r\n第二行");
        EXPECT_TRUE(seen.hasOk);
        EXPECT_EQ(seen.hasCancel, c.buttons == kButtonsOkCancel);
        EXPECT_EQ(result, c.result);
    }
}

TEST(FileRename, NeverReplacesAndNeedsTheSource) {
    TempDir dir;
    const Text base = dir.Gbk();
    ASSERT_TRUE(WriteBytes(dir / L"old", "old"));
    ASSERT_TRUE(WriteBytes(dir / L"taken", "taken"));
    ASSERT_TRUE(CreateDirectoryW((dir / L"taken-dir").c_str(), nullptr));

    EXPECT_FALSE(FileRename(base + "\\old", base + "\\taken"));
    EXPECT_EQ(ReadBytes(dir / L"old"), "old");
    EXPECT_EQ(ReadBytes(dir / L"taken"), "taken");
    EXPECT_FALSE(FileRename(base + "\\old", base + "\\taken-dir"));
    EXPECT_EQ(ReadBytes(dir / L"old"), "old");

    EXPECT_TRUE(FileRename(base + "\\old", base + "\\新名字"));
    EXPECT_EQ(ReadBytes(dir / L"新名字"), "old");
    EXPECT_FALSE(Exists(dir / L"old"));
    EXPECT_FALSE(FileRename(base + "\\old", base + "\\again"));
}

TEST(FileExistsAndDelete, DirectoriesCountAsPresent) {
    TempDir dir;
    const Text base = dir.Gbk();
    ASSERT_TRUE(WriteBytes(dir / L"f", "x"));
    ASSERT_TRUE(CreateDirectoryW((dir / L"d").c_str(), nullptr));
    EXPECT_TRUE(FileExists(base + "\\f"));
    EXPECT_TRUE(FileExists(base + "\\d"));
    EXPECT_FALSE(FileExists(base + "\\missing"));
    EXPECT_TRUE(FileDelete(base + "\\f"));
    EXPECT_FALSE(FileExists(base + "\\f"));
    EXPECT_FALSE(FileDelete(base + "\\f"));
}

TEST(FileWrite, ReplacesTheWholeContent) {
    TempDir dir;
    const Text base = dir.Gbk();
    ASSERT_TRUE(WriteBytes(dir / L"f", "a much longer old content"));
    EXPECT_TRUE(FileWrite(base + "\\f", ByteArray{'n', 0, 'w'}));
    EXPECT_EQ(ReadBytes(dir / L"f"), std::string("n\0w", 3));
    EXPECT_TRUE(FileWrite(base + "\\f", ByteArray()));
    EXPECT_EQ(ReadBytes(dir / L"f"), "");
    EXPECT_TRUE(FileWrite(base + "\\新", TextToBytes("中")));
    EXPECT_EQ(ReadBytes(dir / L"新"), "中");

    EXPECT_FALSE(FileWrite("", ByteArray{'x'}));
    ASSERT_TRUE(CreateDirectoryW((dir / L"d").c_str(), nullptr));
    EXPECT_FALSE(FileWrite(base + "\\d", ByteArray{'x'}));
    EXPECT_FALSE(FileWrite(base + "\\missing\\f", ByteArray{'x'}));
}

TEST(FileWrite, FailsWhileAnotherProgramHoldsTheFile) {
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"held", "kept"));
    HANDLE held = CreateFileW((dir / L"held").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FileWrite(dir.Gbk() + "\\held", ByteArray{'x'}));
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(dir / L"held"), "kept");
}

TEST(RunDirectory, IsFixedWithoutTrailingBackslashAndBecomesTheCurrentDirectory) {
    Text saved = RunDirectory();
    TempDir dir(L"运行 目录");
    SetRunDirectory(dir.Gbk());
    EXPECT_EQ(RunDirectory(), dir.Gbk());
    wchar_t cwd[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    EXPECT_EQ(std::wstring(cwd), dir.path);
    SetRunDirectory(saved);

    FixRunDirectory();
    EXPECT_EQ(WideFromGbk(RunDirectory()), TestBinDirectory());
}

TEST(QuoteCommandLineArgument, RoundTripsThroughCommandLineToArgvW) {
    const std::wstring arguments[] = {L"C:\\a b\\webd.exe", L"C:\\路径 空格\\webd.exe", L"C:\\dir\\", L"a\"b",
                                      L"a\\\\\"b", L""};
    for (const std::wstring& argument : arguments) {
        std::wstring line = L"x.exe " + QuoteCommandLineArgument<wchar_t>(argument);
        int count = 0;
        LPWSTR* argv = CommandLineToArgvW(line.c_str(), &count);
        ASSERT_NE(argv, nullptr);
        ASSERT_EQ(count, 2) << Utf8FromWide(line);
        EXPECT_EQ(std::wstring(argv[1]), argument) << Utf8FromWide(line);
        LocalFree(argv);
    }
}

TEST(LaunchProgram, StartsExactlyTheProgramHiddenInTheCurrentDirectory) {
    // A directory with a space beside a program named after its first word:
    // an unquoted command line without application name would start a.exe.
    TempDir top;
    const std::wstring spaced = top / L"a b";
    ASSERT_TRUE(CreateDirectoryW(spaced.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(StandinExe().c_str(), (spaced + L"\\webd.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(StandinExe().c_str(), (top / L"a.exe").c_str(), FALSE));
    Text saved = RunDirectory();
    SetRunDirectory(GbkFromWide(spaced));

    DWORD before = GetTickCount();
    EXPECT_TRUE(LaunchProgram(GbkFromWide(spaced) + "\\webd.exe", false, 1));
    EXPECT_LT(GetTickCount() - before, 3000u);
    SetRunDirectory(saved);

    std::vector<std::string> records = WaitForStartRecords(spaced, 1, 5000);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(RecordField(records[0], "cmdline"), Utf8FromWide(L"\"" + spaced + L"\\webd.exe\""));
    EXPECT_EQ(RecordField(records[0], "cwd"), Utf8FromWide(spaced));
    EXPECT_EQ(RecordField(records[0], "show"), std::to_string(SW_HIDE));
    EXPECT_FALSE(Exists(top / L"started.txt")) << "a.exe must never start";
    EndRecordedProcess(records[0]);
}

TEST(LaunchProgram, ReportsAProgramThatCannotStart) {
    TempDir dir;
    ASSERT_TRUE(CreateDirectoryW((dir / L"webd.exe").c_str(), nullptr));
    EXPECT_FALSE(LaunchProgram(dir.Gbk() + "\\webd.exe", false, 1));
    EXPECT_FALSE(LaunchProgram(dir.Gbk() + "\\missing.exe", false, 1));
}

TEST(ShowCommandForMode, ClampsToTheSixModes) {
    EXPECT_EQ(ShowCommandForMode(0), SW_HIDE);
    EXPECT_EQ(ShowCommandForMode(1), SW_HIDE);
    EXPECT_EQ(ShowCommandForMode(2), SW_SHOWNORMAL);
    EXPECT_EQ(ShowCommandForMode(3), SW_SHOWMINIMIZED);
    EXPECT_EQ(ShowCommandForMode(4), SW_SHOWMAXIMIZED);
    EXPECT_EQ(ShowCommandForMode(5), SW_SHOWNOACTIVATE);
    EXPECT_EQ(ShowCommandForMode(6), SW_MINIMIZE);
    EXPECT_EQ(ShowCommandForMode(9), SW_MINIMIZE);
}

}  // namespace
