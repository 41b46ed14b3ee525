// Where the well, its cells and the four panel boxes lie for a given client area.
#pragma once
#include <cstdint>

#include "engine/rect.h"

// Set when a window is attached; read by the painting code.
extern double Scale;   // client width / 1024
extern int32_t UnitA;  // height of the score, lines and time boxes
extern int32_t UnitB;  // one row of the high-score list

struct TLayout {
    double Scale = 1.0;
    int32_t UnitA = 50;
    int32_t UnitB = 30;
    TRect GlassRect;
    int32_t CellSize = 0;
    TRect ScoreBox;
    TRect LinesBox;
    TRect TimeBox;
    TRect ScoresBox;
};

TLayout ComputeLayout(const TRect& client);
