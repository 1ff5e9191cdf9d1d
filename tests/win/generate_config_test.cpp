#include <gtest/gtest.h>

#include "host/gbk_literals.h"
#include "host/host_ops.h"
#include "host/win_text.h"
#include "tests/win/generate_support.h"

namespace {

BoxSeen Generate(const std::wstring& dir, const Settings& s, const wchar_t* title = L"true",
                 BoxAction answer = BoxAction::ClickOk) {
    return RunGenerate(dir, s, title, answer);
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
    const Settings s = SampleSettings();
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
    Generate(dir.path, SampleSettings());
    EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak2"), "bak2-old");
}

TEST(GenerateConfig, TwoClicksLeaveTheFirstTextInTheBackup) {
    TempDir dir;
    Settings first = SampleSettings("D:\\first\\");
    Settings second = SampleSettings("D:\\second\\");
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
    Settings s = SampleSettings();
    BoxSeen seen = Generate(L"\\\\?\\" + dir.path, s);
    EXPECT_EQ(seen.text, L"成功");
    EXPECT_EQ(ReadBytes(dir / L"webd.conf"), BuildConfigText(s));
    EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak"), "bak-old");
    EXPECT_FALSE(Exists(dir / L"webd.conf.bak2"));
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
        Settings s = SampleSettings(share);
        EXPECT_EQ(Generate(dir.path, s).text, L"成功");
        EXPECT_EQ(ReadBytes(dir / L"webd.conf"), BuildConfigText(s));
        EXPECT_EQ(ReadBytes(dir / L"webd.conf.bak"), previous);
        EXPECT_FALSE(Exists(dir / L"webd.conf.bak2"));
        previous = BuildConfigText(s);
    }
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
        Settings s = SampleSettings();
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
        BoxSeen seen = Generate(dir.path, SampleSettings(), L"true", c.answer);
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
    BoxSeen seen = Generate(dir.path, SampleSettings(), L"true", BoxAction::ClickOk);
    EXPECT_EQ(seen.text, L"成功\r\n是否运行webd");
    EXPECT_TRUE(NoBoxAppears(L"false", 300));
    EXPECT_EQ(ReadBytes(dir / L"webd.conf"), BuildConfigText(SampleSettings()));
}

}  // namespace
