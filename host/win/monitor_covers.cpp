#include "host/win/monitor_covers.h"

#include "host/win/host_state.h"
#include "host/win/saver_input.h"

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

}  // namespace

TMonitorCovers::TMonitorCovers() {
    std::vector<RECT> others;
    EnumDisplayMonitors(nullptr, nullptr, CollectOtherMonitor, reinterpret_cast<LPARAM>(&others));
    if (others.empty()) return;
    Registered_ = RegisterCoverClass();
    if (!Registered_) return;
    for (const RECT& area : others) {
        // Owned by the saver window: above it, and out of the taskbar and Alt+Tab.
        HWND cover = CreateWindowExA(0, CoverClassName, "", WS_POPUP, area.left, area.top,
                                     area.right - area.left, area.bottom - area.top, SaverWindow,
                                     nullptr, Instance, nullptr);
        if (!cover) continue;
        // Shown without taking the activation from the saver window.
        ShowWindow(cover, SW_SHOWNA);
        Windows_.push_back(cover);
    }
}

TMonitorCovers::~TMonitorCovers() {
    for (HWND cover : Windows_) DestroyWindow(cover);
    if (Registered_) UnregisterClassA(CoverClassName, Instance);
}
