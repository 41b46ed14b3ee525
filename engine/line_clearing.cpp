#include <cstdint>

#include "engine/palette.h"
#include "engine/random.h"
#include "engine/rowfall.h"
#include "engine/ticks.h"
#include "engine/trace.h"

namespace {

const int32_t FlashPixels = 10000;
const int32_t FlashCopyEvery = 500;

bool RowFull(const TRowfall& game, int32_t row) {
    for (int32_t c = 0; c < GlassColumns; ++c) {
        if (!game.Cell(c, row)) return false;
    }
    return true;
}

// Row 0 keeps its content, so rows 0 and 1 are equal afterwards.
void RemoveRow(TRowfall& game, int32_t row) {
    for (int32_t r = row; r >= 1; --r) {
        for (int32_t c = 0; c < GlassColumns; ++c) game.Cell(c, r) = game.Cell(c, r - 1);
    }
}

}  // namespace

int32_t TRowfall::ClearLines() {
    try {
        // Row 0 is never tested: a cell there ends the game instead.
        for (int32_t row = GlassRows - 1; row >= 1; --row) {
            if (RowFull(*this, row)) FlashLine(row);
        }
        // Each removal copies row 0 into row 1; those copies are not tested again, or a
        // full row 0 would refill the row being removed for ever.
        int32_t removed = 0;
        for (int32_t row = GlassRows - 1; row >= 1 + removed;) {
            if (RowFull(*this, row)) {
                RemoveRow(*this, row);
                ++removed;
            } else {
                --row;
            }
        }
        if (removed > 0 && Live) {
            Score += 2 * removed - 1;
            Lines += removed;
            ShowGlass();
        }
        return removed;
    } catch (...) {
        Trace("Clear Lines");
        return 0;
    }
}

// Marks the engine as dissolving for one row, on every way out.
class TDissolveScope {
public:
    explicit TDissolveScope(bool& dissolving) : Dissolving_(dissolving) { Dissolving_ = true; }
    ~TDissolveScope() { Dissolving_ = false; }
    TDissolveScope(const TDissolveScope&) = delete;
    TDissolveScope& operator=(const TDissolveScope&) = delete;

private:
    bool& Dissolving_;
};

// The row fades into the empty color straight in the window, one strip copy per
// tick. Without a surface or cell size there is nothing to fade and no reason to wait.
void TRowfall::FlashLine(int32_t row) {
    if (!Live || !Device || CellWidth <= 0 || CellHeight <= 0) return;
    TDissolveScope dissolving(Dissolving);
    const int32_t left = GlassRect.left;
    const int32_t width = GlassColumns * CellWidth;
    const int32_t top = GlassRect.top + row * CellHeight;
    for (int32_t i = 0; i < FlashPixels; ++i) {
        const int32_t y = top + DrawRandom() % CellHeight;
        const int32_t x = left + DrawRandom() % width;
        Device->SetPixel(x, y, EmptyCellColor);
        if (i > 0 && i % FlashCopyEvery == 0) {
            const uint32_t before = TickCount();
            TRect strip{left, top, left + width, top + CellHeight};
            BlitRect(strip);
            Device->AwaitTick(before);
        }
    }
}

void TRowfall::BlitRect(TRect& rect) {
    if (Device && Device->CopyToWindow(rect)) rect = TRect{};
}
