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

TEST_F(BossDeathTest, DyingShowEndsInAStarThenTheRemovalFlashesBurstsAndSweepsTheGlows)
{
    const TextureId flash = LoadPicture(&g_texBossFlash, "#115");
    CBoss* boss = AddBoss(0);
    boss->Damage(boss->maxHp);
    Clear({&g_overlayList});
    struct Row { int left, triangles; float width; };
    for (const Row& row : {Row{150, 0, (1.0f - 0.45f * 1.0526316f) * 15.0f}, Row{16, 0, 14.947368f}, Row{15, 3, 15.0f},
                           Row{3, 3, 9.0f}}) {
        SCOPED_TRACE(row.left);
        boss->dyingLeft = row.left;
        device.ClearRecord();
        boss->Draw();
        int triangles = 0;
        std::vector<float> widths;
        for (const RecordedDraw& draw : device.draws) {
            triangles += draw.primitiveCount == 1;
            EXPECT_EQ(draw.state.depthTest, draw.primitiveCount == 1);
            if (draw.primitiveCount == 2 && draw.state.texture == flash)
                widths.push_back(draw.colorVertices[1].x - draw.colorVertices[0].x);
        }
        EXPECT_EQ(triangles, row.triangles);
        ASSERT_EQ(widths.size(), 2u);
        EXPECT_NEAR(widths[0], row.width, 1e-4);
        EXPECT_NEAR(widths[1], row.width / 15.0f * 12.5f, 1e-4);
    }
    SpawnLightParticleMoving(0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f, 30);
    RunFrames(boss, 3);
    EXPECT_EQ(boss->state, STATE_DEAD);
    EXPECT_TRUE(Played(g_seBossExplode));
    EXPECT_TRUE(ObjectsOf<CLightParticle>(g_effectList).empty());
    EXPECT_EQ(g_overlayList.at(0)->dyingFrames, 240);
    EXPECT_EQ(sparks.particles.size(), 256u);
    EXPECT_EQ(sparks.particles[0].totalLife, 480);
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
