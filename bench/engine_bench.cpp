// The autopilot's search and evaluation, and one whole headless game.
#include <benchmark/benchmark.h>

#include "bench/headless_game.h"
#include "engine/rowfall.h"
#include "engine/ticks.h"

namespace {

// Spawns figures on successive simulated ticks until one of the wanted kind comes.
void SpawnKind(TRowfall& game, int32_t kind) {
    do {
        ++SimulatedNow;
        game.NewFigure();
    } while (game.Kind != kind);
}

// Rows below `height` from the floor filled, each with one gap that wanders.
void FillStack(TRowfall& game, int32_t height) {
    game.ClearGlass();
    for (int32_t row = GlassRows - height; row < GlassRows; ++row) {
        for (int32_t col = 0; col < GlassColumns; ++col) game.Cell(col, row) = col != (row * 7) % 10;
    }
}

void FindBestMoveOn(benchmark::State& state, int32_t height) {
    SetTickSource(SimulatedTicks);
    TRowfall game;
    FillStack(game, height);
    SpawnKind(game, static_cast<int32_t>(state.range(0)));
    int32_t rotation = 0;
    int32_t shift = 0;
    for (auto _ : state) {
        game.FindBestMove(rotation, shift);
        benchmark::DoNotOptimize(rotation);
        benchmark::DoNotOptimize(shift);
    }
    SetTickSource(nullptr);
}

void FindBestMoveEmptyWell(benchmark::State& state) { FindBestMoveOn(state, 0); }
void FindBestMoveHalfFullWell(benchmark::State& state) { FindBestMoveOn(state, 10); }
void FindBestMoveNearlyFullWell(benchmark::State& state) { FindBestMoveOn(state, 17); }

BENCHMARK(FindBestMoveEmptyWell)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK(FindBestMoveHalfFullWell)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK(FindBestMoveNearlyFullWell)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

void ValueGlassHalfFullWell(benchmark::State& state) {
    TRowfall game;
    FillStack(game, 10);
    for (auto _ : state) benchmark::DoNotOptimize(game.ValueGlass());
}
BENCHMARK(ValueGlassHalfFullWell);

void WholeHeadlessGame(benchmark::State& state) {
    SetTickSource(SimulatedTicks);
    TRowfall game;
    int64_t figures = 0;
    int64_t lines = 0;
    for (auto _ : state) {
        figures += PlayGame(game, 1000000).Figures;
        lines += game.Lines;
    }
    state.counters["pieces/game"] = benchmark::Counter(static_cast<double>(figures) / state.iterations());
    state.counters["lines/game"] = benchmark::Counter(static_cast<double>(lines) / state.iterations());
    state.counters["pieces/s"] = benchmark::Counter(static_cast<double>(figures), benchmark::Counter::kIsRate);
    SetTickSource(nullptr);
}
BENCHMARK(WholeHeadlessGame)->Unit(benchmark::kMillisecond);

}  // namespace
