#include "actors/Bomb.h"
#include "actors/ScoreItem.h"
#include "actors/enemies/PatternEnemies.h"
#include "actors/enemies/SmallEnemies.h"

#include <functional>
#include "tests/enemies/EnemiesFixture.h"

namespace {

using SmallEnemiesTest = EnemiesFixture;
const Vec3 kOrigin{};

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
}  // namespace
