// Drives rowfall.scr as a black box under Wine: processes, windows, WIN.INI,
// the registry and files (screen pixels and input in screen_input.h).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "e2e/screen_input.h"
#include "e2e/wait_until.h"

// Windows-usable paths of the build's products.
std::string ScrPath();          // rowfall.scr, or the one the variable ROWFALL_SCR names
std::string PasswordCplPath();  // the test-only PASSWORD.CPL
std::string MsiPath();          // the x64 installer package of rowfall.scr
std::string RebuiltMsiPath();   // the same package from a second, separate wixl run
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
    // Starts exe with the whole command line as given, in folder when one is given.
    bool StartAs(const std::string& commandLine, const std::string& exe,
                 const std::string& folder = "");
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
extern const char CoverClass[];  // the black windows over the other monitors
extern const char MonitorGameClass[];  // the games on the other monitors ("Every monitor")
extern const char IniSection[];  // the same text

// WIN.INI, section IniSection unless given. Missing keys read as "<none>".
std::string ReadIni(const char* key, const char* section = IniSection);
void WriteIni(const char* key, const char* value, const char* section = IniSection);
void DeleteIniSection(const char* section = IniSection);

std::string WinIniPath();  // the Windows folder's win.ini
// %APPDATA%\Korvex Rowfall, where the settings go when WIN.INI cannot be written,
// and the file in it.
std::string UserSettingsFolder();
std::string UserSettingsFile();

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

// A file or folder that nobody may change, not even root (chattr +i on the Unix side),
// for as long as the object lives. Applied is false when that could not be done.
class TImmutable {
public:
    explicit TImmutable(const std::string& windowsPath);
    ~TImmutable();
    TImmutable(const TImmutable&) = delete;
    TImmutable& operator=(const TImmutable&) = delete;
    bool Applied = false;

private:
    std::string Path_;
};
