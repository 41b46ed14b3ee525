#include <gtest/gtest.h>
#include <windows.h>

TEST(Smoke, WineRuns) { EXPECT_NE(GetTickCount(), 0u); }
