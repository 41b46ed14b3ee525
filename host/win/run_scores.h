// The high-score list at the end of a run and at log-off: every game's running score
// joins it, each once, and the settings are saved once.
#pragma once

struct TGame;

// The game's running score joins the list under the game's lock, unless it has already.
void FoldRunningScore(TGame& game);

// Every game's running score, the primary game's and those of the other monitors, then
// the settings saved from a copy of the list taken under its lock (nothing is saved
// when the lock cannot be had).
void SaveRunSettings();
