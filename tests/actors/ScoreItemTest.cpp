#include "EnemySideFixture.h"

#include "actors/ScoreItem.h"

#include <tuple>

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
    EXPECT_EQ(std::tuple(topFrame, item.position.x), std::tuple(50, 0.5f));
    EXPECT_NEAR(top, 1.275f, 1e-4);  // 0.05 + 0.049 + ... + 0.001
    while (item.position.y > -0.5f)
        item.Update();
    const float fall = item.velocity.y;
    item.Update();  // below -0.5 the pull stops
    EXPECT_EQ(item.velocity.y, fall);
    while (item.state == STATE_ACTIVE)
        item.Update();
    EXPECT_TRUE(item.position.y < -5.0f && item.position.y - fall > -5.0f);
    CScoreItem low(0.0f, -1.02f, 0.0f);
    for (int i = 0; i < 10; ++i)
        low.Update();
    EXPECT_FLOAT_EQ(low.velocity.y, 0.05f);
    low.Update();
    EXPECT_FLOAT_EQ(low.velocity.y, 0.049f);
    CScoreItem high(2.0f, 4.5f, 0.0f);
    high.Draw();
    ASSERT_EQ(device.draws.size(), 1u);
    const RecordedDraw& outline = device.draws[0];  // green
    EXPECT_EQ(std::tuple(outline.type, outline.colorVertices[0].x, outline.state.material.emissive.g,
                         outline.state.material.emissive.r),
              std::tuple(PrimitiveType::LineStrip, -0.2f, 1.0f, 0.0f));
    for (int i = 0; i < 20; ++i)
        high.Update();
    ASSERT_GT(high.position.y, 5.0f);
    device.ClearRecord();
    high.Draw();
    ASSERT_EQ(device.draws.size(), 1u);
    const RecordedDraw& marker = device.draws[0];  // on the top edge
    const Matrix& place = marker.state.world;
    EXPECT_EQ(std::tuple(marker.type, marker.colorVertices[0].x, place.m[3][0], place.m[3][1]),
              std::tuple(PrimitiveType::TriangleStrip, -0.375f, 2.0f, 4.5f));
}

}  // namespace
