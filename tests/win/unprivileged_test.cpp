// Run as an unprivileged user (scripts/run-unprivileged.sh): only then does
// Wine refuse writes to read-only files, as Windows does for everyone.
#include <gtest/gtest.h>

#include <cstdlib>

#include "host/host_ops.h"
#include "host/win_text.h"
#include "tests/win/test_support.h"

namespace {

class Unprivileged : public testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("KELVARA_UNPRIVILEGED")) GTEST_SKIP() << "needs scripts/run-unprivileged.sh";
    }
};

TEST_F(Unprivileged, FileWriteIsRefusedOnAReadOnlyFile) {
    TempDir dir;
    ASSERT_TRUE(WriteBytes(dir / L"ro", "kept"));
    ASSERT_TRUE(SetFileAttributesW((dir / L"ro").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(FileWrite(dir.Gbk() + "\\ro", ByteArray{'x'}));
    EXPECT_EQ(ReadBytes(dir / L"ro"), "kept");
}

}  // namespace
