#include "settings/win/settings_store.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "engine/trace.h"
#include "settings/settings.h"
#include "settings/win/program_path.h"
#include "settings/win/system_error.h"

namespace {

// Where WIN.INI cannot be written (a 64-bit program of a standard user on Vista
// and later gets no VirtualStore copy), a per-user file of the same layout keeps
// the settings instead. Null stands for WIN.INI, which keeps the ANSI functions;
// the file goes by its wide path, so a user name outside the ANSI code page works.
using TProfile = const wchar_t*;

std::wstring Widen(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0) return L"";
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(size_t(length - 1));
    return wide;
}

const std::wstring& WideSection() {
    static const std::wstring section = Widen(SettingsSection);
    return section;
}

int32_t ReadInt(TProfile file, const char* key, int32_t fallback) {
    return static_cast<int32_t>(
        file ? GetPrivateProfileIntW(WideSection().c_str(), Widen(key).c_str(), fallback, file)
             : GetProfileIntA(SettingsSection, key, fallback));
}

bool WriteText(TProfile file, const char* key, const char* text) {
    return (file ? WritePrivateProfileStringW(WideSection().c_str(), Widen(key).c_str(),
                                              Widen(text).c_str(), file)
                 : WriteProfileStringA(SettingsSection, key, text)) != FALSE;
}

bool WriteInt(TProfile file, const char* key, int32_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return WriteText(file, key, text);
}

// Keys the profile lacks keep the fallback's values.
void ReadScores(TProfile file, const TSettings fallback) {
    Settings.Score1 = ReadInt(file, "Score1", fallback.Score1);
    Settings.Score2 = ReadInt(file, "Score2", fallback.Score2);
    Settings.Score3 = ReadInt(file, "Score3", fallback.Score3);
}

void ReadAll(TProfile file, const TSettings fallback) {
    Settings.Time = ReadInt(file, "Time", fallback.Time);
    Settings.Priority = ReadInt(file, "Priority", fallback.Priority);
    Settings.Palette = ReadInt(file, "Palette", fallback.Palette);
    Settings.ShowBkgr = ReadInt(file, "ShowBkgr", fallback.ShowBkgr) != 0;
    Settings.ShowInfo = ReadInt(file, "ShowInfo", fallback.ShowInfo) != 0;
    Settings.ManualControl = ReadInt(file, "ManualControl", fallback.ManualControl) != 0;
    ReadScores(file, fallback);
    Settings.EveryMonitor = ReadInt(file, "EveryMonitor", fallback.EveryMonitor) != 0;
}

// Every key is tried even after a failure; the first failure's error stays
// the thread's last error.
bool WriteAll(TProfile file, const TSettings& record) {
    DWORD firstError = ERROR_SUCCESS;
    const auto note = [&firstError](bool written) {
        if (!written && firstError == ERROR_SUCCESS) firstError = GetLastError();
    };
    note(WriteInt(file, "Time", record.Time));
    note(WriteInt(file, "Priority", record.Priority));
    note(WriteInt(file, "ShowBkgr", record.ShowBkgr));
    note(WriteInt(file, "ShowInfo", record.ShowInfo));
    note(WriteInt(file, "ManualControl", record.ManualControl));
    note(WriteInt(file, "Palette", record.Palette));
    note(WriteText(file, "Path", ProgramPathInAnsi().c_str()));
    note(WriteInt(file, "Score1", record.Score1));
    note(WriteInt(file, "Score2", record.Score2));
    note(WriteInt(file, "Score3", record.Score3));
    note(WriteInt(file, "EveryMonitor", record.EveryMonitor));
    // All three null: the system writes its cached copy to disk (and answers FALSE).
    if (file)
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, file);
    else
        WriteProfileStringA(nullptr, nullptr, nullptr);
    if (firstError == ERROR_SUCCESS) return true;
    SetLastError(firstError);
    return false;
}

struct TUserFile {
    std::wstring Folder;  // %APPDATA%\Korvex Rowfall
    std::wstring Path;    // ...\rowfall.ini; empty when the folder is unknown
};

TUserFile UserFile() {
    wchar_t appData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)))
        return {};
    const std::wstring folder = std::wstring(appData) + L"\\Korvex Rowfall";
    return {folder, folder + L"\\rowfall.ini"};
}

bool HoldsSection(const std::wstring& file) {
    wchar_t keys[16];
    return GetPrivateProfileStringW(WideSection().c_str(), nullptr, L"", keys, 16, file.c_str()) > 0;
}

// What a missing key reads as; a fresh installation starts blue, not with the record's brown.
TSettings MissingKeys() {
    TSettings defaults;
    defaults.Palette = 1;
    return defaults;
}

// WIN.INI, then the per-user file over it: written only when WIN.INI could not be,
// so it is the newer copy. The list is kept in order from the start, however it was
// written.
void LoadFrom(void (*read)(TProfile, const TSettings)) {
    read(nullptr, MissingKeys());
    const TUserFile user = UserFile();
    if (!user.Path.empty() && HoldsSection(user.Path)) read(user.Path.c_str(), Settings);
    SortHiScores(Settings);
}

bool SaveToUserFile(const TUserFile& user, const TSettings& record) {
    if (user.Path.empty()) return false;
    CreateDirectoryW(user.Folder.c_str(), nullptr);
    return WriteAll(user.Path.c_str(), record);
}

// WIN.INI is the one place again: the per-user copy goes with its folder, if empty.
// A copy that cannot go (read-only, held open by a scanner) is brought up to date
// instead; left stale, the next start would lay it over WIN.INI. Judged by what is
// left, not by the answer: Wine accepts the deletion of a file it then cannot remove.
bool RetireUserFile(const TUserFile& user, const TSettings& record) {
    if (user.Path.empty()) return true;
    DeleteFileW(user.Path.c_str());
    if (GetFileAttributesW(user.Path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return WriteAll(user.Path.c_str(), record);
    RemoveDirectoryW(user.Folder.c_str());
    return true;
}

}  // namespace

void LoadSettings() {
    try {
        LoadFrom(ReadAll);
    } catch (...) {
        Trace("LoadSettings");
    }
}

void LoadScores() {
    try {
        LoadFrom(ReadScores);
    } catch (...) {
        Trace("LoadSettings");
    }
}

bool SaveSettings(const TSettings& record) {
    try {
        const TUserFile user = UserFile();
        if (!WriteAll(nullptr, record)) return SaveToUserFile(user, record);
        return RetireUserFile(user, record);
    } catch (...) {
        Trace("SaveSettings");
        return false;
    }
}

void SaveSettingsAtRunEnd(const TSettings& record) {
    if (SaveSettings(record)) return;
    std::string line = "SaveSettings: " + SystemErrorText(GetLastError());
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    Trace(line.c_str());
}
