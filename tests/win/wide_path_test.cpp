#include <gtest/gtest.h>

#include "host/gbk_literals.h"
#include "host/win_text.h"
#include "tests/win/test_support.h"

namespace {

TEST(ToWidePath, SizesAndUnits) {
    EXPECT_EQ(WideByteCount(ToWidePath("")), 0u) << "the empty text has no terminator either";
    EXPECT_EQ(WideByteCount(ToWidePath("C:\\")), 8u);
    EXPECT_EQ(WideByteCount(ToWidePath("webd.exe")), 18u);
    WidePath two = ToWidePath("中文");
    ASSERT_EQ(WideByteCount(two), 6u);
    EXPECT_EQ(two[0], u'\u4E2D');
    EXPECT_EQ(two[1], u'\u6587');
    EXPECT_EQ(two[2], u'\0');
    // 0x95 0x5C is one character, not a backslash.
    WidePath trail = ToWidePath("\x95\x5C");
    ASSERT_EQ(trail.size(), 2u);
    EXPECT_NE(trail[0], u'\\');
}

TEST(IsDirectoryAndIsExistingFile, TellDirectoriesFilesAndMissingPathsApart) {
    TempDir dir;
    ASSERT_TRUE(CreateDirectoryW((dir / L"sub").c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(dir / L"file.txt", "x"));
    ASSERT_TRUE(CreateDirectoryW((dir / L"网盘").c_str(), nullptr));
    const Text base = dir.Gbk();
    struct Case {
        Text path;
        bool directory;
        bool file;
    } cases[] = {
        {base + "\\sub", true, false},
        {base + "\\sub\\", true, false},
        {base + "\\网盘\\", true, false},
        {base + "\\file.txt", false, true},
        {base + "\\missing", false, false},
        {base + "\\missing\\", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8FromWide(WideFromGbk(c.path)));
        EXPECT_EQ(IsDirectory(ToWidePath(c.path)), c.directory);
        EXPECT_EQ(IsExistingFile(ToWidePath(c.path)), c.file);
    }
}

TEST(IsExistingFile, APatternIsJudgedByItsFirstMatch) {
    TempDir dir;
    ASSERT_TRUE(CreateDirectoryW((dir / L"a-dir").c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(dir / L"b-file", "x"));
    ASSERT_TRUE(WriteBytes(dir / L"c-file", "x"));
    const Text base = dir.Gbk();
    // Wine lists matches sorted; the first one decides, even with files later on.
    EXPECT_FALSE(IsExistingFile(ToWidePath(base + "\\*-*")));
    EXPECT_TRUE(IsExistingFile(ToWidePath(base + "\\?-file")));
    EXPECT_FALSE(IsExistingFile(ToWidePath(base + "\\z*")));
}

}  // namespace
