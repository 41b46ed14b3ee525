// The soft random background: a 400 x 320 height map seen through a color ramp.
#pragma once
#include <cstdint>

#include "engine/palette.h"

constexpr int32_t TextureWidth = 400;
constexpr int32_t TextureHeight = 320;

extern TColor Ramp[256];  // color of each height
// Column-major: the 320 cells of column x start at x * 320.
extern int32_t HeightMap[TextureWidth * TextureHeight];

inline int32_t& HeightAt(int32_t x, int32_t y) { return HeightMap[x * TextureHeight + y]; }

// Ramp for the palette, then a fresh height map smoothed twice.
void GenerateTexture(int32_t palette);

// The three steps of GenerateTexture.
void MakeRamp(int32_t palette);
void MakeHeights();   // draws 127,999 random numbers, row by row
void SmoothHeights(); // one in-place pass over the inner cells
