#include "EnemySideFixture.h"

#include "actors/ScoreItem.h"

namespace {

class ScoreItemTest : public EnemySideFixture {};

TEST_F(ScoreItemTest, RisesForFiftyFramesThenFallsAndDiesBelowTheFieldShowingWhereItComesDown)
{
    const Vec3 at{0.5f, 0.0f, 0.0f};
    SpawnScoreItem(&at);
    CSprite& item = *g_enemyList.at(0);
    EXPECT_FLOAT_EQ(item.hitRadius, 1.0f);
    float top = 0.0f;
    int topFrame = 0;
    for (int frame = 1; frame <= 120; ++frame) {
        item.Update();
        if (item.position.y > top) {
            top = item.position.y;
            topFrame = frame;
        }
    }
    EXPECT_EQ(topFrame, 50);
    EXPECT_NEAR(top, 1.275f, 1e-4);  // 0.05 + 0.049 + ... + 0.001
    EXPECT_FLOAT_EQ(item.position.x, 0.5f);
    while (item.position.y > -0.5f)
        item.Update();
    const float fall = item.velocity.y;
    item.Update();  // below -0.5 the pull stops
    EXPECT_EQ(item.velocity.y, fall);
    while (item.state == STATE_ACTIVE)
        item.Update();
    EXPECT_LT(item.position.y, -5.0f);
    EXPECT_GT(item.position.y - fall, -5.0f);
    CScoreItem low(0.0f, -1.02f, 0.0f);
    for (int i = 0; i < 10; ++i)
        low.Update();
    EXPECT_FLOAT_EQ(low.velocity.y, 0.05f);
    low.Update();
    EXPECT_FLOAT_EQ(low.velocity.y, 0.049f);
    CScoreItem high(2.0f, 4.5f, 0.0f);
    high.Draw();
    ASSERT_EQ(device.draws.size(), 1u);
    EXPECT_EQ(device.draws[0].type, PrimitiveType::LineStrip);  // the green outline
    EXPECT_FLOAT_EQ(device.draws[0].colorVertices[0].x, -0.2f);
    EXPECT_FLOAT_EQ(device.draws[0].state.material.emissive.g, 1.0f);
    EXPECT_FLOAT_EQ(device.draws[0].state.material.emissive.r, 0.0f);
    for (int i = 0; i < 20; ++i)
        high.Update();
    ASSERT_GT(high.position.y, 5.0f);
    device.ClearRecord();
    high.Draw();
    ASSERT_EQ(device.draws.size(), 1u);
    EXPECT_EQ(device.draws[0].type, PrimitiveType::TriangleStrip);  // the marker on the top edge
    EXPECT_FLOAT_EQ(device.draws[0].colorVertices[0].x, -0.375f);
    EXPECT_FLOAT_EQ(device.draws[0].state.world.m[3][0], 2.0f);
    EXPECT_FLOAT_EQ(device.draws[0].state.world.m[3][1], 4.5f);
}

}  // namespace
