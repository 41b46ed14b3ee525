#include "host/win/saver_input.h"

#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/manual_key.h"
#include "host/win/password.h"
#include "settings/settings.h"

namespace {

void StopIfPasswordAccepted() {
    if (AskPassword()) SetEvent(StopEvent);
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

bool IsCloseRequest(UINT message, WPARAM wParam) {
    return message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

}  // namespace

bool HandleSaverInput(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_KEYDOWN: OnKeyDown(wParam); return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: OnButton(); return true;
    case WM_MOUSEMOVE: OnMouseMove(); return true;
    }
    if (RunMode == ModeSaver && IsCloseRequest(message, wParam)) {
        OnCloseRequest();
        return true;
    }
    return false;
}
