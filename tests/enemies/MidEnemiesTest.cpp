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

TEST_F(MidEnemiesTest, ArrivesAtARandomPointOfTheMiddleUnlessPushedOnTheWay)
{
    const std::vector<float> d = UpcomingDraws(0, 2);
    auto* enemy = Add(new CEnemym0(0.0f, 9.0f, 0.0f));
    ExpectNear(enemy->motionEnd, {8.0f * d[0] - 4.0f, 8.0f * d[1] - 4.0f, 0.0f}, 1e-6f);
    EXPECT_FLOAT_EQ(enemy->motionStep, 1.0f / 108.0f);
    RunFrames(enemy, 10);
    Push(enemy, 0.02f);
    EXPECT_EQ(enemy->phase, MID_WORKING);
    EXPECT_EQ(enemy->motionProgress, -1.0f);
}

// In view a volley is aimed one time in eight, otherwise scattered and slower.
TEST_F(MidEnemiesTest, CountsEveryVolleyFiredOrNotAndLeavesOnTheSixtyFourth)
{
    struct Case { int difficulty; float x; int lastVolleyFrame; size_t shots; };  // x 6 is out of view
    for (const Case& c : {Case{-1, 0.0f, 512, 64}, Case{1, 6.0f, 512, 0}, Case{0, 0.0f, 320, 64}}) {
        g_globalDifficulty = c.difficulty;
        auto* enemy = AtWork<CEnemym0>(c.x);
        const std::vector<float> d = UpcomingDraws(0, 3 * 64);
        RunFrames(enemy, c.lastVolleyFrame - 1);
        EXPECT_EQ(enemy->phase, MID_WORKING);
        RunFrames(enemy, 1);
        EXPECT_EQ(enemy->phase, MID_LEAVING);
        ASSERT_EQ(Count<CEnemyShot>(g_enemyShotList), c.shots);
        EXPECT_EQ(Played(g_seMidEnemyFire), c.shots > 0);
        size_t draw = 0;
        for (CSprite* shot : g_enemyShotList) {
            const bool aimed = static_cast<int>(8.0f * d[draw]) == 0;
            EXPECT_NEAR(Vec3Length(shot->velocity), aimed ? 0.15f : 0.05f + 0.1f * d[draw + 2], 1e-6);
            draw += aimed ? 1 : 3;
        }
        Clear();
    }
}

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

TEST_F(MidEnemiesTest, ExitsSilentlyButTumblesAndBurstsWhenDestroyed)
{
    auto* leaving = AtWork<CEnemym0>(0.0f);
    leaving->SetPhase(MID_LEAVING);
    RunFrames(leaving, 201);
    EXPECT_EQ(leaving->state, STATE_DEAD);
    EXPECT_TRUE(g_effectList.empty());
    EXPECT_FALSE(Played(g_seEnemyDie) || Played(g_seBigExplode));
    auto* killed = AtWork<CEnemym0b>(0.0f);
    killed->Die();
    EXPECT_TRUE(Played(g_seEnemyDie));
    RunFrames(killed, 44);
    EXPECT_FLOAT_EQ(killed->rotation.y, 44 * 2 * 0.025f);  // twice the base rate
    EXPECT_TRUE(g_effectList.empty());
    RunFrames(killed, 1);  // the armoured kinds' burst
    EXPECT_EQ(Count<CLightParticle>(g_effectList), 32u);
    EXPECT_TRUE(Played(g_seBigExplode));
}

}  // namespace
