// The eleven color slots shared by the cells and the panel, and the four palettes.
#pragma once
#include <cstdint>

using TColor = uint32_t;  // 0x00BBGGRR, the Windows color word

constexpr TColor Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }
constexpr uint32_t RedOf(TColor c) { return c & 0xFF; }
constexpr uint32_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr uint32_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }

extern TColor BackgroundColor;
extern TColor TitleColor;
extern TColor InfoColor;
extern TColor TextColor;
extern TColor ShadowColor;
extern TColor HighlightColor;
extern TColor CellPenColor;
extern TColor EmptyCellColor;
extern TColor BlockFaceColor;
extern TColor BlockLightColor;
extern TColor BlockDarkColor;

// Fills every slot from the row of Settings.Palette; a value outside 0..3 keeps them.
void ApplyPalette();
