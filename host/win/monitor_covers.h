// Plain black windows over every monitor but the primary one during the
// full-screen run, so no other monitor goes on showing the desktop.
#pragma once
#include <windows.h>

#include <vector>

class TMonitorCovers {
public:
    TMonitorCovers() = default;
    ~TMonitorCovers();  // Remove
    TMonitorCovers(const TMonitorCovers&) = delete;
    TMonitorCovers& operator=(const TMonitorCovers&) = delete;

    void Cover();    // one cover per monitor of the current layout; needs the saver window, their owner
    void Rebuild();  // after a display change: none left on a monitor that is gone
    void Remove();   // destroys the covers and forgets their class

private:
    void DestroyCovers();
    std::vector<HWND> Windows_;
    bool Registered_ = false;
};

extern TMonitorCovers MonitorCovers;  // holds windows during the full-screen run only
