#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "engine/ticks.h"
#include "host/win/locks.h"
#include "tests/windows/lock_holder.h"
#include "tests/windows/shared_locks.h"

namespace {

uint32_t Now = 0;
uint32_t ScriptedTicks() { return Now; }

class Locks : public ::testing::Test {
protected:
    TSharedLocks Shared;
};

TEST_F(Locks, GameLockIsRecursiveAndEachTakeIsReleasedOnce) {
    {
        TLockScope outer(GameLock);
        ASSERT_TRUE(outer.Owned());
        {
            TLockScope inner(GameLock);
            EXPECT_TRUE(inner.Owned());
        }
        EXPECT_EQ(TryFromOtherThread(GameLock), static_cast<DWORD>(WAIT_TIMEOUT))
            << "one release must not free a lock taken twice";
    }
    EXPECT_EQ(TryFromOtherThread(GameLock), static_cast<DWORD>(WAIT_OBJECT_0));
}

TEST_F(Locks, ScopeReleasesWhenLeftByException) {
    try {
        TLockScope lock(GameLock);
        ASSERT_TRUE(lock.Owned());
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(TryFromOtherThread(GameLock), static_cast<DWORD>(WAIT_OBJECT_0));
}

TEST_F(Locks, TimedOutWaiterGivesUpAfterFiveSecondsAndLeavesTheHolderAlone) {
    TLockHolder holder(GameLock);
    const DWORD start = GetTickCount();
    {
        TLockScope lock(GameLock);
        EXPECT_FALSE(lock.Owned());
    }
    EXPECT_GE(GetTickCount() - start, 4900u);
    EXPECT_EQ(TryFromOtherThread(GameLock), static_cast<DWORD>(WAIT_TIMEOUT))
        << "the timed-out scope must not have released the holder's lock";
}

TEST_F(Locks, AbandonedAndFailedWaitsCountAsOwned) {
    std::thread([] { WaitForSingleObject(GameLock, 0); }).join();  // ends still owning it
    {
        TLockScope lock(GameLock);
        EXPECT_TRUE(lock.Owned());
    }
    EXPECT_EQ(TryFromOtherThread(GameLock), static_cast<DWORD>(WAIT_OBJECT_0));

    TLockScope none(nullptr);
    EXPECT_TRUE(none.Owned());
}

TEST_F(Locks, AutoPlayLockTimeoutChangesNothing) {
    AutoPlay = true;
    LastKeyTime = 1234;
    SetTickSource(ScriptedTicks);
    Now = 99999;
    TLockHolder holder(AutoPlayLock);
    SetAutoPlay(false);
    EXPECT_TRUE(AutoPlay);
    EXPECT_EQ(LastKeyTime, 1234u);
    EXPECT_FALSE(IsAutoPlay()) << "a timed-out query reports the user in control";
    EXPECT_TRUE(AutoPlay);
}

TEST_F(Locks, StopRequestedOnlyOnceTheEventIsSet) {
    EXPECT_FALSE(StopRequested());
    EXPECT_FALSE(StopRequested());
    SetEvent(StopEvent);
    EXPECT_TRUE(StopRequested());
    EXPECT_TRUE(StopRequested()) << "the event stays set";
}

TEST_F(Locks, StopRequestedWhenThePollFails) {
    CloseHandle(StopEvent);
    EXPECT_TRUE(StopRequested());
    StopEvent = nullptr;
    EXPECT_TRUE(StopRequested());
}

class AutoPlayIdle : public Locks, public ::testing::WithParamInterface<uint32_t> {
protected:
    void SetUp() override { SetTickSource(ScriptedTicks); }
};

TEST_P(AutoPlayIdle, HandsBackOnlyAfterMoreThan1500ms) {
    const uint32_t keyTime = GetParam();
    Now = keyTime;
    SetAutoPlay(false);
    EXPECT_EQ(LastKeyTime, keyTime);
    EXPECT_FALSE(IsAutoPlay());
    Now = keyTime + 1500;
    EXPECT_FALSE(IsAutoPlay());
    Now = keyTime + 1501;
    EXPECT_TRUE(IsAutoPlay());
    EXPECT_TRUE(AutoPlay);
}

TEST_P(AutoPlayIdle, KeysCloserThan1500msKeepTheUserInControl) {
    Now = GetParam();
    SetAutoPlay(false);
    for (int key = 1; key <= 5; ++key) {
        Now += 1400;
        EXPECT_FALSE(IsAutoPlay()) << "before key " << key;
        SetAutoPlay(false);
    }
    Now += 1501;
    EXPECT_TRUE(IsAutoPlay());
}

TEST_P(AutoPlayIdle, SwitchingOnLeavesTheKeyTime) {
    Now = GetParam();
    SetAutoPlay(false);
    Now += 10;
    SetAutoPlay(true);
    EXPECT_TRUE(IsAutoPlay());
    EXPECT_EQ(LastKeyTime, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Ticks, AutoPlayIdle, ::testing::Values(1000u, 0xFFFFFF00u));

}  // namespace
