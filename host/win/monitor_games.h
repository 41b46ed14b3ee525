// With "Every monitor", each monitor but the primary one shows a game of its own
// during the full-screen run: its own window (always on top, owned by the saver
// window, input counting as input on the saver), engine, screen object, lock, stop
// event and worker. The high-score list is the one list of all games.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/win/monitors.h"
#include "pacing/win/game.h"

class TMonitorGames {
public:
    TMonitorGames() = default;
    ~TMonitorGames();  // End
    TMonitorGames(const TMonitorGames&) = delete;
    TMonitorGames& operator=(const TMonitorGames&) = delete;

    void Open();     // one game per other monitor of the current layout; needs the saver window
    void Start();    // their workers, at the Priority setting
    // After a display change: a game whose monitor is gone is told to stop and hidden
    // at once (it goes when its worker has left: Left); a resized monitor's game is
    // fitted to it; with everyMonitor a new monitor gets a game, its worker started.
    // Nothing here waits for a worker. False when a game could not be fitted yet.
    bool Follow(bool everyMonitor);
    // Posted by a game's worker as it leaves, its score folded: its window and objects go.
    void Left(TGame* game);
    // Every game is told to stop and hidden; their workers get one bound together, and
    // those that have left by then go.
    void End();
    std::vector<RECT> Areas() const;  // the monitors that show a game still playing
    void FoldRunningScores();         // every game's, leaving ones included (FoldRunningScore)

private:
    struct TMonitorGame {
        std::string Device;  // the monitor it plays on, whatever its size
        RECT Area;
        std::unique_ptr<TGame> Game;
    };
    TGame* Add(const TMonitor& monitor);
    void Leave(TMonitorGame& game);
    std::vector<TMonitorGame> Games_;
    std::vector<TMonitorGame> Leaving_;  // stopped and hidden; their workers may still run
    uint32_t Opened_ = 0;  // games opened this run: each seeds its figures differently
    bool Registered_ = false;
};

extern TMonitorGames MonitorGames;  // holds games during the full-screen run only
