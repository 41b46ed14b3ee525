// Where the engine's drawing meets a real surface. With none attached the engine
// plays headless; the Windows side draws with GDI into the back buffer.
#pragma once
#include <cstdint>

#include "engine/palette.h"
#include "engine/rect.h"

class TCellDevice {
public:
    virtual ~TCellDevice() = default;
    // False while there is nothing to draw into (no back buffer).
    virtual bool CanDraw() const = 0;
    // One cell of the back buffer: a bevelled block when filled, else an empty square.
    virtual void DrawCell(const TRect& cell, bool filled) = 0;
    // One pixel of the back buffer (the row dissolve).
    virtual void SetPixel(int32_t x, int32_t y, TColor color) = 0;
    // Copies the area from the back buffer to the window; true when the copy succeeded.
    virtual bool CopyToWindow(const TRect& area) = 0;
    // Returns once the tick count differs from since, or sooner when the game is to
    // stop: the dissolve shows one copy per tick. Blocks; never spins on the clock.
    virtual void AwaitTick(uint32_t since) = 0;
};
