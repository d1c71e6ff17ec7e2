#include "actors/Bomb.h"
#include "actors/EnemyShot.h"
#include "actors/ScoreItem.h"
#include "actors/ShockWave.h"
#include "actors/enemies/PatternEnemies.h"
#include "tests/enemies/EnemiesFixture.h"

namespace {

using PatternEnemiesTest = EnemiesFixture;

float Heading(const CSprite* sprite)
{
    const Vec2 flight{sprite->velocity.x, sprite->velocity.y};
    return HeadingOf(&flight);
}

// The shots from the index on turned by these half-turns from the base heading.
void ExpectTurns(size_t from, const std::vector<float>& turns, float base)
{
    for (size_t i = 0; i < turns.size(); ++i)
        EXPECT_NEAR(std::remainder(Heading(g_enemyShotList.at(from + i)) - base - turns[i], 2.0), 0.0, 1e-4) << i;
}

std::vector<float> Ring(int n, float first, float step)
{
    std::vector<float> turns;
    for (int i = 0; i < n; ++i)
        turns.push_back(first + step * static_cast<float>(i));
    return turns;
}

TEST_F(PatternEnemiesTest, DanmakuFiresTwoVolleysTwentyFramesApartThenLeavesWithoutItsItem)
{
    const std::vector<float> volleys[] = {{0.0f, -0.2f, 0.2f}, Ring(8, 0.0f, 0.25f), Ring(16, 0.0f, 0.125f)};
    for (int type = 0; type < 3; ++type) {
        Reset();
        g_targetPosition = Vec3{1.0f, -2.5f, 0.0f};
        CEnemyDanmaku* enemy = Add(new CEnemyDanmaku(1.0f, 8.0f, 5.0f, type));
        RunUntil(enemy, [&] { return enemy->phase == 1; });
        ExpectNear(enemy->position, Vec3{1.0f, 2.5f, 0.0f});
        RunUntil(enemy, [&] { return !g_enemyShotList.empty(); });
        const size_t volley = volleys[type].size();
        ASSERT_EQ(g_enemyShotList.size(), volley);
        EXPECT_EQ(enemy->age % 20, 0);
        EXPECT_EQ(RunUntil(enemy, [&] { return g_enemyShotList.size() > volley; }), 20);
        EXPECT_EQ(g_enemyShotList.size(), 2 * volley);
        ExpectTurns(0, volleys[type], Heading(g_enemyShotList[0]));
        EXPECT_EQ(dynamic_cast<CEnemyShot*>(g_enemyShotList[0])->type, ENEMY_SHOT_ROUND);
        EXPECT_NEAR(VecLength(&g_enemyShotList[0]->velocity), 0.025f, 1e-6f);
        EXPECT_GT(RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; }), 60);
        EXPECT_TRUE(enemy->leftView);  // flown straight down or at the player, below it
        EXPECT_EQ(Count<CScoreItem>(g_enemyList) + Count<CBomb>(g_effectList), 0u);
    }
    Add(new CEnemyDanmaku(-1.0f, 8.0f, 5.0f, 2))->Damage(10);
    ASSERT_EQ(Count<CScoreItem>(g_enemyList), 1u);
    ExpectNear(g_enemyList.back()->position, Vec3{-1.0f, 8.0f, 5.0f});
}

TEST_F(PatternEnemiesTest, Enemyd0PausesOrIsKnockedBackThenLeavesForTheEdge)
{
    for (bool knocked : {false, true}) {
        Reset();
        SpawnEnemyd0(0);
        CSprite* enemy = g_enemyList.at(0);
        const Vec3 stop{10.0f * draws[5] - 5.0f, 10.0f * draws[4] - 5.0f, 0.0f};  // edge point, then y, x
        ExpectNear(enemy->motionEnd, stop);
        if (knocked) {
            RunUntil(enemy, [&] { return enemy->age == 10; });
            Push(enemy, 0.3f);
            EXPECT_EQ(enemy->motionProgress, -1.0f);
        }
        const auto* d0 = dynamic_cast<CEnemyd0*>(enemy);
        EXPECT_EQ(d0->phase, knocked ? 1 : 0);
        RunUntil(enemy, [&] { return d0->phase == 2; });
        EXPECT_FALSE(enemy->IsPushed());
        EXPECT_EQ(enemy->waitFrames, knocked ? 0u : 60u);
        EXPECT_TRUE(std::fabs(enemy->motionEnd.x) >= 10.0f || std::fabs(enemy->motionEnd.y) >= 10.0f);
        EXPECT_EQ(DrawsMade(), 10);
        RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; });
        EXPECT_TRUE(enemy->leftView);
        EXPECT_FALSE(Played(g_seEnemyExplode));
    }
}

TEST_F(PatternEnemiesTest, ArmouredDeathDriftsThenBurstsAfterSixtyFourUnusedDraws)
{
    struct Row { bool duel; int drawsBefore, dyingFrames; bool escaped; } const rows[] =
        {{false, 2, 30, false}, {true, 0, 45, false}, {false, 2, 30, true}, {true, 0, 45, true}};
    for (const Row& row : rows) {
        Reset();
        CEnemy* enemy =
            row.duel ? Add<CEnemy>(new CEnemyd1(0, 0.0f, 3.0f, 0.0f)) : Add(new CEnemyd0(1, 0.0f, 0.0f, 0.0f));
        enemy->leftView = row.escaped;
        enemy->Damage(160);
        EXPECT_EQ(Played(g_seEnemyDie), !row.escaped);
        EXPECT_EQ(RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; }), row.escaped ? 0 : row.dyingFrames);
        const std::vector<CLightParticle*> glows = ObjectsOf<CLightParticle>(g_effectList);
        const int burstDraws = row.escaped ? 0 : 64 + 32 * 4;
        EXPECT_EQ(DrawsMade(), row.drawsBefore + burstDraws);
        ASSERT_EQ(glows.size(), row.escaped ? 0u : 32u);
        EXPECT_EQ(Played(g_seBigExplode), !row.escaped);
        if (row.escaped)
            continue;
        const int k = row.drawsBefore + 64;  // the first glow's draws
        Vec3 velocity{draws[k] - 0.5f, draws[k + 1] - 0.5f, draws[k + 2] - 0.5f};
        VecNormalizeScale(&velocity, 0.14f * draws[k + 3] + 0.06f);
        ExpectNear(glows[0]->velocity, velocity, 1e-6f);
        EXPECT_EQ(glows[31]->dyingFrames, 120);
        EXPECT_FLOAT_EQ(glows[31]->size, 0.5f);
        const std::vector<CShockWave*> rings = ObjectsOf<CShockWave>(g_effectList);
        ASSERT_EQ(rings.size() + Count<CBomb>(g_effectList), 2u);
        EXPECT_FLOAT_EQ(rings.at(0)->size, 25.0f);
        EXPECT_EQ(rings[0]->dyingFrames, 30);
    }
}

TEST_F(PatternEnemiesTest, Enemyd1RingsTurnAHundredthEachTimeAndHoldWhileKnockedBack)
{
    CEnemyd1* enemy = Add(new CEnemyd1(0, 0.0f, 3.0f, 0.0f));
    RunUntil(enemy, [&] { return enemy->age == 10; });
    ASSERT_EQ(g_enemyShotList.size(), 16u);
    ExpectTurns(0, Ring(8, 0.25f, 0.25f), 0.0f);  // 0.25 .. 2.0 from straight up
    ExpectTurns(8, Ring(8, 0.26f, 0.25f), 0.0f);
    EXPECT_EQ(dynamic_cast<CEnemyShot*>(g_enemyShotList[0])->type, ENEMY_SHOT_BURST);
    EXPECT_NEAR(VecLength(&g_enemyShotList[0]->velocity), 0.1f, 1e-6f);
    Push(enemy, 0.3f);
    RunUntil(enemy, [&] { return enemy->age == 15; });
    EXPECT_EQ(g_enemyShotList.size(), 16u);
}

TEST_F(PatternEnemiesTest, Enemyd1InMode1OnlyChargesEightGlowsInThirtyFrames)
{
    CEnemyd1* enemy = Add(new CEnemyd1(1, 1.0f, 1.0f, 0.0f));
    ASSERT_GE(RunUntil(enemy, [&] { return world.sound.IsPlaying(static_cast<int8_t>(g_seHeavyFire)); }), 0);
    EXPECT_EQ(enemy->chargeCountdown, 30);
    for (int i = 0; i < 30; ++i)
        enemy->Update();
    const std::vector<CLightParticle*> glows = ObjectsOf<CLightParticle>(g_effectList);
    ASSERT_EQ(glows.size(), 8u);
    ExpectNear(glows[0]->motionEnd, enemy->position);
    RunUntil(enemy, [&] { return enemy->age == 1000; });
    EXPECT_TRUE(g_enemyShotList.empty());
}

}  // namespace
