// Plain black windows over every monitor but the primary one during the
// full-screen run, so no other monitor goes on showing the desktop; monitors that
// show a game of their own are left to it.
#pragma once
#include <windows.h>

#include <vector>

class TMonitorCovers {
public:
    TMonitorCovers() = default;
    ~TMonitorCovers();  // Remove
    TMonitorCovers(const TMonitorCovers&) = delete;
    TMonitorCovers& operator=(const TMonitorCovers&) = delete;

    // One cover per monitor of the current layout but those in taken; needs the saver
    // window, their owner.
    void Cover(const std::vector<RECT>& taken);
    void Rebuild(const std::vector<RECT>& taken);  // after a display change: none left on a monitor that is gone
    void Remove();   // destroys the covers and forgets their class

private:
    void DestroyCovers();
    std::vector<HWND> Windows_;
    bool Registered_ = false;
};

extern TMonitorCovers MonitorCovers;  // holds windows during the full-screen run only
