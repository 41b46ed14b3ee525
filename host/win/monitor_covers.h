// Plain black windows over every monitor but the primary one during the
// full-screen run, so no other monitor goes on showing the desktop.
#pragma once
#include <windows.h>

#include <vector>

class TMonitorCovers {
public:
    TMonitorCovers();   // needs the saver window: it owns the covers
    ~TMonitorCovers();  // destroys the covers and forgets their class
    TMonitorCovers(const TMonitorCovers&) = delete;
    TMonitorCovers& operator=(const TMonitorCovers&) = delete;

private:
    std::vector<HWND> Windows_;
    bool Registered_ = false;
};
