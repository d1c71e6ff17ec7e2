#include "engine/ObjectLists.h"

#include <gtest/gtest.h>

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
