#include "host/win/run_scores.h"

#include "engine/trace.h"
#include "host/win/locks.h"
#include "host/win/monitor_games.h"
#include "host/win/turn_host.h"
#include "pacing/win/saver_objects.h"
#include "settings/settings.h"
#include "settings/win/settings_store.h"

namespace {

// A game over elsewhere may fold and sort meanwhile: only a whole list is copied.
bool CopyWholeList(TSettings& record) {
    TLockScope list(GameLock);
    if (list.Owned()) record = Settings;
    return list.Owned();
}

}  // namespace

void FoldRunningScore(TGame& game) {
    TLockScope lock(game.Lock);
    if (!lock.Owned() || game.ScoreFolded) return;
    TSaverTurnHost(game).FoldScore(game.Engine.Score);
    game.ScoreFolded = true;
}

void SaveRunSettings() {
    FoldRunningScore(PrimaryGame);
    MonitorGames.FoldRunningScores();
    TSettings record;
    if (CopyWholeList(record))
        SaveSettingsAtRunEnd(record);
    else
        Trace("SaveSettings: the high-score list stayed locked");
}
