#include "EnemiesFixture.h"

#include "actors/Bomb.h"
#include "actors/EnemyShot.h"
#include "actors/LightParticle.h"
#include "actors/ScoreItem.h"
#include "actors/ShockWave.h"
#include "actors/enemies/PatternEnemies.h"

#include <functional>

namespace {

using PatternEnemiesTest = EnemiesFixture;

TEST_F(PatternEnemiesTest, DanmakuFiresTwoVolleysTwentyFramesApartThenLeavesWithoutItsItem)
{
    struct Row {
        int type;
        std::vector<float> turns;  // of each shot from the first, in half-turns
    };
    const Row rows[] = {
        {0, {0.0f, -0.2f, 0.2f}},
        {1, {0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 1.75f}},
        {2, std::vector<float>(16)},
    };
    for (const Row& row : rows) {
        world.DeleteObjects();
        g_targetPosition = Vec3{1.0f, -2.5f, 0.0f};
        CEnemyDanmaku* enemy = Add(new CEnemyDanmaku(1.0f, 8.0f, 5.0f, row.type));
        RunUntil(enemy, [&] { return enemy->phase == 1; });
        ExpectNear(enemy->position, Vec3{1.0f, 2.5f, 0.0f});
        RunUntil(enemy, [&] { return !g_enemyShotList.empty(); });
        const size_t volley = row.turns.size();
        ASSERT_EQ(g_enemyShotList.size(), volley);
        EXPECT_EQ(enemy->age % 20, 0);
        EXPECT_EQ(RunUntil(enemy, [&] { return g_enemyShotList.size() > volley; }), 20);
        EXPECT_EQ(g_enemyShotList.size(), 2 * volley);
        EXPECT_EQ(enemy->phase, 2);
        const float first = HeadingOfVelocity(g_enemyShotList[0]);
        for (size_t i = 0; i < volley; ++i) {
            auto* shot = dynamic_cast<CEnemyShot*>(g_enemyShotList[i]);
            EXPECT_EQ(shot->type, ENEMY_SHOT_ROUND);
            EXPECT_NEAR(VecLength(&shot->velocity), 0.025f, 1e-6f);
            const float turn = row.type == 2 ? 0.125f * static_cast<float>(i) : row.turns[i];
            EXPECT_NEAR(std::remainder(HeadingOfVelocity(shot) - first - turn, 2.0), 0.0, 1e-4);
        }
        ASSERT_GT(RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; }), 60);
        EXPECT_TRUE(enemy->leftView);  // straight down toward the player
        EXPECT_EQ(Count<CScoreItem>(g_enemyList), 0u);
        EXPECT_EQ(Count<CBomb>(g_effectList), 0u);
    }

    CEnemyDanmaku* killed = Add(new CEnemyDanmaku(-1.0f, 8.0f, 5.0f, 2));
    killed->Damage(10);
    ASSERT_EQ(Count<CScoreItem>(g_enemyList), 1u);
    ExpectNear(ObjectsOf<CScoreItem>(g_enemyList)[0]->position, Vec3{-1.0f, 8.0f, 5.0f});
    EXPECT_EQ(Count<CBomb>(g_effectList), 1u);
    EXPECT_TRUE(Played(g_seEnemyExplode));
}

TEST_F(PatternEnemiesTest, Enemyd0PausesOrIsKnockedBackThenLeavesForTheEdge)
{
    for (bool knocked : {false, true}) {
        SeedRandom(1024);
        world.DeleteObjects();
        SpawnEnemyd0(0);
        auto* enemy = dynamic_cast<CEnemyd0*>(g_enemyList.at(0));
        const Vec3 stop{10.0f * draws[5] - 5.0f, 10.0f * draws[4] - 5.0f, 0.0f};  // edge point, then y, x
        ExpectNear(enemy->motionEnd, stop);
        if (knocked) {
            RunUntil(enemy, [&] { return enemy->age == 10; });
            Vec3 impulse{0.3f, 0.0f, 0.0f}, spin{};
            enemy->Push(&impulse, &spin);
            EXPECT_EQ(enemy->phase, 1);
            EXPECT_EQ(enemy->motionProgress, -1.0f);
        }
        RunUntil(enemy, [&] { return enemy->phase == 2; });
        EXPECT_FALSE(enemy->IsPushed());
        EXPECT_EQ(enemy->waitFrames, knocked ? 0u : 60u);
        if (!knocked)
            ExpectNear(enemy->position, stop);
        EXPECT_TRUE(std::fabs(enemy->motionEnd.x) >= 10.0f || std::fabs(enemy->motionEnd.y) >= 10.0f);
        EXPECT_EQ(DrawsMade(), 10);
        RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; });
        EXPECT_TRUE(enemy->leftView);
        EXPECT_FALSE(Played(g_seEnemyExplode));
    }
}

TEST_F(PatternEnemiesTest, ArmouredDeathDriftsThenBurstsAfterSixtyFourUnusedDraws)
{
    struct Row {
        std::function<CEnemy*()> make;
        int drawsBefore, dyingFrames;
        bool escaped;
    };
    const Row rows[] = {
        {[] { return new CEnemyd0(1, 0.0f, 0.0f, 0.0f); }, 2, 30, false},
        {[] { return new CEnemyd1(0, 0.0f, 3.0f, 0.0f); }, 0, 45, false},
        {[] { return new CEnemyd0(1, 0.0f, 0.0f, 0.0f); }, 2, 30, true},
        {[] { return new CEnemyd1(0, 0.0f, 3.0f, 0.0f); }, 0, 45, true},
    };
    for (const Row& row : rows) {
        SeedRandom(1024);
        world.DeleteObjects();
        CEnemy* enemy = Add(row.make());
        enemy->leftView = row.escaped;
        enemy->Damage(160);
        EXPECT_EQ(Played(g_seEnemyDie), !row.escaped);
        const int frames = RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; });
        EXPECT_EQ(frames, row.escaped ? 0 : row.dyingFrames);
        const std::vector<CLightParticle*> glows = ObjectsOf<CLightParticle>(g_effectList);
        if (row.escaped) {
            EXPECT_TRUE(glows.empty());
            EXPECT_EQ(DrawsMade(), row.drawsBefore);
            continue;
        }
        ASSERT_EQ(glows.size(), 32u);
        for (int i : {0, 31}) {
            const int k = row.drawsBefore + 64 + 4 * i;
            Vec3 velocity{draws[k] - 0.5f, draws[k + 1] - 0.5f, draws[k + 2] - 0.5f};
            VecNormalizeScale(&velocity, 0.14f * draws[k + 3] + 0.06f);
            ExpectNear(glows[i]->velocity, velocity, 1e-6f);
            EXPECT_EQ(glows[i]->dyingFrames, 120);
            EXPECT_FLOAT_EQ(glows[i]->size, 0.5f);
        }
        const std::vector<CShockWave*> rings = ObjectsOf<CShockWave>(g_effectList);
        ASSERT_EQ(rings.size(), 1u);
        EXPECT_FLOAT_EQ(rings[0]->size, 25.0f);
        EXPECT_EQ(rings[0]->dyingFrames, 30);
        EXPECT_EQ(Count<CBomb>(g_effectList), 1u);
        EXPECT_TRUE(Played(g_seBigExplode));
        EXPECT_EQ(DrawsMade(), row.drawsBefore + 64 + 128);
    }
}

TEST_F(PatternEnemiesTest, Enemyd1RingsTurnAHundredthEachTimeAndHoldWhileKnockedBack)
{
    CEnemyd1* enemy = Add(new CEnemyd1(0, 0.0f, 3.0f, 0.0f));
    RunUntil(enemy, [&] { return enemy->age == 10; });
    ASSERT_EQ(g_enemyShotList.size(), 16u);
    for (size_t i = 0; i < 16; ++i) {
        auto* shot = dynamic_cast<CEnemyShot*>(g_enemyShotList[i]);
        EXPECT_EQ(shot->type, ENEMY_SHOT_BURST);
        EXPECT_NEAR(VecLength(&shot->velocity), 0.1f, 1e-6f);
        const float turn = 0.25f * static_cast<float>(i % 8 + 1) + (i < 8 ? 0.0f : 0.01f);
        EXPECT_NEAR(std::remainder(HeadingOfVelocity(shot) - turn, 2.0), 0.0, 1e-5);
    }
    Vec3 impulse{0.3f, 0.0f, 0.0f}, spin{};
    enemy->Push(&impulse, &spin);
    RunUntil(enemy, [&] { return enemy->age == 15; });
    EXPECT_EQ(g_enemyShotList.size(), 16u);
}

TEST_F(PatternEnemiesTest, Enemyd1InMode1OnlyChargesEightGlowsInThirtyFrames)
{
    g_targetPosition = Vec3{0.0f, -3.0f, 0.0f};
    CEnemyd1* enemy = Add(new CEnemyd1(1, 1.0f, 1.0f, 0.0f));
    ASSERT_GE(RunUntil(enemy, [&] { return world.sound.IsPlaying(static_cast<int8_t>(g_seHeavyFire)); }), 0);
    EXPECT_EQ(enemy->chargeCountdown, 30);
    for (int i = 0; i < 30; ++i)
        enemy->Update();
    const std::vector<CLightParticle*> glows = ObjectsOf<CLightParticle>(g_effectList);
    ASSERT_EQ(glows.size(), 8u);
    ExpectNear(glows[0]->motionEnd, enemy->position);
    EXPECT_LE(Distance(&glows[0]->position, &enemy->position), std::sqrt(12.0f));
    RunUntil(enemy, [&] { return enemy->age == 1000; });
    EXPECT_TRUE(g_enemyShotList.empty());
}

}  // namespace
