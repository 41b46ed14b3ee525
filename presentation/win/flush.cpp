#include "engine/win/lock_scope.h"
#include "pacing/win/game.h"

void TForm::AddRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    AddRect(TRect{left, top, right, bottom});
}

void TForm::AddRect(const TRect& rect) { Dirty = Unite(Dirty, rect); }

void TForm::Flush() {
    TLockScope lock(Game.Lock);
    if (!lock.Owned()) return;
    if (RepaintDue.exchange(false)) AddRect(0, 0, Width, Height);
    // A failed copy keeps the area for the next flush.
    if (BitBlt(WindowDC, Dirty.left, Dirty.top, Dirty.right - Dirty.left, Dirty.bottom - Dirty.top,
               BackDC, Dirty.left, Dirty.top, SRCCOPY)) {
        Dirty = TRect{};
        GdiFlush();
    }
}

void TForm::TakeEngineChanges() {
    AddRect(Game.Engine.Dirty);
    Game.Engine.Dirty = TRect{};
}

void TForm::FlushEngineChanges() {
    TakeEngineChanges();
    Flush();
}
