#include "actors/Bomb.h"
#include "tests/enemies/EnemiesFixture.h"

namespace {

using BitTest = EnemiesFixture;

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

}  // namespace
