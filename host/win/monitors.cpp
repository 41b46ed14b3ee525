#include "host/win/monitors.h"

namespace {

BOOL CALLBACK CollectOtherMonitor(HMONITOR monitor, HDC, RECT*, LPARAM monitors) {
    MONITORINFOEXA info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY))
        reinterpret_cast<std::vector<TMonitor>*>(monitors)->push_back({info.szDevice, info.rcMonitor});
    return TRUE;
}

}  // namespace

std::vector<TMonitor> OtherMonitors() {
    std::vector<TMonitor> others;
    EnumDisplayMonitors(nullptr, nullptr, CollectOtherMonitor, reinterpret_cast<LPARAM>(&others));
    return others;
}

bool HasArea(const std::vector<RECT>& areas, const RECT& area) {
    for (const RECT& known : areas)
        if (EqualRect(&known, &area)) return true;
    return false;
}
