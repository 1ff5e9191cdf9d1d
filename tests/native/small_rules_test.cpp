#include <gtest/gtest.h>

#include "host/command_line.h"
#include "host/run_directory.h"
#include "ui/port_check.h"

namespace {

TEST(RunDirectoryOf, TakesEverythingBeforeTheLastRealBackslash) {
    struct Case {
        const char* module;
        const char* dir;
    } cases[] = {
        {"D:\\Tools\\gen.exe", "D:\\Tools"},
        {"D:\\gen.exe", "D:"},
        {"gen.exe", ""},
        {"C:\\\x95\x5C\\gen.exe", "C:\\\x95\x5C"},     // the character ending in 0x5C stays whole
        {"C:\\a\x95\x5Cgen.exe", "C:"},
        {"\\\\srv\\share\\gen.exe", "\\\\srv\\share"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.module);
        EXPECT_EQ(RunDirectoryOf(c.module), c.dir);
    }
}

TEST(EndsInBackslash, JudgesTheLastCharacterNotTheLastByte) {
    struct Case {
        const char* text;
        bool ends;
    } cases[] = {
        {"D:\\share\\", true}, {"D:\\share", false}, {"", false}, {"\\", true},
        {"D:\\\x95\x5C", false},         // 昞: its second byte is 0x5C
        {"D:\\\x95\x5C\\", true},
        {"D:/share/", false},              // only the backslash separates
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EndsInBackslash(c.text), c.ends) << c.text;
    }
}

TEST(QuoteCommandLineArgument, QuotesAndEscapesOnlyWhatNeedsIt) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"C:\\a b\\webd.exe", "\"C:\\a b\\webd.exe\""},
        {"", "\"\""},
        {"C:\\dir\\", "\"C:\\dir\\\\\""},
        {"a\"b", "\"a\\\"b\""},
        {"a\\\"b", "\"a\\\\\\\"b\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QuoteCommandLineArgument<char>(c.in), c.out) << c.in;
    }
}

TEST(IsPortTextAccepted, AcceptsWhatReadsAsZeroTo65535) {
    struct Case {
        const char* text;
        bool accepted;
    } cases[] = {
        {"65535", true}, {"0", true}, {"", true}, {"abc", true}, {"12abc", true}, {"9212", true},
        {"65536", false}, {"-1", false}, {"99999", false}, {"70000", false}, {"4294967296", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPortTextAccepted(c.text), c.accepted) << c.text;
    }
}

}  // namespace
