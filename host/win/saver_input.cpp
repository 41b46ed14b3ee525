#include "host/win/saver_input.h"

#include <windowsx.h>

#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/manual_key.h"
#include "host/win/password.h"
#include "settings/settings.h"

namespace {

// The run's windows: the saver window and those it owns (covers, monitor games).
BOOL CALLBACK HideRunWindow(HWND window, LPARAM) {
    if (window == SaverWindow || GetWindow(window, GW_OWNER) == SaverWindow)
        ShowWindow(window, SW_HIDE);
    return TRUE;
}

// One check at a time: losing the activation while the password dialog is up (it is
// this thread's, so it does not lose it) must not open a second one.
void StopIfPasswordAccepted() {
    static bool asking = false;
    if (asking || StopRequested()) return;
    asking = true;
    const bool accepted = AskPassword();
    asking = false;
    if (accepted) EndRun();
}

void OnKeyDown(WPARAM key) {
    if (RunMode == ModePreview) return;
    if (Settings.ManualControl && IsGameKey(key)) {
        ManualKey(key);
        return;
    }
    StopIfPasswordAccepted();
}

void OnButton() {
    if (StopRequested()) return;
    if (RunMode == ModePreview)
        SetEvent(StopEvent);
    else if (RunMode == ModeSaver)
        StopIfPasswordAccepted();
}

// Windows sends a move without any movement whenever what lies under the cursor
// changes (a window shown, hidden or moved): only a new position counts, and of those
// a few are let pass.
void OnMouseMove(HWND window, LPARAM lParam) {
    if (RunMode == ModePreview || StopRequested()) return;
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &at);  // a cover's or a monitor game's client is elsewhere
    if (at.x == LastMousePosition.x && at.y == LastMousePosition.y) return;
    LastMousePosition = at;
    if (--MouseMoveCountdown > 0) return;
    if (RunMode == ModeSaver) StopIfPasswordAccepted();
}

// Alt+F4 and any other close request: the default would destroy the window
// and end the run without asking for the password.
void OnCloseRequest() { StopIfPasswordAccepted(); }

bool IsSystemCommand(UINT message, WPARAM wParam, WPARAM command) {
    return message == WM_SYSCOMMAND && (wParam & 0xFFF0) == command;
}

bool IsCloseRequest(UINT message, WPARAM wParam) {
    return message == WM_CLOSE || IsSystemCommand(message, wParam, SC_CLOSE);
}

}  // namespace

// Before anything else: the worker, at idle priority beside a busy program, may take
// seconds to end its turn. Every window of the run belongs to this thread.
void EndRun() {
    if (SaverWindow) EnumThreadWindows(GetCurrentThreadId(), HideRunWindow, 0);
    SetEvent(StopEvent);
}

bool HandleSaverInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: OnKeyDown(wParam); return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: OnButton(); return true;
    case WM_MOUSEMOVE: OnMouseMove(window, lParam); return true;
    }
    if (RunMode != ModeSaver) return false;
    // Alt, F10 and every key pressed with Alt are keys too: Alt+Tab must not hand the
    // keyboard to another program under the saver while the run, and the lock after it,
    // wait.
    if (message == WM_SYSKEYDOWN) {
        StopIfPasswordAccepted();
        return true;
    }
    // Another program took the activation (sent to every window of the run; the saver
    // window answers for all). Among the run's own windows it never changes hands this
    // way, nor when the run hides them as it ends.
    if (message == WM_ACTIVATEAPP && !wParam && window == SaverWindow && IsWindowVisible(window))
        StopIfPasswordAccepted();
    if (IsCloseRequest(message, wParam)) {
        OnCloseRequest();
        return true;
    }
    // Windows sends it to the active window when the idle time passes again; the
    // default would start a second copy over this one, and the later of the two
    // saves would drop the other's high score.
    return IsSystemCommand(message, wParam, SC_SCREENSAVE);
}
