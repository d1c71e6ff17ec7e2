#include "actors/EnemyShot.h"
#include "actors/enemies/Beam.h"
#include "actors/enemies/MidEnemies.h"
#include "tests/enemies/EnemiesFixture.h"

#include <set>

namespace {

using MidEnemiesTest = EnemiesFixture;

// At work at (x, 0) straight away, as if it had just arrived there.
template <class Kind>
Kind* AtWork(float x)
{
    auto* enemy = new Kind(x, 0.0f, 0.0f);
    g_enemyList.push_back(enemy);
    enemy->StopMotion();
    enemy->SetPhase(MID_WORKING);
    return enemy;
}

// In view a volley is aimed one time in eight, otherwise scattered and slower.
TEST_F(MidEnemiesTest, TwoChargesEachEndInABeamOrAreLostToAPushButCount)
{
    struct Case { std::set<int> pushedCharges; size_t beams; int leavesAfterCharge; };
    for (const Case& c : {Case{{}, 2, 2}, Case{{1}, 1, 2}, Case{{2}, 2, 3}}) {
        auto* enemy = AtWork<CEnemym0b>(0.0f);
        for (int charge = 1; charge <= c.leavesAfterCharge; ++charge) {
            EXPECT_EQ(enemy->phase, MID_WORKING);
            RunFrames(enemy, 120 * charge - enemy->age);
            EXPECT_EQ(enemy->chargeFrames, 30);
            EXPECT_TRUE(Played(g_seHeavyFire));
            RunFrames(enemy, 15);
            if (c.pushedCharges.contains(charge))
                Push(enemy, 0.02f);
            RunFrames(enemy, 15);
        }
        EXPECT_EQ(Count<CBeam>(g_effectList), c.beams);
        EXPECT_EQ(Count<CLightParticle>(g_effectList), 8 * c.beams + 4 * c.pushedCharges.size());
        EXPECT_EQ(enemy->phase, MID_LEAVING);
        EXPECT_EQ(enemy->waitFrames, 120u);
        Clear();
    }
}

}  // namespace
