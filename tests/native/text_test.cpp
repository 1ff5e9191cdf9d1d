#include <gtest/gtest.h>

#include "host/gbk_literals.h"
#include "host/text.h"

namespace {

TEST(TextToInt, ReadsTheLeadingIntegerWithFullWidthFormsAndWrapAround) {
    struct Case {
        const char* text;
        int32_t value;
    } cases[] = {
        {"9212", 9212},
        {"", 0},
        {"abc", 0},
        {"12abc", 12},
        {"-5", -5},
        {"+7", 7},
        {" 7", 7},
        {"\t\n\v\f\r7", 7},
        {"- 5", 0},
        {"0x10", 0},
        {"4294967296", 0},
        {"2147483648", -2147483648},
        {"-2147483648", -2147483648},
        {"99999999999", 1215752191},
        {"\xA3\xB1\xA3\xB2", 12},            // full-width 1 2
        {"\xA1\xA1\xA3\xAD" "5", -5},        // ideographic space, full-width minus
        {"\xA3\xAB" "8", 8},                 // full-width plus
        {"\xA1\xAB" "5", 0},                 // the fold gives a tilde, not a sign
        {"1\xA3\xB3", 13},
        {"1\xA3", 1},                        // a lone lead byte at the end is dropped
        {"\xA3", 0},
        {"\xB0\xA1" "5", 0},                 // another two-byte character stops the scan
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(TextToInt(c.text), c.value);
    }
}

TEST(TextFind, NeverMatchesOnTheSecondByteOfATwoByteCharacter) {
    EXPECT_EQ(TextFind("\x95\x5C\x41\x3A\x5C", "\\"), 5);
    EXPECT_EQ(TextFind("\x95\x5C", "\\"), -1);
    EXPECT_EQ(TextFind("a\\b", "\\"), 2);
    EXPECT_EQ(TextFind("ab", "abc"), -1);
    EXPECT_EQ(TextFind("", ":"), -1);
    EXPECT_EQ(TextFind("C:\\x", ":\\"), 2);
    EXPECT_EQ(TextFind("\x95", "\x95"), 1);      // a lone lead byte still matches itself
    EXPECT_EQ(TextFind("\x95" "a", "a"), -1);    // 'a' is that character's second byte
    EXPECT_EQ(TextFind("x\x95", "\x95"), 2);
}

TEST(TextPrimitives, ByteOperationsCutTwoByteCharacters) {
    EXPECT_EQ(TextRight("\x95\x5C", 1), "\\");
    EXPECT_EQ(TextRight("abc", 5), "abc");
    EXPECT_EQ(TextRight("abc", 0), "");
    EXPECT_EQ(TextRight("abc", -1), "");
    EXPECT_EQ(TextLeft("abc", 2), "ab");
    EXPECT_EQ(TextLeft("abc", 9), "abc");
    EXPECT_EQ(TextLeft("abc", 0), "");
    EXPECT_EQ(TextLeft("abc", -3), "");
    EXPECT_EQ(TextCharCode("\xB0\xA1", 1), -80);
    EXPECT_EQ(TextCharCode("", 1), 0);
    EXPECT_EQ(TextCharCode("A", 1), 65);
    EXPECT_EQ(TextCharCode("A", 0), 0);
    EXPECT_EQ(TextCharCode("A", 2), 0);
    EXPECT_EQ(TextJoin({"a", "", "bc"}), "abc");
    EXPECT_EQ(TextJoin({"", ""}), "");
    EXPECT_EQ(TextToBytes(""), ByteArray());
    EXPECT_EQ(TextToBytes("\xB0\xA1z"), (ByteArray{0xB0, 0xA1, 'z'}));
}

TEST(TextUpper, ChangesOnlySingleByteLetters) {
    EXPECT_EQ(TextUpper("c:\\tools\\x.conf"), "C:\\TOOLS\\X.CONF");
    EXPECT_EQ(TextUpper("\x81" "a" "b"), "\x81" "aB");     // 'a' is a second byte
    EXPECT_EQ(TextUpper("\xB0\xA1z"), "\xB0\xA1Z");
    EXPECT_EQ(TextUpper("z\x81"), "Z\x81");                // lone lead byte at the end
    EXPECT_EQ(TextUpper("@[`{"), "@[`{");
}

TEST(TextCompare, ComparesBytesAsUnsigned) {
    EXPECT_EQ(TextCompare("", std::string_view()), 0);
    EXPECT_EQ(TextCompare("a", "a"), 0);
    EXPECT_EQ(TextCompare("a", "ab"), -1);
    EXPECT_EQ(TextCompare("ab", "a"), 1);
    EXPECT_EQ(TextCompare("\x80", "a"), 1);
    EXPECT_EQ(TextCompare("a", "\xFF"), -1);
}

}  // namespace
