#include <gtest/gtest.h>

#include <array>

#include "engine/palette.h"
#include "settings/settings.h"

namespace {

// Background, title, info, text, shadow, highlight, cell pen, empty cell,
// block face, block light, block dark.
using TSlotRow = std::array<TColor, 11>;

TSlotRow CurrentSlots() {
    return {BackgroundColor, TitleColor,     InfoColor,      TextColor,
            ShadowColor,     HighlightColor, CellPenColor,   EmptyCellColor,
            BlockFaceColor,  BlockLightColor, BlockDarkColor};
}

void SetSlots(const TSlotRow& row) {
    TColor* slots[11] = {&BackgroundColor, &TitleColor,     &InfoColor,      &TextColor,
                          &ShadowColor,     &HighlightColor, &CellPenColor,   &EmptyCellColor,
                          &BlockFaceColor,  &BlockLightColor, &BlockDarkColor};
    for (size_t i = 0; i < row.size(); ++i) *slots[i] = row[i];
}

// Taken during static initialisation, before any test can have applied a palette.
const TSlotRow StartUpSlots = CurrentSlots();

const TSlotRow StartUpColumn = {Rgb(255, 193, 114), Rgb(26, 60, 148),   Rgb(179, 99, 39),
                                Rgb(100, 50, 0),    Rgb(0, 0, 0),       Rgb(255, 255, 255),
                                Rgb(255, 183, 104), Rgb(255, 193, 114), Rgb(162, 81, 1),
                                Rgb(227, 142, 57),  Rgb(104, 55, 5)};

const TSlotRow Brown = {Rgb(255, 193, 114), Rgb(100, 50, 0),    Rgb(0, 28, 206),
                        Rgb(100, 50, 0),    Rgb(0, 0, 0),       Rgb(255, 255, 255),
                        Rgb(255, 183, 104), Rgb(255, 193, 114), Rgb(162, 81, 1),
                        Rgb(227, 142, 57),  Rgb(104, 55, 5)};
const TSlotRow Blue = {Rgb(20, 193, 255),  Rgb(0, 28, 206),    Rgb(0, 28, 206),
                       Rgb(0, 28, 206),    Rgb(0, 0, 0),       Rgb(255, 255, 255),
                       Rgb(100, 164, 204), Rgb(20, 193, 255),  Rgb(150, 220, 255),
                       Rgb(200, 250, 255), Rgb(110, 180, 255)};
const TSlotRow Green = {Rgb(0, 186, 155),  Rgb(0, 108, 50),   Rgb(0, 28, 206),
                        Rgb(0, 108, 50),   Rgb(0, 0, 0),      Rgb(255, 255, 255),
                        Rgb(0, 150, 180),  Rgb(0, 186, 155),  Rgb(0, 162, 140),
                        Rgb(57, 227, 142), Rgb(5, 104, 55)};
const TSlotRow BlackBackground = {Rgb(255, 193, 114), Rgb(100, 50, 0),    Rgb(0, 28, 206),
                                  Rgb(100, 50, 0),    Rgb(80, 80, 80),    Rgb(255, 255, 255),
                                  Rgb(255, 183, 104), Rgb(255, 193, 114), Rgb(162, 81, 1),
                                  Rgb(227, 142, 57),  Rgb(104, 55, 5)};

// Leaves the slots and the setting as it found them.
class Palette : public ::testing::Test {
protected:
    void SetUp() override {
        SavedSlots_ = CurrentSlots();
        SavedPalette_ = Settings.Palette;
    }
    void TearDown() override {
        SetSlots(SavedSlots_);
        Settings.Palette = SavedPalette_;
    }
    static void Apply(int32_t palette) {
        Settings.Palette = palette;
        ApplyPalette();
    }

private:
    TSlotRow SavedSlots_{};
    int32_t SavedPalette_ = 0;
};

TEST_F(Palette, EachRowFillsAllElevenSlots) {
    const TSlotRow rows[4] = {Brown, Blue, Green, BlackBackground};
    for (int32_t palette : {1, 3, 0, 2, 1}) {
        Apply(palette);
        EXPECT_EQ(CurrentSlots(), rows[palette]) << "palette " << palette;
    }
}

TEST_F(Palette, SlotsStartWithTheirOwnTitleAndInfoColors) {
    EXPECT_EQ(StartUpSlots, StartUpColumn);
}

TEST_F(Palette, AValueOutsideTheListKeepsTheSlots) {
    SetSlots(StartUpColumn);
    for (int32_t palette : {7, -1, 4}) {
        Apply(palette);
        EXPECT_EQ(CurrentSlots(), StartUpColumn) << "palette " << palette;
    }
    Apply(2);
    Apply(7);
    EXPECT_EQ(CurrentSlots(), Green);
}

}  // namespace
