#include "actors/Bomb.h"
#include "actors/LockOnSite.h"
#include "actors/PlayerShot.h"
#include "game/Collisions.h"
#include "tests/enemies/EnemiesFixture.h"

#include <cmath>

namespace {

using BitTest = EnemiesFixture;

TEST_F(BitTest, StartsAtWholeNumbersFarOutsideThenFliesInOverFourHundredEightyFrames)
{
    for (int spawned = 0; spawned < 8; ++spawned) {
        const std::vector<float> d = UpcomingDraws(0, 6);  // coin, across, coin, beyond, then the flight in
        SpawnBit();
        const CSprite* bit = g_enemyList.back();
        const float across = std::trunc(20.0f * d[1] - 10.0f);
        const float beyond = d[2] < 0.5f ? std::trunc(20.0f - 10.0f * d[3]) : std::trunc(-10.0f - 10.0f * d[3]);
        EXPECT_EQ(bit->position.x, d[0] < 0.5f ? across : beyond);
        EXPECT_EQ(bit->position.y, d[0] < 0.5f ? beyond : across);
        ExpectNear(bit->motionEnd, {10.0f * d[4] - 5.0f, 10.0f * d[5] - 5.0f, 0.0f}, 1e-6f);
        EXPECT_FLOAT_EQ(bit->motionStep, 1.0f / 480.0f);
    }
}

TEST_F(BitTest, HopsThenFiresTwiceOnlyWhenStillThenPausesSixtyFrames)
{
    const std::vector<float> d = UpcomingDraws(2, 3);
    auto* bit = Add(new CBit(0.0f, 15.0f, 0.0f));
    RunFrames(bit, 1);  // the first hop replaces the flight in; its age counts from the next frame
    EXPECT_FLOAT_EQ(bit->motionEnd.x, 10.0f * d[0] - 5.0f);
    EXPECT_FLOAT_EQ(bit->motionStep, 1.0f / ((1.5f + d[2]) * 60.0f));
    std::vector<int> shotFrames;
    int stillFrom = 0;
    for (int frame = 2; shotFrames.size() < 2 && frame < 200; ++frame) {
        RunFrames(bit, 1);
        stillFrom = stillFrom == 0 && bit->IsStill() ? frame : stillFrom;
        if (g_enemyShotList.size() > shotFrames.size())
            shotFrames.push_back(frame);
    }
    ASSERT_EQ(shotFrames.size(), 2u);
    EXPECT_GT(stillFrom, 90);
    EXPECT_EQ(shotFrames[0], stillFrom + (12 - stillFrom % 10) % 10);
    EXPECT_EQ(shotFrames[1], shotFrames[0] + 10);
    EXPECT_FLOAT_EQ(Vec3Length(g_enemyShotList[0]->velocity), 0.1f);
    RunFrames(bit, 60);
    EXPECT_TRUE(bit->IsStill());
    RunFrames(bit, 1);
    EXPECT_FALSE(bit->IsStill());
}

// Killed: an explosion, heard nearer than 20; sent away: silent; bulk removal takes consecutive bits.
TEST_F(BitTest, EndsByExplodingLeavingSilentlyOrInBulk)
{
    for (const float z : {0.0f, 20.0f}) {
        Add(new CBit(0.0f, 0.0f, z))->Die();
        EXPECT_EQ(Played(g_seBitExplode), z < 20.0f);
    }
    auto* leaving = Add(new CBit(0.0f, 0.0f, 0.0f));
    leaving->Leave();
    for (int frame = 0; frame < 241; ++frame)
        leaving->Update();
    EXPECT_EQ(leaving->state, STATE_DEAD);
    EXPECT_EQ(Count<CBomb>(g_effectList), 2u);
    EXPECT_FALSE(Played(g_seBitExplode));
    CEnemy* other = AddEnemy(0.0f, 0.0f, 0.0f);
    Add(new CBit(0.0f, 15.0f, 0.0f));
    DeleteAllBits();
    EXPECT_EQ(g_enemyList, SpriteList{other});
}

TEST_F(BitTest, TheReticleNeverLocksABitThoughShotsStillHitIt)
{
    auto* bit = Add(new CBit(0.0f, 15.0f, 0.0f));
    bit->SetPosition(0.0f, 3.0f, 0.0f);
    CEnemy* plain = AddEnemy(0.0f, 3.0f, 0.0f);
    plain->hp = 60;
    g_player->reticle->SetPosition(0.0f, 3.0f, 0.0f);
    TestAttackAgainstEnemies(g_player->reticle);
    EXPECT_EQ(lockon->CountLocksOn(bit->serialId), 0);
    EXPECT_EQ(lockon->CountLocksOn(plain->serialId), 1);
    const Vec3 up{0.0f, 0.5f, 0.0f};
    CPlayerShot shot(0.0f, 3.0f, 0.0f, &up, 1);
    TestAttackAgainstEnemies(&shot);
    EXPECT_LT(bit->hp, 60);
}

}  // namespace
