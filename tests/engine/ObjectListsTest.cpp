#include "engine/ObjectLists.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(ObjectLists, FrameCounterLatchesTheCountOfTheLastSecond)
{
    CFrameCounter counter;
    EXPECT_EQ(counter.Latch(), 0);
    for (int i = 0; i < 59; i++)
        counter.Count();
    EXPECT_EQ(counter.Latch(), 59);
    EXPECT_EQ(counter.framesLastSecond, 59);
    EXPECT_EQ(counter.framesThisSecond, 0);
    counter.Count();
    EXPECT_EQ(counter.Latch(), 1);
}

TEST(ObjectLists, ThePlayStartsUnlockedAndUnfaded)
{
    EXPECT_EQ(std::tuple(g_controlLocked, g_loading, g_replayPlaying, g_freezeFrames, g_fadeLevel),
              std::tuple(false, false, false, 0, 0.0f));
}
