#include "actors/EnemyShot.h"
#include "tests/enemies/EnemiesFixture.h"

namespace {

using BossDeathTest = EnemiesFixture;

TEST_F(BossDeathTest, ReportsItsFirstDeathOnlyNeverWhileLeavingAndVanishesUnseenOutside)
{
    struct Row { int kind, strikes; bool leaving; };  // 0 strikes: it flies out of the field
    for (const Row& row : {Row{0, 1, false}, Row{0, 2, false}, Row{0, 1, true}, Row{0, 0, true}, Row{1, 1, false},
                           Row{1, 2, false}, Row{1, 1, true}, Row{1, 0, true}}) {
        SCOPED_TRACE(testing::Message() << row.kind << row.leaving << row.strikes);
        CBoss* boss = AddBoss(row.kind);
        if (row.leaving)
            boss->Leave();
        SpawnBit();
        FireShotDefault(Vec3{}, Vec3{0.0f, -1.0f, 0.0f});
        for (int i = 0; i < row.strikes; ++i)
            boss->Damage(boss->maxHp);
        RunFrames(boss, row.strikes == 0 ? 241 : 0);
        EXPECT_EQ(boss->state, row.strikes == 0 ? STATE_DEAD : STATE_DYING);
        EXPECT_EQ(deaths, (row.strikes > 0 && !row.leaving ? decltype(deaths){{0, 5}} : decltype(deaths){}));
        EXPECT_EQ(g_overlayList.size(), static_cast<size_t>(row.strikes));  // a flash a strike
        EXPECT_EQ(Played(g_seBossDie), row.strikes > 0);
        EXPECT_EQ(g_enemyList.size() + g_enemyShotList.size(), row.strikes > 0 ? 1u : 3u);
        EXPECT_TRUE(sparks.particles.empty());
        Clear();
        deaths.clear();
    }
}

}  // namespace

TEST_F(BossDeathTest, ABossSentAwayStaysSilentWhenAPushHasChangedItsPhase)
{
    for (int kind : {0, 1}) {
        CBoss* boss = AddBoss(kind);
        boss->Leave();
        boss->SetPhase(-1);  // as a push leaves it
        boss->Damage(boss->maxHp);
        EXPECT_EQ(boss->state, STATE_DYING) << kind;
        EXPECT_TRUE(deaths.empty()) << kind;
        EXPECT_TRUE(Played(g_seBossDie)) << kind;
        Clear();
    }
}
