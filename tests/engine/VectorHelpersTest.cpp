#include "engine/VectorHelpers.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(VectorHelpers, HeadingOfTheFourAxesAndZero)
{
    const struct {
        Vec2 d;
        float heading;
    } cases[] = {{{0, 1}, 2.0f}, {{-1, 0}, 0.5f}, {{0, -1}, 1.0f}, {{1, 0}, 1.5f}, {{0, 0}, 0.0f},
                 {{0, 3}, 2.0f}, {{-2, 2}, 0.25f}};
    for (const auto& c : cases) {
        const float h = HeadingOf(&c.d);
        EXPECT_NEAR(h, c.heading, 1e-6f) << c.d.x << ' ' << c.d.y;
        EXPECT_GT(h == 0.0f ? 1.0f : h, 0.0f);
    }
    // Directions that normalise to a cosine just past 1 must not give NaN.
    for (float y = 1e-7f; y < 1e-3f; y *= 3.0f) {
        const Vec2 d{0.7f, y};
        EXPECT_FALSE(std::isnan(HeadingOf(&d)));
    }
}

TEST(VectorHelpers, HeadingMatrixTurnsPlusYOntoTheDirection)
{
    const Vec2 directions[] = {{1, 1}, {-3, 0.5f}, {0.2f, -4}};
    for (const Vec2& d : directions) {
        Matrix m;
        HeadingMatrix(&m, &d);
        const Vec3 forward = Vec3TransformNormal({0, 1, 0}, m);
        const Vec2 n = Vec2Normalize(d);
        EXPECT_NEAR(forward.x, n.x, 1e-5f);
        EXPECT_NEAR(forward.y, n.y, 1e-5f);
    }
    Matrix m;
    const Vec2 zero{};
    HeadingMatrix(&m, &zero);
    EXPECT_EQ(m, MatrixIdentity());
}

TEST(VectorHelpers, AngleBetweenAndZeroVectors)
{
    const Vec3 a{1, 0, 0}, b{-2, 0, 0}, up{0, 3, 0}, zero{};
    EXPECT_EQ(AngleBetween(&a, &a), 0.0);
    EXPECT_NEAR(AngleBetween(&a, &b), 3.14159265358979, 1e-12);
    EXPECT_NEAR(AngleBetween(&a, &up), 3.14159265358979 / 2, 1e-12);
    EXPECT_NEAR(AngleBetween(&a, &zero), 3.14159265358979 / 2, 1e-12);
    const Vec3 odd{0.1f, 0.7f, 0.3f};
    EXPECT_FALSE(std::isnan(AngleBetween(&odd, &odd)));
    Vec3 v = zero;
    VecNormalizeScale(&v, 5);
    EXPECT_EQ(v.x, 0.0f);
    EXPECT_FALSE(std::isnan(v.y));
    Vec3 w{3, 4, 0};
    VecNormalizeScale(&w, 10);
    EXPECT_FLOAT_EQ(w.x, 6.0f);
    EXPECT_FLOAT_EQ(w.y, 8.0f);
}

TEST(VectorHelpers, RandomEdgePointLiesOutsideTheFieldAndDrawsInOrder)
{
    SeedRandom(1024);
    for (int i = 0; i < 2000; i++) {
        Vec3 p{1, 1, 1};
        RandomEdgePoint(&p);
        ASSERT_EQ(p.z, 0.0f);
        ASSERT_TRUE(std::fabs(p.x) >= 10.0f || std::fabs(p.y) >= 10.0f);
        ASSERT_LE(std::fabs(p.x), 15.0f);
        ASSERT_LE(std::fabs(p.y), 15.0f);
    }
    // Coin, position along the edge, second coin, depth beyond the edge.
    SeedRandom(99);
    const int side = RandomInt(2);
    const float along = RandomFloat();
    const int end = RandomInt(2);
    const float depth = RandomFloat();
    const float next = RandomFloat();
    SeedRandom(99);
    Vec3 p;
    RandomEdgePoint(&p);
    const float across = side == 0 ? p.x : p.y;
    const float beyond = side == 0 ? p.y : p.x;
    EXPECT_EQ(across, along * 20.0f - 10.0f);
    EXPECT_EQ(beyond, end == 0 ? 15.0f - depth * 5.0f : depth * 5.0f - 15.0f);
    EXPECT_EQ(RandomFloat(), next);
}

TEST(VectorHelpers, TurningPointsAboutAxesInOrder)
{
    // About x, then y: (0, 1, 0) goes to +z, then to +x. Angles are in half turns.
    Vec3 a{1, 0, 0}, b{0, 1, 0}, c{1, 0, 0}, z{1, 0, 5}, flat{9, 9, 9};
    RotateXYZ(&a, 0.0f, 0.0f, 0.5f);
    RotateXYZ(&b, 0.5f, 0.5f, 0.0f);
    RotateAboutY(&c, 0.5f);
    RotateZ(&z, 0.5f);
    const Vec2 in{0, 2};
    Rotate2D(&flat, &in, 1.0f);
    Matrix world;
    BuildWorldMatrix(&world, 0.0f, 0.0f, kPi / 2, 2.0f, 3.0f, 4.0f);
    const Vec3 got[] = {a, b, c, Vec3TransformCoord({1, 0, 0}, world), z, flat};
    const Vec3 expected[] = {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}, {2, 4, 4}, {0, 1, 5}, {0, -2, 0}};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(Vec3Length(got[i] - expected[i]), 0.0f, 1e-6f) << i;
}
