// The settings record and high scores in the user's WIN.INI.
#pragma once

void LoadSettings();
void SaveSettings();  // folds the running score into Score3 under the game lock first
