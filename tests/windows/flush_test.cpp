#include "host/win/locks.h"
#include "lock_holder.h"
#include "screen_fixture.h"

namespace {

constexpr TColor Drawn = Rgb(200, 10, 10);
constexpr TColor Stale = Rgb(10, 10, 200);

class Flush : public TScreenTest {
protected:
    // The back buffer holds new pixels everywhere; the window still the old ones.
    void Prepare() {
        Open(320, 240);
        FillBack(Drawn);
        HBRUSH brush = CreateSolidBrush(Stale);
        RECT r = {0, 0, 320, 240};
        FillRect(Form.WindowDC, &r, brush);
        DeleteObject(brush);
        Form.Dirty = TRect{};
    }
    // Pixels of the window that got the new content: exactly the copied block.
    void ExpectCopied(const TRect& block) {
        const TPixels p = Screen();
        int wrong = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                wrong += p.At(x, y) != (Contains(block, x, y) ? Drawn : Stale);
        EXPECT_EQ(wrong, 0);
    }
};

TEST_F(Flush, CopiesTheUnionAsOneBlock) {
    Prepare();
    Form.AddRect(10, 10, 20, 20);
    Form.AddRect(100, 100, 110, 110);
    EXPECT_EQ(Form.Dirty, (TRect{10, 10, 110, 110}));
    Form.AddRect(5, 5, 5, 9);
    Form.AddRect(TRect{50, 50, 40, 60});
    EXPECT_EQ(Form.Dirty, (TRect{10, 10, 110, 110}));
    Form.Flush();
    EXPECT_EQ(Form.Dirty, TRect{});
    ExpectCopied({10, 10, 110, 110});
}

TEST_F(Flush, EmptyAreaCopiesNothing) {
    Prepare();
    Form.AddRect(5, 5, 5, 9);
    EXPECT_EQ(Form.Dirty, TRect{});
    Form.Flush();
    EXPECT_EQ(Form.Dirty, TRect{});
    ExpectCopied(TRect{});
}

TEST_F(Flush, FoldsTheEngineArea) {
    Prepare();
    Rowfall.Dirty = {30, 40, 50, 60};
    Form.AddRect(0, 0, 5, 5);
    Form.FlushEngineChanges();
    EXPECT_EQ(Rowfall.Dirty, TRect{});
    EXPECT_EQ(Form.Dirty, TRect{});
    ExpectCopied({0, 0, 50, 60});
}

TEST_F(Flush, FailedCopyKeepsTheAreaForTheNextFlush) {
    Prepare();
    HDC window = Form.WindowDC;
    HDC gone = CreateCompatibleDC(window);
    DeleteDC(gone);
    Form.WindowDC = gone;
    Form.AddRect(0, 0, 50, 50);
    Form.Flush();
    EXPECT_EQ(Form.Dirty, (TRect{0, 0, 50, 50}));
    Form.WindowDC = window;
    ExpectCopied(TRect{});

    Form.AddRect(60, 60, 70, 70);
    Form.Flush();
    EXPECT_EQ(Form.Dirty, TRect{});
    ExpectCopied({0, 0, 70, 70});
}

// Each skipped call waits out the full 5000 ms bound.
TEST_F(Flush, LockHeldElsewhereSkipsRepaintClockFlushAndAttach) {
    Prepare();
    const TPixels backBefore = Back();
    const HBITMAP back = Form.BackBitmap;
    Form.AddRect(1, 2, 3, 4);
    {
        TLockHolder holder(GameLock);
        Form.ClearScreen();
        EXPECT_EQ(Form.Dirty, (TRect{1, 2, 3, 4}));
        Form.ShowTime();
        EXPECT_EQ(Form.Dirty, (TRect{1, 2, 3, 4}));
        Form.Flush();
        EXPECT_EQ(Form.Dirty, (TRect{1, 2, 3, 4}));
        Form.SetWindow(nullptr);
        EXPECT_EQ(Form.BackBitmap, back);
    }
    EXPECT_EQ(Back(), backBefore);
    ExpectCopied(TRect{});
    Form.Flush();
    ExpectCopied({1, 2, 3, 4});
}

// At exit the lock is already closed: the wait fails, which counts as owning it.
TEST_F(Flush, ClosedLockStillLetsTheDeviceGo) {
    Prepare();
    const HANDLE lock = GameLock;
    CloseHandle(lock);
    GameLock = nullptr;
    Form.SetWindow(nullptr);
    EXPECT_EQ(Form.BackDC, nullptr);
    EXPECT_EQ(Form.WindowDC, nullptr);
    GameLock = CreateMutexA(nullptr, FALSE, nullptr);
}

}  // namespace
