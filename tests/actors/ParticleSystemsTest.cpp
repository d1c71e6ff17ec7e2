#include "EffectsFixture.h"
#include "actors/PointParticles.h"
#include "actors/TriangleParticles.h"

namespace {

class ParticleSystemsTest : public EffectsFixture {
protected:
    CPointParticles points;
    CTriangleParticles sparks;
};

TEST_F(ParticleSystemsTest, ParticleIsDrawnAtAlphaZeroWhenItDiesGoneAfterTheNextUpdateAndOnlyTheFirst1024Drawn)
{
    const Vec3 at{1.0f, 2.0f, 0.0f};
    const Vec3 still{};
    points.Emit(&at, 1);
    sparks.EmitAt(&at, &still);
    for (int step = 1; step <= 120; ++step) {
        points.Update();
        sparks.Update();
        ASSERT_EQ(points.particles[0].dead, step == 120);
        ASSERT_EQ(sparks.particles[0].dead, step == 120);
    }
    device.ClearRecord();
    points.Draw();
    sparks.Draw();
    ASSERT_EQ(device.draws.size(), 2u);
    EXPECT_EQ(device.draws[0].type, PrimitiveType::PointList);
    EXPECT_EQ(AlphaByte(device.draws[0]), 0u);
    EXPECT_EQ(AlphaByte(device.draws[1]), 0u);
    points.Update();
    sparks.Update();
    EXPECT_TRUE(points.particles.empty());
    EXPECT_TRUE(sparks.particles.empty());
    // With nothing left, drawing touches no state at all.
    device.ClearRecord();
    points.Draw();
    sparks.Draw();
    EXPECT_TRUE(device.calls.empty());
    const Vec3 origin{};
    sparks.EmitBurst(&origin, 1500, 60);
    points.Emit(&origin, 1500);
    points.Draw();
    sparks.Draw();
    ASSERT_EQ(device.draws.size(), 2u);
    EXPECT_EQ(device.draws[0].primitiveCount, 1024);
    EXPECT_EQ(device.draws[1].primitiveCount, 1024);
    EXPECT_EQ(device.draws[1].colorVertices.size(), 3072u);
    EXPECT_EQ(AlphaByte(device.draws[1]), 255u);
    EXPECT_FALSE(device.draws[1].state.fog);
    points.Update();
    sparks.Update();
    EXPECT_EQ(sparks.particles[1499].position.x, sparks.particles[1499].velocity.x);
    EXPECT_EQ(points.particles[1499].position.y, points.particles[1499].velocity.y);
    EXPECT_EQ(sparks.particles[1499].life, 59);
}

}  // namespace
