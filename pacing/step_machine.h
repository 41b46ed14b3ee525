// The turn routine that paces the game in real time. It holds no game rules:
// it calls the engine at the right moments and hands each change to the screen.
#pragma once
#include <cstdint>

#include "engine/rowfall.h"

// What a turn needs from the saver around it. The saver binds it to the real
// screen, locks and stop event; tests bind it to a scripted clock.
class TTurnHost {
public:
    virtual ~TTurnHost() = default;
    virtual bool StopRequested() = 0;
    // Blocks for at most ms, never holding the game lock; true when a stop ended the
    // wait or had come before it.
    virtual bool Pause(uint32_t ms) = 0;
    // Pause, also ended by a game key that moved the figure, or when the autopilot's
    // turn comes back after the keys.
    virtual bool PauseForKeys(uint32_t ms) = 0;
    virtual bool IsAutoPlay() = 0;
    virtual bool LockGame() = 0;  // false when the 5000 ms bound ran out
    virtual void UnlockGame() = 0;
    virtual bool HasDevice() = 0;  // window and back-buffer contexts both exist
    virtual void ClearScreen() = 0;
    virtual void ShowScore() = 0;
    virtual void FlushEngineChanges() = 0;
    // A finished game's score joins the high-score list (FoldScore on the settings).
    virtual void FoldScore(int32_t score);
};

// The two turn flags; the saver keeps them in its screen object.
struct TTurnFlags {
    bool Running = false;
    bool Started = false;
};

// Waits until ms have passed on the tick count, or a stop is requested.
void Delay(TTurnHost& host, int32_t ms);

// One turn: restart after a game over, plan, walk the figure down until it lands.
void Run(TRowfall& game, TTurnFlags& flags, TTurnHost& host);
