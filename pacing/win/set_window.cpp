#include "engine/win/lock_scope.h"
#include "pacing/layout.h"
#include "pacing/win/game.h"
#include "settings/settings.h"

namespace {

void ApplyLayout(TForm& form) {
    const TLayout layout = ComputeLayout(form.ClientRect);
    form.Stage = layout.Stage;
    form.Scale = layout.Scale;
    form.UnitA = layout.UnitA;
    form.UnitB = layout.UnitB;
    form.GlassRect = layout.GlassRect;
    form.CellWidth = form.CellHeight = layout.CellSize;
    form.ScoreBox = layout.ScoreBox;
    form.LinesBox = layout.LinesBox;
    form.TimeBox = layout.TimeBox;
    form.ScoresBox = layout.ScoresBox;
}

void ReleaseDevice(TForm& form) {
    if (form.Window) {
        if (form.BackDC) DeleteDC(form.BackDC);
        if (form.BackBitmap) DeleteObject(form.BackBitmap);
        if (form.WindowDC) ReleaseDC(form.Window, form.WindowDC);
        form.BackDC = nullptr;
        form.BackBitmap = nullptr;
        form.WindowDC = nullptr;
    }
    if (form.Background) DeleteObject(form.Background);
    form.Background = nullptr;
}

}  // namespace

TForm::~TForm() { SetWindow(nullptr); }

void TForm::SetWindow(HWND window) {
    TLockScope lock(Game.Lock);
    if (!lock.Owned()) return;

    ReleaseDevice(*this);
    RepaintDue = false;  // the old window's; a new back buffer is painted whole first
    Painted = false;
    if (!window) return;

    Window = window;
    RECT client{};
    GetClientRect(Window, &client);
    ClientRect = {client.left, client.top, client.right, client.bottom};
    Width = ClientRect.right - ClientRect.left;
    Height = ClientRect.bottom - ClientRect.top;
    ApplyLayout(*this);

    // Without a back buffer nothing can be shown: the one fatal condition.
    WindowDC = GetDC(Window);
    BackBitmap = CreateCompatibleBitmap(WindowDC, Width, Height);
    BackDC = CreateCompatibleDC(WindowDC);
    if (!WindowDC || !BackBitmap || !BackDC) ExitProcess(1);

    ApplyPalette();
    Game.Cells.CreateBrushes();
    MakeBackground();
    SelectObject(BackDC, BackBitmap);

    TRowfall& engine = Game.Engine;
    engine.GlassRect = GlassRect;
    engine.CellWidth = CellWidth;
    engine.CellHeight = CellHeight;
    engine.Device = &Game.Cells;
    Game.Cells.Attach(WindowDC, BackDC);
}
