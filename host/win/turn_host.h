// The step machine's view of one running game: its screen object, its lock, and
// the stop event (the run's, and the game's own where it has one).
#pragma once
#include "pacing/step_machine.h"
#include "pacing/win/game.h"

class TSaverTurnHost : public TTurnHost {
public:
    explicit TSaverTurnHost(TGame& game) : Game_(game) {}

    bool StopRequested() override;
    bool Pause(uint32_t ms) override;
    bool PauseForKeys(uint32_t ms) override;  // the keys steer the primary game only
    bool IsAutoPlay() override;  // the keys steer the primary game only
    bool LockGame() override;
    void UnlockGame() override;
    bool HasDevice() override;
    void ClearScreen() override;
    void ShowScore() override;
    void FlushEngineChanges() override;
    void FoldScore(int32_t score) override;  // under the lock of the shared list

private:
    TGame& Game_;
};
