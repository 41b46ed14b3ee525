// The process-wide engine and its cell device, for code that needs the game but
// not the screen object. With the screen object (form.h) they are constructed in
// this order, in one translation unit, and destroyed in reverse.
#pragma once
#include "engine/rowfall.h"
#include "engine/win/gdi_cell_device.h"

extern TRowfall Rowfall;
extern TGdiCellDevice CellDevice;
