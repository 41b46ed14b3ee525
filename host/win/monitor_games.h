// With "Every monitor", each monitor but the primary one shows a game of its own
// during the full-screen run: its own window (always on top, owned by the saver
// window, input counting as input on the saver), engine, screen object, lock, stop
// event and worker. The high-score list is the one list of all games.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "pacing/win/game.h"

class TMonitorGames {
public:
    TMonitorGames() = default;
    ~TMonitorGames();  // End
    TMonitorGames(const TMonitorGames&) = delete;
    TMonitorGames& operator=(const TMonitorGames&) = delete;

    void Open();     // one game per other monitor of the current layout; needs the saver window
    void Start();    // their workers, at the Priority setting
    void EndGone();  // after a display change: a game whose monitor is gone ends
    void End();      // every game ends, its score folded in turn, and its window goes
    std::vector<RECT> Areas() const;  // the monitors that show a game

private:
    struct TMonitorGame {
        RECT Area;
        std::unique_ptr<TGame> Game;
    };
    void Finish(TMonitorGame& game);
    std::vector<TMonitorGame> Games_;
    bool Registered_ = false;
};

extern TMonitorGames MonitorGames;  // holds games during the full-screen run only
