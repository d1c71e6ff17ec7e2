#include "EffectsFixture.h"
#include "actors/PointParticles.h"
#include "actors/TriangleParticles.h"

#include <cmath>

namespace {

class ParticleSystemsTest : public EffectsFixture {
protected:
    // (0, speed) turned by the angle in half-turns.
    static void ExpectVelocity(const Vec3& v, double speed, double halfTurns)
    {
        const double a = halfTurns * 3.14159265358979;
        EXPECT_NEAR(v.x, -speed * std::sin(a), 1e-6);
        EXPECT_NEAR(v.y, speed * std::cos(a), 1e-6);
        EXPECT_EQ(v.z, 0.0f);
    }

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

TEST_F(ParticleSystemsTest, PointsDrawSpeedThenDirectionSparksTheirVelocityThenSpinAboutZYX)
{
    std::vector<float> r = ReferenceDraws(5);
    const Vec3 at{1.0f, 1.0f, 0.0f};
    points.Emit(&at, 0);
    points.Emit(&at, 2);
    ExpectVelocity(points.particles[0].velocity, (r[0] + 0.5) * 0.01, 2.0 * r[1]);
    ExpectVelocity(points.particles[1].velocity, (r[2] + 0.5) * 0.01, 2.0 * r[3]);
    EXPECT_EQ(RandomFloat(), r[4]);
    r = ReferenceDraws(14);
    const Vec3 east{2.0f, 0.0f, 0.0f};
    sparks.EmitBurst(&at, 1, 60);
    sparks.EmitDirected(&at, &east, 1);
    sparks.EmitAt(&at, &east);
    ASSERT_EQ(sparks.particles.size(), 3u);
    const TriangleParticle& burst = sparks.particles[0];
    ExpectVelocity(burst.velocity, (r[0] + 0.5) * 0.05, 2.0 * r[1]);
    EXPECT_TRUE(Near(burst.spin, {2.0f * r[4], 2.0f * r[3], 2.0f * r[2]}, 0.0));
    EXPECT_EQ(burst.totalLife, 60);
    // Thrown along +x: 0.5 half-turn back from +y, fanned by r × 0.8 - 0.4.
    const TriangleParticle& directed = sparks.particles[1];
    ExpectVelocity(directed.velocity, r[5] * 0.05 + 0.025, r[6] * 0.8 - 0.4 - 0.5);
    EXPECT_EQ(directed.spin.x, 2.0f * r[9]);
    const TriangleParticle& given = sparks.particles[2];
    EXPECT_EQ(given.velocity.x, 2.0f);
    EXPECT_TRUE(Near(given.spin, {2.0f * r[12], 2.0f * r[11], 2.0f * r[10]}, 0.0));
    EXPECT_EQ(given.life, 120);
    EXPECT_EQ(RandomFloat(), r[13]);
}

// Thrown points; a point at rest and a spark drifting at (0.01, 0.01) from the
// field, the first draw giving y.
TEST_F(ParticleSystemsTest, ThrownPointsAndFieldEmittersDrawInOrder)
{
    const std::vector<float> r = ReferenceDraws(10);
    const Vec3 at{1.0f, 2.0f, 0.0f};
    const Vec3 east{2.0f, 0.0f, 0.0f};
    points.EmitDirected(&at, &east, 1);
    points.EmitRandom();
    sparks.EmitRandom();
    ExpectVelocity(points.particles[0].velocity, r[0] * 0.05 + 0.025, r[1] * 0.8 - 0.4 - 0.5);
    const PointParticle& still = points.particles[1];
    const TriangleParticle& spark = sparks.particles[0];
    EXPECT_TRUE(Near(still.position, {r[3] * 10 - 5, r[2] * 10 - 5, 0}));
    EXPECT_TRUE(Near(still.velocity, {}));
    EXPECT_TRUE(Near(spark.position, {r[5] * 10 - 5, r[4] * 10 - 5, 0}));
    EXPECT_TRUE(Near(spark.velocity, {0.01f, 0.01f, 0}));
    EXPECT_EQ(spark.spin.z, 2.0f * r[6]);
    EXPECT_EQ(spark.life, 120);
    EXPECT_EQ(RandomFloat(), r[9]);
}

TEST_F(ParticleSystemsTest, SparksTumbleAboutXAndYAroundTheirCentre)
{
    const Vec3 at{1.0f, -1.0f, 2.0f};
    sparks.Emit(&at, 1);
    const Vec3 spin = sparks.particles[0].spin;
    for (int i = 0; i < 10; ++i)
        sparks.Update();
    const TriangleParticle& spark = sparks.particles[0];
    EXPECT_TRUE(Near(spark.spin, {spin.x + 0.5f, spin.y + 0.5f, spin.z}, 1e-5));
    sparks.Draw();
    for (const ColorVertex& corner : device.draws[0].colorVertices) {
        const Vec3 offset = Vec3{corner.x, corner.y, corner.z} - spark.position;
        EXPECT_NEAR(Vec3Length(offset), 0.025f, 1e-6f);
    }
}

}  // namespace
