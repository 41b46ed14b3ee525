#include "host/win/saver_input.h"

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

void StopIfPasswordAccepted() {
    if (AskPassword()) EndRun();
}

void OnKeyDown(WPARAM key) {
    if (RunMode == ModePreview) return;
    if (Settings.ManualControl && IsGameKey(key)) {
        ManualKey(key);
        return;
    }
    if (!StopRequested()) StopIfPasswordAccepted();
}

void OnButton() {
    if (StopRequested()) return;
    if (RunMode == ModePreview)
        SetEvent(StopEvent);
    else if (RunMode == ModeSaver)
        StopIfPasswordAccepted();
}

// Moves the system makes up without a real movement count too, so a few are let pass.
void OnMouseMove() {
    if (RunMode == ModePreview || StopRequested()) return;
    if (--MouseMoveCountdown > 0) return;
    if (RunMode == ModeSaver) StopIfPasswordAccepted();
}

// Alt+F4 and any other close request: the default would destroy the window
// and end the run without asking for the password.
void OnCloseRequest() {
    if (!StopRequested()) StopIfPasswordAccepted();
}

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

bool HandleSaverInput(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_KEYDOWN: OnKeyDown(wParam); return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: OnButton(); return true;
    case WM_MOUSEMOVE: OnMouseMove(); return true;
    }
    if (RunMode != ModeSaver) return false;
    if (IsCloseRequest(message, wParam)) {
        OnCloseRequest();
        return true;
    }
    // Windows sends it to the active window when the idle time passes again; the
    // default would start a second copy over this one, and the later of the two
    // saves would drop the other's high score.
    return IsSystemCommand(message, wParam, SC_SCREENSAVE);
}
