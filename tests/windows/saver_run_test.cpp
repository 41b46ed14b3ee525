// The run around the game: painting beside the worker, the full-screen run's
// priorities and what it leaves behind, and the ways its loops and worker end.
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <vector>

#include "bench/win/parked_worker.h"
#include "e2e/wait_until.h"
#include "host/win/display_state.h"
#include "host/win/saver_window.h"
#include "host/win/turn_host.h"
#include "host/win/worker.h"
#include "screen_fixture.h"

namespace {

class SaverRun : public TScreenTest {};

// Another holder of the game lock must never find the window's own context clipped
// by a paint: a flush then would copy only the update region and call it done.
TEST_F(SaverRun, PaintKeepsTheGameLockUntilItsEnd) {
    Open(320, 240);
    SaverWindow = Form.Window;
    SetWindowLongPtrA(SaverWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SaverWindowProc));
    std::atomic<bool> done{false};
    std::atomic<int> looks{0}, clipped{0};
    std::thread watcher([&] {
        while (!done) {
            if (!WaitForLock(GameLock)) continue;
            RECT box = {};
            GetClipBox(Form.WindowDC, &box);
            clipped += box.right - box.left < Form.Width || box.bottom - box.top < Form.Height;
            ++looks;
            ReleaseMutex(GameLock);
            Sleep(0);
        }
    });
    // On a busy machine the watcher may get its first turn only after many paints.
    const DWORD start = GetTickCount();
    for (int i = 0; i < 100 || (looks == 0 && GetTickCount() - start < PatienceMs); ++i) {
        const RECT part = {10, 10, 50, 50};
        InvalidateRect(SaverWindow, &part, FALSE);
        UpdateWindow(SaverWindow);
    }
    done = true;
    watcher.join();
    SetWindowLongPtrA(SaverWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
    SaverWindow = nullptr;
    EXPECT_GT(looks, 0) << "the watcher never looked between the paints";
    EXPECT_EQ(clipped, 0) << "the worker's side saw a paint in progress " << clipped << " times";
}

// The Priority setting, as the full-screen run applies it to its worker.
TEST_F(SaverRun, PriorityReachesTheWorkerAndHighAlsoTheProcess) {
    struct TCase {
        int32_t Setting;
        int WorkerPriority;
        DWORD ProcessClass;
    } cases[] = {
        {PriorityLow, THREAD_PRIORITY_LOWEST, BELOW_NORMAL_PRIORITY_CLASS},
        {PriorityNormal, THREAD_PRIORITY_NORMAL, BELOW_NORMAL_PRIORITY_CLASS},
        {PriorityHigh, THREAD_PRIORITY_HIGHEST, NORMAL_PRIORITY_CLASS},
        {999, THREAD_PRIORITY_NORMAL, BELOW_NORMAL_PRIORITY_CLASS},
    };
    const DWORD savedClass = GetPriorityClass(GetCurrentProcess());
    for (const TCase& c : cases) {
        HANDLE worker = CreateThread(
            nullptr, 0, [](void*) -> DWORD { return 0; }, nullptr, CREATE_SUSPENDED, nullptr);
        ASSERT_NE(worker, nullptr);
        SetPriorityClass(GetCurrentProcess(), BELOW_NORMAL_PRIORITY_CLASS);
        Settings.Priority = c.Setting;
        ApplyPriority(worker);
        EXPECT_EQ(GetThreadPriority(worker), c.WorkerPriority) << c.Setting;
        EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), c.ProcessClass) << c.Setting;
        ResumeThread(worker);
        WaitForSingleObject(worker, INFINITE);
        CloseHandle(worker);
    }
    SetPriorityClass(GetCurrentProcess(), savedClass);
}

// What the run looks like while it plays, seen from another thread.
struct TDuringRun {
    int MainThread = 0;
    int Worker = 0;
    BOOL SaverRunning = FALSE;
};

// One whole full-screen run with "Manual control" on and "High" priority, ended by
// the stop event as a dismissal ends it; then the cursor, the foreground window and
// the screen-saver-running flag are as they were.
// The saver window's class, as the entry point registers it before a full-screen run.
void RegisterSaverClass() {
    WNDCLASSEXA saverClass = {};
    saverClass.cbSize = sizeof saverClass;
    saverClass.style = CS_OWNDC;
    saverClass.lpfnWndProc = SaverWindowProc;
    saverClass.hInstance = GetModuleHandleA(nullptr);
    saverClass.lpszClassName = SaverClassName;
    RegisterClassExA(&saverClass);
    Instance = saverClass.hInstance;
}

// What a full-screen run run by a test leaves behind: its worker, its window, the
// quit message its window posted, and the settings it saved.
void CleanUpRun() {
    EndWorker(5000);
    DestroyWindow(SaverWindow);
    SaverWindow = nullptr;
    // Dispatched, not only removed: a paint still due for another window of this
    // thread stays in the queue until handled.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    WriteProfileStringA(SaverClassName, nullptr, nullptr);
}

TEST_F(SaverRun, FullScreenRunRaisesItsThreadsAndPutsEverythingBack) {
    RegisterSaverClass();
    Settings.ManualControl = true;
    Settings.Priority = PriorityHigh;
    HWND previous = WindowOfSize(64, 48);
    SetForegroundWindow(previous);
    ASSERT_EQ(GetForegroundWindow(), previous);
    const int cursorBefore = (ShowCursor(TRUE), ShowCursor(FALSE));
    HANDLE mainThread = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &mainThread, 0,
                    FALSE, DUPLICATE_SAME_ACCESS);

    TDuringRun during;
    std::thread observer([&] {
        // The run raises its threads only after its window and worker are up.
        WaitUntil([&] {
            during.MainThread = GetThreadPriority(mainThread);
            during.Worker = WorkerThread ? GetThreadPriority(WorkerThread) : 0;
            SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &during.SaverRunning, 0);
            return during.MainThread == THREAD_PRIORITY_TIME_CRITICAL &&
                   during.Worker == THREAD_PRIORITY_HIGHEST && during.SaverRunning;
        });
        SetEvent(StopEvent);
    });
    EXPECT_EQ(RunSaver(), 0);
    observer.join();

    EXPECT_EQ(during.MainThread, THREAD_PRIORITY_TIME_CRITICAL);
    EXPECT_EQ(during.Worker, THREAD_PRIORITY_HIGHEST);
    EXPECT_TRUE(during.SaverRunning);
    EXPECT_EQ((ShowCursor(TRUE), ShowCursor(FALSE)), cursorBefore) << "the cursor stays hidden";
    EXPECT_EQ(GetForegroundWindow(), previous);
    BOOL running = TRUE;
    SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0);
    EXPECT_FALSE(running);

    CleanUpRun();
    SetThreadPriority(mainThread, THREAD_PRIORITY_NORMAL);
    CloseHandle(mainThread);
}

bool Answers(UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(SaverWindow, message, wParam, 0, SMTO_NORMAL, 1000, &result) != 0;
}

// Windows can leave an idle-priority worker without the processor for seconds, inside
// the game lock too. The window thread must not wait for it: the clock, a paint and a
// game key are answered at once, any other key brings the desktop back, and the run
// ends once the worker goes on.
TEST_F(SaverRun, AWorkerStoppedInsideTheLockHoldsNothingUp) {
    RegisterSaverClass();
    Settings.ManualControl = true;
    TParkedWorker parking;
    bool held = false, timer = false, paint = false, gameKey = false, hidden = false;
    std::thread observer([&] {
        WaitUntil([] { return WorkerThread && Form.Started; });
        held = parking.CatchInside(WorkerThread, GameLock, PatienceMs);
        timer = Answers(WM_TIMER, 1);
        paint = Answers(WM_PAINT, 0);
        gameKey = Answers(WM_KEYDOWN, VK_LEFT);
        Answers(WM_KEYDOWN, VK_ESCAPE);
        hidden = !IsWindowVisible(SaverWindow);
        ResumeThread(WorkerThread);
    });
    EXPECT_EQ(RunSaver(), 0);
    observer.join();
    ASSERT_TRUE(held) << "the worker was never caught inside the lock";
    EXPECT_TRUE(timer) << "the clock tick waited for the worker";
    EXPECT_TRUE(paint) << "the paint waited for the worker";
    EXPECT_TRUE(gameKey) << "the game key waited for the worker";
    EXPECT_TRUE(hidden) << "the key did not bring the desktop back";
    CleanUpRun();
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
}

struct TPosition {
    std::vector<int32_t> Well;
    int32_t X, Y;
    bool operator==(const TPosition& other) const {
        return Well == other.Well && X == other.X && Y == other.Y;
    }
};

TPosition PositionOf(TGame& game) {
    TLockScope lock(game.Lock);
    return {std::vector<int32_t>(std::begin(game.Engine.Glass), std::end(game.Engine.Glass)),
            game.Engine.X, game.Engine.Y};
}

void SendDisplayState(DWORD state) {
    TPowerSetting setting = {{0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}},
                             sizeof(DWORD), {}};
    std::memcpy(setting.Data, &state, sizeof state);
    SaverWindowProc(Form.Window, WM_POWERBROADCAST, PowerSettingChange, reinterpret_cast<LPARAM>(&setting));
}

// While Windows reports the display off nothing plays; back on, the game goes on, and
// a stop still ends a game that rests.
TEST_F(SaverRun, TheGameRestsWhileTheDisplayIsOff) {
    Open(160, 120);
    DisplayOn = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    ASSERT_NE(StartWorker(PrimaryGame), nullptr);
    const TPosition start = PositionOf(PrimaryGame);
    EXPECT_TRUE(WaitUntil([&] { return !(PositionOf(PrimaryGame) == start); })) << "it never played";

    SendDisplayState(0);
    Sleep(300);  // the pass under way ends
    const TPosition off = PositionOf(PrimaryGame);
    Sleep(1000);  // nothing may happen during it
    EXPECT_TRUE(PositionOf(PrimaryGame) == off) << "it played with the display off";

    SendDisplayState(2);  // dimmed counts as on
    EXPECT_TRUE(WaitUntil([&] { return !(PositionOf(PrimaryGame) == off); })) << "it never went on";
    SendDisplayState(0);
    Sleep(300);
    SetEvent(StopEvent);
    EXPECT_TRUE(JoinWorker(PrimaryGame, PatienceMs)) << "a resting game did not see the stop";
    CloseHandle(DisplayOn);
    DisplayOn = nullptr;
}


// A window whose first paint could not draw (the lock busy, the display off) is left
// to the worker: its first turn draws the whole picture and shows it.
TEST_F(SaverRun, TheFirstTurnDrawsWhatNoPaintHasDrawn) {
    Open(160, 120);
    Form.Started = false;  // as in a fresh run
    DisplayOn = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    HBRUSH black = CreateSolidBrush(0);
    const RECT all = {0, 0, Form.Width, Form.Height};
    FillRect(Form.WindowDC, &all, black);
    DeleteObject(black);
    ASSERT_NE(StartWorker(PrimaryGame), nullptr);
    const TRect& well = Form.GlassRect;
    EXPECT_TRUE(WaitUntil([&] {
        TLockScope lock(PrimaryGame.Lock);
        return Screen().At(well.right + 3, well.bottom + 3) == HighlightColor;
    })) << "the first turn left the window without its picture";
    SetEvent(StopEvent);
    EXPECT_TRUE(JoinWorker(PrimaryGame, PatienceMs));
    CloseHandle(DisplayOn);
    DisplayOn = nullptr;
}

// A second game beside the primary one, with engine, screen, lock and worker of its
// own: the two play apart, and their folds meet in the one high-score list.
TEST_F(SaverRun, TwoGamesPlayApartAndFoldIntoOneList) {
    Open(160, 120);
    TGame beside(7919);
    beside.Lock = CreateMutexA(nullptr, FALSE, nullptr);
    beside.Stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    beside.Screen.SetWindow(WindowOfSize(200, 150));
    ASSERT_NE(StartWorker(PrimaryGame), nullptr);
    ASSERT_NE(StartWorker(beside), nullptr);
    bool apart = false;
    for (const DWORD start = GetTickCount(); !apart && GetTickCount() - start < 15000; Sleep(100)) {
        const std::vector<int32_t> primary = WellOf(PrimaryGame), other = WellOf(beside);
        apart = Played(primary) && Played(other) && primary != other;
    }
    SetEvent(StopEvent);
    EXPECT_TRUE(JoinWorker(PrimaryGame, 5000));
    EXPECT_TRUE(JoinWorker(beside, 5000));
    EXPECT_TRUE(apart) << "the games did not both play, or played in step";

    // The primary game's fold leaves 500 unsorted at the end of the list; the other
    // game's 400 must still find its place instead of losing against it.
    Settings.Score1 = 900;
    Settings.Score2 = 300;
    Settings.Score3 = 100;
    TSaverTurnHost(PrimaryGame).FoldScore(500);
    TSaverTurnHost(beside).FoldScore(400);
    EXPECT_EQ(Settings.Score1, 900);
    EXPECT_EQ(Settings.Score2, 500);
    EXPECT_EQ(Settings.Score3, 400);

    beside.Cells.Attach(nullptr, nullptr);
    beside.Screen.SetWindow(nullptr);
    CloseHandle(beside.Lock);
    CloseHandle(beside.Stop);
    beside.Lock = beside.Stop = nullptr;
}

TEST_F(SaverRun, AFailedGetMessageEndsTheLoopAndStillStopsTheWorker) {
    HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(MessageLoop(gone), 0);
    EXPECT_TRUE(StopRequested());
}

// A worker still busy after the bound ends the process at once, with 0, before the
// static destructors could pull its device contexts away.
TEST(WorkerEnd, AWorkerPastTheBoundEndsTheProcessAtOnce) {
    EXPECT_EXIT(
        {
            WorkerThread = CreateThread(
                nullptr, 0, [](void*) -> DWORD { return Sleep(60000), 0; }, nullptr, 0, nullptr);
            EndWorker(100);
            std::exit(7);  // reached only when EndWorker came back
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(WorkerEnd, AWorkerThatEndsInTimeIsWaitedForAndForgotten) {
    WorkerThread = CreateThread(
        nullptr, 0, [](void*) -> DWORD { return Sleep(100), 0; }, nullptr, 0, nullptr);
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), WorkerThread, GetCurrentProcess(), &copy, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    EndWorker(5000);
    EXPECT_EQ(WorkerThread, nullptr);
    EXPECT_EQ(WaitForSingleObject(copy, 0), WAIT_OBJECT_0);
    CloseHandle(copy);
}

}  // namespace
