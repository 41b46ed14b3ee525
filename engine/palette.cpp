#include "engine/palette.h"

#include "settings/settings.h"

TColor BackgroundColor = Rgb(255, 193, 114);
TColor TitleColor = Rgb(26, 60, 148);
TColor InfoColor = Rgb(179, 99, 39);
TColor TextColor = Rgb(100, 50, 0);
TColor ShadowColor = Rgb(0, 0, 0);
TColor HighlightColor = Rgb(255, 255, 255);
TColor CellPenColor = Rgb(255, 183, 104);
TColor EmptyCellColor = Rgb(255, 193, 114);
TColor BlockFaceColor = Rgb(162, 81, 1);
TColor BlockLightColor = Rgb(227, 142, 57);
TColor BlockDarkColor = Rgb(104, 55, 5);

namespace {

struct TPaletteRow {
    TColor background, title, info, text, shadow, highlight, cellPen, emptyCell, blockFace,
        blockLight, blockDark;
};

const TPaletteRow Brown = {Rgb(255, 193, 114), Rgb(100, 50, 0),    Rgb(0, 28, 206),
                           Rgb(100, 50, 0),    Rgb(0, 0, 0),       Rgb(255, 255, 255),
                           Rgb(255, 183, 104), Rgb(255, 193, 114), Rgb(162, 81, 1),
                           Rgb(227, 142, 57),  Rgb(104, 55, 5)};

const TPaletteRow Palettes[4] = {
    Brown,
    {Rgb(20, 193, 255), Rgb(0, 28, 206), Rgb(0, 28, 206), Rgb(0, 28, 206), Rgb(0, 0, 0),
     Rgb(255, 255, 255), Rgb(100, 164, 204), Rgb(20, 193, 255), Rgb(150, 220, 255),
     Rgb(200, 250, 255), Rgb(110, 180, 255)},
    {Rgb(0, 186, 155), Rgb(0, 108, 50), Rgb(0, 28, 206), Rgb(0, 108, 50), Rgb(0, 0, 0),
     Rgb(255, 255, 255), Rgb(0, 150, 180), Rgb(0, 186, 155), Rgb(0, 162, 140),
     Rgb(57, 227, 142), Rgb(5, 104, 55)},
    // "Black background": brown with a grey shadow; its dark texture comes from the generator.
    {Brown.background, Brown.title, Brown.info, Brown.text, Rgb(80, 80, 80), Brown.highlight,
     Brown.cellPen, Brown.emptyCell, Brown.blockFace, Brown.blockLight, Brown.blockDark},
};

}  // namespace

void ApplyPalette() {
    if (Settings.Palette < 0 || Settings.Palette > 3) return;
    const TPaletteRow& p = Palettes[Settings.Palette];
    BackgroundColor = p.background;
    TitleColor = p.title;
    InfoColor = p.info;
    TextColor = p.text;
    ShadowColor = p.shadow;
    HighlightColor = p.highlight;
    CellPenColor = p.cellPen;
    EmptyCellColor = p.emptyCell;
    BlockFaceColor = p.blockFace;
    BlockLightColor = p.blockLight;
    BlockDarkColor = p.blockDark;
}
