#include "EnemyKindFixture.h"

#include "actors/Bomb.h"
#include "actors/EnemyShot.h"
#include "actors/LockOnSite.h"
#include "actors/LockedMarker.h"
#include "actors/PlayerShot.h"
#include "actors/enemies/Bit.h"
#include "game/Collisions.h"

#include <cmath>

namespace {

using BitTest = EnemyKindFixture;

TEST_F(BitTest, StartsAtWholeNumbersFarOutsideThenFliesInOverFourHundredEightyFrames)
{
    for (int spawned = 0; spawned < 8; ++spawned) {
        SCOPED_TRACE(spawned);
        const std::vector<float> d = UpcomingDraws(0, 6);
        SpawnBit();
        auto* bit = static_cast<CBit*>(g_enemyList.back());
        const float across = static_cast<float>(static_cast<int>(20.0f * d[1] - 10.0f));
        const float beyond = static_cast<float>(
            Heads(d[2]) ? static_cast<int>(20.0f - 10.0f * d[3]) : static_cast<int>(-10.0f - 10.0f * d[3]));
        EXPECT_EQ(bit->position.x, Heads(d[0]) ? across : beyond);
        EXPECT_EQ(bit->position.y, Heads(d[0]) ? beyond : across);
        EXPECT_GE(std::fabs(Heads(d[0]) ? bit->position.y : bit->position.x), 10.0f);
        EXPECT_FLOAT_EQ(bit->motionEnd.x, 10.0f * d[4] - 5.0f);
        EXPECT_FLOAT_EQ(bit->motionEnd.y, 10.0f * d[5] - 5.0f);
        EXPECT_FLOAT_EQ(bit->motionStep, 1.0f / 480.0f);
        EXPECT_EQ(bit->phase, BIT_ABOUT_TO_HOP);
        EXPECT_FALSE(bit->hurtsOnContact);
        EXPECT_EQ(bit->hp, 60);
    }
}

TEST_F(BitTest, FiresTwiceOnlyWhenStillThenPausesSixtyFramesBeforeTheNextHop)
{
    const std::vector<float> d = UpcomingDraws(2, 3);  // after the two of the flight in
    auto* bit = new CBit(0.0f, 15.0f, 0.0f);
    g_enemyList.push_back(bit);
    RunFrames(bit, 1);
    EXPECT_EQ(bit->phase, BIT_HOPPING);
    EXPECT_FLOAT_EQ(bit->motionEnd.x, 10.0f * d[0] - 5.0f);
    EXPECT_FLOAT_EQ(bit->motionStep, 1.0f / ((1.5f + d[2]) * 60.0f));

    std::vector<int> shotFrames;
    int stillFrom = -1;
    for (int frame = 2; shotFrames.size() < 2 && frame < 200; ++frame) {
        const bool moving = !bit->IsStill();
        RunFrames(bit, 1);
        if (!moving && stillFrom == -1)
            stillFrom = frame;
        if (g_enemyShotList.size() > shotFrames.size()) {
            EXPECT_FALSE(moving);
            shotFrames.push_back(frame);
        }
    }
    ASSERT_EQ(shotFrames.size(), 2u);
    EXPECT_LT(shotFrames[0] - stillFrom, 10);
    EXPECT_EQ((shotFrames[0] - 2) % 10, 0);  // the hop's age counts from frame 2
    EXPECT_EQ(shotFrames[1] - shotFrames[0], 10);
    EXPECT_FLOAT_EQ(Vec3Length(g_enemyShotList[0]->velocity), 0.1f);
    EXPECT_TRUE(Played(g_seEnemyFire));
    RunFrames(bit, 60);
    EXPECT_TRUE(bit->IsStill());
    RunFrames(bit, 1);
    EXPECT_FALSE(bit->IsStill());
    EXPECT_EQ(g_enemyShotList.size(), 2u);
}

TEST_F(BitTest, DeleteAllBitsRemovesConsecutiveBitsAndKeepsTheRestInOrder)
{
    CEnemy* first = AddEnemy(0.0f, 0.0f, 0.0f);
    for (int i = 0; i < 2; ++i)
        g_enemyList.push_back(new CBit(0.0f, 15.0f, 0.0f));
    CEnemy* second = AddEnemy(1.0f, 0.0f, 0.0f);
    g_enemyList.push_back(new CBit(0.0f, 15.0f, 0.0f));
    DeleteAllBits();
    EXPECT_EQ(g_enemyList, (SpriteList{first, second}));
}

struct BitEnd {
    const char* name;
    float z;
    bool leaves;
    bool explodes;
    bool heard;
};

TEST_F(BitTest, LeavingIsSilentWhileAKilledBitExplodesHeardOnlyNearerThanTwenty)
{
    const BitEnd ends[] = {
        {"killed", 0.0f, false, true, true},
        {"killed deep", 20.0f, false, true, false},
        {"left", 0.0f, true, false, false},
    };
    for (const BitEnd& end : ends) {
        SCOPED_TRACE(end.name);
        auto* bit = new CBit(0.0f, 0.0f, end.z);
        g_enemyList.push_back(bit);
        if (end.leaves) {
            bit->Leave();
            EXPECT_EQ(bit->phase, BIT_LEAVING);
            for (int frame = 0; frame < 241; ++frame)
                bit->Update();
        } else {
            bit->Die();
        }
        EXPECT_EQ(bit->state, STATE_DEAD);
        EXPECT_EQ(ObjectsOf<CBomb>(g_effectList).size(), end.explodes ? 1u : 0u);
        EXPECT_EQ(Played(g_seBitExplode), end.heard);
        ClearEnemySide();
    }
}

TEST_F(BitTest, TheReticleNeverLocksABitThoughShotsStillHitIt)
{
    auto* bit = new CBit(0.0f, 15.0f, 0.0f);
    bit->SetPosition(0.0f, 3.0f, 0.0f);
    g_enemyList.push_back(bit);
    CLockOnSite* reticle = g_player->reticle;
    reticle->SetPosition(0.0f, 3.0f, 0.0f);
    TestAttackAgainstEnemies(reticle);
    EXPECT_EQ(lockon->CountLocksOn(bit->serialId), 0);
    EXPECT_TRUE(ObjectsOf<CLockedMarker>(g_effectList).empty());
    CEnemy* plain = AddEnemy(0.0f, 3.0f, 0.0f);
    plain->hp = 60;
    TestAttackAgainstEnemies(reticle);
    EXPECT_EQ(lockon->CountLocksOn(plain->serialId), 1);
    EXPECT_EQ(lockon->CountLocksOn(bit->serialId), 0);

    const Vec3 up{0.0f, 0.5f, 0.0f};
    CPlayerShot shot(0.0f, 3.0f, 0.0f, &up, 1);
    TestAttackAgainstEnemies(&shot);
    EXPECT_LT(bit->hp, 60);
}

}  // namespace
