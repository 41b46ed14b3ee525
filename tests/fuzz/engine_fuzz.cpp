// Plays random sequences of moves, turns, drops, autopilot decisions and new games,
// and checks the engine's invariants after every step.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>

#include "engine/cell_device.h"
#include "engine/rowfall.h"
#include "engine/ticks.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

uint32_t Ticks = 0;

// Advances on every read, so the dissolve's wait for the next tick always ends.
uint32_t ScriptedTicks() { return ++Ticks; }

TRect WellRect(const TRowfall& game) {
    return {game.GlassRect.left, game.GlassRect.top,
            game.GlassRect.left + GlassColumns * game.CellWidth,
            game.GlassRect.top + GlassRows * game.CellHeight};
}

// Refuses anything drawn outside the well; counts what it was asked to do.
class TCheckingDevice : public TCellDevice {
public:
    explicit TCheckingDevice(const TRowfall& game) : Game(game) {}
    bool CanDraw() const override { return true; }
    void DrawCell(const TRect& cell, bool) override {
        Check(Inside(cell, WellRect(Game)), "cell drawn outside the well");
        ++Calls;
    }
    void SetPixel(int32_t x, int32_t y, TColor) override {
        const TRect well = WellRect(Game);
        Check(x >= well.left && x < well.right && y >= well.top && y < well.bottom,
              "pixel outside the well");
        ++Calls;
    }
    bool CopyToWindow(const TRect& area) override {
        Check(Inside(area, WellRect(Game)), "copy outside the well");
        ++Calls;
        return true;
    }
    void AwaitTick(uint32_t since) override {
        while (TickCount() == since) {
        }
    }
    const TRowfall& Game;
    int64_t Calls = 0;
};

// Every field the autopilot promises to leave alone, as plain bytes.
struct TSnapshot {
    int32_t Glass[GlassColumns * GlassRows];
    int32_t CellX[4], CellY[4];
    int32_t X, Y, Kind, Score, Lines;
    TRect Dirty, GlassRect;
    int32_t CellWidth, CellHeight;
    TCellDevice* Device;
    bool GameOver;
};

TSnapshot Take(const TRowfall& game) {
    TSnapshot s;
    std::memset(&s, 0, sizeof s);
    std::memcpy(s.Glass, game.Glass, sizeof s.Glass);
    std::memcpy(s.CellX, game.CellX, sizeof s.CellX);
    std::memcpy(s.CellY, game.CellY, sizeof s.CellY);
    s.X = game.X;
    s.Y = game.Y;
    s.Kind = game.Kind;
    s.Score = game.Score;
    s.Lines = game.Lines;
    s.Dirty = game.Dirty;
    s.GlassRect = game.GlassRect;
    s.CellWidth = game.CellWidth;
    s.CellHeight = game.CellHeight;
    s.Device = game.Device;
    s.GameOver = game.GameOver;
    return s;
}

int32_t SettledCount(const TRowfall& game) {
    int32_t count = 0;
    for (int32_t cell : game.Glass) count += cell;
    return count;
}

const int32_t SpawnX[7][4] = {{0, 1, 1, 0},  {0, -1, 1, 0}, {0, -1, 1, 2}, {0, -1, 1, 1},
                              {0, -1, 1, 1}, {0, 0, 1, 1},  {0, 0, 1, 1}};
const int32_t SpawnY[7][4] = {{0, 0, 1, 1}, {0, 0, 0, 1},  {0, 0, 0, 0}, {0, 0, 0, 1},
                              {0, 0, 0, -1}, {0, -1, 0, 1}, {0, 1, 0, -1}};

// Spawning tests nothing against the well, so a new figure may sit on settled cells
// until its first move; after a landing that ended the game it is part of the well.
bool MayOverlap(const TRowfall& game) {
    if (game.GameOver) return true;
    if (game.X != 4 || game.Y != 0) return false;
    for (int32_t i = 0; i < 4; ++i) {
        if (game.CellX[i] != SpawnX[game.Kind][i] || game.CellY[i] != SpawnY[game.Kind][i])
            return false;
    }
    return true;
}

void CheckRecord(const TRowfall& game) {
    for (int32_t cell : game.Glass) Check(cell == 0 || cell == 1, "well cell not 0 or 1");
    Check(game.Live, "left not live");
    Check(game.Kind >= 0 && game.Kind <= 6, "kind out of range");
    Check(game.CellX[0] == 0 && game.CellY[0] == 0, "pivot moved off cell 0");
    for (int32_t i = 0; i < 4; ++i) {
        const int32_t c = game.X + game.CellX[i];
        const int32_t r = game.Y + game.CellY[i];
        Check(c >= 0 && c < GlassColumns, "figure cell beside the well");
        Check(r < GlassRows, "figure cell below the floor");
        if (r >= 0 && game.Cell(c, r)) Check(MayOverlap(game), "figure overlaps the well");
    }
    Check(IsEmpty(game.Dirty) || Inside(game.Dirty, WellRect(game)), "dirty outside the well");
}

int32_t SettledInRowZero(const TRowfall& game) {
    int32_t count = 0;
    for (int32_t c = 0; c < GlassColumns; ++c) count += game.Cell(c, 0);
    return count;
}

// One step lands at most one figure: n rows removed score 2n - 1 and take 10n cells,
// and the landing itself adds at most four. Each removal also copies row 0 into row 1.
void CheckLanding(const TSnapshot& before, const TRowfall& game, int32_t settledBefore) {
    const int32_t rows = game.Lines - before.Lines;
    Check(rows >= 0 && rows <= 4, "lines out of step");
    Check(game.Score - before.Score == (rows > 0 ? 2 * rows - 1 : 0), "score out of step");
    const int32_t added = SettledCount(game) - settledBefore + 10 * rows;
    Check(added >= 0 && added <= 4 + rows * SettledInRowZero(game), "settled cells out of step");
}

int32_t AnyStep(FuzzedDataProvider& data) {
    return data.ConsumeBool() ? data.ConsumeIntegralInRange<int32_t>(-12, 12)
                              : data.ConsumeIntegral<int32_t>();
}

void Drop(TRowfall& game) {
    for (int32_t i = 0; i < GlassRows + 2 && game.ShiftY(1) != 0; ++i) {
    }
}

void PlanAndPlay(TRowfall& game, const TCheckingDevice& device) {
    const TSnapshot before = Take(game);
    const int64_t callsBefore = device.Calls;
    int32_t rotation = -1;
    int32_t shift = -99;
    game.FindBestMove(rotation, shift);
    const TSnapshot after = Take(game);
    Check(std::memcmp(&before, &after, sizeof before) == 0, "autopilot changed the record");
    Check(device.Calls == callsBefore, "autopilot drew");
    Check(rotation >= 0 && rotation <= 3, "rotation out of range");
    Check(shift >= -9 && shift <= 9, "shift out of range");
    for (int32_t r = 0; r < rotation; ++r) game.Rotate(1);
    const int32_t step = shift > 0 ? 1 : -1;
    for (int32_t s = 0; s != shift && game.ShiftX(step) != 0; s += step) {
    }
    Drop(game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    SetTickSource(ScriptedTicks);
    Ticks = data.ConsumeIntegral<uint32_t>();
    TRowfall game;
    TCheckingDevice device(game);
    game.GlassRect.left = data.ConsumeIntegralInRange<int32_t>(-50, 50);
    game.GlassRect.top = data.ConsumeIntegralInRange<int32_t>(-50, 50);
    game.CellWidth = data.ConsumeIntegralInRange<int32_t>(0, 4);
    game.CellHeight = data.ConsumeIntegralInRange<int32_t>(0, 4);
    game.Device = data.ConsumeBool() ? &device : nullptr;

    for (int32_t steps = 0; steps < 2000 && data.remaining_bytes() > 0; ++steps) {
        const TSnapshot before = Take(game);
        const int32_t settledBefore = SettledCount(game);
        bool cleared = false;
        switch (data.ConsumeIntegralInRange<int32_t>(0, 7)) {
        case 0: game.ShiftX(AnyStep(data)); break;
        case 1: game.ShiftY(data.ConsumeBool() ? 1 : AnyStep(data)); break;
        case 2: game.Rotate(AnyStep(data)); break;
        case 3: Drop(game); break;
        case 4: PlanAndPlay(game, device); break;
        case 5:
            game.ClearGlass();
            cleared = true;
            break;
        case 6: game.NewFigure(); break;
        case 7: game.Device = game.Device ? nullptr : &device; break;
        }
        CheckRecord(game);
        if (cleared) {
            Check(SettledCount(game) == 0 && game.Score == 0 && game.Lines == 0 && !game.GameOver,
                  "new game not empty");
        } else {
            CheckLanding(before, game, settledBefore);
        }
        game.Dirty = TRect{};  // taken by the caller after every step
        Ticks += 500;
    }
    SetTickSource(nullptr);
    return 0;
}
