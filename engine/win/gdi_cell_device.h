// The engine's cells drawn with GDI into the back buffer, the dissolve pixels,
// and the strip copies to the window.
#pragma once
#include <windows.h>

#include "engine/cell_device.h"

class TGdiCellDevice : public TCellDevice {
public:
    TGdiCellDevice();  // brushes from the start-up colors
    ~TGdiCellDevice() override;  // restores both contexts, deletes the brushes
    TGdiCellDevice(const TGdiCellDevice&) = delete;
    TGdiCellDevice& operator=(const TGdiCellDevice&) = delete;

    // Deletes the brushes it holds and makes four from the current color slots.
    void CreateBrushes();
    // Restores the old contexts to their saved states, saves and keeps the new ones.
    void Attach(HDC windowDC, HDC backDC);

    bool CanDraw() const override { return BackDC != nullptr; }
    void DrawCell(const TRect& cell, bool filled) override;
    void SetPixel(int32_t x, int32_t y, TColor color) override;
    bool CopyToWindow(const TRect& area) override;
    void AwaitTick(uint32_t since) override;

    HDC WindowDC = nullptr;
    HDC BackDC = nullptr;
    int WindowDCState = 0;
    int BackDCState = 0;
    HBRUSH Brushes[4] = {};
    // The game lock, let go while the dissolve waits for a tick, and the events that
    // end such a wait (the run's stop, the game's own); null where there are none.
    HANDLE Lock = nullptr;
    HANDLE Stops[2] = {};
};
