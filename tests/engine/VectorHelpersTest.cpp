#include "engine/VectorHelpers.h"

#include "engine/Random.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectNear(const Vec3& got, const Vec3& expected, const char* what)
{
    EXPECT_NEAR(Vec3Length(got - expected), 0.0f, 1e-5f) << what << ": " << got.x << ' ' << got.y << ' ' << got.z;
}

}  // namespace

TEST(VectorHelpers, HeadingOfTheFourAxesAndZero)
{
    const struct {
        Vec2 d;
        float heading;
    } cases[] = {{{0, 1}, 2.0f}, {{-1, 0}, 0.5f}, {{0, -1}, 1.0f}, {{1, 0}, 1.5f}, {{0, 0}, 0.0f},
                 {{0, 3}, 2.0f}, {{-2, 2}, 0.25f}, {{1, 1}, 1.75f}};
    for (const auto& c : cases) {
        EXPECT_NEAR(HeadingOf(&c.d), c.heading, 1e-6f) << c.d.x << ' ' << c.d.y;
        Matrix m;
        HeadingMatrix(&m, &c.d);
        const Vec2 n = c.heading == 0.0f ? Vec2{0, 1} : Vec2Normalize(c.d);  // identity for a zero direction
        ExpectNear(Vec3TransformNormal({0, 1, 0}, m), {n.x, n.y, 0}, "heading matrix turns +y onto d");
    }
    // Directions that normalise to a cosine just past 1 must not give NaN.
    for (float y = 1e-7f; y < 1e-3f; y *= 3.0f) {
        const Vec2 d{0.7f, y};
        EXPECT_FALSE(std::isnan(HeadingOf(&d)));
    }
}

TEST(VectorHelpers, AngleBetweenAndZeroVectors)
{
    const Vec3 a{1, 0, 0}, b{-2, 0, 0}, up{0, 3, 0}, zero{}, odd{0.1f, 0.7f, 0.3f};
    const double pi = 3.14159265358979;
    EXPECT_EQ(AngleBetween(&a, &a), 0.0);
    EXPECT_NEAR(AngleBetween(&a, &b), pi, 1e-12);
    EXPECT_NEAR(AngleBetween(&a, &up), pi / 2, 1e-12);
    EXPECT_NEAR(AngleBetween(&zero, &a), pi / 2, 1e-12);
    EXPECT_FALSE(std::isnan(AngleBetween(&odd, &odd)));
    Vec3 v = zero, w{3, 4, 0};
    VecNormalizeScale(&v, 5);
    VecNormalizeScale(&w, 10);
    ExpectNear(v, zero, "a zero vector stays zero");
    ExpectNear(w, {6, 8, 0}, "scaled to length");
}

// Helpers nothing in the game calls, each against its plain meaning.
TEST(VectorHelpers, SmallHelpers)
{
    const Vec3 a{1, 2, 3}, b{-4, 0.5f, 2};
    Vec3 v{}, w{};
    VecSet(&v, 1, 2, 3);
    ExpectNear(v, a, "VecSet");
    VecInit(&w, -4, 0.5f, 2);
    ExpectNear(w, b, "VecInit");
    ExpectNear(*VecCopy(&v, &b), b, "VecCopy");
    VecAdd(&v, &a);
    ExpectNear(v, {-3, 2.5f, 5}, "VecAdd");
    VecScale(&v, 2);
    ExpectNear(v, {-6, 5, 10}, "VecScale");
    ExpectNear(*VecScaled(&w, &a, -2), {-2, -4, -6}, "VecScaled");
    EXPECT_EQ(VecDot(&a, &b), 3.0);
    EXPECT_FLOAT_EQ(VecLength(&w), std::sqrt(56.0f));
    EXPECT_FLOAT_EQ(Distance(&a, &b), std::sqrt(25.0f + 2.25f + 1.0f));
    Vec2 p{}, q{};
    Vec2Set(&p, 3, -4);
    Vec2Scaled(&q, &p, 0.5f);
    Vec2NormalizeScale(&p, 10);
    ExpectNear({p.x, p.y, q.x}, {6, -8, 1.5f}, "Vec2Set, Vec2Scaled, Vec2NormalizeScale");
    EXPECT_EQ(q.y, -2.0f);
    Color c{}, d{};
    ColorSet(&c, 0.25f, 0.5f, 0.75f, 1.0f);
    ColorCopy(&d, &c);
    EXPECT_EQ(std::vector<float>({d.r, d.g, d.b, d.a}), std::vector<float>({0.5f, 0.75f, 1.0f, 0.25f}));
    g_zeroVector = a;
    ResetZeroVector();
    ExpectNear(g_zeroVector, {}, "ResetZeroVector");
}

TEST(VectorHelpers, RandomEdgePointLiesOutsideTheFieldAndDrawsInOrder)
{
    SeedRandom(1024);
    for (int i = 0; i < 2000; i++) {
        Vec3 p{1, 1, 1};
        RandomEdgePoint(&p);
        ASSERT_EQ(p.z, 0.0f);
        ASSERT_TRUE(std::fabs(p.x) >= 10.0f || std::fabs(p.y) >= 10.0f);
        ASSERT_LE(std::max(std::fabs(p.x), std::fabs(p.y)), 15.0f);
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
    EXPECT_EQ(side == 0 ? p.x : p.y, along * 20.0f - 10.0f);
    EXPECT_EQ(side == 0 ? p.y : p.x, end == 0 ? 15.0f - depth * 5.0f : depth * 5.0f - 15.0f);
    EXPECT_EQ(RandomFloat(), next);
}

TEST(VectorHelpers, TurningPointsAboutAxesInOrder)
{
    // About x, then y: (0, 1, 0) goes to +z, then to +x. Angles are in half turns.
    Vec3 a{1, 0, 0}, b{0, 1, 0}, c{1, 0, 0}, z{1, 0, 5}, zv{0, 2, 1}, flat{9, 9, 9}, copy{9, 9, 9};
    RotateXYZ(&a, 0.0f, 0.0f, 0.5f);
    RotateXYZ(&b, 0.5f, 0.5f, 0.0f);
    RotateAboutY(&c, 0.5f);
    RotateZ(&z, 0.5f);
    RotateZVector(&zv, -0.5f);
    const Vec2 in{0, 2};
    Rotate2D(&flat, &in, 1.0f);
    Rotate2DCopy(&copy, &in, 0.5f);
    Vec2 turned{1, 0};
    Rotate2DInPlace(&turned, 0.25f);
    Matrix world, product = MatrixRotationZ(kPi / 2);
    BuildWorldMatrix(&world, 0.0f, 0.0f, kPi / 2, 2.0f, 3.0f, 4.0f);
    const Matrix move = MatrixTranslation(2, 3, 4);
    MatrixMultiplyAssign(&product, &move);
    const Vec3 got[] = {a, b, c, Vec3TransformCoord({1, 0, 0}, world), z, zv, flat, copy,
                        {turned.x, turned.y, 0}, Vec3TransformCoord({1, 0, 0}, product)};
    const Vec3 expected[] = {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}, {2, 4, 4}, {0, 1, 5}, {2, 0, 1}, {0, -2, 0},
                             {-2, 0, 0}, {0.70710678f, 0.70710678f, 0}, {2, 4, 4}};
    for (int i = 0; i < 10; ++i)
        ExpectNear(got[i], expected[i], std::to_string(i).c_str());
}
