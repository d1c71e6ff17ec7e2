#include "engine/VectorMath.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectNear(const Vec3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-5f);
    EXPECT_NEAR(v.y, y, 1e-5f);
    EXPECT_NEAR(v.z, z, 1e-5f);
}

void ExpectNear(const Matrix& a, const Matrix& b)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(a.m[i][j], b.m[i][j], 1e-5f) << "at " << i << "," << j;
}

TEST(VectorMath, RotationsTurnAxesTheLeftHandedWay)
{
    // A quarter turn about z takes +x to +y and +y to -x (row vectors).
    ExpectNear(Vec3TransformNormal({1, 0, 0}, MatrixRotationZ(kPi / 2)), 0, 1, 0);
    ExpectNear(Vec3TransformNormal({0, 1, 0}, MatrixRotationZ(kPi / 2)), -1, 0, 0);
    // About x: +y to +z. About y: +z to +x.
    ExpectNear(Vec3TransformNormal({0, 1, 0}, MatrixRotationX(kPi / 2)), 0, 0, 1);
    ExpectNear(Vec3TransformNormal({0, 0, 1}, MatrixRotationY(kPi / 2)), 1, 0, 0);
}

TEST(VectorMath, MultiplyAppliesLeftMatrixFirst)
{
    const Matrix m = MatrixMultiply(MatrixRotationZ(kPi / 2), MatrixTranslation(10, 20, 30));
    ExpectNear(Vec3TransformCoord({1, 0, 0}, m), 10, 21, 30);
    // Normals ignore the translation.
    ExpectNear(Vec3TransformNormal({1, 0, 0}, m), 0, 1, 0);
}

TEST(VectorMath, TransformCoordDividesByW)
{
    Matrix m = MatrixIdentity();
    m.m[3][3] = 2.0f;
    ExpectNear(Vec3TransformCoord({2, 4, 6}, m), 1, 2, 3);
}

TEST(VectorMath, InverseUndoesAndSingularFails)
{
    const Matrix m = MatrixMultiply(MatrixMultiply(MatrixRotationX(0.3f), MatrixRotationY(1.1f)),
                                    MatrixTranslation(1, -2, 3));
    Matrix inv;
    ASSERT_TRUE(MatrixInverse(&inv, m));
    ExpectNear(MatrixMultiply(m, inv), MatrixIdentity());

    Matrix untouched = MatrixIdentity();
    EXPECT_FALSE(MatrixInverse(&untouched, MatrixScaling(1, 0, 1)));
    EXPECT_EQ(untouched, MatrixIdentity());
}

TEST(VectorMath, TransposeSwapsRowsAndColumns)
{
    const Matrix t = MatrixTranspose(MatrixTranslation(1, 2, 3));
    EXPECT_EQ(t.m[0][3], 1.0f);
    EXPECT_EQ(t.m[1][3], 2.0f);
    EXPECT_EQ(t.m[2][3], 3.0f);
    EXPECT_EQ(t.m[3][0], 0.0f);
}

TEST(VectorMath, NormalizeOfZeroIsZero)
{
    const Vec3 z = Vec3Normalize({0, 0, 0});
    EXPECT_EQ(z.x, 0.0f);
    EXPECT_EQ(z.y, 0.0f);
    EXPECT_EQ(z.z, 0.0f);
    const Vec2 z2 = Vec2Normalize({0, 0});
    EXPECT_EQ(z2.x, 0.0f);
    EXPECT_EQ(z2.y, 0.0f);
    ExpectNear(Vec3Normalize({3, 0, 4}), 0.6f, 0, 0.8f);
}

TEST(VectorMath, HermiteWithZeroTangentsEasesBetweenEnds)
{
    const Vec3 p0{0, 0, 0}, p1{4, 8, -4}, zero{};
    ExpectNear(Vec3Hermite(p0, zero, p1, zero, 0.0f), 0, 0, 0);
    ExpectNear(Vec3Hermite(p0, zero, p1, zero, 1.0f), 4, 8, -4);
    // 3s² − 2s³ at s = 0.25 is 0.15625.
    ExpectNear(Vec3Hermite(p0, zero, p1, zero, 0.25f), 0.625f, 1.25f, -0.625f);
    // Tangents: the s³ − 2s² + s weight at 0.5 is 0.125, the s³ − s² weight −0.125.
    ExpectNear(Vec3Hermite(p0, {8, 0, 0}, p0, {0, 8, 0}, 0.5f), 1, -1, 0);
}

TEST(VectorMath, LookAtLHMovesEyeToOriginLookingDownZ)
{
    const Vec3 eye{0, 0, -10};
    const Matrix view = MatrixLookAtLH(eye, {0, 0, 0}, {0, 1, 0});
    ExpectNear(Vec3TransformCoord(eye, view), 0, 0, 0);
    ExpectNear(Vec3TransformCoord({0, 0, 0}, view), 0, 0, 10);
    ExpectNear(Vec3TransformCoord({1, 2, 0}, view), 1, 2, 10);

    // Looking along +x from the origin: +x is depth, +z comes out to the left (-x view).
    const Matrix side = MatrixLookAtLH({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    ExpectNear(Vec3TransformCoord({5, 0, 0}, side), 0, 0, 5);
    ExpectNear(Vec3TransformCoord({0, 0, 1}, side), -1, 0, 0);
}

TEST(VectorMath, PerspectiveFovLHMapsNearAndFarToZeroAndOne)
{
    const Matrix p = MatrixPerspectiveFovLH(kPi / 2, 2.0f, 1.0f, 11.0f);
    EXPECT_NEAR(p.m[0][0], 0.5f, 1e-6f);  // cot(45°) / aspect
    EXPECT_NEAR(p.m[1][1], 1.0f, 1e-6f);
    EXPECT_NEAR(p.m[2][2], 1.1f, 1e-6f);  // zf / (zf − zn)
    EXPECT_NEAR(p.m[3][2], -1.1f, 1e-6f); // −zn·zf / (zf − zn)
    EXPECT_EQ(p.m[2][3], 1.0f);
    EXPECT_EQ(p.m[3][3], 0.0f);
    EXPECT_NEAR(Vec3TransformCoord({0, 0, 1}, p).z, 0.0f, 1e-6f);
    EXPECT_NEAR(Vec3TransformCoord({0, 0, 11}, p).z, 1.0f, 1e-6f);
    EXPECT_NEAR(Vec3TransformCoord({4, 2, 2}, p).x, 1.0f, 1e-6f);
}

} // namespace
