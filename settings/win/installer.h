// "/reg": makes this program the current screen saver and switches the saver on.
#pragma once
#include <windows.h>

void InstallSaver();

// What the installation asks of the system. InstallSaver passes the real ones; tests pass
// their own program path, platform and Windows directory.
struct TInstallSystem {
    const wchar_t* Program;                                 // the full path of the program
    bool (*PlatformId)(DWORD& id);                          // false when the version is unknown
    UINT(WINAPI* WindowsDirectory)(char* buffer, UINT capacity);  // GetWindowsDirectoryA's contract
};

void InstallSaverOn(const TInstallSystem& system);
