// Shared by the engine tests: a scripted tick count, a recording cell device, and
// helpers that put a chosen figure or well in place.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "engine/cell_device.h"
#include "engine/rowfall.h"
#include "engine/ticks.h"

namespace engine_test {

// Ticks advance by Step every Period reads; a Step of 0 freezes the clock.
struct TScriptedClock {
    uint32_t Now = 1000;
    uint32_t Step = 0;
    uint32_t Period = 1;
    uint32_t Reads = 0;
};

inline TScriptedClock Clock;

inline uint32_t ScriptedTicks() {
    ++Clock.Reads;
    if (Clock.Reads % Clock.Period == 0) Clock.Now += Clock.Step;
    return Clock.Now;
}

// Installs the scripted clock for one test and puts the system clock back after it.
class TClockScope {
public:
    explicit TClockScope(uint32_t now = 1000, uint32_t step = 0, uint32_t period = 1) {
        Clock = TScriptedClock{now, step, period, 0};
        SetTickSource(ScriptedTicks);
    }
    ~TClockScope() { SetTickSource(nullptr); }
    TClockScope(const TClockScope&) = delete;
    TClockScope& operator=(const TClockScope&) = delete;
};

struct TDrawnCell {
    TRect Cell;
    bool Filled;
};

struct TPixel {
    int32_t X;
    int32_t Y;
    TColor Color;
};

struct TCopy {
    TRect Area;
    uint32_t Tick;  // the clock when the copy was made
};

class TRecordingDevice : public TCellDevice {
public:
    bool CanDraw() const override { return true; }
    void DrawCell(const TRect& cell, bool filled) override {
        if (ThrowOnDraw) throw std::runtime_error("draw");
        Cells.push_back({cell, filled});
    }
    void SetPixel(int32_t x, int32_t y, TColor color) override { Pixels.push_back({x, y, color}); }
    bool CopyToWindow(const TRect& area) override {
        Copies.push_back({area, Clock.Now});
        return CopySucceeds;
    }
    // The scripted clock moves as it is read.
    void AwaitTick(uint32_t since) override {
        while (TickCount() == since) {
        }
    }

    std::vector<TDrawnCell> Cells;
    std::vector<TPixel> Pixels;
    std::vector<TCopy> Copies;
    bool CopySucceeds = true;
    bool ThrowOnDraw = false;
};

// The well at left 100, top 40 with 20-pixel cells, drawing into the device.
inline void Attach(TRowfall& game, TRecordingDevice& device) {
    game.Device = &device;
    game.GlassRect = {100, 40, 300, 440};
    game.CellWidth = 20;
    game.CellHeight = 20;
}

// Spawns figures, one tick apart, until one of the wanted kind comes.
inline void SpawnKind(TRowfall& game, int32_t kind) {
    for (int32_t attempt = 0; attempt < 1000; ++attempt) {
        ++Clock.Now;
        game.NewFigure();
        if (game.Kind == kind) return;
    }
    throw std::logic_error("kind never spawned");
}

inline void FillRow(TRowfall& game, int32_t row) {
    for (int32_t c = 0; c < GlassColumns; ++c) game.Cell(c, row) = 1;
}

inline bool RowFull(const TRowfall& game, int32_t row) {
    for (int32_t c = 0; c < GlassColumns; ++c) {
        if (game.Cell(c, row) == 0) return false;
    }
    return true;
}

inline int32_t SettledCount(const TRowfall& game) {
    int32_t count = 0;
    for (int32_t cell : game.Glass) count += cell != 0;
    return count;
}

}  // namespace engine_test
