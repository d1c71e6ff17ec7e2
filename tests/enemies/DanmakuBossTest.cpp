#include "actors/EnemyShot.h"
#include "actors/enemies/DanmakuEmitter.h"
#include "tests/enemies/EnemiesFixture.h"

namespace {

void ExpectVelocity(const CSprite* sprite, Vec3 v, float halfTurns = 0.0f)
{
    RotateZVector(&v, halfTurns);
    EXPECT_NEAR(Vec3Length(sprite->velocity - v), 0.0f, 1e-6);
}

class DanmakuBossTest : public EnemiesFixture {
protected:
    // Entered: at its place and in phase 0.
    DanmakuBossTest() { RunWhilePhase(boss); }

    // Up to the frame before one whose age is a multiple of n, the shots cleared.
    void RunToVolley(int n)
    {
        while ((boss->age + 1) % n != 0)
            RunEnemyFrames(1);
        ClearEnemyShots();
    }

    CEnemybDanmaku* const boss = static_cast<CEnemybDanmaku*>(AddBoss(1));
};

TEST_F(DanmakuBossTest, AHeavyBlowIsWorkedOffOnePhasePerSixtyFrameTickGoingOnWhileDying)
{
    auto emitterTypes = [] {
        std::vector<int> types;
        for (CEnemyBitDanmaku* emitter : ObjectsOf<CEnemyBitDanmaku>(g_enemyList))
            types.push_back(emitter->type);
        return types;
    };
    ASSERT_EQ(freezes.size(), 1u);
    EXPECT_EQ(std::pair(freezes[0].first, freezes[0].second.y), std::pair(45, 3.0f));
    boss->hp = boss->maxHp * 4 / 5;  // not below 80 %
    RunEnemyFrames(240);
    EXPECT_FALSE(emitterTypes().empty());
    RunToVolley(60);
    RunEnemyFrames(31);
    boss->hp = boss->maxHp * 30 / 100;
    for (int phase = 1; phase <= 3; ++phase) {
        SCOPED_TRACE(phase);
        EXPECT_EQ(RunWhilePhase(boss), phase == 1 ? 30 : 60);
        EXPECT_EQ(boss->phase, phase);
        EXPECT_TRUE(Played(g_seSpecial));
        EXPECT_EQ(freezes.size(), 1u + phase);
        EXPECT_EQ(emitterTypes(), (phase == 3 ? std::vector<int>{0, 1, 0, 1} : std::vector<int>{}));
        if (phase == 2)
            boss->Damage(boss->hp);  // it fires on, and steps on, while dying
    }
    EXPECT_EQ(boss->state, STATE_DYING);
    EXPECT_FALSE(g_enemyShotList.empty());
}

TEST_F(DanmakuBossTest, TheCrossTurnsFromNoughtOnEachPhaseAndTheSweepsFanTwelveFasterShots)
{
    for (int volleys : {2, 1}) {
        RunToVolley(5);
        boss->SetPhase(1);
        RunEnemyFrames(1 + 5 * (volleys - 1));
        ASSERT_EQ(g_enemyShotList.size(), 4u * volleys);
        for (int i = 0; i < 4; ++i)
            ExpectVelocity(g_enemyShotList[4 * volleys - 4 + i], {0.0f, 0.1f, 0.0f}, 0.01f * (volleys - 1) + 0.5f * (i + 1));
    }
    boss->SetPhase(2);
    for (int sweep = 0; sweep < 2; ++sweep) {
        RunToVolley(20);
        RunEnemyFrames(1);
        const float side = boss->age % 40 == 0 ? 1.0f : -1.0f;
        ASSERT_EQ(g_enemyShotList.size(), 12u);
        Vec3 aim = g_targetPosition - boss->position;
        VecNormalizeScale(&aim, 1.0f);
        for (int i = 0; i < 12; ++i)
            ExpectVelocity(g_enemyShotList[i], aim * (0.06f + 0.0075f * i), side * (0.1f - 0.05f * i));
    }
}

TEST_F(EnemiesFixture, EmittersSpiralOrCurlOutFiringTheirPairsAndTypeFourDoesNothing)
{
    struct Row { int type, volleyFrames; float turn; };  // turn: of the spiral, or of the drift, per volley
    const Vec3 start{1.0f, 1.0f, 0.0f}, target{-2.0f, 2.0f, 0.0f};
    for (const Row& row : {Row{0, 5, -0.05f}, Row{1, 5, 0.05f}, Row{2, 5, 0.05f}, Row{3, 10, -0.05f}, Row{4, 60, 0}}) {
        SCOPED_TRACE(row.type);
        const std::vector<float> d = UpcomingDraws(0, 2);
        auto* emitter = Add(new CEnemyBitDanmaku(row.type, &start, &target));
        EXPECT_TRUE(!emitter->hurtsOnContact && emitter->skippedByPlayerAttacks);
        EXPECT_EQ(emitter->dieOffView, row.type == 2);
        RunFrames(emitter, 2 * row.volleyFrames);
        ASSERT_EQ(g_enemyShotList.size(), row.type == 4 ? 0u : 4u);
        const Vec3 drift{0.0f, (0.02f + 0.02f * d[0]) * 1.02f * 1.02f, 0.0f};  // after two volleys
        const float heading = 2.0f * d[1] + 2.0f * row.turn;
        if (row.type <= 1) {
            ExpectVelocity(g_enemyShotList[1], {0.0f, 0.075f, 0.0f});
            ExpectVelocity(g_enemyShotList[2], {0.0f, -0.075f, 0.0f}, row.turn);
            RunFrames(emitter, 110);
            EXPECT_NEAR(Vec3Length(emitter->position - target), 0.0f, 1e-3);
        } else if (row.type <= 3) {
            ExpectVelocity(emitter, drift, heading);
            ExpectVelocity(g_enemyShotList[3], drift * (0.005f / drift.y), heading + 1.5f);
            EXPECT_EQ(static_cast<CEnemyShot*>(g_enemyShotList[3])->type, ENEMY_SHOT_ACCELERATING);
        } else {
            EXPECT_TRUE(emitter->IsStill());
        }
        Clear();
    }
}

TEST_F(EnemiesFixture, AnEmitterFlungBeyondFloatRangeStopsFiringShotsThatWouldNeverLeave)
{
    const Vec3 start{};
    auto* emitter = Add(new CEnemyBitDanmaku(3, &start, &start));
    emitter->SetVelocity(3e38f, 3e38f, 0.0f);
    RunFrames(emitter, 30);
    for (int i = 0; i < 3; ++i)
        RunList(&g_enemyShotList);
    EXPECT_TRUE(g_enemyShotList.empty());
}

}  // namespace
