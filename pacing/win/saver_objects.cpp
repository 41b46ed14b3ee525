// One translation unit, so the engine is built before the screen object and
// outlives it.
#include "pacing/win/saver_objects.h"

#include "pacing/win/form.h"

TRowfall Rowfall;
TGdiCellDevice CellDevice;
TForm Form;
