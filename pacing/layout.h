// Where the well, its cells and the four panel boxes lie for a given client area.
#pragma once
#include <cstdint>

#include "engine/rect.h"

struct TLayout {
    // Where the game is laid out: the client, or, where the client is too wide or too
    // tall for everything to show, the largest centred 2:1 or 3:4 rectangle in it.
    TRect Stage;
    double Scale = 1.0;  // stage width / 1024
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

// True when the well, the boxes, their labels, the title rows and the address all lie
// inside the area, and the boxes beside the well.
bool ShowsEverything(const TLayout& layout, const TRect& area);
