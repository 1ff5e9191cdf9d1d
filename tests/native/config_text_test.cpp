#include <gtest/gtest.h>

#include "core/config_text.h"
#include "host/gbk_literals.h"

namespace {

Settings WorkedExample() {
    Settings s;
    s.SharePath = "D:\\Server\\web\\";
    s.Port = "9212";
    s.ListenIpv4 = true;
    s.ListenIpv6 = true;
    s.GuestEnabled = true;
    s.GuestRights.AccessFiles = true;
    s.GuestRights.ListFiles = true;
    s.HideTrayIcon = true;
    s.BrowserPath = "C:\\Browser\\browser.exe";
    return s;
}

Settings PlainExample() {
    Settings s;
    s.SharePath = "D:\\Server\\web\\";
    s.Port = "9212";
    s.ListenIpv4 = true;
    s.GuestRights.AccessFiles = true;  // shown but ignored: the guest is off
    s.BrowserPath = kBrowserPlaceholder;
    return s;
}

TEST(BuildConfigText, WorkedExamplesByteForByte) {
    const std::string full =
        "Webd.Root \"D:\\Server\\web\\\"\r\n"
        "Webd.Listen [::]:9212\r\n"
        "Webd.Guest rl\r\n"
        "Webd.Hide\r\n"
        " Webd.Browser \"C:\\Browser\\browser.exe\"\"";
    EXPECT_EQ(full.size(), 116u);
    EXPECT_EQ(BuildConfigText(WorkedExample()), full);

    const std::string plain =
        "Webd.Root \"D:\\Server\\web\\\"\r\n"
        "Webd.Listen 9212\r\n"
        "Webd.Guest 0\r\n";
    EXPECT_EQ(plain.size(), 60u);
    EXPECT_EQ(BuildConfigText(PlainExample()), plain);
}

TEST(BuildConfigText, ListenLineNeedsBothFamiliesForTheBracketForm) {
    struct Case {
        bool v4, v6;
        const char* port;
        const char* line;
    } cases[] = {
        {true, true, "9212", "Webd.Listen [::]:9212\r\n"},
        {true, false, "9212", "Webd.Listen 9212\r\n"},
        {false, true, "9212", "Webd.Listen 9212\r\n"},
        {false, false, "9212", "Webd.Listen 9212\r\n"},
        {true, false, "", "Webd.Listen \r\n"},
        {true, true, "", "Webd.Listen [::]:\r\n"},
    };
    for (const Case& c : cases) {
        Settings s = PlainExample();
        s.SharePath = "";
        s.ListenIpv4 = c.v4;
        s.ListenIpv6 = c.v6;
        s.Port = c.port;
        SCOPED_TRACE(c.line);
        EXPECT_EQ(BuildConfigText(s), std::string("Webd.Root \"\"\r\n") + c.line + "Webd.Guest 0\r\n");
    }
}

TEST(BuildConfigText, AccountLinesKeepTheirOrderAndEveryEmptyPiece) {
    Settings s = PlainExample();
    s.User1 = {true, {true, true, false, false, true}, "user1", "kemo1"};
    s.User2 = {true, {}, "", ""};
    std::string text = BuildConfigText(s);
    EXPECT_NE(text.find("Webd.Listen 9212\r\nWebd.User rlS user1 kemo1\r\nWebd.User   \r\nWebd.Guest 0\r\n"),
              std::string::npos)
        << text;

    s.User1 = {true, {true, true, true, true, true}, "user1", ""};
    s.User2 = {false, {true, true, true, true, true}, "user2", "kemo2"};
    text = BuildConfigText(s);
    EXPECT_NE(text.find("Webd.User rlumS user1 \r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("user2"), std::string::npos) << "a disabled account gives no line";
}

TEST(BuildConfigText, PermissionLettersAlwaysInFixedOrder) {
    EXPECT_EQ(PermissionLetters({true, true, true, true, true}), "rlumS");
    EXPECT_EQ(PermissionLetters({false, false, false, true, true}), "mS");
    EXPECT_EQ(PermissionLetters({true, false, true, false, false}), "ru");
    EXPECT_EQ(PermissionLetters({}), "");
}

TEST(BuildConfigText, GuestLineForms) {
    Settings s = PlainExample();
    s.GuestEnabled = true;
    s.GuestRights = {};
    EXPECT_NE(BuildConfigText(s).find("\r\nWebd.Guest \r\n"), std::string::npos);
    s.GuestEnabled = false;
    s.GuestRights = {true, true, true, true, true};
    EXPECT_NE(BuildConfigText(s).find("\r\nWebd.Guest 0\r\n"), std::string::npos);
}

TEST(BuildConfigText, BrowserEntryOnlyForARealPathAndAlwaysLast) {
    struct Case {
        std::string browser;
        std::string tail;
    } cases[] = {
        {"", "Webd.Guest 0\r\n"},
        {kBrowserPlaceholder, "Webd.Guest 0\r\n"},
        {std::string(kBrowserPlaceholder) + " ",
         std::string("Webd.Guest 0\r\n Webd.Browser \"") + kBrowserPlaceholder + " \"\""},
        {" ", "Webd.Guest 0\r\n Webd.Browser \" \"\""},
        {"C:\\程序\\a \"b\".exe", "Webd.Guest 0\r\n Webd.Browser \"C:\\程序\\a \"b\".exe\"\""},
    };
    for (const Case& c : cases) {
        Settings s = PlainExample();
        s.BrowserPath = c.browser;
        std::string text = BuildConfigText(s);
        SCOPED_TRACE(c.browser);
        ASSERT_GE(text.size(), c.tail.size());
        EXPECT_EQ(text.substr(text.size() - c.tail.size()), c.tail);
    }
}

TEST(BuildConfigText, TextFieldsAreCopiedUnchanged) {
    Settings s = PlainExample();
    s.SharePath = " D:\\共享 \"x\" ";
    s.Port = " 9212abc";
    s.User1 = {true, {true}, "用户 一", "密\"码"};
    std::string text = BuildConfigText(s);
    EXPECT_EQ(text,
              "Webd.Root \" D:\\共享 \"x\" \"\r\n"
              "Webd.Listen  9212abc\r\n"
              "Webd.User r 用户 一 密\"码\r\n"
              "Webd.Guest 0\r\n");
}

}  // namespace
