#include "host/switches.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The command line "rowfall.scr <text>".
TCommand Parse(const std::string& text) {
    return ParseCommand(SplitCommandLine(("rowfall.scr " + text).c_str(), {}));
}

const std::vector<std::string> SaverPaths = {"C:\\My Savers\\rowfall.scr", "C:\\MYSAVE~1\\ROWFALL.SCR"};

TCommand ParseRaw(const std::string& raw, const std::vector<std::string>& paths = SaverPaths) {
    return ParseCommand(SplitCommandLine(raw.c_str(), paths));
}

TEST(MatchSwitch, FirstCharacterRule) {
    int32_t position = 99;
    EXPECT_TRUE(MatchSwitch("/c:1234", "/c", position));
    EXPECT_EQ(position, 0);
    EXPECT_TRUE(MatchSwitch("x-c", "-c", position));
    EXPECT_EQ(position, 1);
    // The first '/' is followed by 's', and no later '/' is tried.
    position = 99;
    EXPECT_FALSE(MatchSwitch("/s /c", "/c", position));
    EXPECT_EQ(position, -1);
    EXPECT_TRUE(MatchSwitch("/regsvr", "/reg", position));
    EXPECT_FALSE(MatchSwitch("/Reg", "/reg", position));
}

TEST(MatchSwitch, LengthAndEmptyChecks) {
    int32_t position = 99;
    EXPECT_FALSE(MatchSwitch("", "/c", position));
    EXPECT_FALSE(MatchSwitch("/c", "", position));
    EXPECT_FALSE(MatchSwitch(nullptr, "/c", position));
    EXPECT_EQ(position, 99);  // untouched before the length checks pass
    EXPECT_FALSE(MatchSwitch("/", "/c", position));
    EXPECT_EQ(position, 99);
    // Long enough overall, but too little left behind the first '/'.
    EXPECT_FALSE(MatchSwitch("abc/r", "/reg", position));
    EXPECT_EQ(position, -1);
    EXPECT_FALSE(MatchSwitch("abcd", "/reg", position));
    EXPECT_EQ(position, -1);
}

TEST(ParseCommand, FullScreenForEverythingUnknown) {
    for (const char* text : {"/s", "/S", "-s", "/Reg", "/REG", "/s /c", "/x 5", "hello"}) {
        TCommand command = Parse(text);
        EXPECT_EQ(command.Switch, TSwitch::None) << text;
        EXPECT_EQ(command.Parent, 0) << text;
    }
}

TEST(ParseCommand, NoTextAtAllOpensTheSettings) {
    for (const char* text : {"", "   ", "\t "}) EXPECT_EQ(Parse(text).Switch, TSwitch::Config) << text;
    EXPECT_EQ(ParseRaw("\"C:\\My Savers\\rowfall.scr\"").Switch, TSwitch::Config);
    EXPECT_EQ(ParseRaw("C:\\My Savers\\rowfall.scr  ").Switch, TSwitch::Config);
}

TEST(ParseCommand, InstallAndConfiguration) {
    EXPECT_EQ(Parse("/reg").Switch, TSwitch::Install);
    EXPECT_EQ(Parse("/regsvr").Switch, TSwitch::Install);
    for (const char* text : {"/c", "/c:1234", "/C", "-C", "-c", "x-c", "/c 55"}) {
        TCommand command = Parse(text);
        EXPECT_EQ(command.Switch, TSwitch::Config) << text;
        EXPECT_EQ(command.Parent, 0) << text;
    }
}

TEST(ParseCommand, PreviewAndPasswordTakeTheSecondArgument) {
    EXPECT_EQ(Parse("/p 1234").Switch, TSwitch::Preview);
    EXPECT_EQ(Parse("/p 1234").Parent, 1234);
    EXPECT_EQ(Parse("-P 66").Parent, 66);
    EXPECT_EQ(Parse("/p").Parent, 0);
    EXPECT_EQ(Parse("/p").Switch, TSwitch::Preview);
    EXPECT_EQ(Parse("/p:1234").Switch, TSwitch::Preview);
    EXPECT_EQ(Parse("/p:1234").Parent, 0);
    EXPECT_EQ(Parse("/a 77").Switch, TSwitch::Password);
    EXPECT_EQ(Parse("/a 77").Parent, 77);
    EXPECT_EQ(Parse("/a 12ab").Parent, 12);
    EXPECT_EQ(Parse("/a ab12").Parent, 0);
    EXPECT_EQ(Parse("-A -9").Parent, -9);
    // The configuration row is tried before the preview row.
    EXPECT_EQ(Parse("/p 5 /c").Switch, TSwitch::Preview);
    EXPECT_EQ(Parse("-p 5 -c").Switch, TSwitch::Preview);
    EXPECT_EQ(Parse("x-c -p 5").Switch, TSwitch::Config);
}

// Windows may hand over the program's path unquoted: with blanks it is known by
// being this program's own path, long or short, in any letter case.
TEST(SplitCommandLine, TheProgramsOwnPathWithBlanksOrBeyondAscii) {
    EXPECT_EQ(ParseRaw("C:\\My Savers\\rowfall.scr /s").Switch, TSwitch::None);
    EXPECT_EQ(ParseRaw("C:\\My x-apps\\rowfall.scr /s", {"C:\\My x-apps\\rowfall.scr"}).Switch,
              TSwitch::None);
    EXPECT_EQ(ParseRaw("C:\\My x-apps\\rowfall.scr /s", {}).Switch, TSwitch::Password)
        << "without the program's path the name ends at the first blank";
    const TCommand preview = ParseRaw("C:\\My Savers\\rowfall.scr /p 1234");
    EXPECT_EQ(preview.Switch, TSwitch::Preview);
    EXPECT_EQ(preview.Parent, 1234);
    EXPECT_EQ(ParseRaw("c:\\my savers\\ROWFALL.scr /a 77").Parent, 77);
    EXPECT_EQ(ParseRaw("C:\\MYSAVE~1\\ROWFALL.SCR /p 55").Parent, 55);
    EXPECT_EQ(ParseRaw("\"C:\\My Savers\\rowfall.scr\" /p 66").Parent, 66);
    EXPECT_EQ(ParseRaw("\"C:\\My Savers\\rowfall.scr\"/c").Switch, TSwitch::Config);
    EXPECT_EQ(ParseRaw("C:\\J\xc3\xb6rg\\x-c\\rowfall.scr /s").Switch, TSwitch::None);
    EXPECT_EQ(ParseRaw("C:\\J\xf6rg\\x-c\\rowfall.scr /p 9", {}).Parent, 9);
    EXPECT_EQ(ParseRaw("  \t rowfall.scr \t /p\t 12").Parent, 12);
    EXPECT_EQ(ParseRaw("\"unclosed /c").Switch, TSwitch::Config) << "no text behind the name";
    EXPECT_EQ(ParseCommand(SplitCommandLine(nullptr, SaverPaths)).Switch, TSwitch::Config);
}

TEST(ParseHandleArgument, RuntimeRules) {
    EXPECT_EQ(ParseHandleArgument(nullptr), 0);
    EXPECT_EQ(ParseHandleArgument(""), 0);
    EXPECT_EQ(ParseHandleArgument("  \t+42x"), 42);
    EXPECT_EQ(ParseHandleArgument("-17"), -17);
    EXPECT_EQ(ParseHandleArgument("+-3"), 0);
    EXPECT_EQ(ParseHandleArgument("- 3"), 0);
    EXPECT_EQ(ParseHandleArgument("2147483647"), 2147483647);
    EXPECT_EQ(ParseHandleArgument("-2147483648"), INT32_MIN);
    // Overflow wraps modulo 2^32 (checked under UBSan).
    EXPECT_EQ(ParseHandleArgument("4294967296"), 0);
    EXPECT_EQ(ParseHandleArgument("4294967297"), 1);
    EXPECT_EQ(ParseHandleArgument("2147483648"), INT32_MIN);
    EXPECT_EQ(ParseHandleArgument(std::string(5000, '9').c_str()), int32_t(uint32_t(0) - 1u));
}

TEST(ParseCommand, VeryLongAndOddLines) {
    std::string longLine(100000, 'x');
    EXPECT_EQ(Parse(longLine).Switch, TSwitch::None);
    EXPECT_EQ(Parse(longLine + "-c").Switch, TSwitch::Config);
    std::string hugeHandle = "/p " + std::string(20000, '7');
    TCommand command = Parse(hugeHandle);
    EXPECT_EQ(command.Switch, TSwitch::Preview);
    std::string manyDigits(20000, '7');
    EXPECT_EQ(command.Parent, ParseHandleArgument(manyDigits.c_str()));
    EXPECT_EQ(Parse(std::string(70000, '/') + "reg").Switch, TSwitch::None);
}

}  // namespace
