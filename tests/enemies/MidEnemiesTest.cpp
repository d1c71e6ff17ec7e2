#include "EnemyKindFixture.h"

#include "actors/Bomb.h"
#include "actors/EnemyShot.h"
#include "actors/LightParticle.h"
#include "actors/ShockWave.h"
#include "actors/enemies/Beam.h"
#include "actors/enemies/MidEnemies.h"

#include <set>

namespace {

class MidEnemiesTest : public EnemyKindFixture {
protected:
    // Put to work at (x, y) straight away, as if it had just arrived there.
    template <class Kind>
    Kind* AtWork(float x, float y)
    {
        auto* enemy = new Kind(x, y, 0.0f);
        g_enemyList.push_back(enemy);
        enemy->StopMotion();
        enemy->SetPhase(MID_WORKING);
        return enemy;
    }

    static void Knock(CSprite* enemy)
    {
        Vec3 impulse{0.02f, 0.0f, 0.0f};
        Vec3 spin{};
        enemy->Push(&impulse, &spin);
    }
};

TEST_F(MidEnemiesTest, ArrivesAtARandomPointOfTheMiddleUnlessPushedOnTheWay)
{
    const std::vector<float> d = ReferenceDraws(2);
    auto* enemy = new CEnemym0(0.0f, 9.0f, 0.0f);
    g_enemyList.push_back(enemy);
    EXPECT_FLOAT_EQ(enemy->motionEnd.x, 8.0f * d[0] - 4.0f);
    EXPECT_FLOAT_EQ(enemy->motionEnd.y, 8.0f * d[1] - 4.0f);
    EXPECT_FLOAT_EQ(enemy->motionStep, 1.0f / 108.0f);
    EXPECT_FLOAT_EQ(enemy->rotation.x, 0.1f);
    EXPECT_EQ(enemy->hp, 160);
    RunFrames(enemy, 10);
    Knock(enemy);
    EXPECT_EQ(enemy->phase, MID_WORKING);
    EXPECT_EQ(enemy->motionProgress, -1.0f);
}

struct VolleyCase {
    int difficulty;
    float x;  // 6 is out of view
    int lastVolleyFrame;
    size_t shots;
};

TEST_F(MidEnemiesTest, CountsEveryVolleyFiredOrNotAndLeavesAfterSixtyFour)
{
    const VolleyCase cases[] = {{-1, 0.0f, 512, 64}, {1, 6.0f, 512, 0}, {0, 0.0f, 320, 64}};
    for (const VolleyCase& c : cases) {
        SCOPED_TRACE(c.lastVolleyFrame + c.x);
        g_globalDifficulty = c.difficulty;
        auto* enemy = AtWork<CEnemym0>(c.x, 0.0f);
        RunFrames(enemy, c.lastVolleyFrame - 1);
        EXPECT_EQ(enemy->phase, MID_WORKING);
        RunFrames(enemy, 1);
        EXPECT_EQ(enemy->phase, MID_LEAVING);
        EXPECT_EQ(ObjectsOf<CEnemyShot>(g_enemyShotList).size(), c.shots);
        EXPECT_EQ(Played(g_seMidEnemyFire), c.shots > 0);
        ClearEnemySide();
    }
}

TEST_F(MidEnemiesTest, VolleysAreAimedOneInEightOtherwiseScatteredAndSlower)
{
    auto* enemy = AtWork<CEnemym0>(0.0f, 0.0f);
    const std::vector<float> d = UpcomingDraws(0, 60);
    RunFrames(enemy, 8 * 20);
    size_t draw = 0;
    for (CSprite* shot : g_enemyShotList) {
        const bool aimed = static_cast<int>(8.0f * d[draw]) == 0;
        EXPECT_NEAR(Vec3Length(shot->velocity), aimed ? 0.15f : 0.05f + 0.1f * d[draw + 2], 1e-6);
        draw += aimed ? 1 : 3;
    }
}

struct ChargeCase {
    std::set<int> pushedCharges;
    size_t beams;
    int leavesAfterCharge;
};

TEST_F(MidEnemiesTest, TwoChargesEachEndInABeamOrAreLostToAPushButCount)
{
    const ChargeCase cases[] = {{{}, 2, 2}, {{1}, 1, 2}, {{2}, 2, 3}};
    for (const ChargeCase& c : cases) {
        SCOPED_TRACE(c.leavesAfterCharge * 10 + static_cast<int>(c.beams));
        auto* enemy = AtWork<CEnemym0b>(0.0f, 0.0f);
        for (int charge = 1; charge <= c.leavesAfterCharge; ++charge) {
            EXPECT_EQ(enemy->phase, MID_WORKING);
            RunFrames(enemy, 120 * charge - enemy->age);
            EXPECT_EQ(enemy->chargeFrames, 30);
            EXPECT_TRUE(Played(g_seHeavyFire));
            RunFrames(enemy, 15);
            if (c.pushedCharges.contains(charge))
                Knock(enemy);
            RunFrames(enemy, 15);
        }
        EXPECT_EQ(ObjectsOf<CBeam>(g_effectList).size(), c.beams);
        EXPECT_EQ(ObjectsOf<CLightParticle>(g_effectList).size(), 8 * c.beams + 4 * c.pushedCharges.size());
        EXPECT_EQ(enemy->phase, MID_LEAVING);
        EXPECT_EQ(enemy->waitFrames, 120u);
        ClearEnemySide();
    }
}

TEST_F(MidEnemiesTest, ExitsSilentlyButBurstsWhenDestroyed)
{
    auto* leaving = AtWork<CEnemym0>(0.0f, 0.0f);
    leaving->SetPhase(MID_LEAVING);
    RunFrames(leaving, 201);
    EXPECT_EQ(leaving->state, STATE_DEAD);
    EXPECT_TRUE(g_effectList.empty());
    EXPECT_FALSE(AnyPlayed() || Played(g_seEnemyDie) || Played(g_seBigExplode));

    auto* killed = AtWork<CEnemym0b>(0.0f, 0.0f);
    killed->Die();
    EXPECT_TRUE(Played(g_seEnemyDie));
    RunFrames(killed, 44);
    EXPECT_FLOAT_EQ(killed->rotation.y, 44 * 2 * 0.025f);  // twice the base rate
    const std::vector<float> d = UpcomingDraws(64, 4);  // after the 64 that are dropped
    RunFrames(killed, 1);
    EXPECT_EQ(killed->state, STATE_DEAD);
    const std::vector<CLightParticle*> glows = ObjectsOf<CLightParticle>(g_effectList);
    ASSERT_EQ(glows.size(), 32u);
    EXPECT_EQ(glows[0]->dyingFrames, 120);
    Vec3 first{d[0] - 0.5f, d[1] - 0.5f, d[2] - 0.5f};
    EXPECT_NEAR(glows[0]->velocity.x, first.x / Vec3Length(first) * (0.06f + 0.14f * d[3]), 1e-6);
    const std::vector<CShockWave*> rings = ObjectsOf<CShockWave>(g_effectList);
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_FLOAT_EQ(rings[0]->size, 25.0f);
    EXPECT_EQ(rings[0]->dyingFrames, 30);
    EXPECT_EQ(ObjectsOf<CBomb>(g_effectList).size(), 1u);
    EXPECT_TRUE(Played(g_seBigExplode));
}

}  // namespace
