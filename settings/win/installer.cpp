#include "settings/win/installer.h"

#include <cstring>
#include <string>

#include "settings/win/program_path.h"
#include "settings/win/reg_key.h"

namespace {

constexpr UINT PathCapacity = 260;
constexpr UINT LongestWindowsDirectory = 248;  // leaves room for "\system.ini" and its terminator
const char SaverValue[] = "SCRNSAVE.EXE";
const wchar_t WideSaverValue[] = L"SCRNSAVE.EXE";
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

// In Unicode: a folder name beyond the ANSI code page would come back as '?'.
void RecordInRegistry(const std::wstring& saver) {
    TRegKey desktop;
    desktop.Open(HKEY_CURRENT_USER, DesktopKeyName, false);
    std::wstring current(WidePathCapacity, L'\0');
    desktop.ReadString(WideSaverValue, &current[0], WidePathCapacity);
    // Repeated installs leave an equal value alone.
    if (desktop.Status != ERROR_SUCCESS || lstrcmpiW(current.c_str(), saver.c_str()) != 0) {
        desktop.WriteString(WideSaverValue, saver.c_str());
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
    // The short form where the volume has one, else the long path; never one that is not there.
    if (!*system.Program || GetFileAttributesW(system.Program) == INVALID_FILE_ATTRIBUTES) return;
    const std::wstring saver = ShortPathOf(system.Program);
    DWORD platform = 0;
    if (!system.PlatformId(platform)) return;

    if (platform == VER_PLATFORM_WIN32_NT) {
        RecordInRegistry(saver);
    } else {
        // The 9x family keeps system.ini in ANSI, and has no other letters in its paths.
        std::string ansi;
        if (!ToAnsi(saver, ansi) || ansi.size() >= PathCapacity) return;
        RecordInSystemIni(ansi.c_str(), system.WindowsDirectory);
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
    InstallSaverOn({ProgramPathW(), SystemPlatformId, GetWindowsDirectoryA});
}
