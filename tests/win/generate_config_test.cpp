#include <gtest/gtest.h>

#include "core/config_text.h"
#include "core/generate_config.h"
#include "host/gbk_literals.h"
#include "host/host_ops.h"
#include "host/win_text.h"
#include "tests/win/test_support.h"

namespace {

Settings Sample(const char* share = "D:\\web\\") {
    Settings s;
    s.SharePath = share;
    s.Port = "9212";
    s.ListenIpv4 = true;
    s.User1 = {true, {true, true, true, true, true}, "user1", "kemo1"};
    s.BrowserPath = kBrowserPlaceholder;
    return s;
}

// Runs the generate action in dir as its run directory, answering the one box
// it shows; gives what the box said.
BoxSeen Generate(const std::wstring& dir, const Settings& s, const wchar_t* title = L"true",
                 BoxAction answer = BoxAction::ClickOk) {
    Text saved = RunDirectory();
    SetRunDirectory(GbkFromWide(dir));
    BoxAnswerer answerer(title, answer);
    GenerateConfig(s);
    BoxSeen seen = answerer.Wait();
    SetRunDirectory(saved);
    return seen;
}

const char kAbsent[] = "<missing>";

TEST(GenerateConfig, BackupRotationKeepsThePreviousConfiguration) {
    struct Case {
        const char* name;
        bool conf, bak, bak2;
        const char* bakAfter;
    } cases[] = {
        {"nothing before", false, false, false, kAbsent},
        {"only an old backup", false, true, false, "bak-old"},
        {"webd.conf alone", true, false, false, "conf-old"},
        {"webd.conf and backup", true, true, false, "conf-old"},
        {"webd.conf and leftover temporary", true, false, true, "conf-old"},
        {"all three", true, true, true, "conf-old"},
    };
    const Settings s = Sample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ASSERT_TRUE(!c.conf || WriteBytes(dir / L"webd.conf", "conf-old"));
        ASSERT_TRUE(!c.bak || WriteBytes(dir / L"webd.conf.bak", "bak-old"));
        ASSERT_TRUE(!c.bak2 || WriteBytes(dir / L"webd.conf.bak2", "bak2-old"));
        BoxSeen seen = Generate(dir.path, s);
        EXPECT_EQ(seen.text, L"成功");
        EXPECT_FALSE(seen.hasCancel);
        EXPECT_EQ(ReadBytes(dir / L"webd.conf"), BuildConfigText(s));
        EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak"), c.bakAfter);
        EXPECT_FALSE(Exists(dir / L"webd.conf.bak2"));
    }
}

TEST(GenerateConfig, LeftoverTemporaryBackupSurvivesWhenThereIsNothingToRotate) {
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"webd.conf.bak2", "bak2-old"));
    Generate(dir.path, Sample());
    EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak2"), "bak2-old");
}

TEST(GenerateConfig, TwoClicksLeaveTheFirstTextInTheBackup) {
    TempDir dir;
    Settings first = Sample("D:\\first\\");
    Settings second = Sample("D:\\second\\");
    Generate(dir.path, first);
    Generate(dir.path, second);
    EXPECT_EQ(ReadBytes(dir / L"webd.conf"), BuildConfigText(second));
    EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak"), BuildConfigText(first));
}

TEST(GenerateConfig, PathsWithoutADriveLetterSkipTheBackupButStillWrite) {
    // \\?\C:\... starts with two backslashes like a network path; the guards
    // refuse it, so webd.conf is overwritten in place.
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"webd.conf", "conf-old"));
    ASSERT_TRUE(WriteBytes(dir / L"webd.conf.bak", "bak-old"));
    ASSERT_TRUE(WriteBytes(dir / L"webd.conf.bak2", "bak2-old"));
    Settings s = Sample();
    BoxSeen seen = Generate(L"\\\\?\\" + dir.path, s);
    EXPECT_EQ(seen.text, L"成功");
    EXPECT_EQ(ReadBytes(dir / L"webd.conf"), BuildConfigText(s));
    EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak"), "bak-old");
    EXPECT_FALSE(Exists(dir / L"webd.conf.bak2"));
}

TEST(GenerateConfig, ADirectoryNamedWebdConfFailsWithoutRotating) {
    TempDir dir;
    ASSERT_TRUE(CreateDirectoryW((dir / L"webd.conf").c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(dir / L"webd.conf.bak", "bak-old"));
    BoxSeen seen = Generate(dir.path, Sample(), L"false");
    EXPECT_EQ(seen.text, L"失败");
    EXPECT_FALSE(seen.hasCancel);
    EXPECT_TRUE(IsDirectoryW(dir / L"webd.conf"));
    EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak"), "bak-old");
}

TEST(GenerateConfig, AReadOnlyConfigurationIsBackedUpAndReplaced) {
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"webd.conf", "conf-old"));
    ASSERT_TRUE(SetFileAttributesW((dir / L"webd.conf").c_str(), FILE_ATTRIBUTE_READONLY));
    Settings s = Sample();
    BoxSeen seen = Generate(dir.path, s);
    EXPECT_EQ(seen.text, L"成功");
    EXPECT_EQ(ReadBytes(dir / L"webd.conf"), BuildConfigText(s));
    EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak"), "conf-old");
}

TEST(GenerateConfig, AReadOnlyConfigurationKeepsRotatingClickAfterClick) {
    // The read-only attribute travels with each rename into the backup and
    // the temporary name, where a plain delete would be refused.
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"webd.conf", "conf-old"));
    ASSERT_TRUE(SetFileAttributesW((dir / L"webd.conf").c_str(), FILE_ATTRIBUTE_READONLY));
    std::string previous = "conf-old";
    for (const char* share : {"D:\\one\\", "D:\\two\\", "D:\\three\\"}) {
        SCOPED_TRACE(share);
        Settings s = Sample(share);
        EXPECT_EQ(Generate(dir.path, s).text, L"成功");
        EXPECT_EQ(ReadBytes(dir / L"webd.conf"), BuildConfigText(s));
        EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak"), previous);
        EXPECT_FALSE(Exists(dir / L"webd.conf.bak2"));
        previous = BuildConfigText(s);
    }
}

TEST(GenerateConfig, AConfigurationHeldOpenIsReportedAndKept) {
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"webd.conf", "conf-old"));
    // Another process holds webd.conf without sharing.
    std::wstring self = TestBinDirectory() + L"\\kelvara_win_tests.exe";
    std::wstring line = L"\"" + self + L"\" --hold-file \"" + (dir / L"webd.conf") + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION holder = {};
    ASSERT_TRUE(CreateProcessW(self.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &holder));
    for (int i = 0; i < 200 && !Exists(dir / L"held.flag"); ++i) Sleep(20);
    ASSERT_TRUE(Exists(dir / L"held.flag"));

    BoxSeen seen = Generate(dir.path, Sample(), L"false");
    EndProcess(holder);
    EXPECT_EQ(seen.text, L"失败");
    std::string conf = ReadBytes(dir / L"webd.conf");
    std::string bak = ReadBytes(dir / L"webd.conf.bak");
    EXPECT_TRUE(conf == "conf-old" || bak == "conf-old") << "webd.conf: " << conf << ", webd.conf.bak: " << bak;
}

TEST(GenerateConfig, LongFieldsAndGbkRunDirectoriesAreWrittenInFull) {
    // The last one ends in 昞 (0x95 0x5C): its second byte is no separator.
    const std::wstring names[] = {L"带 空格 的目录", L"目录昞"};
    for (const std::wstring& name : names) {
        SCOPED_TRACE(Utf8FromWide(name));
        TempDir top;
        std::wstring dir = top / name;
        ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
        ASSERT_TRUE(WriteBytes(dir + L"\\webd.conf", "conf-old"));
        Settings s = Sample();
        s.SharePath = std::string(40000, 'x') + "共享";
        s.User1.Password = std::string(30000, 'p');
        s.BrowserPath = std::string(20000, 'b');
        BoxSeen seen = Generate(dir, s);
        EXPECT_EQ(seen.text, L"成功");
        std::string written = ReadBytes(dir + L"\\webd.conf");
        EXPECT_EQ(written.size(), BuildConfigText(s).size());
        EXPECT_TRUE(written == BuildConfigText(s));
        EXPECT_EQ(ReadBytes(dir + L"\\webd.conf.bak"), "conf-old");
    }
}

TEST(GenerateConfig, AFullDiskIsReportedAndThePreviousConfigurationKept) {
    // The test command maps a tiny tmpfs as drive K: (scripts/full-drive.sh).
    if (GetFileAttributesW(L"K:\\kelvara-full-drive") == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no small drive K: prepared for this run";
    }
    std::wstring dir = L"K:\\run";
    RemoveTree(dir);
    ASSERT_TRUE(CreateDirectoryW(dir.c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(dir + L"\\webd.conf", "conf-old"));
    // Fill what is left.
    HANDLE filler = CreateFileW((dir + L"\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(filler, INVALID_HANDLE_VALUE);
    std::string block(4096, 'f');
    DWORD written = 0;
    while (WriteFile(filler, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) && written > 0) {
    }
    CloseHandle(filler);

    Settings s = Sample();
    s.SharePath = std::string(200000, 'x');
    BoxSeen seen = Generate(dir, s, L"false");
    EXPECT_EQ(seen.text, L"失败");
    EXPECT_EQ(ReadBytes(dir + L"\\webd.conf.bak"), "conf-old");
    RemoveTree(dir);
}

TEST(GenerateConfig, OffersToStartTheServerAndStartsItOnlyOnOk) {
    struct Case {
        BoxAction answer;
        bool started;
    } cases[] = {
        {BoxAction::ClickOk, true},
        {BoxAction::ClickCancel, false},
        {BoxAction::EscapeKey, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        TempDir dir;
        ASSERT_TRUE(CopyFileW(StandinExe().c_str(), (dir / L"webd.exe").c_str(), FALSE));
        BoxSeen seen = Generate(dir.path, Sample(), L"true", c.answer);
        EXPECT_EQ(seen.text, L"成功\r\n是否运行webd");
        EXPECT_TRUE(seen.hasCancel);
        std::vector<std::string> records = WaitForStartRecords(dir.path, 1, c.started ? 5000 : 1500);
        ASSERT_EQ(records.size(), c.started ? 1u : 0u);
        if (c.started) {
            EXPECT_EQ(RecordField(records[0], "cwd"), Utf8FromWide(dir.path)) << records[0];
            EXPECT_EQ(RecordField(records[0], "show"), "0") << records[0];
            EndRecordedProcess(records[0]);
        }
    }
}

TEST(GenerateConfig, ADirectoryNamedWebdExeIsOfferedAndFailsSilently) {
    TempDir dir;
    ASSERT_TRUE(CreateDirectoryW((dir / L"webd.exe").c_str(), nullptr));
    BoxSeen seen = Generate(dir.path, Sample(), L"true", BoxAction::ClickOk);
    EXPECT_EQ(seen.text, L"成功\r\n是否运行webd");
    EXPECT_TRUE(NoBoxAppears(L"false", 300));
    EXPECT_EQ(ReadBytes(dir / L"webd.conf"), BuildConfigText(Sample()));
}

}  // namespace
