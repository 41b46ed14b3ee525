// The self-install on both branches: the registry (NT) and a real system.ini (9x).
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/wait_until.h"
#include "settings/win/installer.h"
#include "tests/windows/registry_values.h"

namespace {

const char DesktopKey[] = "Control Panel\\Desktop";
const char SaverValue[] = "SCRNSAVE.EXE";
const char* const ExpectedSections[] = {
    "HKEY_CURRENT_USER\\Control Panel\\Desktop", "Control Panel\\Desktop", "Desktop", "boot",
    "[boot]", "system.ini", "system.ini\\boot",
};

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::wstring WideProgramPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return buffer;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool ScreenSaverActive() {
    BOOL active = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active != FALSE;
}

// A hidden top-level window that collects the settings-change posts addressed to everyone.
class TChangeListener {
public:
    TChangeListener() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "RowfallChangeListener";
        RegisterClassA(&windowClass);
        Window = CreateWindowA("RowfallChangeListener", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                               nullptr, windowClass.hInstance, nullptr);
        Sections().clear();
    }
    ~TChangeListener() { DestroyWindow(Window); }

    // Pumps until count posts arrived, or the wait gave up.
    std::vector<std::string> Collect(size_t count) {
        WaitUntil([&] { return Sections().size() >= count; });
        PumpBriefly();  // anything beyond the expected posts shows up as well
        return Sections();
    }

    HWND Window = nullptr;

private:
    static std::vector<std::string>& Sections() {
        static std::vector<std::string> sections;
        return sections;
    }
    static void PumpBriefly() {
        MSG message;
        for (int i = 0; i < 10; ++i) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            Sleep(10);
        }
    }
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        // The system's own notice carries the parameter number in wParam; the posts carry 0.
        if (message == WM_SETTINGCHANGE && wParam == 0 && lParam != 0) {
            Sections().push_back(reinterpret_cast<const char*>(lParam));
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

std::vector<std::string> ExpectedList() {
    return std::vector<std::string>(std::begin(ExpectedSections), std::end(ExpectedSections));
}

bool Platform9x(DWORD& id) {
    id = VER_PLATFORM_WIN32_WINDOWS;
    return true;
}

bool PlatformNt(DWORD& id) {
    id = VER_PLATFORM_WIN32_NT;
    return true;
}

bool PlatformUnknown(DWORD&) { return false; }

// The Windows directory the 9x tests hand to the installer, GetWindowsDirectoryA's way.
std::string FakeWindowsDirectory;
UINT FakeLength = 0;  // what the provider reports; normally the directory's length

UINT WINAPI FakeWindowsDirectoryOf(char* buffer, UINT capacity) {
    if (FakeWindowsDirectory.size() < capacity) {
        std::memcpy(buffer, FakeWindowsDirectory.c_str(), FakeWindowsDirectory.size() + 1);
    }
    return FakeLength;
}

UINT WINAPI UnusedWindowsDirectory(char*, UINT) {
    ADD_FAILURE() << "the NT branch asked for the Windows directory";
    return 0;
}

class InstallerNt : public ::testing::Test {
protected:
    void SetUp() override {
        SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &WasActive_, 0);
        SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0);
        ASSERT_FALSE(ScreenSaverActive());
        Saver = ShortPath(ProgramPath());
        ASSERT_FALSE(Saver.empty());
    }
    void TearDown() override { SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, WasActive_, nullptr, 0); }

    TRawValue Stored() const { return ReadRawValue(HKEY_CURRENT_USER, DesktopKey, SaverValue); }

    void Install() { InstallSaverOn({WideProgramPath().c_str(), PlatformNt, UnusedWindowsDirectory}); }

    TValueBackup Backup_{HKEY_CURRENT_USER, DesktopKey, SaverValue};
    TChangeListener Listener;
    std::string Saver;

private:
    BOOL WasActive_ = FALSE;
};

TEST_F(InstallerNt, CreatesAMissingValueSwitchesOnAndNotifies) {
    DeleteRawValue(HKEY_CURRENT_USER, DesktopKey, SaverValue);
    ASSERT_NE(Stored().Status, ERROR_SUCCESS);

    InstallSaver();  // the real platform query and program path: Wine is the NT family

    const TRawValue stored = Stored();
    ASSERT_EQ(stored.Status, ERROR_SUCCESS);
    EXPECT_EQ(stored.Type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(reinterpret_cast<const char*>(stored.Data.data()), Saver.c_str());
    EXPECT_TRUE(ScreenSaverActive());
    EXPECT_EQ(Listener.Collect(7), ExpectedList());
}

TEST_F(InstallerNt, LeavesTheSamePathInAnotherCaseUntouched) {
    const std::string lower = Lower(Saver);
    ASSERT_NE(lower, Saver) << "the short path needs a letter whose case can differ";
    ASSERT_EQ(WriteRawValue(HKEY_CURRENT_USER, DesktopKey, SaverValue, REG_SZ, lower.c_str(),
                            static_cast<DWORD>(lower.size() + 1)),
              ERROR_SUCCESS);
    const TRawValue before = Stored();

    Install();

    const TRawValue after = Stored();
    EXPECT_EQ(after.Type, before.Type);
    EXPECT_EQ(after.Data, before.Data);
    EXPECT_TRUE(ScreenSaverActive());
    EXPECT_EQ(Listener.Collect(7), ExpectedList());
}

TEST_F(InstallerNt, ReplacesAnotherSaverAValueOfAnotherTypeAndAnOverlongOne) {
    const char other[] = "C:\\WINDOWS\\OTHER.SCR";
    const DWORD number = 260;
    const std::string overlong(400, 'A');
    struct TCase {
        DWORD type;
        const void* data;
        DWORD size;
    } cases[] = {
        {REG_SZ, other, sizeof other},
        {REG_DWORD, &number, sizeof number},
        {REG_SZ, overlong.c_str(), static_cast<DWORD>(overlong.size() + 1)},
    };
    for (const TCase& c : cases) {
        ASSERT_EQ(WriteRawValue(HKEY_CURRENT_USER, DesktopKey, SaverValue, c.type, c.data, c.size),
                  ERROR_SUCCESS);
        Install();
        const TRawValue stored = Stored();
        EXPECT_EQ(stored.Type, static_cast<DWORD>(REG_SZ)) << "stored type " << c.type;
        EXPECT_STREQ(reinterpret_cast<const char*>(stored.Data.data()), Saver.c_str());
    }
    EXPECT_TRUE(ScreenSaverActive());
}

TEST_F(InstallerNt, WithoutTheDesktopKeyStillSwitchesOnAndCreatesNothing) {
    // The current user's root points at an empty scratch key for this process only.
    const char scratch[] = "Software\\KorvexRowfallTest\\EmptyUser";
    HKEY emptyUser = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &emptyUser, nullptr),
              ERROR_SUCCESS);
    const TRawValue before = Stored();
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, emptyUser), ERROR_SUCCESS);
    HKEY desktop = nullptr;
    const LONG missing = RegOpenKeyExA(HKEY_CURRENT_USER, DesktopKey, 0, KEY_READ, &desktop);

    Install();

    const LONG afterwards = RegOpenKeyExA(HKEY_CURRENT_USER, DesktopKey, 0, KEY_READ, &desktop);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(emptyUser);
    RegDeleteKeyA(HKEY_CURRENT_USER, scratch);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KorvexRowfallTest");

    EXPECT_EQ(missing, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(afterwards, ERROR_FILE_NOT_FOUND) << "the installer only opens the key";
    EXPECT_EQ(Stored().Data, before.Data);
    EXPECT_TRUE(ScreenSaverActive());
    EXPECT_EQ(Listener.Collect(7), ExpectedList());
}

TEST_F(InstallerNt, StopsSilentlyWithoutAShortPathOrAVersion) {
    const TRawValue before = Stored();
    InstallSaverOn({L"Z:\\no\\such\\folder\\rowfall.scr", PlatformNt, UnusedWindowsDirectory});
    InstallSaverOn({L"", PlatformNt, UnusedWindowsDirectory});
    InstallSaverOn({WideProgramPath().c_str(), PlatformUnknown, UnusedWindowsDirectory});
    EXPECT_EQ(Stored().Data, before.Data);
    EXPECT_FALSE(ScreenSaverActive());
    EXPECT_TRUE(Listener.Collect(0).empty());
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class Installer9x : public InstallerNt {
protected:
    void SetUp() override {
        InstallerNt::SetUp();
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        Base = std::string(temp) + "rowfall-system-ini";
        CreateDirectoryA(Base.c_str(), nullptr);
        // One folder whose full path is exactly 248 characters: the longest the installer takes.
        ASSERT_LT(Base.size() + 1, 248u);
        Folder = Base + "\\" + std::string(248 - Base.size() - 1, 'w');
        ASSERT_EQ(Folder.size(), 248u);
        ASSERT_TRUE(CreateDirectoryA(Folder.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        Ini = Folder + "\\system.ini";
        UseDirectory(Folder);
    }
    void TearDown() override {
        DeleteFileA(Ini.c_str());
        RemoveDirectoryA(Folder.c_str());
        RemoveDirectoryA(Base.c_str());
        InstallerNt::TearDown();
    }

    void UseDirectory(const std::string& directory) {
        FakeWindowsDirectory = directory;
        FakeLength = static_cast<UINT>(directory.size());
    }

    void Install9x() {
        InstallSaverOn({WideProgramPath().c_str(), Platform9x, FakeWindowsDirectoryOf});
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, Ini.c_str());  // flush to disk
    }

    std::string IniValue() {
        char value[MAX_PATH] = {};
        GetPrivateProfileStringA("boot", SaverValue, "<none>", value, MAX_PATH, Ini.c_str());
        return value;
    }

    std::string Base, Folder, Ini;
};

TEST_F(Installer9x, WritesTheShortPathIntoSystemIni) {
    WriteFile(Ini, "[boot]\r\nshell=Explorer.exe\r\nSCRNSAVE.EXE=C:\\WINDOWS\\OTHER.SCR\r\n");
    const TRawValue registry = Stored();

    Install9x();

    EXPECT_EQ(IniValue(), Saver);
    char shell[MAX_PATH] = {};
    GetPrivateProfileStringA("boot", "shell", "", shell, MAX_PATH, Ini.c_str());
    EXPECT_STREQ(shell, "Explorer.exe");
    EXPECT_EQ(Stored().Data, registry.Data) << "the 9x branch leaves the registry alone";
    EXPECT_TRUE(ScreenSaverActive());
    EXPECT_EQ(Listener.Collect(7), ExpectedList());
}

TEST_F(Installer9x, CreatesTheKeyInAFileWithoutIt) {
    DeleteFileA(Ini.c_str());
    Install9x();
    EXPECT_EQ(IniValue(), Saver);
}

TEST_F(Installer9x, LeavesTheSamePathInAnotherCaseUntouched) {
    const std::string original = "[boot]\r\nSCRNSAVE.EXE=" + Lower(Saver) + "\r\n";
    WriteFile(Ini, original);
    Install9x();
    EXPECT_EQ(ReadFile(Ini), original);
    EXPECT_TRUE(ScreenSaverActive());
    EXPECT_EQ(Listener.Collect(7), ExpectedList());
}

TEST_F(Installer9x, SkipsAWindowsDirectoryTooLongForTheFileName) {
    const std::string original = "[boot]\r\nSCRNSAVE.EXE=C:\\WINDOWS\\OTHER.SCR\r\n";
    WriteFile(Ini, original);

    // The same folder spelt with a trailing backslash: 249 characters.
    UseDirectory(Folder + "\\");
    ASSERT_EQ(FakeLength, 249u);
    Install9x();
    EXPECT_EQ(ReadFile(Ini), original);
    EXPECT_TRUE(ScreenSaverActive());
    EXPECT_EQ(Listener.Collect(7), ExpectedList());

    // A failed query, and one that reports the larger size it needs.
    FakeLength = 0;
    Install9x();
    UseDirectory(std::string(300, 'x'));
    Install9x();
    EXPECT_EQ(ReadFile(Ini), original);
}

}  // namespace
