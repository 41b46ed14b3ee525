// "/reg": the saver makes itself the current screen saver, then runs full screen.
#include <gtest/gtest.h>

#include "e2e/saver_fixture.h"

namespace {

const char DesktopKey[] = "Control Panel\\Desktop";

std::string DesktopValue(const char* key, const char* name) {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return "";
    RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(opened);
    return value;
}

// Stored for good: a switch-on without SPIF_UPDATEINIFILE lives only in Wine's
// volatile key (and on Windows until the next logon), never in this one.
std::string LastingScreenSaveActive() { return DesktopValue(DesktopKey, "ScreenSaveActive"); }

std::string RegisteredSaver() { return DesktopValue(DesktopKey, "SCRNSAVE.EXE"); }

class Install : public SaverTest {
protected:
    Install() : Saver_(DesktopKey, "SCRNSAVE.EXE"), Active_(DesktopKey, "ScreenSaveActive") {
        SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &WasActive_, 0);
    }
    ~Install() override { SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, WasActive_, nullptr, 0); }

private:
    TRegistryBackup Saver_;
    TRegistryBackup Active_;
    BOOL WasActive_ = FALSE;
};

// "rowfall.scr /reg" typed in its own folder: Windows must later find the file from anywhere.
TEST_F(Install, TypedByNameRecordsTheFullShortPathSwitchesOnForGoodAndRuns) {
    DeleteUserValue(DesktopKey, "SCRNSAVE.EXE");
    ASSERT_TRUE(WriteUserValue(DesktopKey, "ScreenSaveActive", REG_SZ, "0", 2));
    const std::string folder = JoinPath(WorkFolder(), "install");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string scr = JoinPath(folder, "rowfall.scr");
    ASSERT_TRUE(CopyFileTo(ScrPath(), scr));
    char shortPath[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameA(scr.c_str(), shortPath, MAX_PATH), 0u);

    TProcess saver;
    ASSERT_TRUE(saver.StartAs("rowfall.scr /reg", scr, folder));
    HWND window = saver.FindWindowOf(SaverClass, PatienceMs);
    ASSERT_NE(window, nullptr) << "no full-screen run after installing";
    EXPECT_EQ(lstrcmpiA(RegisteredSaver().c_str(), shortPath), 0) << RegisteredSaver();
    EXPECT_EQ(LastingScreenSaveActive(), "1");

    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver));
    EXPECT_EQ(lstrcmpiA(ReadIni("Path").c_str(), scr.c_str()), 0) << ReadIni("Path");
}

std::wstring WideDesktopValue(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return L"";
    RegQueryValueExW(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(opened);
    return value;
}

// A folder whose name the ANSI code page cannot hold: started as Windows starts it,
// with a Unicode command line, "/reg" records a path that is there, and WIN.INI's
// Path holds no '?'.
TEST_F(Install, AFolderBeyondTheAnsiCodePageIsRecordedAsAPathThatExists) {
    DeleteUserValue(DesktopKey, "SCRNSAVE.EXE");
    const std::wstring folder = L"C:\\\u5C4F\u5E55\u4FDD\u62A4";  // C:\屏幕保护
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring scr = folder + L"\\rowfall.scr";
    wchar_t from[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, ScrPath().c_str(), -1, from, MAX_PATH);
    ASSERT_TRUE(CopyFileW(from, scr.c_str(), FALSE));
    std::wstring line = L"\"" + scr + L"\" /reg";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessW(scr.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &info));
    TProcess saver;
    saver.Handle = info.hProcess;
    saver.Id = info.dwProcessId;
    CloseHandle(info.hThread);
    HWND window = saver.FindWindowOf(SaverClass, PatienceMs);
    ASSERT_NE(window, nullptr);
    const std::wstring recorded = WideDesktopValue(L"SCRNSAVE.EXE");
    EXPECT_NE(GetFileAttributesW(recorded.c_str()), INVALID_FILE_ATTRIBUTES)
        << "SCRNSAVE.EXE names no file (" << recorded.size() << " characters)";
    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver));
    const std::string path = ReadIni("Path");
    EXPECT_EQ(path.find('?'), std::string::npos) << path;
    EXPECT_NE(path, "<none>");
    DeleteFileW(scr.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
