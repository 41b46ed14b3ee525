// The full-screen saver ("/s") as the user meets it.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "e2e/saver_fixture.h"

namespace {

using FullScreen = SaverTest;

// Sends the message and waits until the window procedure has returned; false when it did not.
bool Answers(HWND window, UINT message, WPARAM wParam) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, PatienceMs, &answer) != 0;
}

TEST_F(FullScreen, CoversTheDesktopPlaysAndTheFirstKeyEndsIt) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 1024);
    EXPECT_EQ(rect.bottom, 768);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Rowfall screen saver") << "the name Task Manager and Alt+Tab show";
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) << "not always on top";

    const TScreenShot first = ReadScreen();
    TScreenShot later;
    WaitUntil([&] {
        later = ReadScreen();
        return CountChanged(first, later, GlassArea) > 0 && CountChanged(first, later, TimeArea) > 0;
    });
    EXPECT_GT(CountChanged(first, later, GlassArea), 0) << "the well never changed";
    EXPECT_GT(CountChanged(first, later, TimeArea), 0) << "the clock stood still";

    const DWORD pressed = GetTickCount();
    PostKey(window, 'A');
    EXPECT_TRUE(EndsWithZero(saver));
    std::printf("[ figure ] dismissing key to process exit: %lu ms\n",
                static_cast<unsigned long>(GetTickCount() - pressed));
}

// A quit message from outside ends the loop without the window's destroy: the workers
// are told all the same, so the process ends at once, not after the bound of 5000 ms
// the entry point waits for the worker before it ends the process anyway.
TEST_F(FullScreen, AQuitMessageFromOutsideEndsTheRunAtOnce) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    const DWORD posted = GetTickCount();
    ASSERT_TRUE(PostThreadMessageA(GetWindowThreadProcessId(window, nullptr), WM_QUIT, 0, 0));
    EXPECT_TRUE(EndsWithZero(saver));
    EXPECT_LT(GetTickCount() - posted, 5000u) << "the worker was never told to stop";
}

// Alt alone, F10 and every key pressed with Alt come as system keys: they end the run
// too, or Alt+Tab would reach a program beneath the saver while the lock waits.
TEST_F(FullScreen, ASystemKeyEndsIt) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_SYSKEYDOWN, VK_MENU, 0x20000000);  // the Alt-down context bit
    EXPECT_TRUE(EndsWithZero(saver));
}

// Another program taking the foreground ends the run as a key would.
TEST_F(FullScreen, AnotherProgramInTheForegroundEndsIt) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    HWND mine = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(mine, nullptr);
    SetForegroundWindow(mine);
    EXPECT_EQ(GetForegroundWindow(), mine);
    EXPECT_TRUE(EndsWithZero(saver));
    DestroyWindow(mine);
}

// Windows sends a move without any movement whenever what lies under the cursor
// changes: ten to one point are one move, and the run goes on.
TEST_F(FullScreen, MovesThatGoNowhereLeaveItRunning) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < 10; ++i) PostMouseMove(window, 200, 200);
    EXPECT_FALSE(saver.WaitExit(1000)) << "moves to one point ended the run";  // nothing may happen
    PostKey(window, 'A');
    EXPECT_TRUE(EndsWithZero(saver));
}

// Wine adds mouse moves of its own when the window appears, and they count
// too; the exact six-then-seventh rule is checked after a refused password.
TEST_F(FullScreen, MouseMovesEndItWithinSeven) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    int moves = 0;
    while (saver.Running() && moves < 7) {
        PostMouseMove(window, 100 + moves, 100);
        ++moves;
        saver.WaitExit(400);
    }
    EXPECT_TRUE(EndsWithZero(saver)) << "still running after " << moves << " moves";
    std::printf("[ figure ] posted mouse moves before the end: %d\n", moves);
}

TEST_F(FullScreen, EveryButtonEndsIt) {
    for (UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        TProcess saver;
        HWND window = StartSaver(saver);
        ASSERT_NE(window, nullptr);
        PostButton(window, button);
        EXPECT_TRUE(EndsWithZero(saver)) << "button message " << button;
    }
}

TEST_F(FullScreen, GameKeysSteerUnderManualControlAndEscEnds) {
    WriteIni("ManualControl", "1");
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    const TScreenShot first = ReadScreen();
    const uint32_t empty = EmptyColor(first);
    for (WORD key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_LEFT, VK_UP}) PostKey(window, key);
    // Each SPACE drops a figure to the bottom at once: the middle piles up far
    // faster than the autopilot could place figures.
    for (int i = 0; i < 8; ++i) PostKey(window, VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return FilledCells(ReadScreen(), empty) >= 20; }))
        << "the dropped figures never showed";
    Sleep(600);
    EXPECT_TRUE(saver.Running()) << "a game key ended the saver";
    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver));
}

TEST_F(FullScreen, ArrowKeyEndsItWithoutManualControl) {
    WriteIni("ManualControl", "0");
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    PostKey(window, VK_LEFT);
    EXPECT_TRUE(EndsWithZero(saver));
}

// The number of top-level windows of the class, in any process.
int32_t WindowsOfClass(const char* className) {
    int32_t count = 0;
    for (HWND w = FindWindowExA(nullptr, nullptr, className, nullptr); w;
         w = FindWindowExA(nullptr, w, className, nullptr))
        ++count;
    return count;
}

// Windows sends SC_SCREENSAVE to the active window when the idle time passes again
// (flag 1: the saver is secure). The default processing starts a second saver on
// Windows; under Wine, 0xF141 opens a window of its own.
TEST_F(FullScreen, AScreenSaveRequestStartsNothingMore) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    const WPARAM secure = 1;
    PostMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE | secure, 0);
    PostMessageA(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    EXPECT_EQ(saver.FindWindowOf("#32770", 1500), nullptr) << "the default processing ran";
    EXPECT_EQ(WindowsOfClass(SaverClass), 1) << "a second saver";
    EXPECT_TRUE(saver.Running());
    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver));
}

TEST_F(FullScreen, WinIniAfterwardsHoldsEveryKeyAndTheScores) {
    DeleteIniSection();
    WriteIni("Score1", "30");
    WriteIni("Score2", "20");
    WriteIni("Score3", "10");
    WriteIni("Palette", "2");
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    PostKey(window, VK_RETURN);
    ASSERT_TRUE(EndsWithZero(saver));
    for (const char* key : {"Time", "Priority", "ShowBkgr", "ShowInfo", "ManualControl", "Palette",
                            "Path", "Score1", "Score2", "Score3"})
        EXPECT_NE(ReadIni(key), "<none>") << key;
    EXPECT_EQ(ReadIni("Palette"), "2");
    const int score1 = std::atoi(ReadIni("Score1").c_str());
    const int score2 = std::atoi(ReadIni("Score2").c_str());
    const int score3 = std::atoi(ReadIni("Score3").c_str());
    EXPECT_GE(score1, 30);
    EXPECT_GE(score2, 20);
    EXPECT_GE(score3, 10);
    const std::string path = ReadIni("Path");
    ASSERT_GE(path.size(), 4u);
    EXPECT_EQ(lstrcmpiA(path.substr(path.size() - 4).c_str(), ".scr"), 0) << path;
}

TEST_F(FullScreen, SessionEndSavesEvenWhenTheProcessIsThenKilled) {
    DeleteIniSection();
    WriteIni("Score1", "9");
    WriteIni("Score2", "8");
    WriteIni("Score3", "7");
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Answers(window, WM_QUERYENDSESSION, 0));
    ASSERT_TRUE(Answers(window, WM_ENDSESSION, TRUE)) << "the saver did not finish the session end";
    saver.Kill();
    for (const char* key : {"Time", "Priority", "ShowBkgr", "ShowInfo", "ManualControl", "Palette",
                            "Path", "Score1", "Score2", "Score3"})
        EXPECT_NE(ReadIni(key), "<none>") << key;
    EXPECT_GE(std::atoi(ReadIni("Score1").c_str()), 9);
    EXPECT_GE(std::atoi(ReadIni("Score3").c_str()), 7);
}

TEST_F(FullScreen, WithoutSessionEndAKilledSaverSavesNothing) {
    DeleteIniSection();
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Answers(window, WM_ENDSESSION, FALSE)) << "the saver did not take the message";
    saver.Kill();
    EXPECT_EQ(ReadIni("Path"), "<none>");
}

}  // namespace

namespace {

TEST_F(FullScreen, OddCommandLinesAndSettingsStillRunAndEndWithZero) {
    WriteIni("Priority", "999");
    WriteIni("Palette", "77");
    WriteIni("Time", "-3");
    WriteIni("ShowInfo", "banana");
    for (const std::string& arguments :
         {std::string("/x ") + std::string(20000, 'q'), std::string("/Reg 123456789012345678901234"),
          std::string("/s /c")}) {
        TProcess saver;
        ASSERT_TRUE(saver.Start(arguments));
        // ShowInfo reads as off here, so the panel boxes stay empty: no frame check.
        HWND window = saver.FindWindowOf(SaverClass, PatienceMs);
        ASSERT_NE(window, nullptr) << arguments.substr(0, 20);
        Sleep(1500);
        EXPECT_TRUE(saver.Running());
        PostKey(window, 'Z');
        EXPECT_TRUE(EndsWithZero(saver)) << arguments.substr(0, 20);
    }
}

}  // namespace

namespace {

// Run by the two-monitor tier only: a second monitor beside the primary one.
using TwoMonitors = SaverTest;

// A plain white window stands for the documents left open on the second monitor.
class TOpenDocument {
public:
    explicit TOpenDocument(const RECT& area)
        : Window_(CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_WHITERECT, area.left,
                                  area.top, area.right - area.left, area.bottom - area.top,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~TOpenDocument() { DestroyWindow(Window_); }
    TOpenDocument(const TOpenDocument&) = delete;
    TOpenDocument& operator=(const TOpenDocument&) = delete;

private:
    HWND Window_;
};

TEST_F(TwoMonitors, TheOtherMonitorTurnsBlackAndAClickThereEndsTheRun) {
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    const RECT other = OtherMonitor();
    TOpenDocument document(other);
    ASSERT_TRUE(WaitUntil([&] { return ReadScreen().At(other.left + 5, other.top + 5) > 0; }))
        << "the document is not shown";

    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    RECT game = {};
    GetWindowRect(window, &game);
    const RECT primary = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_TRUE(EqualRect(&game, &primary)) << "the game left the primary monitor";
    HWND cover = saver.FindWindowOf(CoverClass, PatienceMs);
    ASSERT_NE(cover, nullptr);
    RECT covered = {};
    GetWindowRect(cover, &covered);
    EXPECT_TRUE(EqualRect(&covered, &other));
    EXPECT_TRUE(GetWindowLongA(cover, GWL_EXSTYLE) & WS_EX_TOPMOST) << "a taskbar would show through";
    EXPECT_TRUE(WaitUntil([&] {
        const TScreenShot shot = ReadScreen();
        return CountColors(shot, other) == 1 && shot.At(other.left, other.top) == 0;
    })) << "the other monitor did not turn black";

    PostButton(cover, WM_LBUTTONDOWN);
    EXPECT_TRUE(EndsWithZero(saver));
}

// A monitor removed during the run leaves its cover to Windows, which moves it
// elsewhere; here the cover is hidden from outside instead. After the change
// notice every other monitor has exactly one cover again, and the old one is gone.
TEST_F(TwoMonitors, ADisplayChangeRebuildsTheCovers) {
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    HWND cover = saver.FindWindowOf(CoverClass, PatienceMs);
    ASSERT_NE(cover, nullptr);
    ShowWindow(cover, SW_HIDE);
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768), SMTO_ABORTIFHUNG,
                        5000, &answer);
    EXPECT_FALSE(IsWindow(cover)) << "the old cover is left";
    HWND rebuilt = saver.FindWindowOf(CoverClass, PatienceMs);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_TRUE(IsWindowVisible(rebuilt));
    RECT covered = {};
    GetWindowRect(rebuilt, &covered);
    const RECT other = OtherMonitor();
    EXPECT_TRUE(EqualRect(&covered, &other));
    EXPECT_EQ(WindowsOfClass(CoverClass), 1);
    PostButton(rebuilt, WM_LBUTTONDOWN);
    EXPECT_TRUE(EndsWithZero(saver));
}

// The colour at the centre of each cell of a well, row by row.
std::vector<uint32_t> CellColours(const TScreenShot& shot, int32_t left, int32_t top, int32_t cell) {
    std::vector<uint32_t> colours;
    for (int32_t r = 0; r < 20; ++r)
        for (int32_t c = 0; c < 10; ++c)
            colours.push_back(shot.At(left + c * cell + cell / 2, top + r * cell + cell / 2));
    return colours;
}

// "Every monitor": the 640 x 480 monitor plays a game of its own (its well at 215, 24
// in cells of 21 pixels), and a click there ends the whole run.
TEST_F(TwoMonitors, EveryMonitorPlaysAGameOfItsOwn) {
    WriteIni("EveryMonitor", "1");
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    const RECT other = OtherMonitor();
    HWND game = saver.FindWindowOf(MonitorGameClass, PatienceMs);
    ASSERT_NE(game, nullptr) << "no game on the other monitor";
    RECT area = {};
    GetWindowRect(game, &area);
    EXPECT_TRUE(EqualRect(&area, &other));
    EXPECT_TRUE(GetWindowLongA(game, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(saver.FindWindowOf(CoverClass, 0), nullptr) << "a cover hides the game";

    const int32_t left = other.left + 215, top = other.top + 24, cell = 21;
    const std::vector<uint32_t> first = CellColours(ReadScreen(), left, top, cell);
    bool changed = false, apart = false;
    WaitUntil([&] {
        const TScreenShot shot = ReadScreen();
        const std::vector<uint32_t> now = CellColours(shot, left, top, cell);
        changed = changed || now != first;
        apart = apart || now != CellColours(shot, GlassArea.left, GlassArea.top, CellSize);
        return changed && apart;
    });
    EXPECT_TRUE(changed) << "the other monitor's well stood still";
    EXPECT_TRUE(apart) << "the other monitor showed the primary game";

    // The activation passing among the run's own windows is no switch to another program.
    SetForegroundWindow(game);
    EXPECT_FALSE(saver.WaitExit(1000)) << "the run ended when its own window took the activation";

    // A display change that leaves both monitors as they were leaves the game to itself.
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768), SMTO_ABORTIFHUNG,
                        5000, &answer);
    EXPECT_EQ(WindowsOfClass(MonitorGameClass), 1) << "a second game on one monitor";
    GetWindowRect(game, &area);
    EXPECT_TRUE(IsWindowVisible(game) && EqualRect(&area, &other)) << "the game left its monitor";

    PostButton(game, WM_LBUTTONDOWN);
    EXPECT_TRUE(EndsWithZero(saver));
    EXPECT_EQ(FindWindowA(MonitorGameClass, nullptr), nullptr) << "a game window outlived the run";
}

// A log-off ends the process without the end of the run: every game's score must be in
// the list it saves, not only the primary game's. The score boxes (the primary
// monitor's at 778, 209, the other's at 485, 132) change once each game has scored.
TEST_F(TwoMonitors, ALogOffKeepsEveryGamesScore) {
    WriteIni("EveryMonitor", "1");
    for (const char* key : {"Score1", "Score2", "Score3"}) WriteIni(key, "0");
    TProcess saver;
    HWND window = StartSaver(saver);
    ASSERT_NE(window, nullptr);
    const RECT other = OtherMonitor();
    const RECT boxes[2] = {{780, 211, 926, 257},
                           {other.left + 487, other.top + 134, other.left + 576, other.top + 161}};
    const TScreenShot first = ReadScreen();
    ASSERT_TRUE(WaitUntil([&] {
        const TScreenShot now = ReadScreen();
        return CountChanged(first, now, boxes[0]) > 0 && CountChanged(first, now, boxes[1]) > 0;
    }, 6 * PatienceMs)) << "not both games scored";
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, PatienceMs, &answer);
    int scored = 0;
    for (const char* key : {"Score1", "Score2", "Score3"}) scored += std::atoi(ReadIni(key).c_str()) > 0;
    EXPECT_GE(scored, 2) << "a game's score was lost at the log-off";
    EXPECT_TRUE(EndsWithZero(saver));
}

}  // namespace
