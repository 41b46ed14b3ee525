// The settings record and high scores in the user's WIN.INI, or, where WIN.INI
// cannot be written, in %APPDATA%\Korvex Rowfall\rowfall.ini.
#pragma once
#include "settings/settings.h"

void LoadSettings();  // WIN.INI, then the per-user file's values over it when it has any
void LoadScores();    // the same for the three high scores alone

// Writes every key of the record (and the program's path). False when nothing could
// keep the settings; GetLastError then tells why.
bool SaveSettings(const TSettings& record);

// SaveSettings where nobody can be told (the end of a full-screen run, a log-off):
// a failure goes to the trace hook with the system's reason.
void SaveSettingsAtRunEnd(const TSettings& record);
