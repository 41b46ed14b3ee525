// The autopilot playing without a screen, paced by a simulated clock the way the
// step machine paces it: one sideways step and one quarter turn per row, 100 ms for
// each of the first |shift| rows, 20 ms for the others, 500 ms between figures.
#pragma once
#include <cstdint>
#include <cstdlib>

#include "engine/rowfall.h"
#include "engine/ticks.h"

inline uint32_t SimulatedNow = 0;

inline uint32_t SimulatedTicks() { return SimulatedNow; }

// Plans the falling figure and walks it down until it lands.
inline void PlayFigure(TRowfall& game) {
    int32_t rotation = 0;
    int32_t shift = 0;
    game.FindBestMove(rotation, shift);
    const int32_t steps = std::abs(shift);
    int32_t rows = 0;
    for (int32_t pass = 1;; ++pass) {
        if (pass <= steps) game.ShiftX(shift > 0 ? 1 : -1);
        if (pass <= rotation) game.Rotate(1);
        if (game.ShiftY(1) == 0) break;
        SimulatedNow += rows < steps ? 100 : 20;
        ++rows;
    }
    SimulatedNow += 500;
}

struct TGameResult {
    int64_t Figures = 0;
    bool Capped = false;  // stopped at the figure limit, not by a game over
};

// Plays one game from an empty well until it is over or maxFigures have landed.
inline TGameResult PlayGame(TRowfall& game, int64_t maxFigures) {
    game.ClearGlass();
    TGameResult result;
    while (!game.GameOver && result.Figures < maxFigures) {
        PlayFigure(game);
        ++result.Figures;
    }
    result.Capped = !game.GameOver;
    return result;
}
