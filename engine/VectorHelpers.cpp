#include "engine/VectorHelpers.h"

#include "engine/Random.h"

#include <algorithm>
#include <cmath>

Vec3 g_zeroVector;

namespace {

constexpr double kPiDouble = 3.14159265358979323846;

// Rounding can push a cosine just past ±1, where acos has no value.
double ClampedAcos(double c) { return std::acos(std::clamp(c, -1.0, 1.0)); }

}  // namespace

void VecSet(Vec3* v, float x, float y, float z) { *v = {x, y, z}; }

void VecInit(Vec3* v, float x, float y, float z) { VecSet(v, x, y, z); }

void Vec2Set(Vec2* v, float x, float y) { *v = {x, y}; }

Vec3* VecCopy(Vec3* out, const Vec3* in)
{
    *out = *in;
    return out;
}

void VecAdd(Vec3* v, const Vec3* w) { *v = *v + *w; }

void VecScale(Vec3* v, float s) { *v = *v * s; }

Vec3* VecScaled(Vec3* out, const Vec3* v, float s)
{
    *out = *v * s;
    return out;
}

Vec2* Vec2Scaled(Vec2* out, const Vec2* v, float s)
{
    *out = *v * s;
    return out;
}

double VecDot(const Vec3* a, const Vec3* b) { return Vec3Dot(*a, *b); }

float VecLength(const Vec3* v) { return Vec3Length(*v); }

float Distance(const Vec3* a, const Vec3* b) { return Vec3Length(*a - *b); }

void VecNormalizeScale(Vec3* v, float length) { *v = Vec3Normalize(*v) * length; }

void Vec2NormalizeScale(Vec2* v, float length) { *v = Vec2Normalize(*v) * length; }

void ColorSet(Color* out, float a, float r, float g, float b) { *out = {r, g, b, a}; }

void ColorCopy(Color* out, const Color* in) { *out = *in; }

void RotateZVector(Vec3* v, float angle) { *v = Vec3TransformNormal(*v, MatrixRotationZ(angle * kPi)); }

void RotateZ(Vec3* v, float angle) { RotateZVector(v, angle); }

void Rotate2D(Vec3* out, const Vec2* in, float angle)
{
    const Vec2 turned = Vec2TransformNormal(*in, MatrixRotationZ(angle * kPi));
    *out = {turned.x, turned.y, 0.0f};
}

void Rotate2DCopy(Vec3* out, const Vec2* in, float angle) { Rotate2D(out, in, angle); }

void Rotate2DInPlace(Vec2* v, float angle) { *v = Vec2TransformNormal(*v, MatrixRotationZ(angle * kPi)); }

void MatrixMultiplyAssign(Matrix* m, const Matrix* n) { *m = MatrixMultiply(*m, *n); }

void HeadingMatrix(Matrix* out, const Vec2* direction)
{
    const Vec2 n = Vec2Normalize(*direction);
    *out = MatrixRotationZ(HeadingOf(&n) * kPi);
}

float HeadingOf(const Vec2* d)
{
    if (d->x == 0.0f && d->y == 0.0f)
        return 0.0f;
    const Vec2 n = Vec2Normalize(*d);
    double a = ClampedAcos(static_cast<double>(n.x) / Vec2Length(n)) / kPiDouble;
    if (n.y <= 0.0f)
        a = 2.0 - a;
    a = a - 0.5;
    if (a <= 0.0)
        a = a + 2.0;
    return static_cast<float>(a);
}

double AngleBetween(const Vec3* a, const Vec3* b)
{
    const double lengths = static_cast<double>(VecLength(a)) * VecLength(b);
    if (lengths == 0.0)
        return kPiDouble / 2.0;
    return ClampedAcos(VecDot(a, b) / lengths);
}

// The draws come in a fixed order: replays depend on it.
void RandomEdgePoint(Vec3* out)
{
    out->z = 0.0f;
    const int side = RandomInt(2);
    const float along = RandomFloat();
    const int end = RandomInt(2);
    const float depth = RandomFloat();
    const float across = along * 20.0f - 10.0f;
    const float beyond = end == 0 ? 15.0f - depth * 5.0f : depth * 5.0f - 15.0f;
    if (side == 0) {
        out->x = across;
        out->y = beyond;
    } else {
        out->y = across;
        out->x = beyond;
    }
}

void BuildWorldMatrix(Matrix* out, float rx, float ry, float rz, float tx, float ty, float tz)
{
    const Matrix turn = MatrixMultiply(MatrixMultiply(MatrixRotationX(rx), MatrixRotationY(ry)), MatrixRotationZ(rz));
    *out = MatrixMultiply(turn, MatrixTranslation(tx, ty, tz));
}

void RotateAboutY(Vec3* v, float angle) { *v = Vec3TransformCoord(*v, MatrixRotationY(angle * kPi)); }

void RotateXYZ(Vec3* v, float x, float y, float z)
{
    Matrix turn;
    BuildWorldMatrix(&turn, x * kPi, y * kPi, z * kPi, 0.0f, 0.0f, 0.0f);
    *v = Vec3TransformCoord(*v, turn);
}

void ResetZeroVector() { g_zeroVector = {0.0f, 0.0f, 0.0f}; }
