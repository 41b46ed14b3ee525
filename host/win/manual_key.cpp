#include "host/win/manual_key.h"

#include "host/win/locks.h"
#include "pacing/win/saver_objects.h"

namespace {

void Drop() {
    // Every row is shown; the call that returns 0 has landed the figure.
    while (Rowfall.ShiftY(1) != 0) Form.FlushEngineChanges();
}

void ApplyKey(WPARAM key) {
    switch (key) {
    case VK_LEFT: Rowfall.ShiftX(-1); break;
    case VK_RIGHT: Rowfall.ShiftX(1); break;
    case VK_UP: Rowfall.Rotate(1); break;
    case VK_DOWN: Rowfall.ShiftY(1); break;
    case VK_SPACE: Drop(); break;
    }
}

}  // namespace

bool IsGameKey(WPARAM key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_SPACE;
}

void ManualKey(WPARAM key) {
    // The pause holds even when the key itself is dropped below.
    SetAutoPlay(false);
    TLockScope lock(GameLock);
    if (!lock.Owned()) return;
    Form.FlushEngineChanges();
    const int32_t score = Rowfall.Score;
    ApplyKey(key);
    Form.TakeEngineChanges();
    if (Rowfall.Score != score) Form.ShowScore();
    Form.Flush();
}
