#include "settings/win/settings_store.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "engine/trace.h"
#include "host/win/host_state.h"
#include "host/win/locks.h"
#include "pacing/win/form.h"
#include "settings/settings.h"

namespace {

int32_t ReadInt(const char* key, int32_t fallback) {
    return static_cast<int32_t>(GetProfileIntA(SaverClassName, key, fallback));
}

bool ReadFlag(const char* key) { return ReadInt(key, 1) != 0; }

void WriteText(const char* key, const char* text) {
    WriteProfileStringA(SaverClassName, key, text);
}

void WriteInt(const char* key, int32_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    WriteText(key, text);
}

const char* ProgramPath() { return __argv && __argv[0] ? __argv[0] : ""; }

}  // namespace

void LoadSettings() {
    try {
        Settings.Time = ReadInt("Time", TimeCurrent);
        Settings.Priority = ReadInt("Priority", PriorityNormal);
        // A fresh installation starts blue, not with the record's brown.
        Settings.Palette = ReadInt("Palette", 1);
        Settings.ShowBkgr = ReadFlag("ShowBkgr");
        Settings.ShowInfo = ReadFlag("ShowInfo");
        Settings.ManualControl = ReadFlag("ManualControl");
        Settings.Score1 = ReadInt("Score1", 0);
        Settings.Score2 = ReadInt("Score2", 0);
        Settings.Score3 = ReadInt("Score3", 0);
    } catch (...) {
        Trace("LoadSettings");
    }
}

void SaveSettings() {
    try {
        {
            TLockScope lock(GameLock);
            if (!lock.Owned()) return;
            FoldScore(Settings, Rowfall.Score);
        }
        WriteInt("Time", Settings.Time);
        WriteInt("Priority", Settings.Priority);
        WriteInt("ShowBkgr", Settings.ShowBkgr);
        WriteInt("ShowInfo", Settings.ShowInfo);
        WriteInt("ManualControl", Settings.ManualControl);
        WriteInt("Palette", Settings.Palette);
        WriteText("Path", ProgramPath());
        WriteInt("Score1", Settings.Score1);
        WriteInt("Score2", Settings.Score2);
        WriteInt("Score3", Settings.Score3);
        // Makes Windows write its cached WIN.INI to disk.
        WriteProfileStringA(nullptr, nullptr, nullptr);
    } catch (...) {
        Trace("SaveSettings");
    }
}
