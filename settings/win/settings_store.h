// The settings record and high scores in the user's WIN.INI, or, where WIN.INI
// cannot be written, in %APPDATA%\Korvex Rowfall\rowfall.ini.
#pragma once

void LoadSettings();  // WIN.INI, then the per-user file's values over it when it has any

// Folds the running score into Score3 under the game lock, then writes every key.
// False when nothing could keep the settings; GetLastError then tells why.
bool SaveSettings();
