// The settings record and the three-entry high-score list, as WIN.INI keeps them.
#pragma once
#include <cstdint>

// Dialog control identifiers double as the stored values of Time and Priority.
enum : int32_t {
    TimeCurrent = 102,
    TimeRun = 103,
    TimeGame = 104,
    PriorityLow = 106,
    PriorityNormal = 107,
    PriorityHigh = 108,
};

struct TSettings {
    int32_t Time = TimeCurrent;
    int32_t Priority = PriorityNormal;
    int32_t Palette = 0;
    bool ShowBkgr = true;
    bool ShowInfo = true;
    bool ManualControl = true;
    int32_t Score1 = 0;
    int32_t Score2 = 0;
    int32_t Score3 = 0;
    bool EveryMonitor = false;  // a game on every monitor, not only on the primary one
};

extern TSettings Settings;

extern const char SettingsSection[];  // WIN.INI's section of these settings

// Three compare-and-swap steps (1-2, 2-3, 1-2): descending, equal entries never swapped.
void SortHiScores(TSettings& s);

// A finished or running game enters the list by beating its last entry; the list is
// sorted before and after, so a score never loses against one it beats, however the
// list was left (a list read unsorted from WIN.INI included).
void FoldScore(TSettings& s, int32_t score);
