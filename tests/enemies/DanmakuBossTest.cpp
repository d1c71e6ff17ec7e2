#include "BossFixture.h"

#include "engine/VectorHelpers.h"

#include <cmath>

namespace {

Vec3 Turned(Vec3 v, float halfTurns)
{
    RotateZVector(&v, halfTurns);
    return v;
}

void ExpectVelocity(const CSprite* shot, const Vec3& expected)
{
    EXPECT_NEAR(shot->velocity.x, expected.x, 1e-6);
    EXPECT_NEAR(shot->velocity.y, expected.y, 1e-6);
}

class DanmakuBossTest : public BossFixture {
protected:
    // Entered: at its place and in phase 0.
    DanmakuBossTest() { RunWhilePhase(boss); }

    static void ClearShots()
    {
        for (CSprite* shot : g_enemyShotList)
            delete shot;
        g_enemyShotList.clear();
    }

    // Runs frames until the boss's age is a multiple of n (less `early` frames).
    void RunToMultipleOf(int n, int early = 0)
    {
        while ((boss->age + early) % n != 0)
            RunEnemyFrames(1);
    }

    static std::vector<int> EmitterTypes()
    {
        std::vector<int> types;
        for (CEnemyBitDanmaku* emitter : ObjectsOf<CEnemyBitDanmaku>(g_enemyList))
            types.push_back(emitter->type);
        return types;
    }

    CEnemybDanmaku* const boss = static_cast<CEnemybDanmaku*>(AddBoss(1));
};

TEST_F(DanmakuBossTest, AHeavyBlowIsWorkedOffOnePhasePerSixtyFrameTick)
{
    ASSERT_EQ(freezes.size(), 1u);
    EXPECT_EQ(freezes[0].first, 45);
    EXPECT_EQ(freezes[0].second.y, 3.0f);
    EXPECT_TRUE(Played(g_seSpecial));
    boss->hp = boss->maxHp * 81 / 100;
    RunEnemyFrames(240);
    EXPECT_EQ(boss->phase, 0);
    EXPECT_FALSE(EmitterTypes().empty());
    RunToMultipleOf(60);
    RunEnemyFrames(30);
    boss->hp = boss->maxHp * 30 / 100;
    for (int phase = 1; phase <= 3; ++phase) {
        SCOPED_TRACE(phase);
        EXPECT_EQ(RunWhilePhase(boss), phase == 1 ? 30 : 60);
        EXPECT_EQ(boss->phase, phase);
        EXPECT_EQ(boss->age % 60, 0);
        EXPECT_EQ(freezes.size(), 1u + phase);
        EXPECT_TRUE(Played(g_seSpecial));
        EXPECT_EQ(EmitterTypes(), (phase == 3 ? std::vector<int>{0, 1, 0, 1} : std::vector<int>{}));
    }
    RunEnemyFrames(600);
    EXPECT_EQ(boss->phase, 3);
}

TEST_F(DanmakuBossTest, DestroyedInPhaseOneOrTwoItFiresOnAndEntersTheNextPhaseWhileDying)
{
    for (int phase : {1, 2}) {
        SCOPED_TRACE(phase);
        boss->SetPhase(phase);
        boss->Damage(boss->maxHp);
        freezes.clear();
        RunEnemyFrames(1);
        RunToMultipleOf(60);
        EXPECT_EQ(boss->state, STATE_DYING);
        EXPECT_EQ(boss->phase, phase + 1);
        ASSERT_EQ(freezes.size(), 1u);
        EXPECT_EQ(freezes[0].first, 45);
        EXPECT_FALSE(g_enemyShotList.empty());
        EXPECT_EQ(EmitterTypes().size(), phase == 2 ? 4u : 0u);
        EXPECT_EQ(deaths.size(), 1u);
        boss->state = STATE_ACTIVE;
        deaths.clear();
    }
}

TEST_F(DanmakuBossTest, TheCrossTurnsFromNoughtOnEachPhaseAndTheSweepsFanTwelveFasterShots)
{
    for (int volleys : {2, 1}) {
        RunToMultipleOf(5, 1);
        boss->SetPhase(1);
        ClearShots();
        RunEnemyFrames(1 + 5 * (volleys - 1));
        ASSERT_EQ(g_enemyShotList.size(), 4u * volleys);
        const Vec3 first = Turned({0.0f, 0.1f, 0.0f}, 0.01f * (volleys - 1));
        for (int i = 0; i < 4; ++i)
            ExpectVelocity(g_enemyShotList[4 * (volleys - 1) + i], Turned(first, 0.5f * (i + 1)));
    }
    boss->SetPhase(2);
    for (int sweep = 0; sweep < 2; ++sweep) {
        RunToMultipleOf(20, 1);
        ClearShots();
        RunEnemyFrames(1);
        const float side = boss->age % 40 == 0 ? 1.0f : -1.0f;
        ASSERT_EQ(g_enemyShotList.size(), 12u);
        Vec3 aim = g_targetPosition - boss->position;
        VecNormalizeScale(&aim, 1.0f);
        for (int i = 0; i < 12; ++i)
            ExpectVelocity(g_enemyShotList[i], Turned(aim * (0.06f + 0.0075f * i), side * (0.1f - 0.05f * i)));
    }
}

class DanmakuEmitterTest : public BossFixture {};

TEST_F(DanmakuEmitterTest, SpiralsFlyToTheirPointDriftersCurlOutAndTypeFourDoesNothing)
{
    struct Row {
        int type;
        int volleyFrames;
        float turn;  // of the spiral or of the drift, per volley
        bool diesOffView;
    };
    const Vec3 start{1.0f, 1.0f, 0.0f};
    const Vec3 target{-2.0f, 2.0f, 0.0f};
    for (const Row& row : {Row{0, 5, -0.05f, false}, Row{1, 5, 0.05f, false}, Row{2, 5, 0.05f, true},
                           Row{3, 10, -0.05f, false}, Row{4, 0, 0.0f, false}}) {
        SCOPED_TRACE(row.type);
        const std::vector<float> d = DrawsAfter(0, 2);
        auto* emitter = new CEnemyBitDanmaku(row.type, &start, &target);
        g_enemyList.push_back(emitter);
        EXPECT_FALSE(emitter->hurtsOnContact);
        EXPECT_TRUE(emitter->skippedByPlayerAttacks);
        EXPECT_EQ(emitter->dieOffView, row.diesOffView);
        const bool drifts = row.type == 2 || row.type == 3;
        const Vec3 drift = Turned({0.0f, 0.02f + 0.02f * d[0], 0.0f}, 2.0f * d[1]);
        if (drifts)
            ExpectVelocity(emitter, drift);
        RunFrames(emitter, row.volleyFrames > 0 ? 2 * row.volleyFrames : 120);
        if (row.type <= 1) {
            ASSERT_EQ(g_enemyShotList.size(), 4u);
            ExpectVelocity(g_enemyShotList[0], {0.0f, -0.075f, 0.0f});
            ExpectVelocity(g_enemyShotList[1], {0.0f, 0.075f, 0.0f});
            ExpectVelocity(g_enemyShotList[2], Turned({0.0f, -0.075f, 0.0f}, row.turn));
            RunFrames(emitter, 110);
            EXPECT_NEAR(emitter->position.x, target.x, 1e-3);
            EXPECT_NEAR(emitter->position.y, target.y, 1e-3);
        } else if (drifts) {
            ASSERT_EQ(g_enemyShotList.size(), 4u);
            const Vec3 curled = Turned(drift * (1.02f * 1.02f), 2.0f * row.turn);
            ExpectVelocity(emitter, curled);
            Vec3 side = Turned(curled, 0.5f);
            VecNormalizeScale(&side, 0.005f);
            ExpectVelocity(g_enemyShotList[2], side);
            ExpectVelocity(g_enemyShotList[3], side * -1.0f);
            EXPECT_EQ(static_cast<CEnemyShot*>(g_enemyShotList[2])->type, ENEMY_SHOT_ACCELERATING);
        } else {
            EXPECT_TRUE(g_enemyShotList.empty());
            EXPECT_EQ(emitter->position.x, start.x);
            device.ClearRecord();
            emitter->Draw();
            EXPECT_TRUE(device.draws.empty());
        }
        ClearEnemySide();
    }
}

}  // namespace
