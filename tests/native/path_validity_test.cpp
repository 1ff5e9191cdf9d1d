#include <gtest/gtest.h>

#include "core/path_validity.h"

namespace {

TEST(FileNamePart, FollowsTheShellRule) {
    struct Case {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\dir\\file.txt", "file.txt"},
        {"C:\\dir\\", "dir\\"},
        {"C:\\", "C:\\"},
        {"C:/a/b", "b"},
        {"name", "name"},
        {"", ""},
        {"C:name", "name"},
        {"a\\\\b", "b"},
        {"\\\\server\\share\\webd.conf", "webd.conf"},
        {"C:\\\x95\x5C" "x", "\x95\x5C" "x"},  // 0x5C as a second byte separates nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileNamePart(c.path), c.name);
    }
}

TEST(IsValidFilePath, AcceptsOnlyDriveLetterPathsWithACleanFileName) {
    struct Case {
        const char* path;
        bool valid;
    } cases[] = {
        {"C:\\tools\\webd.conf.bak2", true},
        {"c:\\tools\\webd.conf.bak", true},
        {"\\\\server\\share\\webd.conf", false},
        {"9:\\tools\\x", false},
        {"", false},
        {"C:tools\\x", false},
        {"C:/tools/x", true},
        {"Cx:\\y", true},
        {"C:\\tools\\", false},
        {"C:\\", false},
        {"C:\\tools\\a*b", false},
        {"C:\\a|b\\x.txt", true},
        {"C:\\tools\\name", true},
        {"\xB0\xA1:\\x", false},         // non-ASCII first byte
        {"[:\\x", false},
        {"z:\\x", true},
        {"C:\\tools\\a?b", false},
        {"C:\\tools\\a<b", false},
        {"C:\\tools\\a>b", false},
        {"C:\\tools\\a|b", false},
        {"C:\\tools\\a\"b", false},
        {"C:\\tools\\\x95\x7C", true},   // 0x7C there is a second byte, not a bar
        {"C:\\tools\\\xB0\xA1.conf", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(IsValidFilePath(c.path), c.valid);
    }
}

}  // namespace
