#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "share/directory_chain.h"

namespace {

WidePath Wide(std::u16string s) {
    WidePath w(s.begin(), s.end());
    w.push_back(u'\0');
    return w;
}

std::vector<std::u16string> Attempts(const WidePath& path) {
    std::vector<std::u16string> seen;
    WalkDirectoryChain(
        path, [](const char16_t* p, void* context) { static_cast<std::vector<std::u16string>*>(context)->push_back(p); },
        &seen);
    return seen;
}

TEST(WalkDirectoryChain, TriesEachLevelAfterTheFirstBackslashThenTheWholePath) {
    using V = std::vector<std::u16string>;
    EXPECT_EQ(Attempts(Wide(u"D:\\a\\b\\")), (V{u"D:\\a", u"D:\\a\\b", u"D:\\a\\b\\"}));
    EXPECT_EQ(Attempts(Wide(u"D:\\a\\b")), (V{u"D:\\a", u"D:\\a\\b"}));
    EXPECT_EQ(Attempts(Wide(u"web\\data\\")), (V{u"web\\data", u"web\\data\\"}));
    EXPECT_EQ(Attempts(Wide(u"D:/a/b/\\")), (V{u"D:/a/b/\\"}));  // slashes are plain units
    EXPECT_EQ(Attempts(Wide(u"\\\\srv\\share\\d\\")),
              (V{u"\\", u"\\\\srv", u"\\\\srv\\share", u"\\\\srv\\share\\d", u"\\\\srv\\share\\d\\"}));
    EXPECT_EQ(Attempts(Wide(u"\\.Trash\\")), (V{u"\\.Trash", u"\\.Trash\\"}));
    EXPECT_EQ(Attempts(Wide(u"D:\\")), (V{u"D:\\"}));
}

TEST(WalkDirectoryChain, LeavesShortPathsAlone) {
    EXPECT_TRUE(Attempts(WidePath()).empty());
    EXPECT_TRUE(Attempts(Wide(u"\\")).empty());
    EXPECT_TRUE(Attempts(Wide(u"ab")).empty());
    EXPECT_EQ(Attempts(Wide(u"abc")).size(), 1u);
}

TEST(WalkDirectoryChain, StopsAtTheFirstTerminator) {
    WidePath w = Wide(u"D:\\a");
    w.insert(w.begin() + 2, u'\0');  // "D:" NUL "\a" NUL
    EXPECT_EQ(Attempts(w), std::vector<std::u16string>{u"D:"});
}

}  // namespace
