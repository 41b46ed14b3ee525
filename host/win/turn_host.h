// The step machine's view of the running saver: the screen object, the game
// lock and the stop event.
#pragma once
#include "pacing/step_machine.h"

class TSaverTurnHost : public TTurnHost {
public:
    bool StopRequested() override;
    bool IsAutoPlay() override;
    bool LockGame() override;
    void UnlockGame() override;
    bool HasDevice() override;
    void ClearScreen() override;
    void ShowScore() override;
    void FlushEngineChanges() override;
};
