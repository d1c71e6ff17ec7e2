#include "actors/Bomb.h"
#include "actors/ScoreItem.h"
#include "actors/enemies/PatternEnemies.h"
#include "actors/enemies/SmallEnemies.h"
#include "tests/enemies/EnemiesFixture.h"

namespace {

using SmallEnemiesTest = EnemiesFixture;
const Vec3 kOrigin{};

TEST_F(SmallEnemiesTest, HoveringKindsEnterHoverAHundredTwentyDrawsAndExitSilently)
{
    struct Row { bool enemy3; float angle; Vec3 offset, start, hover, exit; } const rows[] = {
        {false, 1.0f, {}, {10, 10, 10}, {-2, -2, 0}, {10, -10, 0}},
        {false, 0.5f, {1, 0, 0}, {10, -9, 10}, {-2, 3, 0}, {-10, -9, 0}},  // moved, then turned
        {true, 0.0f, {1, 0, 0}, {-5.5f, -12, 10}, {-2, 3, 0}, {-6.5f, -6, 0}},
    };
    for (const Row& row : rows) {
        Reset();
        CEnemy2* enemy =
            Add(row.enemy3 ? new CEnemy3(0, row.angle, &row.offset) : new CEnemy2(0, row.angle, &row.offset));
        ExpectNear(enemy->position, row.start);
        RunUntil(enemy, [&] { return enemy->phase == 1; });
        ExpectNear(enemy->position, row.hover);
        RunUntil(enemy, [&] { return enemy->phase == 2; });
        EXPECT_EQ(DrawsMade(), 120);
        ExpectNear(enemy->motionEnd, row.exit);
        ASSERT_GT(RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; }), 0);
        EXPECT_TRUE(enemy->leftView);
        EXPECT_EQ(Count<CBomb>(g_effectList) + Played(g_seEnemyExplode), 0u);
    }
}

TEST_F(SmallEnemiesTest, RandomFireOddsFollowTheDifficulty)
{
    struct Row { bool hovering; int difficulty, n; } const rows[] =
        {{true, -1, 90}, {true, 0, 60}, {true, 1, 90}, {false, -1, 120}, {false, 0, 60}};
    for (const Row& row : rows) {
        Reset();
        g_globalDifficulty = row.difficulty;
        CEnemy* enemy = row.hovering ? Add<CEnemy>(new CEnemy2(0, 0.0f, &kOrigin)) : Add(new CEnemy0(0.0f, &kOrigin));
        if (!row.hovering) {
            enemy->StopMotion();  // held in view
            enemy->SetPosition(0.0f, 0.0f, 0.0f);
        }
        // Long enough (the hover restarted) that a slightly wrong chance shows.
        size_t expected = 0;
        for (int k = 0; k < 600; ++k, enemy->Update()) {
            if (row.hovering && k % 120 == 0)
                dynamic_cast<CEnemy2*>(enemy)->SetPhase(1);
            expected += Fires(k, row.n) ? 1 : 0;
        }
        EXPECT_GT(expected, 0u);
        EXPECT_EQ(g_enemyShotList.size(), expected) << row.n;
        EXPECT_EQ(DrawsMade(), 600);
    }
}

TEST_F(SmallEnemiesTest, KilledKindsExplodeWithTheGroundAlwaysHeardOrDriftingHeardOnlyNearby)
{
    struct Row { std::function<CEnemy*()> make; float z, bombVz; bool heard; } const rows[] = {
        {[] { return new CEnemy0(0.0f, &kOrigin); }, 25, -0.5f, true},
        {[] { return new CEnemyDanmaku(0.0f, 0.0f, 0.0f, 1); }, 25, -0.5f, true},
        {[] { return new CEnemy1(2, 0.0f, 0.0f, 0.0f); }, 25, -0.1f, false},
        {[] { return new CEnemyd0(0, 0.0f, 0.0f, 0.0f); }, 25, -0.1f, false},
        {[] { return new CEnemy3(0, 0.0f, &kOrigin); }, 19, -0.1f, true},
    };
    for (const Row& row : rows) {
        Reset();
        CEnemy* enemy = Add(row.make());
        enemy->SetPosition(0.0f, 0.0f, row.z);
        enemy->Damage(enemy->hp);
        ASSERT_EQ(Count<CBomb>(g_effectList), 1u);
        ExpectNear(g_effectList[0]->velocity, Vec3{0.0f, -0.3f, row.bombVz});
        EXPECT_EQ(Played(g_seEnemyExplode), row.heard) << row.z;
    }
}

// Type 0 dives at the player at 0.01, then 2 % faster each frame up to 0.05.
TEST_F(SmallEnemiesTest, Enemy4RisesAtARandomDepthAndFiresThroughItsSecondLeg)
{
    for (int type : {0, 1}) {
        Reset();
        CEnemy4* enemy = Add(new CEnemy4(type, 0.0f, &kOrigin));
        const float depth = static_cast<float>(static_cast<int>(15.0f * draws[0] + 5.0f));
        ExpectNear(enemy->position, Vec3{0, -(depth / 2 + 10), depth});
        RunUntil(enemy, [&] { return enemy->phase != 0 || enemy->state == STATE_DEAD; });
        ExpectNear(enemy->position, Vec3{0, depth / 2 + 10, depth});
        RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; });
        EXPECT_TRUE(enemy->leftView);
        EXPECT_EQ(DrawsMade(), type == 0 ? 1 : 1 + 240);
    }
}

}  // namespace
