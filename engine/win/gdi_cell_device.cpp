#include "engine/win/gdi_cell_device.h"

#include "engine/ticks.h"
#include "engine/win/lock_scope.h"

namespace {

enum { EmptyBrush = 0, FaceBrush = 1, LightBrush = 2, DarkBrush = 3 };

// The face is inset by the same 5 pixels whatever the cell size.
constexpr int FaceInset = 5;

void RestoreState(HDC dc, int state) {
    if (dc && state) RestoreDC(dc, state);
}

// Swaps in a new context: the old one goes back to the state it was given in.
void Reattach(HDC& dc, int& state, HDC newDC) {
    RestoreState(dc, state);
    state = SaveDC(newDC);
    dc = newDC;
}

void FillTriangle(HDC dc, HBRUSH brush, POINT a, POINT b, POINT c) {
    const POINT corners[3] = {a, b, c};
    HGDIOBJ previous = SelectObject(dc, brush);
    Polygon(dc, corners, 3);
    SelectObject(dc, previous);
}

void FillRectangle(HDC dc, HBRUSH brush, int left, int top, int right, int bottom) {
    HGDIOBJ previous = SelectObject(dc, brush);
    Rectangle(dc, left, top, right, bottom);
    SelectObject(dc, previous);
}

}  // namespace

TGdiCellDevice::TGdiCellDevice() { CreateBrushes(); }

TGdiCellDevice::~TGdiCellDevice() {
    RestoreState(WindowDC, WindowDCState);
    RestoreState(BackDC, BackDCState);
    for (HBRUSH brush : Brushes)
        if (brush) DeleteObject(brush);
}

void TGdiCellDevice::CreateBrushes() {
    for (HBRUSH& brush : Brushes)
        if (brush) DeleteObject(brush);
    Brushes[EmptyBrush] = CreateSolidBrush(EmptyCellColor);
    Brushes[FaceBrush] = CreateSolidBrush(BlockFaceColor);
    Brushes[LightBrush] = CreateSolidBrush(BlockLightColor);
    Brushes[DarkBrush] = CreateSolidBrush(BlockDarkColor);
}

void TGdiCellDevice::Attach(HDC windowDC, HDC backDC) {
    Reattach(WindowDC, WindowDCState, windowDC);
    Reattach(BackDC, BackDCState, backDC);
}

void TGdiCellDevice::DrawCell(const TRect& cell, bool filled) {
    if (!BackDC) return;
    HPEN pen = CreatePen(PS_SOLID, 1, CellPenColor);
    HGDIOBJ previousPen = SelectObject(BackDC, pen);
    SetBkColor(BackDC, CellPenColor);
    SetBkMode(BackDC, OPAQUE);
    SetROP2(BackDC, R2_COPYPEN);

    const LONG l = cell.left, t = cell.top, r = cell.right, b = cell.bottom;
    if (filled) {
        FillTriangle(BackDC, Brushes[LightBrush], {l, t}, {r, t}, {l, b});
        FillTriangle(BackDC, Brushes[DarkBrush], {r, b}, {r, t}, {l, b});
        FillRectangle(BackDC, Brushes[FaceBrush], l + FaceInset, t + FaceInset, r - FaceInset,
                      b - FaceInset);
    } else {
        FillRectangle(BackDC, Brushes[EmptyBrush], l, t, r, b);
    }

    SelectObject(BackDC, previousPen);
    DeleteObject(pen);
}

void TGdiCellDevice::SetPixel(int32_t x, int32_t y, TColor color) {
    if (BackDC) ::SetPixel(BackDC, x, y, color);
}

bool TGdiCellDevice::CopyToWindow(const TRect& area) {
    if (!WindowDC || !BackDC) return false;
    return BitBlt(WindowDC, area.left, area.top, area.right - area.left, area.bottom - area.top,
                  BackDC, area.left, area.top, SRCCOPY) != FALSE;
}

// Nothing waits holding the game lock: a holder lets go for the wait (the engine is
// marked as dissolving meanwhile) and takes it back before the next copy.
void TGdiCellDevice::AwaitTick(uint32_t since) {
    const bool held = Lock && ReleaseMutex(Lock);
    HANDLE stops[2];
    DWORD count = 0;
    for (HANDLE stop : Stops)
        if (stop) stops[count++] = stop;
    while (TickCount() == since) {
        if (count == 0) {
            Sleep(1);
        } else if (WaitForMultipleObjects(count, stops, FALSE, 1) != WAIT_TIMEOUT) {
            break;  // the run or the game is over: the rest of the fade need not be paced
        }
    }
    // Every other holder keeps the lock only for a few drawing calls now; should one
    // keep it past the bound, the fade goes on without, as any timed-out holder would.
    if (held) WaitForLock(Lock);
}
