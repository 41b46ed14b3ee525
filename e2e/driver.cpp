#include "e2e/driver.h"

#include <cstring>
#include <fstream>
#include <sstream>

const char SaverClass[] = "Korvex Rowfall Screen Saver";
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

std::string ScrPath() { return WindowsPath(ROWFALL_SCR_PATH); }
std::string PasswordCplPath() { return WindowsPath(ROWFALL_PASSWORD_CPL_PATH); }
std::string MsiPath() { return WindowsPath(ROWFALL_MSI_PATH); }

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
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    StartedAt = GetTickCount();
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
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

TScreenShot ReadScreen() {
    TScreenShot shot;
    HDC screen = GetDC(nullptr);
    shot.Width = GetDeviceCaps(screen, HORZRES);
    shot.Height = GetDeviceCaps(screen, VERTRES);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.Width;
    info.bmiHeader.biHeight = -shot.Height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.Width, shot.Height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    auto* pixels = static_cast<const uint32_t*>(bits);
    shot.Pixels.assign(pixels, pixels + size_t(shot.Width) * shot.Height);
    for (uint32_t& p : shot.Pixels) p &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return shot;
}

int32_t CountChanged(const TScreenShot& a, const TScreenShot& b, const RECT& area) {
    int32_t changed = 0;
    for (int32_t y = area.top; y < area.bottom; ++y)
        for (int32_t x = area.left; x < area.right; ++x)
            if (a.At(x, y) != b.At(x, y)) ++changed;
    return changed;
}

int32_t CountColours(const TScreenShot& shot, const RECT& area) {
    std::vector<uint32_t> seen;
    for (int32_t y = area.top; y < area.bottom; ++y)
        for (int32_t x = area.left; x < area.right; ++x) {
            uint32_t p = shot.At(x, y);
            bool known = false;
            for (uint32_t s : seen) known = known || s == p;
            if (!known) seen.push_back(p);
            if (seen.size() > 1000) return int32_t(seen.size());
        }
    return int32_t(seen.size());
}

void PostKey(HWND window, WORD virtualKey) {
    UINT scan = MapVirtualKeyA(virtualKey, 0);
    PostMessageA(window, WM_KEYDOWN, virtualKey, LPARAM(1 | (scan << 16)));
    PostMessageA(window, WM_KEYUP, virtualKey, LPARAM(1 | (scan << 16) | (3u << 30)));
}

void PostMouseMove(HWND window, int32_t x, int32_t y) {
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void PostButton(HWND window, UINT message) { PostMessageA(window, message, 0, MAKELPARAM(10, 10)); }

void PumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
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
