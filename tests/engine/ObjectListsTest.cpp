#include "engine/ObjectLists.h"

#include <gtest/gtest.h>

namespace {

// Pushes children into the effect list on its first update.
class Spawner : public CSprite {
public:
    Spawner(int* updates, int children) : updates(updates), children(children) {}
    void Update() override
    {
        CSprite::Update();
        (*updates)++;
        if (age == 1)
            for (int i = 0; i < children; i++)
                g_effectList.push_back(new Spawner(updates, 0));
    }
    int* updates;
    int children;
};

}  // namespace

TEST(ObjectLists, AnObjectPushedDuringAWalkIsUpdatedInTheSameWalk)
{
    int updates = 0;
    g_effectList.push_back(new Spawner(&updates, 0));
    g_effectList.push_back(new Spawner(&updates, 20));
    // The frame pass walks by index and re-reads the size on every step.
    for (size_t i = 0; i < g_effectList.size(); i++)
        g_effectList[i]->Update();
    EXPECT_EQ(g_effectList.size(), 22u);
    EXPECT_EQ(updates, 22);
    for (CSprite* s : g_effectList)
        delete s;
    g_effectList.clear();
}

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
