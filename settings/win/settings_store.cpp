#include "settings/win/settings_store.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "engine/trace.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "pacing/win/saver_objects.h"
#include "settings/settings.h"

namespace {

// Where WIN.INI cannot be written (a 64-bit program of a standard user on
// Vista and later gets no VirtualStore copy), a per-user file of the same
// layout keeps the settings instead. Null stands for WIN.INI.
using TProfile = const char*;

int32_t ReadInt(TProfile file, const char* key, int32_t fallback) {
    return static_cast<int32_t>(file ? GetPrivateProfileIntA(SaverClassName, key, fallback, file)
                                     : GetProfileIntA(SaverClassName, key, fallback));
}

bool WriteText(TProfile file, const char* key, const char* text) {
    return (file ? WritePrivateProfileStringA(SaverClassName, key, text, file)
                 : WriteProfileStringA(SaverClassName, key, text)) != FALSE;
}

bool WriteInt(TProfile file, const char* key, int32_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return WriteText(file, key, text);
}

// Keys the profile lacks keep the fallback's values.
void ReadAll(TProfile file, const TSettings fallback) {
    Settings.Time = ReadInt(file, "Time", fallback.Time);
    Settings.Priority = ReadInt(file, "Priority", fallback.Priority);
    Settings.Palette = ReadInt(file, "Palette", fallback.Palette);
    Settings.ShowBkgr = ReadInt(file, "ShowBkgr", fallback.ShowBkgr) != 0;
    Settings.ShowInfo = ReadInt(file, "ShowInfo", fallback.ShowInfo) != 0;
    Settings.ManualControl = ReadInt(file, "ManualControl", fallback.ManualControl) != 0;
    Settings.Score1 = ReadInt(file, "Score1", fallback.Score1);
    Settings.Score2 = ReadInt(file, "Score2", fallback.Score2);
    Settings.Score3 = ReadInt(file, "Score3", fallback.Score3);
}

// Every key is tried even after a failure; the first failure's error stays
// the thread's last error.
bool WriteAll(TProfile file) {
    DWORD firstError = ERROR_SUCCESS;
    const auto note = [&firstError](bool written) {
        if (!written && firstError == ERROR_SUCCESS) firstError = GetLastError();
    };
    note(WriteInt(file, "Time", Settings.Time));
    note(WriteInt(file, "Priority", Settings.Priority));
    note(WriteInt(file, "ShowBkgr", Settings.ShowBkgr));
    note(WriteInt(file, "ShowInfo", Settings.ShowInfo));
    note(WriteInt(file, "ManualControl", Settings.ManualControl));
    note(WriteInt(file, "Palette", Settings.Palette));
    note(WriteText(file, "Path", ProgramPath()));
    note(WriteInt(file, "Score1", Settings.Score1));
    note(WriteInt(file, "Score2", Settings.Score2));
    note(WriteInt(file, "Score3", Settings.Score3));
    // All three null: the system writes its cached copy to disk (and answers FALSE).
    if (file)
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
    else
        WriteProfileStringA(nullptr, nullptr, nullptr);
    if (firstError == ERROR_SUCCESS) return true;
    SetLastError(firstError);
    return false;
}

struct TUserFile {
    std::string Folder;  // %APPDATA%\Korvex Rowfall
    std::string Path;    // ...\rowfall.ini; empty when the folder is unknown
};

TUserFile UserFile() {
    char appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
        return {};
    const std::string folder = std::string(appData) + "\\Korvex Rowfall";
    return {folder, folder + "\\rowfall.ini"};
}

bool HoldsSection(const std::string& file) {
    char keys[16];
    return GetPrivateProfileStringA(SaverClassName, nullptr, "", keys, sizeof keys, file.c_str()) > 0;
}

// What a missing key reads as; a fresh installation starts blue, not with the record's brown.
TSettings MissingKeys() {
    TSettings defaults;
    defaults.Palette = 1;
    return defaults;
}

bool SaveToUserFile(const TUserFile& user) {
    if (user.Path.empty()) return false;
    CreateDirectoryA(user.Folder.c_str(), nullptr);
    return WriteAll(user.Path.c_str());
}

// WIN.INI is the one place again: the per-user copy goes with its folder, if empty.
void ForgetUserFile(const TUserFile& user) {
    if (user.Path.empty()) return;
    DeleteFileA(user.Path.c_str());
    RemoveDirectoryA(user.Folder.c_str());
}

}  // namespace

void LoadSettings() {
    try {
        ReadAll(nullptr, MissingKeys());
        // Written only when WIN.INI could not be, so it is the newer copy.
        const TUserFile user = UserFile();
        if (!user.Path.empty() && HoldsSection(user.Path)) ReadAll(user.Path.c_str(), Settings);
    } catch (...) {
        Trace("LoadSettings");
    }
}

bool SaveSettings() {
    try {
        {
            TLockScope lock(GameLock);
            if (!lock.Owned()) {
                SetLastError(ERROR_TIMEOUT);
                return false;
            }
            FoldScore(Settings, Rowfall.Score);
        }
        const TUserFile user = UserFile();
        if (!WriteAll(nullptr)) return SaveToUserFile(user);
        ForgetUserFile(user);
        return true;
    } catch (...) {
        Trace("SaveSettings");
        return false;
    }
}
