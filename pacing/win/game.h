// Everything one game needs: the engine, the screen object that shows it, the cell
// device between the two, the lock that guards all three, and the worker that plays
// it. The primary game is one instance (saver_objects.h); with "Every monitor" each
// further monitor has another.
#pragma once
#include <windows.h>

#include <cstdint>

#include "engine/rowfall.h"
#include "engine/win/gdi_cell_device.h"
#include "pacing/win/form.h"

struct TGame {
    explicit TGame(uint32_t seedOffset = 0) : Engine(seedOffset) {}
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    // In this order: the engine is built before the screen object and outlives it.
    TRowfall Engine;
    TGdiCellDevice Cells;
    TForm Screen{*this};
    HANDLE Lock = nullptr;    // the game lock: a Win32 mutex, recursive for its owner
    HANDLE Worker = nullptr;  // null until its worker runs
    HANDLE Stop = nullptr;    // ends this game alone (its monitor is gone); null for the primary
    bool ScoreFolded = false;  // its running score has joined the list as the run ended
};
