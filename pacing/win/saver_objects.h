// The primary game and the names its parts have always had: the engine, its cell
// device and the screen object (form.h), constructed in this order as members of
// one object and destroyed in reverse.
#pragma once
#include "pacing/win/game.h"

extern TGame PrimaryGame;
extern TRowfall& Rowfall;
extern TGdiCellDevice& CellDevice;
extern TForm& Form;

inline bool IsPrimary(const TGame& game) { return &game == &PrimaryGame; }
