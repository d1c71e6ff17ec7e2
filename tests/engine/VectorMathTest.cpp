#include "engine/VectorMath.h"

#include <gtest/gtest.h>

namespace {

void ExpectNear(const Vec3& v, const Vec3& expected)
{
    EXPECT_NEAR(v.x, expected.x, 1e-5f);
    EXPECT_NEAR(v.y, expected.y, 1e-5f);
    EXPECT_NEAR(v.z, expected.z, 1e-5f);
}

// Rotations and the camera show in the journals' draw digests; projections and w do not.
TEST(VectorMath, PointsAndNormalsThroughTheTransforms)
{
    const Matrix quarterZ = MatrixRotationZ(kPi / 2);
    const Matrix turnThenMove = MatrixMultiply(quarterZ, MatrixTranslation(10, 20, 30));
    Matrix halfW = MatrixIdentity();
    halfW.m[3][3] = 2.0f;
    const Matrix perspective = MatrixPerspectiveFovLH(kPi / 2, 2.0f, 1.0f, 11.0f);
    const struct {
        const char* name;
        Vec3 in;
        Matrix m;
        bool point;  // else a normal
        Vec3 out;
    } cases[] = {
        {"normals ignore the translation", {1, 0, 0}, turnThenMove, false, {0, 1, 0}},
        {"points are divided by w", {2, 4, 6}, halfW, true, {1, 2, 3}},
        {"looking down with +z up", {0, 1, 1}, MatrixLookAtLH({0, 10, 0}, {0, 0, 0}, {0, 0, 1}), true, {0, 1, 9}},
        {"the near plane is depth 0", {0, 0, 1}, perspective, true, {0, 0, 0}},
        {"the far plane is depth 1", {0, 0, 11}, perspective, true, {0, 0, 1}},
        // cot(45°) / aspect 2 across, 1 up; depth 11 / 10 * (1 - 1 / 2).
        {"and the edges of the view are 1", {4, 2, 2}, perspective, true, {1, 1, 0.55f}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectNear(c.point ? Vec3TransformCoord(c.in, c.m) : Vec3TransformNormal(c.in, c.m), c.out);
    }
}

TEST(VectorMath, InverseTransposeAndNormalize)
{
    const Matrix m = MatrixMultiply(MatrixMultiply(MatrixRotationX(0.3f), MatrixRotationY(1.1f)),
                                    MatrixTranslation(1, -2, 3));
    Matrix inv;
    ASSERT_TRUE(MatrixInverse(&inv, m));
    const Matrix product = MatrixMultiply(m, inv);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(product.m[i / 4][i % 4], i % 5 == 0 ? 1.0f : 0.0f, 1e-5f) << i;
    Matrix untouched = MatrixIdentity();
    EXPECT_FALSE(MatrixInverse(&untouched, MatrixScaling(1, 0, 1)));
    EXPECT_EQ(untouched, MatrixIdentity());
    const Matrix t = MatrixTranspose(MatrixTranslation(1, 2, 3));
    ExpectNear({t.m[0][3], t.m[1][3], t.m[2][3]}, {1, 2, 3});
    EXPECT_EQ(t.m[3][0], 0.0f);
    const Vec3 zero = Vec3Normalize({0, 0, 0});
    EXPECT_TRUE(zero.x == 0.0f && zero.y == 0.0f && zero.z == 0.0f);
    const Vec2 zero2 = Vec2Normalize({0, 0});
    EXPECT_TRUE(zero2.x == 0.0f && zero2.y == 0.0f);
    ExpectNear(Vec3Normalize({3, 0, 4}), {0.6f, 0, 0.8f});
}

}  // namespace
