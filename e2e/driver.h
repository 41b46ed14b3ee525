// Drives rowfall.scr as a black box under Wine: processes, windows, screen
// pixels, input, WIN.INI, the registry and files.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Windows-usable paths of the build's products.
std::string ScrPath();          // rowfall.scr
std::string PasswordCplPath();  // the test-only PASSWORD.CPL
std::string MsiPath();          // the x64 installer package of rowfall.scr
std::string WorkFolder();       // scratch folder for copies; created on first use

// One started program. The destructor ends it if it still runs.
class TProcess {
public:
    TProcess() = default;
    ~TProcess();
    TProcess(const TProcess&) = delete;
    TProcess& operator=(const TProcess&) = delete;

    // Starts exe with "exe" arguments as its command line; false on failure.
    bool Start(const std::string& arguments, const std::string& exe = ScrPath());
    // True when the process ended within timeoutMs; exitCode then holds its code.
    bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    bool Running() const;
    void Kill();
    // Polls for a top-level window of this process with the class name.
    HWND FindWindowOf(const char* className, DWORD timeoutMs) const;

    HANDLE Handle = nullptr;
    DWORD Id = 0;
    DWORD StartedAt = 0;  // GetTickCount() right before CreateProcessA
};

extern const char SaverClass[];  // "Korvex Rowfall Screen Saver"
extern const char IniSection[];  // the same text

// A copy of the screen (GetDC(NULL) + BitBlt into a 32-bit top-down DIB).
struct TScreenShot {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;  // 0x00RRGGBB
    uint32_t At(int32_t x, int32_t y) const { return Pixels[size_t(y) * Width + x]; }
};
TScreenShot ReadScreen();
// Pixels inside area (screen coordinates) that differ between a and b.
int32_t CountChanged(const TScreenShot& a, const TScreenShot& b, const RECT& area);
// Number of distinct colours in area; a black or one-colour screen gives 1.
int32_t CountColours(const TScreenShot& shot, const RECT& area);

// Input, posted to the window's queue so it reaches its window procedure.
void PostKey(HWND window, WORD virtualKey);
void PostMouseMove(HWND window, int32_t x, int32_t y);
void PostButton(HWND window, UINT message);  // WM_LBUTTONDOWN, WM_RBUTTONDOWN, ...
// Runs this thread's message loop for ms milliseconds (needed while the
// driver owns windows, e.g. a preview parent).
void PumpMessages(DWORD ms);

// WIN.INI, section IniSection unless given. Missing keys read as "<none>".
std::string ReadIni(const char* key, const char* section = IniSection);
void WriteIni(const char* key, const char* value, const char* section = IniSection);
void DeleteIniSection(const char* section = IniSection);

// Saves the whole section on construction and puts it back on destruction.
class TIniBackup {
public:
    explicit TIniBackup(const char* section = IniSection);
    ~TIniBackup();

private:
    std::string Section_;
    std::vector<char> Saved_;  // double-null-terminated key=value list
};

// Registry values under HKEY_CURRENT_USER.
bool WriteUserValue(const char* key, const char* name, DWORD type, const void* data, DWORD size);
bool DeleteUserValue(const char* key, const char* name);
// Saves one value on construction and restores it (or its absence) on destruction.
class TRegistryBackup {
public:
    TRegistryBackup(const char* key, const char* name);
    ~TRegistryBackup();

private:
    std::string Key_, Name_;
    bool Existed_ = false;
    DWORD Type_ = 0;
    std::vector<BYTE> Data_;
};

bool CopyFileTo(const std::string& from, const std::string& to);
std::string ReadTextFile(const std::string& path);  // "" when missing
// Joins a folder and a name with a backslash.
std::string JoinPath(const std::string& folder, const std::string& name);
