// One window procedure for the preview and the full-screen saver.
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/manual_key.h"
#include "host/win/password.h"
#include "host/win/saver_window.h"
#include "pacing/win/form.h"
#include "settings/settings.h"
#include "settings/win/settings_store.h"

namespace {

constexpr UINT_PTR ClockTimer = 1;

void Dismiss() {
    if (AskPassword()) SetEvent(StopEvent);
}

LRESULT OnPaint() {
    RECT update = {};
    GetUpdateRect(SaverWindow, &update, FALSE);
    PAINTSTRUCT paint;
    const bool opened = update.left != 0 || update.right != 0;
    if (opened) BeginPaint(SaverWindow, &paint);
    // Drawn through the window's own context; the paint only validates.
    Form.ClearScreen();
    if (opened) EndPaint(SaverWindow, &paint);
    return 0;
}

LRESULT OnTimer() {
    Form.ShowTime();
    Form.Flush();
    return 0;
}

LRESULT OnKeyDown(WPARAM key) {
    if (RunMode == ModePreview) return 0;
    if (Settings.ManualControl && IsGameKey(key)) {
        ManualKey(key);
        return 0;
    }
    if (!StopRequested()) Dismiss();
    return 0;
}

LRESULT OnButton() {
    if (StopRequested()) return 0;
    if (RunMode == ModePreview)
        SetEvent(StopEvent);
    else if (RunMode == ModeSaver)
        Dismiss();
    return 0;
}

// Moves the system makes up without a real movement count too, so a few are let pass.
LRESULT OnMouseMove() {
    if (RunMode == ModePreview || StopRequested()) return 0;
    if (--MouseMoveCountdown > 0) return 0;
    if (RunMode == ModeSaver) Dismiss();
    return 0;
}

// A log-off or shutdown ends the process without the end of the run, so the
// settings and the scores folded in so far are saved here.
LRESULT OnEndSession(WPARAM ending) {
    static bool saved = false;
    if (ending && RunMode == ModeSaver && !saved) {
        saved = true;
        SaveSettings();
    }
    return 0;
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
    case WM_NCCREATE: return 1;
    case WM_CREATE: SetTimer(window, ClockTimer, 1000, nullptr); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return OnPaint();
    case WM_TIMER: return OnTimer();
    case WM_KEYDOWN: return OnKeyDown(wParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return OnButton();
    case WM_MOUSEMOVE: return OnMouseMove();
    case WM_ENDSESSION: return OnEndSession(wParam);
    case WM_DESTROY: return OnDestroy(window);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
