#include "e2e/driver.h"

#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

const char SaverClass[] = "Korvex Rowfall Screen Saver";
const char CoverClass[] = "Korvex Rowfall Monitor Cover";
const char MonitorGameClass[] = "Korvex Rowfall Monitor Game";
const char IniSection[] = "Korvex Rowfall Screen Saver";

namespace {

// CMake hands us Unix paths; Wine maps drive Z: to the Unix root.
std::string WindowsPath(const char* unixPath) {
    std::string path = unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}

}  // namespace

// A shipped build (a signed release, say) can stand in for the tree's own .scr.
std::string ScrPath() {
    const char* other = std::getenv("ROWFALL_SCR");
    return WindowsPath(other && *other ? other : ROWFALL_SCR_PATH);
}
std::string PasswordCplPath() { return WindowsPath(ROWFALL_PASSWORD_CPL_PATH); }
std::string MsiPath() { return WindowsPath(ROWFALL_MSI_PATH); }
std::string RebuiltMsiPath() { return WindowsPath(ROWFALL_MSI_REBUILT_PATH); }

std::string WorkFolder() {
    std::string folder = WindowsPath(ROWFALL_E2E_WORK);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "\\" + name;
}

TProcess::~TProcess() {
    Kill();
    if (Handle) CloseHandle(Handle);
}

bool TProcess::Start(const std::string& arguments, const std::string& exe) {
    std::string line = "\"" + exe + "\"";
    if (!arguments.empty()) line += " " + arguments;
    return StartAs(line, exe);
}

bool TProcess::StartAs(const std::string& line, const std::string& exe, const std::string& folder) {
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    StartedAt = GetTickCount();
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return false;
    CloseHandle(info.hThread);
    Handle = info.hProcess;
    Id = info.dwProcessId;
    return true;
}

bool TProcess::WaitExit(DWORD timeoutMs, DWORD* exitCode) {
    if (!Handle || WaitForSingleObject(Handle, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(Handle, exitCode);
    return true;
}

bool TProcess::Running() const { return Handle && WaitForSingleObject(Handle, 0) == WAIT_TIMEOUT; }

void TProcess::Kill() {
    if (!Running()) return;
    TerminateProcess(Handle, 99);
    WaitForSingleObject(Handle, 5000);
}

namespace {

struct TWindowSearch {
    DWORD ProcessId;
    const char* ClassName;
    HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TWindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner == search->ProcessId && std::strcmp(name, search->ClassName) == 0) {
        search->Found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND TProcess::FindWindowOf(const char* className, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    for (;;) {
        TWindowSearch search = {Id, className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found) return search.Found;
        if (GetTickCount() - start >= timeoutMs || !Running()) return nullptr;
        PumpMessages(10);
    }
}

std::string ReadIni(const char* key, const char* section) {
    char value[512] = {};
    GetProfileStringA(section, key, "<none>", value, sizeof value);
    return value;
}

void WriteIni(const char* key, const char* value, const char* section) {
    WriteProfileStringA(section, key, value);
}

void DeleteIniSection(const char* section) { WriteProfileStringA(section, nullptr, nullptr); }

std::string WinIniPath() {
    char folder[MAX_PATH] = {};
    GetWindowsDirectoryA(folder, MAX_PATH);
    return JoinPath(folder, "win.ini");
}

std::string UserSettingsFolder() {
    char appData[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return JoinPath(appData, "Korvex Rowfall");
}

std::string UserSettingsFile() { return JoinPath(UserSettingsFolder(), "rowfall.ini"); }

TIniBackup::TIniBackup(const char* section) : Section_(section), Saved_(32768) {
    DWORD n = GetProfileSectionA(section, Saved_.data(), DWORD(Saved_.size()));
    Saved_.resize(n + 2);
    Saved_[n] = Saved_[n + 1] = '\0';
}

TIniBackup::~TIniBackup() {
    DeleteIniSection(Section_.c_str());
    if (Saved_[0]) WriteProfileSectionA(Section_.c_str(), Saved_.data());
}

bool WriteUserValue(const char* key, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
    return rc == ERROR_SUCCESS;
}

bool DeleteUserValue(const char* key, const char* name) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_WRITE, &handle) != ERROR_SUCCESS) return false;
    LONG rc = RegDeleteValueA(handle, name);
    RegCloseKey(handle);
    return rc == ERROR_SUCCESS;
}

TRegistryBackup::TRegistryBackup(const char* key, const char* name) : Key_(key), Name_(name) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return;
    DWORD size = 0;
    if (RegQueryValueExA(handle, name, nullptr, &Type_, nullptr, &size) == ERROR_SUCCESS) {
        Data_.resize(size);
        Existed_ = RegQueryValueExA(handle, name, nullptr, &Type_, Data_.data(), &size) ==
                   ERROR_SUCCESS;
    }
    RegCloseKey(handle);
}

TRegistryBackup::~TRegistryBackup() {
    if (Existed_)
        WriteUserValue(Key_.c_str(), Name_.c_str(), Type_, Data_.data(), DWORD(Data_.size()));
    else
        DeleteUserValue(Key_.c_str(), Name_.c_str());
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

// Wine's own export: where a Windows path lives on the Unix side.
std::string UnixPath(const std::string& windowsPath) {
    using TUnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<TUnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char* name = unixName ? unixName(wide) : nullptr;
    const std::string path = name ? name : "";
    if (name) HeapFree(GetProcessHeap(), 0, name);
    return path;
}

bool AttributesSettable(const std::string& windowsPath) {
    return SetFileAttributesA(windowsPath.c_str(), GetFileAttributesA(windowsPath.c_str())) != 0;
}

// Wine starts a Unix program given by its Z: path but hands back no handle to wait
// on, so the change is waited for where it shows: an immutable path's attributes
// cannot be set.
bool SetImmutable(const std::string& windowsPath, bool on) {
    const std::string unixPath = UnixPath(windowsPath);
    TProcess chattr;
    if (unixPath.empty() ||
        !chattr.StartAs(std::string("Z:\\usr\\bin\\chattr ") + (on ? "+i" : "-i") + " \"" +
                            unixPath + "\"",
                        "Z:\\usr\\bin\\chattr"))
        return false;
    return WaitUntil([&] { return AttributesSettable(windowsPath) != on; });
}

}  // namespace

TImmutable::TImmutable(const std::string& windowsPath) : Path_(windowsPath) {
    Applied = SetImmutable(Path_, true);
}

TImmutable::~TImmutable() {
    if (Applied) SetImmutable(Path_, false);
}
