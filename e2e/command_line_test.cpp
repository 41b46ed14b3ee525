// What each command line starts; the run modes that end on their own leave no window and 0.
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
    // The desktop as host would get a screen-sized disabled window that nothing ends.
    EXPECT_EQ(RunToEnd("/p " + std::to_string(reinterpret_cast<UINT_PTR>(GetDesktopWindow()))), 0u);
}

// Explorer's "Configure" on a .scr starts it with no argument at all.
TEST(CommandLine, NoArgumentOpensTheSettingsDialog) {
    TProcess saver;
    ASSERT_TRUE(saver.Start(""));
    HWND dialog = saver.FindWindowOf("#32770", PatienceMs);
    ASSERT_NE(dialog, nullptr) << "no settings dialog without an argument";
    EXPECT_EQ(saver.FindWindowOf(SaverClass, 0), nullptr);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    DWORD code = 12345;
    EXPECT_TRUE(saver.WaitExit(PatienceMs, &code));
    EXPECT_EQ(code, 0u);
}

// An unquoted path with a letter beyond ASCII reaches the program as typed; the
// "x-c" inside it is no switch.
TEST(CommandLine, AnUnquotedPathBeyondAsciiIsThePathNotASwitch) {
    const std::string folder = JoinPath(JoinPath(WorkFolder(), "J\xf6rg"), "x-c");
    CreateDirectoryA(JoinPath(WorkFolder(), "J\xf6rg").c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string scr = JoinPath(folder, "rowfall.scr");
    ASSERT_TRUE(CopyFileTo(ScrPath(), scr));
    TProcess saver;
    ASSERT_TRUE(saver.StartAs(scr + " /s", scr));
    HWND window = saver.FindWindowOf(SaverClass, PatienceMs);
    ASSERT_NE(window, nullptr) << "no full-screen run for " << scr << " /s";
    PostKey(window, VK_ESCAPE);
    DWORD code = 12345;
    EXPECT_TRUE(saver.WaitExit(PatienceMs, &code));
    EXPECT_EQ(code, 0u);
}

}  // namespace
