// Where the well, its cells and the four panel boxes lie for a given client area.
#pragma once
#include <cstdint>

#include "engine/rect.h"

struct TLayout {
    double Scale = 1.0;  // client width / 1024
    int32_t UnitA = 50;  // height of the score, lines and time boxes
    int32_t UnitB = 30;  // one row of the high-score list
    TRect GlassRect;
    int32_t CellSize = 0;
    TRect ScoreBox;
    TRect LinesBox;
    TRect TimeBox;
    TRect ScoresBox;
};

TLayout ComputeLayout(const TRect& client);
