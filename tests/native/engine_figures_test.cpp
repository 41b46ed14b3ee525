#include <gtest/gtest.h>

#include <ctime>

#include "engine_support.h"

using namespace engine_test;

namespace {

struct TOffsets {
    int32_t X[4];
    int32_t Y[4];
};

const TOffsets SpawnShapes[7] = {
    {{0, 1, 1, 0}, {0, 0, 1, 1}},   {{0, -1, 1, 0}, {0, 0, 0, 1}}, {{0, -1, 1, 2}, {0, 0, 0, 0}},
    {{0, -1, 1, 1}, {0, 0, 0, 1}},  {{0, -1, 1, 1}, {0, 0, 0, -1}},
    {{0, 0, 1, 1}, {0, -1, 0, 1}},  {{0, 0, 1, 1}, {0, 1, 0, -1}},
};

// The generator worked by hand: seed, one thrown-away draw, then the draw that picks.
int32_t ExpectedKind(uint32_t tick) {
    uint32_t s = tick % 32767;
    s = s * 22695477u + 1u;
    s = s * 22695477u + 1u;
    const int32_t k = static_cast<int32_t>((s >> 16) & 0x7FFF) % 8;
    return k == 7 ? 2 : k;
}

TEST(Spawning, ConstructorLeavesAnEmptyWellAndAFigureAtItsSpawnPlace) {
    TClockScope clock(4321);
    const TCalendarSeconds before = CalendarNow();
    TRowfall game;
    EXPECT_EQ(SettledCount(game), 0);
    EXPECT_EQ(game.X, 4);
    EXPECT_EQ(game.Y, 0);
    EXPECT_EQ(game.Kind, ExpectedKind(4321));
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(game.Lines, 0);
    EXPECT_FALSE(game.GameOver);
    EXPECT_TRUE(game.Live);
    EXPECT_GE(game.GameStart, before);
    EXPECT_LE(game.GameStart, CalendarNow());
    // A game beside it seeds at the same tick, yet draws figures of its own.
    const TRowfall beside(7919);
    EXPECT_EQ(beside.Kind, ExpectedKind(4321 + 7919));
}

TEST(Spawning, EachKindGetsItsShapeAtColumnFourRowZero) {
    TClockScope clock;
    TRowfall game;
    for (int32_t kind = 0; kind < 7; ++kind) {
        game.X = 7;
        game.Y = 12;
        SpawnKind(game, kind);
        EXPECT_EQ(game.X, 4);
        EXPECT_EQ(game.Y, 0);
        int32_t cellsAboveTop = 0;
        for (int32_t i = 0; i < 4; ++i) {
            EXPECT_EQ(game.CellX[i], SpawnShapes[kind].X[i]) << "kind " << kind << " cell " << i;
            EXPECT_EQ(game.CellY[i], SpawnShapes[kind].Y[i]) << "kind " << kind << " cell " << i;
            cellsAboveTop += game.Y + game.CellY[i] < 0;
        }
        EXPECT_EQ(cellsAboveTop, kind >= 4 ? 1 : 0) << "kind " << kind;
    }
}

TEST(Spawning, KindFollowsTheTickCountSeed) {
    TClockScope clock;
    TRowfall game;
    for (uint32_t tick : {0u, 1u, 500u, 32766u, 32767u, 40000u, 4294967295u}) {
        Clock.Now = tick;
        game.NewFigure();
        EXPECT_EQ(game.Kind, ExpectedKind(tick)) << "tick " << tick;
    }
}

TEST(Spawning, RowOfFourComesAboutTwiceAsOftenAsEachOtherKind) {
    TClockScope clock;
    TRowfall game;
    int32_t counts[7] = {};
    for (uint32_t tick = 0; tick < 32767; ++tick) {
        Clock.Now = tick;
        game.NewFigure();
        ASSERT_GE(game.Kind, 0);
        ASSERT_LE(game.Kind, 6);
        ++counts[game.Kind];
    }
    for (int32_t kind = 0; kind < 7; ++kind) {
        if (kind == 2) continue;
        const double ratio = static_cast<double>(counts[2]) / counts[kind];
        EXPECT_GT(ratio, 1.8) << "kind " << kind;
        EXPECT_LT(ratio, 2.2) << "kind " << kind;
    }
}

TEST(Spawning, ClearGlassEmptiesTheWellButKeepsTheFigure) {
    TClockScope clock;
    TRowfall game;
    SpawnKind(game, 3);
    game.ShiftX(2);
    game.ShiftY(1);
    FillRow(game, 19);
    game.Score = 41;
    game.Lines = 12;
    game.GameOver = true;
    game.GameStart = 0;
    game.ClearGlass();
    EXPECT_EQ(SettledCount(game), 0);
    EXPECT_EQ(game.Score, 0);
    EXPECT_EQ(game.Lines, 0);
    EXPECT_FALSE(game.GameOver);
    EXPECT_GT(game.GameStart, 0u);
    EXPECT_EQ(game.Kind, 3);
    EXPECT_EQ(game.X, 6);
    EXPECT_EQ(game.Y, 1);
}

}  // namespace
