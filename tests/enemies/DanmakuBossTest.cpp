#include "actors/EnemyShot.h"
#include "actors/enemies/DanmakuEmitter.h"
#include "tests/enemies/EnemiesFixture.h"

namespace {

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
