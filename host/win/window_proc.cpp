// One window procedure for the preview, the full-screen saver and the games on the
// other monitors.
#include "host/win/display_state.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/monitor_covers.h"
#include "host/win/monitor_games.h"
#include "host/win/run_scores.h"
#include "host/win/saver_input.h"
#include "host/win/saver_window.h"
#include "host/win/worker.h"
#include "pacing/win/saver_objects.h"

namespace {

constexpr UINT_PTR ClockTimer = 1;

// The game a window shows: a monitor game's window carries its own; the saver window
// shows the primary game.
TGame& GameOf(HWND window) {
    auto* game = reinterpret_cast<TGame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return game ? *game : PrimaryGame;
}

LRESULT OnPaint(HWND window) {
    TGame& game = GameOf(window);
    // Held until EndPaint: BeginPaint clips the window's own context to the update
    // region, and a worker flush in between would copy only that part and call it done.
    // Never waited for long: a busy worker's next flush shows the back buffer instead.
    TLockScope lock(game.Lock, WindowLockMs);
    RECT update = {};
    GetUpdateRect(window, &update, FALSE);
    PAINTSTRUCT paint;
    const bool opened = update.left != 0 || update.right != 0;
    if (opened) BeginPaint(window, &paint);
    // Drawn through the window's own context; the paint only validates.
    // Once the back buffer holds the picture, the window only needs it copied again.
    TForm& screen = game.Screen;
    const bool draw = lock.Owned() && !game.Engine.Dissolving && DisplayIsOn();
    if (draw && !screen.Painted)
        screen.ClearScreen();
    else
        screen.RepaintDue = true;
    if (opened) EndPaint(window, &paint);
    if (draw) screen.Flush();  // unclipped now, so the worker's pending area goes too
    return 0;
}

// The clock waits for the next tick rather than for a busy worker.
LRESULT OnClockTimer(HWND window) {
    TGame& game = GameOf(window);
    if (!DisplayIsOn()) return 0;
    TLockScope lock(game.Lock, WindowLockMs);
    if (!lock.Owned()) return 0;
    game.Screen.ShowTime();
    game.Screen.Flush();
    return 0;
}

// The console display switched off or on (dimmed counts as on): the games wait
// while nobody can see them.
LRESULT OnPowerBroadcast(HWND window, WPARAM wParam, LPARAM lParam) {
    if (wParam == PowerSettingChange && lParam) {
        bool on = true;
        if (ReadDisplayState(*reinterpret_cast<const TPowerSetting*>(lParam), on))
            on ? SetEvent(DisplayOn) : ResetEvent(DisplayOn);
        return TRUE;
    }
    return DefWindowProcA(window, WM_POWERBROADCAST, wParam, lParam);
}

// A log-off or shutdown ends the process without the end of the run: the run ends
// here, every game's score joins the list and the settings are saved, as at its end.
LRESULT OnEndSession(WPARAM ending) {
    static bool saved = false;
    if (ending && RunMode == ModeSaver && !saved) {
        saved = true;
        EndRun();
        SaveRunSettings();
    }
    return 0;
}

// A fit after a display change that had to wait, tried again.
LRESULT OnRefitTimer(HWND window) {
    KillTimer(window, RefitTimer);
    FollowDisplays();
    return 0;
}

// A monitor plugged in, removed or resized: every window of the run follows (every
// top-level window hears of it; the saver window answers for all).
LRESULT OnDisplayChange(HWND window, WPARAM wParam, LPARAM lParam) {
    if (RunMode == ModeSaver && window == SaverWindow) FollowDisplays();
    return DefWindowProcA(window, WM_DISPLAYCHANGE, wParam, lParam);
}

// Only the saver window's end (posted by its worker, or a real destroy) ends the run.
LRESULT OnDestroy(HWND window) {
    KillTimer(window, ClockTimer);
    if (window != SaverWindow) return 0;
    SetEvent(StopEvent);
    PostQuitMessage(0);
    return 0;
}

}  // namespace

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: SetTimer(window, ClockTimer, 1000, nullptr); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return OnPaint(window);
    case WM_TIMER: return wParam == RefitTimer ? OnRefitTimer(window) : OnClockTimer(window);
    case WM_ENDSESSION: return OnEndSession(wParam);
    case WM_DISPLAYCHANGE: return OnDisplayChange(window, wParam, lParam);
    case WM_POWERBROADCAST: return OnPowerBroadcast(window, wParam, lParam);
    case GameLeftMessage: MonitorGames.Left(reinterpret_cast<TGame*>(lParam)); return 0;
    case WM_DESTROY: return OnDestroy(window);
    }
    if (HandleSaverInput(window, message, wParam, lParam)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}
