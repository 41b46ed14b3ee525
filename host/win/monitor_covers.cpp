#include "host/win/monitor_covers.h"

#include "host/win/host_state.h"
#include "host/win/saver_input.h"

TMonitorCovers MonitorCovers;

namespace {

const char CoverClassName[] = "Korvex Rowfall Monitor Cover";

// Input on a cover counts as input on the saver window.
LRESULT CALLBACK CoverWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HandleSaverInput(message, wParam)) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterCoverClass() {
    WNDCLASSEXA coverClass = {};
    coverClass.cbSize = sizeof coverClass;
    coverClass.lpfnWndProc = CoverWindowProc;
    coverClass.hInstance = Instance;
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = CoverClassName;
    return RegisterClassExA(&coverClass) != 0;
}

BOOL CALLBACK CollectOtherMonitor(HMONITOR monitor, HDC, RECT* area, LPARAM rects) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY))
        reinterpret_cast<std::vector<RECT>*>(rects)->push_back(*area);
    return TRUE;
}

HWND CreateCover(const RECT& area) {
    // Owned by the saver window: out of the taskbar and Alt+Tab. Topmost, as the
    // saver window, so no always-on-top window or taskbar shows through.
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, CoverClassName, "", WS_POPUP, area.left, area.top,
                                 area.right - area.left, area.bottom - area.top, SaverWindow,
                                 nullptr, Instance, nullptr);
    // Shown without taking the activation from the saver window.
    if (cover) ShowWindow(cover, SW_SHOWNA);
    return cover;
}

}  // namespace

TMonitorCovers::~TMonitorCovers() { Remove(); }

void TMonitorCovers::Cover() {
    std::vector<RECT> others;
    EnumDisplayMonitors(nullptr, nullptr, CollectOtherMonitor, reinterpret_cast<LPARAM>(&others));
    if (others.empty()) return;
    if (!Registered_) Registered_ = RegisterCoverClass();
    if (!Registered_) return;
    for (const RECT& area : others)
        if (HWND cover = CreateCover(area)) Windows_.push_back(cover);
}

void TMonitorCovers::Rebuild() {
    DestroyCovers();
    Cover();
}

void TMonitorCovers::Remove() {
    DestroyCovers();
    if (Registered_) UnregisterClassA(CoverClassName, Instance);
    Registered_ = false;
}

void TMonitorCovers::DestroyCovers() {
    for (HWND cover : Windows_) DestroyWindow(cover);
    Windows_.clear();
}
