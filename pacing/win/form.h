// The screen object: one game's window, its back buffer, the background texture,
// the layout and the turn flags. Part of its game (game.h), whose engine it shows
// and whose lock guards it.
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "engine/rect.h"
#include "pacing/step_machine.h"

struct TGame;

class TForm : public TTurnFlags {
public:
    explicit TForm(TGame& game) : Game(game) {}
    ~TForm();  // SetWindow(nullptr)
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    TGame& Game;
    HWND Window = nullptr;
    TRect ClientRect;
    int32_t Height = 0;
    int32_t Width = 0;
    HDC WindowDC = nullptr;
    HDC BackDC = nullptr;
    HBITMAP BackBitmap = nullptr;
    HBRUSH PaintBrush = nullptr;
    HPEN PaintPen = nullptr;
    HBITMAP Background = nullptr;
    TRect Stage;  // where the game is laid out: the client, or a 2:1 or 3:4 part of it
    TRect GlassRect;
    int32_t CellWidth = 0;
    int32_t CellHeight = 0;
    TRect ScoreBox;
    TRect LinesBox;
    TRect TimeBox;
    TRect ScoresBox;
    double Scale = 1.0;  // the layout's, for the fonts
    int32_t UnitA = 50;
    int32_t UnitB = 30;
    TRect Dirty;
    // A paint that could not draw: the next flush copies the whole back buffer. Set
    // without the lock, so atomic.
    std::atomic<bool> RepaintDue{false};
    bool Painted = false;  // the back buffer holds a whole picture (a ClearScreen since the attach)
    char TextBuffer[256] = {};  // every panel text is formatted here, under the game lock

    // Back buffer and background
    void SetWindow(HWND window);
    bool MakeBackground();

    // Full repaint and panel
    void ClearScreen();
    void ShowScore();
    void ShowNumber(int32_t value, const TRect& box);
    void ShowTime();
    void ShowHiScores();
    void DrawBox(const TRect& box, bool always = false);  // always: the well frame

    // Dirty-rectangle flush
    void AddRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void AddRect(const TRect& rect);
    void Flush();
    void TakeEngineChanges();  // the engine's changed area joins ours; the engine's is emptied
    void FlushEngineChanges();  // TakeEngineChanges, then Flush
};
