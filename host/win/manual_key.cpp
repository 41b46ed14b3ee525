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
    // Input is never held up behind a worker: a key that cannot have the lock at once
    // is dropped, as is one that comes while a landing's rows dissolve.
    TLockScope lock(GameLock, WindowLockMs);
    if (!lock.Owned() || Rowfall.Dissolving) return;
    Form.FlushEngineChanges();
    const int32_t score = Rowfall.Score;
    ApplyKey(key);
    Form.TakeEngineChanges();
    if (Rowfall.Score != score) Form.ShowScore();
    Form.Flush();
    SetEvent(KeyEvent);  // a manual pass waiting for the next fall looks again
}
