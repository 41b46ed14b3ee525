// Run modes that end on their own: no window stays behind, exit code 0.
#include <gtest/gtest.h>

#include "e2e/driver.h"

namespace {

DWORD RunToEnd(const std::string& arguments) {
    TProcess saver;
    EXPECT_TRUE(saver.Start(arguments));
    DWORD code = 12345;
    EXPECT_TRUE(saver.WaitExit(PatienceMs, &code)) << arguments << " still runs";
    return code;
}

TEST(CommandLine, PasswordChangeEndsWithZero) {
    EXPECT_EQ(RunToEnd("/a 77"), 0u);
    EXPECT_EQ(RunToEnd("-A 12ab"), 0u);
}

TEST(CommandLine, PreviewWithoutUsableParentEndsAtOnce) {
    EXPECT_EQ(RunToEnd("/p"), 0u);
    EXPECT_EQ(RunToEnd("/p:1234"), 0u);
    EXPECT_EQ(RunToEnd("/p 1234"), 0u);
    EXPECT_EQ(RunToEnd("/p 99999999999999999999"), 0u);
    EXPECT_EQ(RunToEnd("/p -5"), 0u);
}

}  // namespace
