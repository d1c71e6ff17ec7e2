#include "EnemySideFixture.h"

#include "actors/LockedMarker.h"

#include <tuple>

namespace {

class LockonSystemTest : public EnemySideFixture {
protected:
    void Frames(int n)
    {
        for (int i = 0; i < n; ++i)
            lockon->CountDown();
    }

    // A successful lock as the collision pass makes it: the slot and its marker.
    int LockWithMarker(int target)
    {
        const int slot = lockon->Lock(target);
        if (slot != -1)
            g_effectList.push_back(new CLockedMarker(target, slot));
        return slot;
    }

    CSprite* Marker(size_t index) { return g_effectList.at(index); }
};

TEST_F(LockonSystemTest, AnUnfiredLockLapsesOnThe361stCountDownAndTakesItsMarker)
{
    LockWithMarker(7);
    LockWithMarker(8);
    lockon->fired[1] = 1;  // a fired lock no longer runs down
    Frames(360);
    EXPECT_EQ(std::tuple(lockon->active[0], Marker(0)->state), std::tuple(1, STATE_ACTIVE));
    Frames(1);
    EXPECT_EQ(std::tuple(lockon->active[0], lockon->targetId[0], Marker(0)->state, lockon->intervalCounter),
              std::tuple(0, -1, STATE_DEAD, 0));
    Frames(1000);
    EXPECT_EQ(std::tuple(lockon->timer[1], Marker(1)->state), std::tuple(360, STATE_ACTIVE));
}

}  // namespace
