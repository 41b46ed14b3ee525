// The x64 installer package under Wine's msiexec: the saver lands in the system folder
// with an uninstall entry, runs from there, and a silent uninstall leaves neither behind.
#include "e2e/saver_fixture.h"

namespace {

const char UninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char ProductName[] = "Korvex Rowfall";

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

// Exit code of a silent msiexec run with action ("/i" or "/x") on the package; -1 if it hung.
DWORD RunMsiexec(const char* action) {
    TProcess msiexec;
    if (!msiexec.Start(std::string(action) + " \"" + MsiPath() + "\" /qn",
                       JoinPath(SystemFolder(), "msiexec.exe")))
        return DWORD(-1);
    DWORD code = DWORD(-1);
    msiexec.WaitExit(60000, &code);
    return code;
}

bool HasProductName(HKEY uninstall, const char* entry) {
    char name[64] = {};
    DWORD size = sizeof name - 1;
    HKEY key = nullptr;
    if (RegOpenKeyExA(uninstall, entry, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    const LONG rc = RegQueryValueExA(key, "DisplayName", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(name), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS && std::string(name) == ProductName;
}

// True when "Apps" / "Programs and Features" would list the saver.
bool HasUninstallEntry() {
    HKEY uninstall = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstallKey, 0, KEY_READ, &uninstall) != ERROR_SUCCESS)
        return false;
    bool found = false;
    char entry[256];
    for (DWORD i = 0; !found; ++i) {
        DWORD size = sizeof entry;
        if (RegEnumKeyExA(uninstall, i, entry, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        found = HasProductName(uninstall, entry);
    }
    RegCloseKey(uninstall);
    return found;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Package : public SaverTest {
protected:
    // A failed run must not leave the product installed for the next one.
    ~Package() override {
        if (HasUninstallEntry()) RunMsiexec("/x");
    }
};

TEST_F(Package, InstallsIntoTheSystemFolderRunsThereAndUninstallsWithoutATrace) {
    const std::string installed = JoinPath(SystemFolder(), "rowfall.scr");
    ASSERT_EQ(RunMsiexec("/i"), 0u);
    EXPECT_TRUE(FileExists(installed)) << installed;
    EXPECT_TRUE(HasUninstallEntry());

    TProcess saver;
    HWND window = StartSaver(saver, "/s", installed);
    ASSERT_NE(window, nullptr) << "the installed saver did not start";
    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver));

    ASSERT_EQ(RunMsiexec("/x"), 0u);
    EXPECT_FALSE(FileExists(installed));
    EXPECT_FALSE(HasUninstallEntry());
}

}  // namespace
