#include "settings/win/installer.h"

#include <cstring>

#include "host/win/host_state.h"
#include "settings/win/reg_key.h"

namespace {

constexpr UINT PathCapacity = 260;
constexpr UINT LongestWindowsDirectory = 248;  // leaves room for "\system.ini" and its terminator
const char SaverValue[] = "SCRNSAVE.EXE";
const char SystemIniName[] = "\\system.ini";

constexpr UINT NoticeTimeoutMs = 1000;  // per window; hung ones are skipped at once

// Wide texts: an ANSI broadcast of this message reaches the windows garbled under Wine,
// while the wide one is converted correctly for ANSI and Unicode windows alike.
const wchar_t* const ChangedSections[] = {
    L"HKEY_CURRENT_USER\\Control Panel\\Desktop",
    L"Control Panel\\Desktop",
    L"Desktop",
    L"boot",
    L"[boot]",
    L"system.ini",
    L"system.ini\\boot",
};

static_assert(sizeof(OSVERSIONINFOA) == 148, "the version query expects the ANSI record");

bool SystemPlatformId(DWORD& id) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return false;
    id = version.dwPlatformId;
    return true;
}

void RecordInRegistry(const char* saver) {
    TRegKey desktop;
    desktop.Open(HKEY_CURRENT_USER, DesktopKeyName, false);
    char current[PathCapacity] = {};
    desktop.ReadString(SaverValue, current, PathCapacity);
    // Repeated installs leave an equal value alone.
    if (desktop.Status != ERROR_SUCCESS || lstrcmpiA(current, saver) != 0) {
        desktop.WriteString(SaverValue, saver);
    }
    desktop.Close();
}

void RecordInSystemIni(const char* saver, UINT(WINAPI* windowsDirectory)(char*, UINT)) {
    char ini[PathCapacity] = {};
    const UINT length = windowsDirectory(ini, PathCapacity);
    if (length < 1 || length > LongestWindowsDirectory) return;
    std::memcpy(ini + length, SystemIniName, sizeof SystemIniName);
    char current[PathCapacity] = {};
    GetPrivateProfileStringA("boot", SaverValue, "", current, PathCapacity, ini);
    if (lstrcmpiA(current, saver) != 0) WritePrivateProfileStringA("boot", SaverValue, saver, ini);
}

}  // namespace

void InstallSaverOn(const TInstallSystem& system) {
    char saver[PathCapacity] = {};
    const DWORD length = GetShortPathNameA(system.Program, saver, PathCapacity);
    if (length == 0 || length >= PathCapacity) return;
    DWORD platform = 0;
    if (!system.PlatformId(platform)) return;

    if (platform == VER_PLATFORM_WIN32_NT) {
        RecordInRegistry(saver);
    } else {
        RecordInSystemIni(saver, system.WindowsDirectory);
    }
    // Stored, not only set: a switch-on without the update flag lasts until the next logon.
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr,
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    // Sent, not posted: the system refuses to post a message that carries a pointer
    // (ERROR_MESSAGE_SYNC_ONLY), so a post would reach no window at all.
    for (const wchar_t* section : ChangedSections) {
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(section),
                            SMTO_ABORTIFHUNG, NoticeTimeoutMs, nullptr);
    }
}

void InstallSaver() {
    // The full path: argument zero as typed may be relative, which Windows cannot find later.
    InstallSaverOn({ProgramPath(), SystemPlatformId, GetWindowsDirectoryA});
}
