#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "host/win/host_state.h"
#include "host/win/run_scores.h"
#include "pacing/win/saver_objects.h"
#include "settings/settings.h"
#include "settings/win/settings_store.h"
#include "tests/windows/lock_holder.h"
#include "tests/windows/shared_locks.h"

namespace {

const char Missing[] = "<missing>";

void FlushProfile() { WriteProfileStringA(nullptr, nullptr, nullptr); }

void Put(const char* key, const char* text) {
    WriteProfileStringA(SaverClassName, key, text);
    FlushProfile();
}

std::string Get(const char* key) {
    char text[MAX_PATH + 1] = {};
    GetProfileStringA(SaverClassName, key, Missing, text, sizeof text);
    return text;
}

std::string WinIniOnDisk() {
    char dir[MAX_PATH] = {};
    GetWindowsDirectoryA(dir, sizeof dir);
    std::ifstream file(std::string(dir) + "\\win.ini", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void ExpectSettings(const TSettings& want) {
    EXPECT_EQ(Settings.Time, want.Time);
    EXPECT_EQ(Settings.Priority, want.Priority);
    EXPECT_EQ(Settings.Palette, want.Palette);
    EXPECT_EQ(Settings.ShowBkgr, want.ShowBkgr);
    EXPECT_EQ(Settings.ShowInfo, want.ShowInfo);
    EXPECT_EQ(Settings.ManualControl, want.ManualControl);
    EXPECT_EQ(Settings.Score1, want.Score1);
    EXPECT_EQ(Settings.Score2, want.Score2);
    EXPECT_EQ(Settings.Score3, want.Score3);
    EXPECT_EQ(Settings.EveryMonitor, want.EveryMonitor);
}

// An empty section to start from and to leave behind; the settings record and
// the running score come back as they were.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        SavedSettings_ = Settings;
        SavedScore_ = Rowfall.Score;
        ClearSection();
    }
    void TearDown() override {
        ClearSection();
        Settings = SavedSettings_;
        Rowfall.Score = SavedScore_;
    }
    static void ClearSection() {
        WriteProfileStringA(SaverClassName, nullptr, nullptr);
        FlushProfile();
    }
    static void SetScores(int32_t first, int32_t second, int32_t third) {
        Settings.Score1 = first;
        Settings.Score2 = second;
        Settings.Score3 = third;
    }

    TSharedLocks Locks;

private:
    TSettings SavedSettings_;
    int32_t SavedScore_ = 0;
};

TEST_F(SettingsStore, EmptySectionGivesTheDefaultsWithTheBluePalette) {
    Settings = {TimeRun, PriorityHigh, 3, false, false, false, 1, 2, 3, true};
    LoadSettings();
    ExpectSettings({102, 107, 1, true, true, true, 0, 0, 0});
}

TEST_F(SettingsStore, StoredValuesAreReadUnchecked) {
    Put("Time", "103");
    Put("Priority", "108");
    Put("Palette", "9");
    Put("ShowBkgr", "0");
    Put("ShowInfo", "0");
    Put("ManualControl", "0");
    Put("Score1", "10");
    Put("Score2", "30");
    Put("Score3", "20");
    LoadSettings();
    ExpectSettings({103, 108, 9, false, false, false, 30, 20, 10});  // unchecked; the list in order
}

TEST_F(SettingsStore, AnyNonzeroFlagIsTrueAndIsWrittenBackAsOne) {
    Put("ShowBkgr", "7");
    Put("ShowInfo", "-1");
    LoadSettings();
    EXPECT_TRUE(Settings.ShowBkgr);
    EXPECT_TRUE(Settings.ShowInfo);
    SaveSettings(Settings);
    EXPECT_EQ(Get("ShowBkgr"), "1");
    EXPECT_EQ(Get("ShowInfo"), "1");
}

TEST_F(SettingsStore, OddTextReadsAsTheProfileFunctionYieldsIt) {
    Put("Time", "abc");
    Put("Priority", "12xy");
    Put("Score1", "-250");
    Put("Palette", "");
    LoadSettings();
    EXPECT_EQ(Settings.Time, 0);
    EXPECT_EQ(Settings.Priority, 12);
    EXPECT_EQ(Settings.Score3, -250) << "the lowest, once the list is in order";
    EXPECT_EQ(Settings.Palette, 1) << "an empty value counts as missing";
}

// The run's end (and a log-off) folds the running score, once, and saves the list.
TEST_F(SettingsStore, TheRunsEndFoldsTheRunningScoreOnceAndSavesIt) {
    SetScores(900, 700, 300);
    Rowfall.Score = 800;
    PrimaryGame.ScoreFolded = false;
    SaveRunSettings();
    EXPECT_EQ(Settings.Score1, 900);
    EXPECT_EQ(Settings.Score2, 800);
    EXPECT_EQ(Settings.Score3, 700);
    EXPECT_EQ(Get("Score1"), "900");
    EXPECT_EQ(Get("Score2"), "800");
    EXPECT_EQ(Get("Score3"), "700");

    SaveRunSettings();  // a log-off, then the end of the run: the same score does not come twice
    EXPECT_EQ(Get("Score3"), "700");
    PrimaryGame.ScoreFolded = false;
}

TEST_F(SettingsStore, SaveWritesAllElevenKeysAsDecimalText) {
    const TSettings saved = {TimeRun, PriorityLow, 3, false, true, false, 5, 0, -7, true};
    Settings = saved;
    SaveSettings(Settings);
    EXPECT_EQ(Get("Time"), "103");
    EXPECT_EQ(Get("Priority"), "106");
    EXPECT_EQ(Get("ShowBkgr"), "0");
    EXPECT_EQ(Get("ShowInfo"), "1");
    EXPECT_EQ(Get("ManualControl"), "0");
    EXPECT_EQ(Get("Palette"), "3");
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    EXPECT_EQ(Get("Path"), program);
    EXPECT_EQ(Get("Score1"), "5");
    EXPECT_EQ(Get("Score2"), "0");
    EXPECT_EQ(Get("Score3"), "-7");
    EXPECT_EQ(Get("EveryMonitor"), "1");

    const std::string disk = WinIniOnDisk();
    EXPECT_NE(disk.find("[Korvex Rowfall Screen Saver]"), std::string::npos);
    for (const char* line : {"Time=103", "Priority=106", "ShowBkgr=0", "ShowInfo=1",
                             "ManualControl=0", "Palette=3", "Score1=5", "Score2=0", "Score3=-7",
                             "EveryMonitor=1"})
        EXPECT_NE(disk.find(line), std::string::npos) << line << " not on disk";

    Settings = {};
    LoadSettings();
    ExpectSettings(saved);
}

TEST_F(SettingsStore, NothingIsWrittenWhileAnotherThreadHoldsTheGameLock) {
    Put("Time", "104");
    SetScores(900, 700, 300);
    Settings.Time = TimeRun;
    Rowfall.Score = 800;
    const std::string before = WinIniOnDisk();
    {
        TLockHolder holder(GameLock);
        const DWORD start = GetTickCount();
        PrimaryGame.ScoreFolded = false;
        SaveRunSettings();
        EXPECT_GE(GetTickCount() - start, 4900u);
    }
    FlushProfile();
    EXPECT_EQ(Settings.Score3, 300) << "no fold without the lock";
    EXPECT_EQ(Get("Time"), "104");
    EXPECT_EQ(Get("Score3"), Missing);
    EXPECT_EQ(WinIniOnDisk(), before);
}

}  // namespace
