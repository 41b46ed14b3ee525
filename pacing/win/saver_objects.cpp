#include "pacing/win/saver_objects.h"

TGame PrimaryGame;
TRowfall& Rowfall = PrimaryGame.Engine;
TGdiCellDevice& CellDevice = PrimaryGame.Cells;
TForm& Form = PrimaryGame.Screen;
