#include "host/win/turn_host.h"

#include "host/win/locks.h"
#include "pacing/win/saver_objects.h"
#include "settings/settings.h"

bool TSaverTurnHost::StopRequested() { return ::StopRequested() || GameStopRequested(Game_); }

bool TSaverTurnHost::Pause(uint32_t ms) { return AwaitStop(Game_, ms); }

bool TSaverTurnHost::PauseForKeys(uint32_t ms) {
    if (!IsPrimary(Game_)) return Pause(ms);
    const DWORD handOver = AutoPlayDueIn();
    return AwaitStop(Game_, ms < handOver ? ms : handOver, KeyEvent);
}

bool TSaverTurnHost::IsAutoPlay() { return !IsPrimary(Game_) || ::IsAutoPlay(); }

bool TSaverTurnHost::LockGame() { return WaitForLock(Game_.Lock); }

void TSaverTurnHost::UnlockGame() { ReleaseMutex(Game_.Lock); }

bool TSaverTurnHost::HasDevice() { return Game_.Screen.WindowDC && Game_.Screen.BackDC; }

void TSaverTurnHost::ClearScreen() {
    TForm& screen = Game_.Screen;
    // The window's first paint has drawn the picture the first call would draw again.
    if (!screen.Started && screen.Painted) return;
    screen.ClearScreen();
}

void TSaverTurnHost::ShowScore() { Game_.Screen.ShowScore(); }

void TSaverTurnHost::FlushEngineChanges() { Game_.Screen.FlushEngineChanges(); }

// The list is every game's: the primary game's lock guards it (already held when this
// is the primary game's restart).
void TSaverTurnHost::FoldScore(int32_t score) {
    TLockScope list(GameLock);
    if (list.Owned()) ::FoldScore(Settings, score);
}
