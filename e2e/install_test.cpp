// "/reg": the saver makes itself the current screen saver, then runs full screen.
#include <gtest/gtest.h>

#include "e2e/saver_fixture.h"

namespace {

const char DesktopKey[] = "Control Panel\\Desktop";

std::string RegisteredSaver() {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    HKEY desktop = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, DesktopKey, 0, KEY_READ, &desktop) != ERROR_SUCCESS) return "";
    RegQueryValueExA(desktop, "SCRNSAVE.EXE", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(desktop);
    return value;
}

std::string DesktopValue(const char* key, const char* name) {
    char value[16] = {};
    DWORD size = sizeof value - 1;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return "";
    RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(opened);
    return value;
}

// This process caches the system parameter once it has read it, so another
// process's change shows only in the registry. A change made without
// SPIF_UPDATEINIFILE lives in Wine's volatile key, which wins over the lasting one.
bool ScreenSaverActive() {
    std::string value = DesktopValue(
        "Software\\Wine\\Temporary System Parameters\\Control Panel\\Desktop", "ScreenSaveActive");
    if (value.empty()) value = DesktopValue(DesktopKey, "ScreenSaveActive");
    return value == "1";
}

class Install : public SaverTest {
protected:
    Install() : Saver_(DesktopKey, "SCRNSAVE.EXE") {
        SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &WasActive_, 0);
    }
    ~Install() override { SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, WasActive_, nullptr, 0); }

private:
    TRegistryBackup Saver_;
    BOOL WasActive_ = FALSE;
};

TEST_F(Install, RecordsTheShortPathSwitchesOnAndRunsFullScreen) {
    DeleteUserValue(DesktopKey, "SCRNSAVE.EXE");
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0);
    char shortPath[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameA(ScrPath().c_str(), shortPath, MAX_PATH), 0u);

    TProcess saver;
    HWND window = StartSaver(saver, "/reg");
    ASSERT_NE(window, nullptr) << "no full-screen run after installing";
    EXPECT_STREQ(RegisteredSaver().c_str(), shortPath);
    EXPECT_TRUE(ScreenSaverActive());

    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver, 5000));
}

}  // namespace
