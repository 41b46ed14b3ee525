#include <cstdint>
#include <cstring>

#include "engine/rowfall.h"
#include "engine/trace.h"

namespace {

const int32_t WorstValue = -1000000;

int32_t OrientationsOf(int32_t kind) {
    if (kind == 0) return 1;
    if (kind == 2 || kind == 5 || kind == 6) return 2;
    return 4;
}

int32_t ColumnWeight(int32_t col) { return col == 0 || col == GlassColumns - 1 ? 3 : 2; }

// Everything a trial landing may change, kept on the stack: the search allocates nothing.
struct TTrialStart {
    int32_t Glass[GlassColumns * GlassRows];
    int32_t CellX[4];
    int32_t CellY[4];
    int32_t X;
    int32_t Y;
    bool GameOver;
};

void Save(const TRowfall& game, TTrialStart& start) {
    std::memcpy(start.Glass, game.Glass, sizeof start.Glass);
    std::memcpy(start.CellX, game.CellX, sizeof start.CellX);
    std::memcpy(start.CellY, game.CellY, sizeof start.CellY);
    start.X = game.X;
    start.Y = game.Y;
    start.GameOver = game.GameOver;
}

void Restore(TRowfall& game, const TTrialStart& start) {
    std::memcpy(game.Glass, start.Glass, sizeof start.Glass);
    std::memcpy(game.CellX, start.CellX, sizeof start.CellX);
    std::memcpy(game.CellY, start.CellY, sizeof start.CellY);
    game.X = start.X;
    game.Y = start.Y;
    game.GameOver = start.GameOver;
    game.Kind = game.SavedKind;
}

}  // namespace

// Every orientation at every column the figure can jump to, dropped and landed silently
// (Live off); ties keep the first candidate tried.
void TRowfall::FindBestMove(int32_t& rotation, int32_t& shift) {
    Live = false;
    TTrialStart start;
    Save(*this, start);
    SavedKind = Kind;
    int32_t best = WorstValue;
    const int32_t orientations = OrientationsOf(Kind);
    for (int32_t r = 0; r < orientations; ++r) {
        int32_t i = 0;
        int32_t direction = -1;
        while (direction < 2) {
            if (r > 0) Rotate(r);
            if (ShiftX(direction * i) != 0 || i == 0) {
                while (ShiftY(1) != 0) {
                }
                const int32_t value = ValueGlass();
                if (value > best) {
                    best = value;
                    shift = direction * i;
                    rotation = r;
                }
                ++i;
            } else {
                i = 1;
                direction += 2;
            }
            Restore(*this, start);
        }
    }
    Live = true;
}

int32_t TRowfall::ValueGlass() const {
    try {
        int32_t emptyRows = 0;
        bool rowEmpty = true;
        for (int32_t row = 0; row < GlassRows && rowEmpty; ++row) {
            for (int32_t col = 0; col < GlassColumns && rowEmpty; ++col) rowEmpty = !Cell(col, row);
            if (rowEmpty) ++emptyRows;
        }
        int32_t value = 100 * emptyRows;
        int32_t holes = 0;
        int32_t previousDepth = 0;
        for (int32_t col = 0; col < GlassColumns; ++col) {
            int32_t depth = 0;
            while (depth < GlassRows && !Cell(col, depth)) ++depth;
            for (int32_t row = depth + 1; row < GlassRows; ++row) {
                if (!Cell(col, row)) ++holes;
            }
            value += ColumnWeight(col) * depth;
            if (col > 0) value -= (depth - previousDepth) * (depth - previousDepth);
            previousDepth = depth;
        }
        return value - 300 * emptyRows * emptyRows / 400 * holes;
    } catch (...) {
        Trace("ValueGlass");
        return 0;
    }
}
