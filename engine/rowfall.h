// The game engine: one well, one falling figure, score and lines, and the autopilot.
#pragma once
#include <cstdint>

#include "engine/calendar.h"
#include "engine/cell_device.h"
#include "engine/rect.h"

constexpr int32_t GlassColumns = 10;
constexpr int32_t GlassRows = 20;

class TRowfall {
public:
    // seedOffset joins the tick count that seeds every figure: games started together
    // on several monitors still draw figures of their own. The primary game has 0.
    explicit TRowfall(uint32_t seedOffset = 0);

    // Drawing goes to this surface; nullptr (the default) draws nothing.
    TCellDevice* Device = nullptr;
    TRect Dirty;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Score = 0;
    int32_t Lines = 0;
    bool GameOver = false;
    int32_t Kind = 0;
    int32_t SavedKind = 0;
    TRect GlassRect;
    int32_t CellWidth = 0;
    int32_t CellHeight = 0;
    int32_t CellX[4] = {};
    int32_t CellY[4] = {};
    int32_t Glass[GlassColumns * GlassRows] = {};  // column-major: column * 20 + row
    bool Live = false;
    // A full row is fading: the landing is half done, and whoever shares the engine
    // leaves the figure and the well alone until it is over (the dissolve lets the
    // game lock go while it waits for the tick).
    bool Dissolving = false;
    TCalendarSeconds GameStart = 0;  // the well's last clearing; the game-time clock counts from it
    uint32_t SeedOffset = 0;

    int32_t& Cell(int32_t col, int32_t row) { return Glass[col * GlassRows + row]; }
    int32_t Cell(int32_t col, int32_t row) const { return Glass[col * GlassRows + row]; }

    void ClearGlass();
    void NewFigure();
    int32_t ShiftX(int32_t dx);
    int32_t ShiftY(int32_t dy);
    int32_t Rotate(int32_t n);
    int32_t ClearLines();
    void FindBestMove(int32_t& rotation, int32_t& shift);
    int32_t ValueGlass() const;

    void ShowCell(int32_t col, int32_t row, int32_t filled);
    void ShowFigure();
    void HideFigure();
    void ShowGlass();
    void FlashLine(int32_t row);
    void BlitRect(TRect& rect);
};
