#include <gtest/gtest.h>

#include <climits>

#include "engine_support.h"

using namespace engine_test;

namespace {

void ExpectOffsets(const TRowfall& game, std::initializer_list<std::pair<int32_t, int32_t>> cells) {
    int32_t i = 0;
    for (const auto& cell : cells) {
        EXPECT_EQ(game.CellX[i], cell.first) << "cell " << i;
        EXPECT_EQ(game.CellY[i], cell.second) << "cell " << i;
        ++i;
    }
}

void SetOffsets(TRowfall& game, std::initializer_list<std::pair<int32_t, int32_t>> cells) {
    int32_t i = 0;
    for (const auto& cell : cells) {
        game.CellX[i] = cell.first;
        game.CellY[i] = cell.second;
        ++i;
    }
}

class Moves : public ::testing::Test {
protected:
    TClockScope Ticks;
    TRowfall Game;
};

TEST_F(Moves, ShiftXMovesOnlyToAFreeDestination) {
    SpawnKind(Game, 2);  // columns 3..6
    EXPECT_EQ(Game.ShiftX(0), 0);
    EXPECT_EQ(Game.X, 4);
    EXPECT_EQ(Game.ShiftX(3), 3);  // columns 6..9
    EXPECT_EQ(Game.ShiftX(1), 0);
    EXPECT_EQ(Game.X, 7);
    EXPECT_EQ(Game.ShiftX(-7), 0);
    EXPECT_EQ(Game.ShiftX(-6), -6);  // columns 0..3
    EXPECT_EQ(Game.ShiftX(-1), 0);
    EXPECT_EQ(Game.X, 1);

    Game.Cell(4, 0) = 1;
    EXPECT_EQ(Game.ShiftX(3), 0);  // onto the settled cell
    EXPECT_EQ(Game.ShiftX(5), 5);  // jumps over it
    EXPECT_EQ(Game.X, 6);
    EXPECT_EQ(Game.Y, 0);
}

TEST_F(Moves, ExtremeStepsAreRefusedWithoutOverflow) {
    SpawnKind(Game, 1);
    for (int32_t step : {INT32_MAX, INT32_MIN, INT32_MAX - 3, INT32_MIN + 5}) {
        EXPECT_EQ(Game.ShiftX(step), 0) << step;
    }
    EXPECT_EQ(Game.ShiftY(INT32_MIN), 0);
    EXPECT_EQ(Game.X, 4);
    EXPECT_EQ(Game.Y, 0);
    EXPECT_EQ(SettledCount(Game), 0);
}

TEST_F(Moves, ShiftYFallsOntoASettledCellThenLandsAndSpawns) {
    SpawnKind(Game, 0);  // square at columns 4..5
    Game.Cell(5, 12) = 1;
    for (int32_t row = 1; row <= 10; ++row) ASSERT_EQ(Game.ShiftY(1), 1) << row;
    EXPECT_EQ(Game.Y, 10);
    EXPECT_EQ(Game.ShiftY(1), 0);
    EXPECT_EQ(SettledCount(Game), 5);
    for (auto [c, r] : {std::pair{4, 10}, {5, 10}, {4, 11}, {5, 11}}) EXPECT_EQ(Game.Cell(c, r), 1);
    EXPECT_EQ(Game.X, 4);
    EXPECT_EQ(Game.Y, 0);
    EXPECT_FALSE(Game.GameOver);
}

TEST_F(Moves, UpwardAndOversizedFalls) {
    SpawnKind(Game, 0);
    EXPECT_EQ(Game.ShiftY(-1), 0);  // out of the top: refused, no landing
    EXPECT_EQ(SettledCount(Game), 0);
    Game.ShiftY(3);
    EXPECT_EQ(Game.ShiftY(-2), -2);
    EXPECT_EQ(Game.Y, 1);
    // A fall past the floor counts as blocked: the square lands where it stands.
    EXPECT_EQ(Game.ShiftY(100), 0);
    EXPECT_EQ(Game.Cell(4, 1), 1);
    EXPECT_EQ(Game.Cell(5, 2), 1);
    EXPECT_EQ(SettledCount(Game), 4);
}

TEST_F(Moves, LandingInRowZeroEndsTheGameButRotateStillTurns) {
    SpawnKind(Game, 2);
    for (int32_t c = 3; c <= 6; ++c) Game.Cell(c, 1) = 1;
    EXPECT_EQ(Game.ShiftY(1), 0);
    EXPECT_TRUE(Game.GameOver);
    for (int32_t c = 3; c <= 6; ++c) EXPECT_EQ(Game.Cell(c, 0), 1);
    EXPECT_EQ(Game.Kind, 2);  // nothing spawned
    EXPECT_EQ(Game.X, 4);
    EXPECT_EQ(Game.Y, 0);

    EXPECT_EQ(Game.ShiftX(1), 0);
    EXPECT_EQ(Game.ShiftX(-1), 0);
    EXPECT_EQ(Game.ShiftY(1), 0);
    EXPECT_EQ(SettledCount(Game), 8);
    EXPECT_EQ(Game.X, 4);

    EXPECT_EQ(Game.Rotate(1), 1);  // kicks 0, +1, -1, +2 hit the landed row; -2 is free
    EXPECT_EQ(Game.X, 2);
    ExpectOffsets(Game, {{0, 0}, {0, 1}, {0, -1}, {0, -2}});
}

TEST_F(Moves, RotateTurnsCounterClockwiseAndAccumulates) {
    SpawnKind(Game, 1);
    EXPECT_EQ(Game.Rotate(1), 1);
    ExpectOffsets(Game, {{0, 0}, {0, 1}, {0, -1}, {1, 0}});
    EXPECT_EQ(Game.X, 4);
    EXPECT_EQ(Game.Y, 0);
    EXPECT_EQ(Game.Rotate(3), 3);  // back where it spawned
    ExpectOffsets(Game, {{0, 0}, {-1, 0}, {1, 0}, {0, 1}});

    SpawnKind(Game, 3);
    Game.ShiftY(5);
    EXPECT_EQ(Game.Rotate(2), 2);
    ExpectOffsets(Game, {{0, 0}, {1, 0}, {-1, 0}, {-1, -1}});
}

TEST_F(Moves, RotateRefusesFourOrMoreTurnsAndLeavesTheSquareAlone) {
    SpawnKind(Game, 1);
    for (int32_t n : {4, -4, 7, INT32_MAX, INT32_MIN}) EXPECT_EQ(Game.Rotate(n), 0) << n;
    EXPECT_EQ(Game.Rotate(-1), -1);  // no turn for counts of 0 or less
    ExpectOffsets(Game, {{0, 0}, {-1, 0}, {1, 0}, {0, 1}});

    SpawnKind(Game, 0);
    Game.ShiftX(-4);
    EXPECT_EQ(Game.Rotate(1), 1);
    EXPECT_EQ(Game.Rotate(-3), -3);
    EXPECT_EQ(Game.Rotate(4), 0);
    EXPECT_EQ(Game.X, 0);
    ExpectOffsets(Game, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
}

TEST_F(Moves, RotateKicksAwayFromWallsAndSettledCells) {
    SpawnKind(Game, 2);
    SetOffsets(Game, {{0, 0}, {0, 1}, {0, -1}, {0, -2}});  // upright at the left wall
    Game.X = 0;
    Game.Y = 5;
    EXPECT_EQ(Game.Rotate(1), 1);
    EXPECT_EQ(Game.X, 2);
    EXPECT_EQ(Game.Y, 5);
    ExpectOffsets(Game, {{0, 0}, {1, 0}, {-1, 0}, {-2, 0}});

    SpawnKind(Game, 1);
    Game.ShiftY(5);
    Game.Cell(4, 6) = 1;  // under the pivot once turned
    EXPECT_EQ(Game.Rotate(1), 1);
    EXPECT_EQ(Game.X, 5);

    SpawnKind(Game, 2);
    Game.Y = 19;  // upright it would reach below the floor at every kick
    EXPECT_EQ(Game.Rotate(1), 0);
    EXPECT_EQ(Game.X, 4);
    ExpectOffsets(Game, {{0, 0}, {-1, 0}, {1, 0}, {2, 0}});
}

// Cells above the top still have to stand in the well's columns.
TEST_F(Moves, NoCellEverStandsBesideTheWell) {
    SpawnKind(Game, 6);
    EXPECT_EQ(Game.ShiftX(-4), -4);
    // Turned at column 0 its upper-left cell would be in column -1, row -1.
    EXPECT_EQ(Game.Rotate(1), 1);
    EXPECT_EQ(Game.X, 1);
    ExpectOffsets(Game, {{0, 0}, {1, 0}, {0, -1}, {-1, -1}});

    // The same figure put there by hand lands rather than bring that cell into row 0.
    Game.X = 0;
    EXPECT_EQ(Game.ShiftY(1), 0);
    EXPECT_EQ(SettledCount(Game), 2);
    EXPECT_EQ(Game.Cell(0, 0), 1);
    EXPECT_EQ(Game.Cell(1, 0), 1);
    EXPECT_TRUE(Game.GameOver);
}

}  // namespace
