#include "EnemiesFixture.h"

#include "actors/Bomb.h"
#include "actors/EnemyShot.h"
#include "actors/ScoreItem.h"
#include "actors/enemies/PatternEnemies.h"
#include "actors/enemies/SmallEnemies.h"

#include <functional>

namespace {

using SmallEnemiesTest = EnemiesFixture;

// (x, y) turned about z by a half-turns.
Vec3 Turned(Vec3 v, double a)
{
    const double c = std::cos(a * M_PI), s = std::sin(a * M_PI);
    return Vec3{static_cast<float>(v.x * c - v.y * s), static_cast<float>(v.x * s + v.y * c), v.z};
}

TEST_F(SmallEnemiesTest, HoveringKindsEnterHoverAHundredTwentyDrawsAndExitSilently)
{
    struct Row {
        bool enemy3;
        float angle;
        Vec3 offset, start, hover, exit;
    };
    const Row rows[] = {
        {false, 1.0f, {}, {10, 10, 10}, {-2, -2, 0}, {10, -10, 0}},
        {false, 0.5f, {1, 0, 0}, {10, -9, 10}, {-2, 3, 0}, {-10, -9, 0}},  // moved, then turned
        {true, 0.0f, {1, 0, 0}, {-5.5f, -12, 10}, {-2, 3, 0}, {-6.5f, -6, 0}},
    };
    for (const Row& row : rows) {
        SeedRandom(1024);
        CEnemy2* enemy = row.enemy3 ? Add(new CEnemy3(0, row.angle, &row.offset))
                                    : Add(new CEnemy2(0, row.angle, &row.offset));
        ExpectNear(enemy->position, row.start);
        ASSERT_GT(RunUntil(enemy, [&] { return enemy->phase == 1; }), 0);
        ExpectNear(enemy->position, row.hover);
        ASSERT_GE(RunUntil(enemy, [&] { return enemy->phase == 2; }), 0);
        EXPECT_EQ(DrawsMade(), 120);
        ExpectNear(enemy->motionEnd, row.exit);
        ASSERT_GT(RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; }), 0);
        EXPECT_TRUE(enemy->leftView);
        EXPECT_EQ(Count<CBomb>(g_effectList), 0u);
        EXPECT_FALSE(Played(g_seEnemyExplode));
    }
}

TEST_F(SmallEnemiesTest, RandomFireOddsFollowTheDifficulty)
{
    const Vec3 origin{};
    struct Row {
        std::function<CEnemy*()> make;
        int difficulty, n;
    };
    const Row rows[] = {
        {[&] { return new CEnemy2(0, 0.0f, &origin); }, -1, 90},
        {[&] { return new CEnemy2(0, 0.0f, &origin); }, 0, 60},
        {[&] { return new CEnemy2(0, 0.0f, &origin); }, 1, 90},
        {[&] { return new CEnemy0(0.0f, &origin); }, -1, 120},
        {[&] { return new CEnemy0(0.0f, &origin); }, 0, 60},
    };
    for (const Row& row : rows) {
        SeedRandom(1024);
        world.DeleteObjects();
        g_globalDifficulty = row.difficulty;
        CEnemy* enemy = Add(row.make());
        if (auto* hovering = dynamic_cast<CEnemy2*>(enemy)) {
            hovering->SetPhase(1);
        } else {
            enemy->StopMotion();  // held in view
            enemy->SetPosition(0.0f, 0.0f, 0.0f);
        }
        size_t expected = 0;
        for (int k = 0; k < 120; ++k) {
            expected += Fires(k, row.n) ? 1 : 0;
            enemy->Update();
        }
        EXPECT_GT(expected, 0u);
        EXPECT_EQ(g_enemyShotList.size(), expected) << row.n;
        EXPECT_EQ(DrawsMade(), 120);
    }
}

TEST_F(SmallEnemiesTest, ARowOfEnemy0ExplodesWhenKilledAndVanishesAtTheEndOfItsPath)
{
    struct Row {
        void (*spawn)(float);
        float x[3];
        bool killed;
    };
    const Row rows[] = {{SpawnEnemy0Row, {-2, -1, -3}, true}, {SpawnEnemy0RowMirrored, {2, 3, 1}, false}};
    for (const Row& row : rows) {
        SeedRandom(1024);
        world.DeleteObjects();
        row.spawn(0.0f);
        const std::vector<CEnemy0*> enemies = ObjectsOf<CEnemy0>(g_enemyList);
        ASSERT_EQ(enemies.size(), 3u);
        for (int i = 0; i < 3; ++i)
            ExpectNear(enemies[i]->position, Vec3{row.x[i], 10, 0});
        CEnemy0* enemy = enemies[0];
        int frames = 0;
        if (row.killed)
            enemy->Damage(1);
        else
            frames = RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; });
        EXPECT_EQ(enemy->state, STATE_DEAD);
        EXPECT_EQ(Count<CBomb>(g_effectList), row.killed ? 1u : 0u);
        EXPECT_EQ(Played(g_seEnemyExplode), row.killed);
        if (!row.killed) {
            ExpectNear(enemy->position, Vec3{row.x[0], -10, 0});
            EXPECT_EQ(DrawsMade(), frames);  // one draw every frame, in view or not
        }
    }
}

TEST_F(SmallEnemiesTest, Enemy1FromTheRandomSpawnersDropsItsItemOffViewOnlyWhenWorthNothing)
{
    struct Row {
        void (*spawn)();
        float span;
        int score;
    };
    for (const Row& row : {Row{SpawnEnemy1Random, 8, 0}, Row{SpawnEnemy1RandomWide, 10, 100}}) {
        SeedRandom(1024);
        world.DeleteObjects();
        g_targetPosition = Vec3{0.0f, -2.0f, 0.0f};
        row.spawn();
        auto* enemy = dynamic_cast<CEnemy1*>(g_enemyList.at(0));
        ASSERT_NE(enemy, nullptr);
        ExpectNear(enemy->position, Vec3{row.span * draws[1] - row.span / 2, row.span * draws[0] - row.span / 2, 0});
        EXPECT_EQ(enemy->score, row.score);
        ASSERT_GT(RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; }), 0);
        EXPECT_TRUE(enemy->leftView);
        enemy->Die();  // a second death drops nothing more
        EXPECT_EQ(Count<CScoreItem>(g_enemyList), row.score == 0 ? 1u : 0u);
        EXPECT_EQ(Count<CBomb>(g_effectList), 0u);
    }
}

TEST_F(SmallEnemiesTest, Enemy1OfType0SpeedsUpTwoPercentAFrameAfterAppearingAndHoldsPointZeroFive)
{
    for (int type : {0, 1}) {
        CEnemy1* enemy = Add(new CEnemy1(type, 0.0f, 4.0f, 0.0f));
        RunUntil(enemy, [&] { return enemy->age == 60; });
        EXPECT_EQ(enemy->state, STATE_ACTIVE);
        EXPECT_FLOAT_EQ(VecLength(&enemy->velocity), 0.01f);
        EXPECT_FLOAT_EQ(enemy->velocity.y, -0.01f);
        enemy->Update();
        EXPECT_FLOAT_EQ(VecLength(&enemy->velocity), type == 0 ? 0.0102f : 0.01f);
        RunUntil(enemy, [&] { return enemy->age == 200; });
        const float top = VecLength(&enemy->velocity);
        EXPECT_NEAR(top, type == 0 ? 0.05f : 0.01f, type == 0 ? 0.001f : 0.0f);
        enemy->Update();
        EXPECT_EQ(VecLength(&enemy->velocity), top);
    }
}

TEST_F(SmallEnemiesTest, Enemy4RisesAtARandomDepthAndFiresThroughItsSecondLeg)
{
    const Vec3 origin{};
    for (int type : {0, 1}) {
        SeedRandom(1024);
        auto* enemy = dynamic_cast<CEnemy4*>(Add(new CEnemy4(type, 0.0f, &origin)));
        const float depth = static_cast<float>(static_cast<int>(15.0f * draws[0] + 5.0f));
        ExpectNear(enemy->position, Vec3{0, -(depth / 2 + 10), depth});
        RunUntil(enemy, [&] { return enemy->phase != 0 || enemy->state == STATE_DEAD; });
        ExpectNear(enemy->position, Vec3{0, depth / 2 + 10, depth});
        RunUntil(enemy, [&] { return enemy->state == STATE_DEAD; });
        EXPECT_TRUE(enemy->leftView);
        EXPECT_EQ(DrawsMade(), type == 0 ? 1 : 1 + 240);
    }
}

TEST_F(SmallEnemiesTest, KilledKindsExplodeWithTheGroundAndAlwaysHeardOrDriftingAndHeardOnlyNearby)
{
    const Vec3 origin{};
    struct Row {
        std::function<CEnemy*()> make;
        float z, bombVz;
        bool heard;
    };
    const Row rows[] = {
        {[&] { return new CEnemy0(0.0f, &origin); }, 25, -0.5f, true},
        {[&] { return new CEnemyDanmaku(0.0f, 0.0f, 0.0f, 1); }, 25, -0.5f, true},
        {[&] { return new CEnemy1(2, 0.0f, 0.0f, 0.0f); }, 25, -0.1f, false},
        {[&] { return new CEnemyd0(0, 0.0f, 0.0f, 0.0f); }, 25, -0.1f, false},
        {[&] { return new CEnemy3(0, 0.0f, &origin); }, 19, -0.1f, true},
    };
    for (const Row& row : rows) {
        world.DeleteObjects();
        CEnemy* enemy = Add(row.make());
        enemy->SetPosition(0.0f, 0.0f, row.z);
        enemy->Damage(enemy->hp);
        const std::vector<CBomb*> bombs = ObjectsOf<CBomb>(g_effectList);
        ASSERT_EQ(bombs.size(), 1u);
        ExpectNear(bombs[0]->velocity, Vec3{0.0f, -0.3f, row.bombVz});
        EXPECT_EQ(Played(g_seEnemyExplode), row.heard) << row.z;
    }
}

TEST_F(SmallEnemiesTest, Enemy2RowDrawsOneAngleAndStaggersFourEnemies)
{
    SpawnEnemy2Row();
    const std::vector<CEnemy2*> enemies = ObjectsOf<CEnemy2>(g_enemyList);
    ASSERT_EQ(enemies.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(enemies[i]->type, 1);
        EXPECT_EQ(enemies[i]->waitFrames, 10u * i);
        ExpectNear(enemies[i]->position, Turned(Vec3{-10, -10 + 0.5f * i, 10}, 2.0 * draws[0]));
    }
    EXPECT_EQ(DrawsMade(), 1);
}

}  // namespace
