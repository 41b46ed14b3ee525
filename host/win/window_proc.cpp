// One window procedure for the preview and the full-screen saver.
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/monitor_covers.h"
#include "host/win/saver_input.h"
#include "host/win/saver_window.h"
#include "pacing/win/form.h"
#include "settings/win/settings_store.h"

namespace {

constexpr UINT_PTR ClockTimer = 1;

LRESULT OnPaint() {
    // Held until EndPaint: BeginPaint clips the window's own context to the update
    // region, and a worker flush in between would copy only that part and call it done.
    TLockScope lock(GameLock);
    RECT update = {};
    GetUpdateRect(SaverWindow, &update, FALSE);
    PAINTSTRUCT paint;
    const bool opened = update.left != 0 || update.right != 0;
    if (opened) BeginPaint(SaverWindow, &paint);
    // Drawn through the window's own context; the paint only validates.
    if (lock.Owned()) Form.ClearScreen();
    if (opened) EndPaint(SaverWindow, &paint);
    return 0;
}

LRESULT OnTimer() {
    Form.ShowTime();
    Form.Flush();
    return 0;
}

// A log-off or shutdown ends the process without the end of the run, so the
// settings and the scores folded in so far are saved here.
LRESULT OnEndSession(WPARAM ending) {
    static bool saved = false;
    if (ending && RunMode == ModeSaver && !saved) {
        saved = true;
        SaveSettingsAtRunEnd();
    }
    return 0;
}

// A monitor plugged in or removed: every monitor but the primary one keeps exactly
// one cover. The game window stays as it is.
LRESULT OnDisplayChange(HWND window, WPARAM wParam, LPARAM lParam) {
    if (RunMode == ModeSaver) MonitorCovers.Rebuild();
    return DefWindowProcA(window, WM_DISPLAYCHANGE, wParam, lParam);
}

LRESULT OnDestroy(HWND window) {
    KillTimer(window, ClockTimer);
    SetEvent(StopEvent);
    PostQuitMessage(0);
    return 0;
}

}  // namespace

LRESULT CALLBACK SaverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: SetTimer(window, ClockTimer, 1000, nullptr); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return OnPaint();
    case WM_TIMER: return OnTimer();
    case WM_ENDSESSION: return OnEndSession(wParam);
    case WM_DISPLAYCHANGE: return OnDisplayChange(window, wParam, lParam);
    case WM_DESTROY: return OnDestroy(window);
    }
    if (HandleSaverInput(message, wParam)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}
