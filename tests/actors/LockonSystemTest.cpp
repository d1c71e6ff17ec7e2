#include "EnemySideFixture.h"

#include "actors/LockOnLaser.h"
#include "actors/LockOnSite.h"
#include "actors/LockOnSquare.h"
#include "actors/LockedMarker.h"

#include <cmath>
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

// Each laser of a volley multiplies its kill's score by its place in the volley.
TEST_F(LockonSystemTest, AVolleyOfEightLasersMultipliesByFourDoublingUpToSixtyFour)
{
    for (int target = 0; target < 8; ++target)
        lockon->Lock(target);
    g_player->rayAmmo = 8;
    g_player->FireRay();
    std::vector<int> multipliers;
    for (CSprite* attack : g_playerAttackList)
        if (auto* laser = dynamic_cast<CLockOnLaser*>(attack))
            multipliers.push_back(laser->multiplier);
    EXPECT_EQ(multipliers, (std::vector<int>{4, 8, 16, 32, 64, 64, 64, 64}));
}

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

TEST_F(LockonSystemTest, TheReticleFlashesASquareThatSpinsAndShrinksOnItsEnemyAndAMarkerSitsOnItsOwn)
{
    CEnemy* enemy = AddEnemy(1.0f, 2.0f, 0.0f);
    CLockOnSite site;
    site.OnHit(enemy);
    ASSERT_EQ(g_effectList.size(), 1u);
    CSprite* square = g_effectList[0];
    square->Draw();
    ASSERT_EQ(device.draws.size(), 1u);
    EXPECT_EQ(std::tuple(device.draws[0].colorVertices[0].x, device.draws[0].state.world.m[3][1]),
              std::tuple(-5.0f, 2.0f));  // side 10 at first
    for (int i = 0; i < 12; ++i)
        square->Update();
    device.ClearRecord();
    square->Draw();
    const RecordedDraw& later = device.draws.at(0);
    EXPECT_FLOAT_EQ(later.colorVertices[0].x, -2.5f);  // side 5, turned 0.18 half-turn
    EXPECT_NEAR(later.state.world.m[0][0], std::cos(0.18 * M_PI), 1e-6);
    EXPECT_NEAR(later.state.world.m[0][1], std::sin(0.18 * M_PI), 1e-6);
    for (int i = 0; i < 12; ++i)
        square->Update();
    EXPECT_EQ(square->state, STATE_DEAD);  // 24 frames in all
    // Without its enemy a square goes at once (and is not drawn).
    CLockOnSquare orphan(enemy->serialId + 1000);
    device.ClearRecord();
    orphan.Draw();
    EXPECT_EQ(std::tuple(device.draws.size(), orphan.state), std::tuple(0u, STATE_DEAD));
    CEnemy* marked = AddEnemy(-1.0f, 3.0f, 2.0f);
    CLockedMarker marker(marked->serialId, 4);
    marker.Draw();
    ASSERT_EQ(device.draws.size(), 1u);
    const RecordedDraw& mark = device.draws[0];
    EXPECT_EQ(std::tuple(mark.colorVertices[0].x, mark.state.world.m[3][0], mark.state.world.m[3][2]),
              std::tuple(-0.675f, -1.0f, 2.0f));  // 1.35 wide
    delete g_enemyList.back();
    g_enemyList.pop_back();
    device.ClearRecord();
    marker.Draw();
    EXPECT_EQ(std::tuple(device.draws.size(), marker.state), std::tuple(0u, STATE_DEAD));
}

}  // namespace
