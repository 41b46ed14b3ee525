// The x64 installer package under Wine's msiexec: the saver lands in the system folder
// with an uninstall entry, runs from there, and a silent uninstall leaves neither behind;
// a rebuilt package of the same version replaces the installed one.
#include <vector>

#include "e2e/saver_fixture.h"

namespace {

const char UninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char ProductName[] = "Korvex Rowfall";

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

// Exit code of a silent msiexec run with action ("/i" or "/x") on a package path or a
// product code; -1 if it hung.
DWORD RunMsiexec(const char* action, const std::string& package) {
    TProcess msiexec;
    if (!msiexec.Start(std::string(action) + " \"" + package + "\" /qn",
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

// The entries "Apps" / "Programs and Features" would list for the saver: their key names
// are the installed product codes.
std::vector<std::string> UninstallEntries() {
    std::vector<std::string> entries;
    HKEY uninstall = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstallKey, 0, KEY_READ, &uninstall) != ERROR_SUCCESS)
        return entries;
    char entry[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof entry;
        if (RegEnumKeyExA(uninstall, i, entry, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (HasProductName(uninstall, entry)) entries.push_back(entry);
    }
    RegCloseKey(uninstall);
    return entries;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class Package : public SaverTest {
protected:
    // A failed run must not leave the product installed for the next one.
    ~Package() override {
        for (const std::string& productCode : UninstallEntries()) RunMsiexec("/x", productCode);
    }

    const std::string Installed = JoinPath(SystemFolder(), "rowfall.scr");
};

TEST_F(Package, InstallsIntoTheSystemFolderRunsThereAndUninstallsWithoutATrace) {
    ASSERT_EQ(RunMsiexec("/i", MsiPath()), 0u);
    EXPECT_TRUE(FileExists(Installed)) << Installed;
    EXPECT_EQ(UninstallEntries().size(), 1u);

    TProcess saver;
    HWND window = StartSaver(saver, "/s", Installed);
    ASSERT_NE(window, nullptr) << "the installed saver did not start";
    PostKey(window, VK_ESCAPE);
    EXPECT_TRUE(EndsWithZero(saver));

    ASSERT_EQ(RunMsiexec("/x", MsiPath()), 0u);
    EXPECT_FALSE(FileExists(Installed));
    EXPECT_TRUE(UninstallEntries().empty());
}

TEST_F(Package, ARebuiltPackageOfTheSameVersionReplacesTheInstalledOne) {
    ASSERT_EQ(RunMsiexec("/i", MsiPath()), 0u);
    ASSERT_EQ(RunMsiexec("/i", RebuiltMsiPath()), 0u);
    EXPECT_EQ(UninstallEntries().size(), 1u) << "both builds are listed";
    EXPECT_TRUE(FileExists(Installed)) << "removing the first build took the file along";

    // Had the first build stayed, its entry and file would outlive this.
    ASSERT_EQ(RunMsiexec("/x", RebuiltMsiPath()), 0u);
    EXPECT_TRUE(UninstallEntries().empty());
    EXPECT_FALSE(FileExists(Installed));
}

}  // namespace
