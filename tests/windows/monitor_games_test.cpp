// The games on the other monitors as the display layout changes under a run (run on two
// monitors: no display here can gain a monitor during a run). None opened yet stands for
// a monitor plugged in after the start.
#include <windows.h>

#include "bench/win/parked_worker.h"
#include "e2e/screen_input.h"
#include "e2e/wait_until.h"
#include "host/win/monitor_games.h"
#include "screen_fixture.h"

namespace {

const char GameClass[] = "Korvex Rowfall Monitor Game";

class TwoMonitorGames : public TScreenTest {};

TEST_F(TwoMonitorGames, AMonitorWithoutAGameGetsOneThatPlaysThereAndFollowsIt) {
    const RECT other = OtherMonitor();
    ASSERT_FALSE(IsRectEmpty(&other)) << "this test needs a second monitor";
    Open(160, 120);
    SaverWindow = Form.Window;  // the games' owner

    EXPECT_TRUE(MonitorGames.Follow(true));
    HWND window = FindWindowA(GameClass, nullptr);
    ASSERT_NE(window, nullptr) << "the new monitor got no game";
    RECT area = {};
    GetWindowRect(window, &area);
    EXPECT_TRUE(EqualRect(&area, &other)) << "the game is not on its monitor";
    EXPECT_TRUE(IsWindowVisible(window));
    TGame& game = *reinterpret_cast<TGame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    EXPECT_EQ(game.Screen.Width, other.right - other.left);
    EXPECT_TRUE(WaitUntil([&] { return Played(WellOf(game)); })) << "its worker never played";

    // Following the same layout again neither adds a game nor moves the one there.
    EXPECT_TRUE(MonitorGames.Follow(true));
    EXPECT_EQ(FindWindowExA(nullptr, window, GameClass, nullptr), nullptr) << "a second game";
    EXPECT_EQ(FindWindowA(GameClass, nullptr), window);

    // A game off its monitor's rectangle whose worker stands inside its lock: the window
    // thread does not wait for it, and the fit comes once the worker goes on.
    TParkedWorker parking;
    ASSERT_TRUE(parking.CatchInside(game.Worker, game.Lock, PatienceMs));
    SetWindowPos(window, nullptr, other.left, other.top, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(MonitorGames.Follow(true)) << "fitted while its worker held the lock";
    EXPECT_LT(GetTickCount() - start, 1000u) << "the window thread waited for the worker";
    ResumeThread(game.Worker);
    EXPECT_TRUE(WaitUntil([] { return MonitorGames.Follow(true); }));
    GetWindowRect(window, &area);
    EXPECT_TRUE(EqualRect(&area, &other) && game.Screen.Width == other.right - other.left);

    MonitorGames.End();
    EXPECT_EQ(FindWindowA(GameClass, nullptr), nullptr) << "its window outlived the end";
    SaverWindow = nullptr;
}

}  // namespace
