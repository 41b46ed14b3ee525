#include "host/win/display_state.h"

#include <cstring>

namespace {

// GUID_CONSOLE_DISPLAY_STATE (Windows 8 and later) and GUID_MONITOR_POWER_ON, its
// forerunner on Vista and 7. Both carry a DWORD: 0 off, 1 on (2 dimmed, the first only).
const GUID ConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
const GUID MonitorPowerOn = {
    0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

using TRegister = HANDLE(WINAPI*)(HANDLE, const GUID*, DWORD);
using TUnregister = BOOL(WINAPI*)(HANDLE);

FARPROC User32Function(const char* name) { return GetProcAddress(GetModuleHandleA("user32.dll"), name); }

}  // namespace

bool ReadDisplayState(const TPowerSetting& setting, bool& on) {
    const bool display = IsEqualGUID(setting.PowerSetting, ConsoleDisplayState) ||
                         IsEqualGUID(setting.PowerSetting, MonitorPowerOn);
    if (!display || setting.DataLength < sizeof(DWORD)) return false;
    DWORD state = 0;
    std::memcpy(&state, setting.Data, sizeof state);
    on = state != 0;
    return true;
}

TDisplayNotices::TDisplayNotices(HWND window) {
    auto notify = reinterpret_cast<TRegister>(
        reinterpret_cast<void*>(User32Function("RegisterPowerSettingNotification")));
    if (!notify || !window) return;
    // DEVICE_NOTIFY_WINDOW_HANDLE (0): WM_POWERBROADCAST to the window.
    Notices_[0] = notify(window, &ConsoleDisplayState, 0);
    Notices_[1] = notify(window, &MonitorPowerOn, 0);
}

TDisplayNotices::~TDisplayNotices() {
    auto stop = reinterpret_cast<TUnregister>(
        reinterpret_cast<void*>(User32Function("UnregisterPowerSettingNotification")));
    for (HANDLE notice : Notices_)
        if (stop && notice) stop(notice);
}
