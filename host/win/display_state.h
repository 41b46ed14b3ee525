// Whether the console display is on, as Windows Vista and later report it to the
// full-screen run. XP and Wine report nothing; the display then counts as on.
#pragma once
#include <windows.h>

// POWERBROADCAST_SETTING, which the XP-level headers lack.
struct TPowerSetting {
    GUID PowerSetting;
    DWORD DataLength;
    UCHAR Data[1];
};

constexpr WPARAM PowerSettingChange = 0x8013;  // PBT_POWERSETTINGCHANGE

// True when the setting is a display state; on then tells whether the display is on
// (dimmed counts as on).
bool ReadDisplayState(const TPowerSetting& setting, bool& on);

// Asks Windows to send WM_POWERBROADCAST to window when the display goes off or on,
// for as long as the object lives. The functions are looked up at run time, so the
// saver still loads where they do not exist.
class TDisplayNotices {
public:
    explicit TDisplayNotices(HWND window);
    ~TDisplayNotices();
    TDisplayNotices(const TDisplayNotices&) = delete;
    TDisplayNotices& operator=(const TDisplayNotices&) = delete;

private:
    HANDLE Notices_[2] = {};
};
