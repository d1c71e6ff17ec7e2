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

TEST_F(SmallEnemiesTest, Enemy0RowsFlyParallelAndEndSilentlyDrawingEveryFrame)
{
    struct Row { void (*spawn)(float); float x[3]; } const rows[] =
        {{SpawnEnemy0Row, {-2, -1, -3}}, {SpawnEnemy0RowMirrored, {2, 3, 1}}};
    for (const Row& row : rows) {
        Reset();
        row.spawn(0.0f);
        const std::vector<CEnemy0*> enemies = ObjectsOf<CEnemy0>(g_enemyList);
        ASSERT_EQ(enemies.size(), 3u);
        for (int i = 0; i < 3; ++i)
            ExpectNear(enemies[i]->position, Vec3{row.x[i], 10, 0});
        const int frames = RunUntil(enemies[0], [&] { return enemies[0]->state == STATE_DEAD; });
        EXPECT_EQ(DrawsMade(), frames);  // in view or not
        ExpectNear(enemies[0]->position, Vec3{row.x[0], -10, 0});
        EXPECT_EQ(Count<CBomb>(g_effectList) + Played(g_seEnemyExplode), 0u);
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
TEST_F(SmallEnemiesTest, Enemy1FromTheRandomSpawnersSpeedsUpAndDropsItsItemOffViewOnceWhenWorthNothing)
{
    struct Row { void (*spawn)(); float span; int score; } const rows[] =
        {{SpawnEnemy1Random, 8, 0}, {SpawnEnemy1RandomWide, 10, 100}};
    for (const Row& row : rows) {
        Reset();
        g_targetPosition = Vec3{0.0f, -2.0f, 0.0f};
        row.spawn();
        auto* enemy = dynamic_cast<CEnemy1*>(g_enemyList.at(0));
        ExpectNear(enemy->position, Vec3{row.span * (draws[1] - 0.5f), row.span * (draws[0] - 0.5f), 0});  // y first
        EXPECT_EQ(enemy->score, row.score);
        RunUntil(enemy, [&] { return enemy->age == 60; });
        EXPECT_FLOAT_EQ(VecLength(&enemy->velocity), 0.01f);
        enemy->Update();
        EXPECT_FLOAT_EQ(VecLength(&enemy->velocity), 0.0102f);
        EXPECT_GT(RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; }), 100);
        EXPECT_NEAR(VecLength(&enemy->velocity), 0.05f, 0.001f);
        EXPECT_TRUE(enemy->leftView);
        enemy->Die();
        EXPECT_EQ(Count<CScoreItem>(g_enemyList), row.score == 0 ? 1u : 0u);
        EXPECT_EQ(Count<CBomb>(g_effectList), 0u);
    }
}

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

TEST_F(SmallEnemiesTest, Enemy2RowDrawsOneAngleAndStaggersFourEnemies)
{
    SpawnEnemy2Row();
    const std::vector<CEnemy2*> enemies = ObjectsOf<CEnemy2>(g_enemyList);
    ASSERT_EQ(enemies.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const Vec3 offset{0.0f, 0.5f * i, 0.0f};
        const CEnemy2 alone(1, 2.0f * draws[0], &offset);
        EXPECT_EQ(enemies[i]->type, 1);
        EXPECT_EQ(enemies[i]->waitFrames, 10u * i);
        ExpectNear(enemies[i]->position, alone.position);
    }
    EXPECT_EQ(DrawsMade(), 1);
}

}  // namespace
