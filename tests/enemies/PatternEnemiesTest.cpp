#include "actors/Bomb.h"
#include "actors/EnemyShot.h"
#include "actors/ScoreItem.h"
#include "actors/enemies/PatternEnemies.h"
#include "tests/enemies/EnemiesFixture.h"

namespace {

using PatternEnemiesTest = EnemiesFixture;

float Heading(const CSprite* sprite)
{
    const Vec2 flight{sprite->velocity.x, sprite->velocity.y};
    return HeadingOf(&flight);
}

// No volley has type 1: a ring of eight, twice, before it leaves below the ship.
TEST_F(PatternEnemiesTest, TypeOneFiresTwoRingsOfEightTwentyFramesApartThenLeavesWithoutItsItem)
{
    g_targetPosition = Vec3{1.0f, -2.5f, 0.0f};
    CEnemyDanmaku* enemy = Add(new CEnemyDanmaku(1.0f, 8.0f, 5.0f, 1));
    RunUntil(enemy, [&] { return enemy->phase == 1; });
    ExpectNear(enemy->position, Vec3{1.0f, 2.5f, 0.0f});
    RunUntil(enemy, [&] { return !g_enemyShotList.empty(); });
    ASSERT_EQ(g_enemyShotList.size(), 8u);
    EXPECT_EQ(enemy->age % 20, 0);
    EXPECT_EQ(RunUntil(enemy, [&] { return g_enemyShotList.size() > 8; }), 20);
    EXPECT_EQ(g_enemyShotList.size(), 16u);
    for (size_t i = 0; i < 8; ++i)
        EXPECT_NEAR(std::remainder(Heading(g_enemyShotList[i]) - Heading(g_enemyShotList[0]) - 0.25f * i, 2.0), 0.0,
                    1e-4);
    EXPECT_EQ(dynamic_cast<CEnemyShot*>(g_enemyShotList[0])->type, ENEMY_SHOT_ROUND);
    EXPECT_NEAR(VecLength(&g_enemyShotList[0]->velocity), 0.025f, 1e-6f);
    EXPECT_GT(RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; }), 60);
    EXPECT_TRUE(enemy->leftView);
    EXPECT_EQ(Count<CScoreItem>(g_enemyList) + Count<CBomb>(g_effectList), 0u);
}

}  // namespace
