#include "host/win/password.h"

#include <windows.h>

#include <string>

#include "engine/trace.h"
#include "host/win/host_state.h"
#include "settings/win/program_path.h"
#include "settings/win/reg_key.h"

namespace {

using TVerifyPassword = BOOL(WINAPI*)(HWND owner);
using TChangePassword = DWORD(WINAPI*)(LPCSTR provider, HWND owner, DWORD reserved1, LPVOID reserved2);

// Loader results up to 32 are error codes on the old systems, not modules.
bool Loaded(HMODULE library) { return reinterpret_cast<UINT_PTR>(library) > 32; }

// Up to four bytes of whatever type; anything non-zero turns the check on.
bool PasswordWanted(HKEY desktop) {
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    return RegQueryValueExA(desktop, "ScreenSaveUsePassword", nullptr, &type,
                            reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
           value != 0;
}

// Wide paths: the program's folder may hold letters beyond the ANSI code page.
std::wstring InFolderOf(const std::wstring& path, const wchar_t* name) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? L"" : path.substr(0, slash + 1) + name;
}

std::wstring InSystemFolder(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder) + L"\\" + name : L"";
}

// By full path only: the default search would go on to the current folder and
// PATH, where any file of that name would be run inside the saver.
HMODULE LoadPasswordLibrary() {
    const wchar_t name[] = L"PASSWORD.CPL";
    for (const std::wstring& path : {InFolderOf(ProgramPathW(), name), InSystemFolder(name)}) {
        if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        return LoadLibraryW(path.c_str());
    }
    return nullptr;
}

bool VerifyWithLibrary() {
    HMODULE library = LoadPasswordLibrary();
    if (!Loaded(library)) return true;
    auto verify = reinterpret_cast<TVerifyPassword>(
        reinterpret_cast<void*>(GetProcAddress(library, "VerifyScreenSavePwd")));
    bool accepted = true;
    ShowCursor(TRUE);
    if (verify) accepted = verify(SaverWindow) != 0;
    ShowCursor(FALSE);
    if (!accepted) MouseMoveCountdown = 7;
    FreeLibrary(library);
    return accepted;
}

}  // namespace

bool AskPassword() {
    bool accepted = true;
    HKEY desktop;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, DesktopKeyName, 0, KEY_READ, &desktop) ==
        ERROR_SUCCESS) {
        if (PasswordWanted(desktop)) accepted = VerifyWithLibrary();
        RegCloseKey(desktop);
    }
    Trace("AskPassword()");
    return accepted;
}

int32_t ChangePassword() {
    // MPR.DLL is no known DLL: by bare name the program's folder (Downloads, for a saver
    // tried from Explorer) would be searched first, where a planted copy would sit.
    const std::wstring path = InSystemFolder(L"MPR.DLL");
    if (path.empty()) return 0;
    HMODULE library = LoadLibraryW(path.c_str());
    if (!Loaded(library)) return 0;
    auto change = reinterpret_cast<TChangePassword>(
        reinterpret_cast<void*>(GetProcAddress(library, "PwdChangePasswordA")));
    if (change) change("SCRSAVE", ParentWindow, 0, nullptr);
    FreeLibrary(library);
    return 0;
}
