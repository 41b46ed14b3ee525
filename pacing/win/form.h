// The screen object: the saver window, its back buffer, the background texture,
// the layout and the turn flags. One instance, process-wide.
#pragma once
#include <windows.h>

#include <cstdint>

#include "engine/rect.h"
#include "engine/rowfall.h"
#include "engine/win/gdi_cell_device.h"
#include "pacing/step_machine.h"
#include "pacing/win/saver_objects.h"

class TForm : public TTurnFlags {
public:
    TForm() = default;
    ~TForm();  // SetWindow(nullptr)
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

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
    TRect GlassRect;
    int32_t CellWidth = 0;
    int32_t CellHeight = 0;
    TRect ScoreBox;
    TRect LinesBox;
    TRect TimeBox;
    TRect ScoresBox;
    TRect Dirty;

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

extern TForm Form;  // see saver_objects.h
