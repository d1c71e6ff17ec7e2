#include "BossFixture.h"

namespace {

class BossDeathTest : public BossFixture {
protected:
    // A bit and an enemy shot the death should sweep away.
    static void FillField()
    {
        SpawnBit();
        FireShotDefault(Vec3{}, Vec3{0.0f, -1.0f, 0.0f});
    }

    static void ClearOverlays()
    {
        for (CSprite* sprite : g_overlayList)
            delete sprite;
        g_overlayList.clear();
    }

    static void ClearBossSide()
    {
        ClearEnemySide();
        ClearOverlays();
        deaths.clear();
    }
};

TEST_F(BossDeathTest, ReportsOnlyItsFirstDeathAndNeverOneWhileLeaving)
{
    struct Row {
        int kind;
        bool leaving;
        int strikes;
        size_t deaths, flashes;
    };
    for (const Row& row : {Row{0, false, 1, 1, 1}, Row{0, false, 2, 1, 2}, Row{0, true, 1, 0, 1}, Row{1, false, 1, 1, 1},
                           Row{1, false, 2, 1, 2}, Row{1, true, 1, 0, 1}}) {
        SCOPED_TRACE(testing::Message() << row.kind << row.leaving << row.strikes);
        CBoss* boss = AddBoss(row.kind);
        if (row.leaving)
            boss->Leave();
        FillField();
        for (int i = 0; i < row.strikes; ++i) {
            boss->Damage(boss->maxHp);
            EXPECT_TRUE(Played(g_seBossDie));
        }
        EXPECT_EQ(boss->state, STATE_DYING);
        EXPECT_EQ(deaths.size(), row.deaths);
        if (!deaths.empty())
            EXPECT_EQ(deaths[0], std::make_pair(0, 5));
        EXPECT_EQ(Count<CColorFilter>(g_overlayList), row.flashes);
        EXPECT_EQ(g_overlayList.at(0)->dyingFrames, 15);
        EXPECT_EQ(Count<CBit>(g_enemyList), 0u);
        EXPECT_TRUE(g_enemyShotList.empty());
        ClearBossSide();
    }
}

TEST_F(BossDeathTest, ALeavingBossVanishesOutsideWithoutCallFlashSoundOrSparks)
{
    for (int kind : {0, 1}) {
        SCOPED_TRACE(kind);
        CBoss* boss = AddBoss(kind);
        boss->Leave();
        EXPECT_EQ(boss->phase, BOSS_PHASE_LEAVING);
        FillField();
        RunFrames(boss, 241);
        EXPECT_EQ(boss->state, STATE_DEAD);
        EXPECT_TRUE(deaths.empty());
        EXPECT_TRUE(g_overlayList.empty());
        EXPECT_FALSE(Played(g_seBossDie) || Played(g_seBossExplode));
        EXPECT_TRUE(sparks.particles.empty());
        EXPECT_EQ(Count<CBit>(g_enemyList), 1u);
        EXPECT_EQ(g_enemyShotList.size(), 1u);
        ClearBossSide();
    }
}

TEST_F(BossDeathTest, RemovedAfterThreeHundredFramesWithALongFlashAndABurstOfSparks)
{
    for (int kind : {0, 1}) {
        SCOPED_TRACE(kind);
        CBoss* boss = AddBoss(kind);
        boss->Damage(boss->maxHp);
        ClearOverlays();
        RunFrames(boss, 299);
        EXPECT_EQ(boss->state, STATE_DYING);
        EXPECT_FALSE(Played(g_seBossExplode));
        SpawnLightParticleMoving(0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f, 30);
        RunFrames(boss, 1);
        EXPECT_EQ(boss->state, STATE_DEAD);
        EXPECT_TRUE(Played(g_seBossExplode));
        EXPECT_EQ(Count<CLightParticle>(g_effectList), 0u);
        EXPECT_EQ(g_overlayList.at(0)->dyingFrames, 240);
        EXPECT_EQ(sparks.particles.size(), 256u);
        EXPECT_EQ(sparks.particles[0].totalLife, 480);
        ClearBossSide();
        sparks.particles.clear();
    }
}

TEST_F(BossDeathTest, DyingShowGrowsTwoFlashesThenAThreeArmedStarInTheLastFifteenFrames)
{
    CBoss* boss = AddBoss(0);
    boss->Damage(boss->maxHp);
    struct Row {
        int left;
        int triangles;
        float flashWidth;
    };
    for (const Row& row : {Row{150, 0, (1.0f - 0.45f * 1.0526316f) * 15.0f}, Row{16, 0, 14.947368f},
                           Row{15, 3, 15.0f}, Row{3, 3, 9.0f}}) {
        SCOPED_TRACE(row.left);
        boss->dyingLeft = row.left;
        world.graphics.SetZBuffer(1);  // as the boss's mesh leaves it
        device.ClearRecord();
        boss->Draw();
        int triangles = 0;
        std::vector<float> flashes;
        for (const RecordedDraw& draw : device.draws) {
            if (draw.primitiveCount == 1) {
                ++triangles;
                EXPECT_TRUE(draw.state.depthTest);
            } else if (draw.state.texture == flash) {
                flashes.push_back(draw.colorVertices[1].x - draw.colorVertices[0].x);
                EXPECT_FALSE(draw.state.depthTest);
            }
        }
        EXPECT_EQ(triangles, row.triangles);
        ASSERT_EQ(flashes.size(), 2u);
        EXPECT_NEAR(flashes[0], row.flashWidth, 1e-4);
        EXPECT_NEAR(flashes[1], row.flashWidth / 15.0f * 12.5f, 1e-4);
    }
}

}  // namespace
