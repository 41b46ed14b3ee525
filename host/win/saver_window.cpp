#include "host/win/saver_window.h"

#include "host/win/display_state.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "host/win/monitor_covers.h"
#include "host/win/monitor_games.h"
#include "host/win/run_scores.h"
#include "host/win/saver_input.h"
#include "host/win/worker.h"
#include "pacing/win/saver_objects.h"
#include "resources/resource.h"
#include "settings/settings.h"

namespace {

constexpr UINT RefitMs = 50;

// The monitors other than the primary one: with "Every monitor" a game of their own,
// and a black cover wherever there is none.
void FillOtherMonitors() {
    if (Settings.EveryMonitor) MonitorGames.Open();
    MonitorCovers.Cover(MonitorGames.Areas());
}

// The part of the full-screen run between showing the window and saving.
int32_t PlayFullScreen(int32_t width, int32_t height) {
    if (!CreateSaverWindow(width, height, nullptr)) return 0;
    UpdateWindow(SaverWindow);  // the first frame before the rest of the set-up
    FillOtherMonitors();
    TDisplayNotices displayNotices(SaverWindow);
    BOOL previous = FALSE;
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, TRUE, &previous, 0);
    int32_t result = 0;
    HANDLE worker = StartWorker();
    if (worker) {
        if (Settings.ManualControl) SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
        ApplyPriority(worker);
        MonitorGames.Start();
        result = MessageLoop();
        EndRun();  // however the loop ended, the desktop comes back and the workers stop
    }
    MonitorGames.End();
    if (worker) SaveRunSettings();
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, FALSE, &previous, 0);
    MonitorCovers.Remove();
    return result;
}

}  // namespace

bool FitGame(TGame& game, const RECT& area) {
    HWND window = game.Screen.Window;
    RECT now = {};
    GetWindowRect(window, &now);
    const int32_t width = area.right - area.left, height = area.bottom - area.top;
    // Windows may have resized the window itself: the layout is checked against its size.
    const bool placed = EqualRect(&now, &area) != FALSE;
    if (placed && game.Screen.Width == width && game.Screen.Height == height) return true;
    TLockScope lock(game.Lock, WindowLockMs);
    if (!lock.Owned() || game.Engine.Dissolving) return false;
    if (!placed)
        SetWindowPos(window, nullptr, area.left, area.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    game.Screen.SetWindow(window);           // a new layout and back buffer for the new client
    InvalidateRect(window, nullptr, FALSE);  // the paint draws the whole picture
    return true;
}

void FollowDisplays() {
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const bool primaryFitted = FitGame(PrimaryGame, desktop);
    const bool othersFitted = MonitorGames.Follow(Settings.EveryMonitor);
    MonitorCovers.Rebuild(MonitorGames.Areas());
    if (!primaryFitted || !othersFitted) SetTimer(SaverWindow, RefitTimer, RefitMs, nullptr);
}

int32_t MessageLoop(HWND window) {
    MSG msg = {};
    BOOL got;
    while ((got = GetMessageA(&msg, window, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // Every way out tells the workers: a quit message from outside, or a failed
    // GetMessage, comes without the window's destroy.
    SetEvent(StopEvent);
    return got == 0 ? int32_t(msg.wParam) : 0;
}

void ApplyPriority(HANDLE worker) {
    switch (Settings.Priority) {
    case PriorityLow:
        SetThreadPriority(worker, THREAD_PRIORITY_LOWEST);
        break;
    case PriorityHigh:
        SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
        SetThreadPriority(worker, THREAD_PRIORITY_HIGHEST);
        break;
    }
}

bool RegisterGameWindowClass(const char* className) {
    WNDCLASSEXA gameClass = {};
    gameClass.cbSize = sizeof gameClass;
    gameClass.style = CS_OWNDC;  // the screen object keeps the window's own context
    gameClass.lpfnWndProc = SaverWindowProc;
    gameClass.hInstance = Instance;
    gameClass.hIcon = LoadIconA(Instance, MAKEINTRESOURCEA(IDI_ROWFALL));
    gameClass.hIconSm = LoadIconA(Instance, MAKEINTRESOURCEA(IDI_ROWFALL));
    gameClass.lpszClassName = className;
    return RegisterClassExA(&gameClass) != 0;
}

HWND CreateSaverWindow(int32_t width, int32_t height, HWND parent) {
    const DWORD style = parent ? WS_CHILD | WS_VISIBLE | WS_DISABLED : WS_POPUP | WS_VISIBLE;
    // Full screen above every always-on-top window and every taskbar, as a saver must be.
    const DWORD extendedStyle = parent ? 0 : WS_EX_TOPMOST;
    SaverWindow = CreateWindowExA(extendedStyle, SaverClassName, SaverTitle, style, 0, 0, width,
                                  height, parent, nullptr, Instance, nullptr);
    if (SaverWindow) Form.SetWindow(SaverWindow);
    return SaverWindow;
}

int32_t RunPreview() {
    RECT client;
    // The desktop is no preview host: the disabled child would cover the screen
    // and nothing would ever end it.
    if (!ParentWindow || !IsWindow(ParentWindow) || ParentWindow == GetDesktopWindow() ||
        !GetClientRect(ParentWindow, &client))
        return 0;
    if (!CreateSaverWindow(client.right - client.left, client.bottom - client.top, ParentWindow))
        return 0;
    if (!StartWorker()) return 0;
    return MessageLoop();
}

int32_t RunSaver() {
    MouseMoveCountdown = 7;
    GetCursorPos(&LastMousePosition);
    HWND previous = GetForegroundWindow();
    ShowCursor(FALSE);
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int32_t result = PlayFullScreen(desktop.right - desktop.left, desktop.bottom - desktop.top);
    ShowCursor(TRUE);
    SetForegroundWindow(previous);
    return result;
}
