#include <gtest/gtest.h>

#include "process/name_match.h"

namespace {

TEST(CompareWideNoCase, MatchesAsciiLettersInAnyCaseAndNothingElse) {
    struct Case {
        const char16_t* name;
        int result;
    } cases[] = {
        {u"webd.exe", 0},
        {u"WEBD.EXE", 0},
        {u"Webd.Exe", 0},
        {u"wEbD.eXe", 0},
        {u"webd.exe.bak", 1},
        {u"webd.ex", -1},
        {u"webd2.exe", 1},
        {u"webd,exe", -1},
        {u"webd\u00E9exe", 1},
        {u"", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.name)));
        EXPECT_EQ(CompareWideNoCase(c.name, u"webd.exe"), c.result);
    }
}

TEST(CompareWideNoCase, CaseFoldingIsForLettersOnly) {
    EXPECT_EQ(CompareWideNoCase(u"[", u"{"), -1);  // 0x5B and 0x7B differ by 32 but are no letters
    EXPECT_EQ(CompareWideNoCase(u"@", u"`"), -1);
    EXPECT_EQ(CompareWideNoCase(u"\u8000", u"a"), -1);  // read as signed: negative
    EXPECT_EQ(CompareWideNoCase(u"\u4E2D", u"\u4E2D"), 0);
}

TEST(CompareWideNoCase, NullStringsSortFirst) {
    EXPECT_EQ(CompareWideNoCase(nullptr, u"a"), -1);
    EXPECT_EQ(CompareWideNoCase(u"a", nullptr), 1);
    EXPECT_EQ(CompareWideNoCase(nullptr, nullptr), 0);
}

}  // namespace
