#include <cstdint>

#include "engine/rowfall.h"
#include "engine/trace.h"

void TRowfall::ShowCell(int32_t col, int32_t row, int32_t filled) {
    try {
        if (!Live || col < 0 || col >= GlassColumns || row < 0 || row >= GlassRows || !Device ||
            !Device->CanDraw())
            return;
        const TRect cell{GlassRect.left + col * CellWidth, GlassRect.top + row * CellHeight,
                         GlassRect.left + (col + 1) * CellWidth,
                         GlassRect.top + (row + 1) * CellHeight};
        Device->DrawCell(cell, filled != 0);
        Dirty = Unite(Dirty, cell);
    } catch (...) {
        Trace("TRowfall::ShowCell");
    }
}

void TRowfall::ShowFigure() {
    if (!Live) return;
    for (int32_t i = 0; i < 4; ++i) ShowCell(X + CellX[i], Y + CellY[i], 1);
}

void TRowfall::HideFigure() {
    if (!Live) return;
    for (int32_t i = 0; i < 4; ++i) ShowCell(X + CellX[i], Y + CellY[i], 0);
}

// Settled cells only: the falling figure is not part of the well.
void TRowfall::ShowGlass() {
    if (!Live) return;
    for (int32_t row = 0; row < GlassRows; ++row) {
        for (int32_t col = 0; col < GlassColumns; ++col) ShowCell(col, row, Cell(col, row));
    }
}
