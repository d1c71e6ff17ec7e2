#include "actors/enemies/Beam.h"
#include "tests/enemies/EnemiesFixture.h"

namespace {

class BossStage0Test : public EnemiesFixture {
protected:
    // One frame short of its arrival, on which it chooses at once.
    BossStage0Test()
    {
        while (boss->motionProgress + boss->motionStep < 1.0f)
            RunEnemyFrames(1);
    }

    // Spends draws until the boss's next RandomInt(2) charges (0) or moves.
    static void NextChoiceCharges(bool charge)
    {
        while ((CopyOfRandomState().NextInt32() < 0x80000000u) != charge)
            RandomFloat();
    }

    CEnemyb* const boss = static_cast<CEnemyb*>(AddBoss(0));
};

TEST_F(BossStage0Test, ChargesGatherEightGlowsAndFireThirtyFramesIntoTheirPauseUnlessPushed)
{
    NextChoiceCharges(true);
    RunEnemyFrames(1);
    EXPECT_TRUE(Played(g_seHeavyFire));
    struct Row { int frames, phase; size_t glows, beams; };
    int done = 0;
    for (const Row& row : {Row{29, -2, 7, 0}, Row{30, -2, 8, 1}, Row{90, -2, 8, 1}, Row{91, -1, 8, 1}}) {
        SCOPED_TRACE(row.frames);
        RunEnemyFrames(row.frames - std::exchange(done, row.frames));
        EXPECT_EQ(ObjectsOf<CLightParticle>(g_effectList).size(), row.glows);
        EXPECT_EQ(Count<CBeam>(g_effectList), row.beams);
        EXPECT_EQ(boss->phase, row.phase);
        if (row.frames == 30) {
            EXPECT_EQ(Vec3Length(ObjectsOf<CBeam>(g_effectList).at(0)->velocity - boss->facing), 0.0f);
        }
    }
    // A push cancels a charge: no beam, even when the push is over.
    NextChoiceCharges(true);
    RunEnemyFrames(11);
    Push(boss, 0.1f);
    NextChoiceCharges(false);
    RunEnemyFrames(80);
    EXPECT_EQ(Count<CBeam>(g_effectList), 1u);
}

TEST_F(BossStage0Test, SpreadVolleyStopsAtSeventeenShotsAndPausesOnAFifthFrameOnceStill)
{
    NextChoiceCharges(false);
    int frame = 0, stillFrom = -1;
    for (; boss->phase != -2 && frame < 300; ++frame) {
        RunEnemyFrames(1);
        if (stillFrom < 0 && boss->IsStill())
            stillFrom = frame;
    }
    EXPECT_EQ(g_enemyShotList.size(), 17u);
    EXPECT_EQ(boss->age % 5, 0);
    EXPECT_GE(stillFrom, 119);
    EXPECT_LT(frame - stillFrom, 6);
}

}  // namespace
