// The eleven colour slots shared by the cells and the panel, and the four palettes.
#pragma once
#include <cstdint>

using TColour = uint32_t;  // 0x00BBGGRR, the Windows colour word

constexpr TColour Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }
constexpr uint32_t RedOf(TColour c) { return c & 0xFF; }
constexpr uint32_t GreenOf(TColour c) { return (c >> 8) & 0xFF; }
constexpr uint32_t BlueOf(TColour c) { return (c >> 16) & 0xFF; }

extern TColour BackgroundColor;
extern TColour TitleColor;
extern TColour InfoColor;
extern TColour TextColor;
extern TColour ShadowColor;
extern TColour HighlightColor;
extern TColour CellPenColor;
extern TColour EmptyCellColor;
extern TColour BlockFaceColor;
extern TColour BlockLightColor;
extern TColour BlockDarkColor;

// Fills every slot from the row of Settings.Palette; a value outside 0..3 keeps them.
void ApplyPalette();
