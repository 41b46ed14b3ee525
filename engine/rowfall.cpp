#include "engine/rowfall.h"

#include <cstdint>

#include "engine/random.h"
#include "engine/ticks.h"
#include "engine/trace.h"

namespace {

// Cell 0 of every kind is the pivot.
const int32_t FigureX[7][4] = {{0, 1, 1, 0},  {0, -1, 1, 0}, {0, -1, 1, 2}, {0, -1, 1, 1},
                               {0, -1, 1, 1}, {0, 0, 1, 1},  {0, 0, 1, 1}};
const int32_t FigureY[7][4] = {{0, 0, 1, 1}, {0, 0, 0, 1},  {0, 0, 0, 0}, {0, 0, 0, 1},
                               {0, 0, 0, -1}, {0, -1, 0, 1}, {0, 1, 0, -1}};

const int32_t KickOffsets[7] = {0, 1, -1, 2, -2, 3, -3};

bool InColumns(int64_t col) { return col >= 0 && col < GlassColumns; }

// 64-bit: callers may pass any step. Above the top only the side walls count, so no
// cell ever hangs beside the well.
bool CellFree(const TRowfall& game, int64_t col, int64_t row) {
    if (!InColumns(col)) return false;
    if (row < 0) return true;
    return row < GlassRows && !game.Cell(static_cast<int32_t>(col), static_cast<int32_t>(row));
}

bool FigureFits(const TRowfall& game, int64_t pivotX, const int32_t* offsetsX,
                const int32_t* offsetsY) {
    for (int32_t i = 0; i < 4; ++i) {
        if (!CellFree(game, pivotX + offsetsX[i], int64_t{game.Y} + offsetsY[i])) return false;
    }
    return true;
}

// The figure joins the well where it stands; cells outside the well are dropped.
void Land(TRowfall& game) {
    for (int32_t i = 0; i < 4; ++i) {
        const int32_t c = game.X + game.CellX[i];
        const int32_t r = game.Y + game.CellY[i];
        if (InColumns(c) && r >= 0 && r < GlassRows) game.Cell(c, r) = 1;
    }
    game.ClearLines();
    for (int32_t c = 0; c < GlassColumns; ++c) {
        if (game.Cell(c, 0)) {
            game.GameOver = true;
            return;
        }
    }
    game.NewFigure();
}

}  // namespace

TRowfall::TRowfall(uint32_t seedOffset) : SeedOffset(seedOffset) {
    SeedRandom((TickCount() + SeedOffset) % 32767);
    ClearGlass();
    GameOver = false;
    NewFigure();
    Live = true;
    Lines = 0;
}

void TRowfall::ClearGlass() {
    for (int32_t& cell : Glass) cell = 0;
    Lines = 0;
    Score = 0;
    GameStart = CalendarNow();
    GameOver = false;
}

void TRowfall::NewFigure() {
    try {
        Y = 0;
        X = 4;
        SeedRandom((TickCount() + SeedOffset) % 32767);
        const int32_t k = DrawRandom() % 8;
        Kind = k == 7 ? 2 : k;  // the row of four comes twice as often
        for (int32_t i = 0; i < 4; ++i) {
            CellX[i] = FigureX[Kind][i];
            CellY[i] = FigureY[Kind][i];
        }
    } catch (...) {
        Trace("NewFigure");
    }
}

int32_t TRowfall::ShiftX(int32_t dx) {
    try {
        if (GameOver || !FigureFits(*this, int64_t{X} + dx, CellX, CellY)) return 0;
        HideFigure();
        X += dx;
        ShowFigure();
        return dx;
    } catch (...) {
        Trace("ShiftX");
        return 0;
    }
}

int32_t TRowfall::ShiftY(int32_t dy) {
    try {
        if (GameOver) return 0;
        for (int32_t i = 0; i < 4; ++i) {
            const int64_t r = int64_t{Y} + CellY[i] + dy;
            if (r < 0 && dy < 0) return 0;  // refused outright, no landing
            if (!CellFree(*this, X + CellX[i], r)) {
                Land(*this);
                return 0;
            }
        }
        HideFigure();
        Y += dy;
        ShowFigure();
        return dy;
    } catch (...) {
        Trace("ShiftY");
        return 0;
    }
}

int32_t TRowfall::Rotate(int32_t n) {
    try {
        if (n >= 4 || n <= -4) return 0;
        if (Kind == 0) return n;
        int32_t turnedX[4];
        int32_t turnedY[4];
        for (int32_t i = 0; i < 4; ++i) {
            int32_t a = CellX[i];
            int32_t b = CellY[i];
            for (int32_t t = 0; t < n; ++t) {
                const int32_t oldA = a;
                a = b;
                b = -oldA;
            }
            turnedX[i] = a;
            turnedY[i] = b;
        }
        for (int32_t kick : KickOffsets) {
            const int32_t p = X + kick;
            if (!FigureFits(*this, p, turnedX, turnedY)) continue;
            HideFigure();
            X = p;
            for (int32_t i = 0; i < 4; ++i) {
                CellX[i] = turnedX[i];
                CellY[i] = turnedY[i];
            }
            ShowFigure();
            return n;
        }
        return 0;
    } catch (...) {
        Trace("Rotate");
        return 0;
    }
}
