#include "host/win/monitors.h"

namespace {

BOOL CALLBACK CollectOtherMonitor(HMONITOR monitor, HDC, RECT* area, LPARAM rects) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY))
        reinterpret_cast<std::vector<RECT>*>(rects)->push_back(*area);
    return TRUE;
}

}  // namespace

std::vector<RECT> OtherMonitors() {
    std::vector<RECT> others;
    EnumDisplayMonitors(nullptr, nullptr, CollectOtherMonitor, reinterpret_cast<LPARAM>(&others));
    return others;
}

bool HasArea(const std::vector<RECT>& areas, const RECT& area) {
    for (const RECT& known : areas)
        if (EqualRect(&known, &area)) return true;
    return false;
}
