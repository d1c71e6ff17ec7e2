// Helpers on vectors, matrices and colours that actors use to place, aim and
// turn things. Angles are half-turns (1.0 = 180 degrees) unless a function
// says radians. Outputs come first, as in the matrix library.
#pragma once

#include "engine/VectorMath.h"

// A zero vector to pass by pointer.
extern Vec3 g_zeroVector;

void VecSet(Vec3* v, float x, float y, float z);
void VecInit(Vec3* v, float x, float y, float z);
void Vec2Set(Vec2* v, float x, float y);
Vec3* VecCopy(Vec3* out, const Vec3* in);
void VecAdd(Vec3* v, const Vec3* w);
void VecScale(Vec3* v, float s);
Vec3* VecScaled(Vec3* out, const Vec3* v, float s);
Vec2* Vec2Scaled(Vec2* out, const Vec2* v, float s);
double VecDot(const Vec3* a, const Vec3* b);
float VecLength(const Vec3* v);
float Distance(const Vec3* a, const Vec3* b);
// v becomes a direction of the given length; a zero vector stays zero.
void VecNormalizeScale(Vec3* v, float length);
void Vec2NormalizeScale(Vec2* v, float length);
// The alpha comes first in the arguments and last in the colour.
void ColorSet(Color* out, float a, float r, float g, float b);
void ColorCopy(Color* out, const Color* in);

// Turns v about z in place.
void RotateZVector(Vec3* v, float angle);
void RotateZ(Vec3* v, float angle);
// out.xy = in turned about z; out.z = 0.
void Rotate2D(Vec3* out, const Vec2* in, float angle);
void Rotate2DCopy(Vec3* out, const Vec2* in, float angle);
void Rotate2DInPlace(Vec2* v, float angle);
// m = m × n.
void MatrixMultiplyAssign(Matrix* m, const Matrix* n);
// Turns a model whose forward axis is +y to face direction (identity for a zero direction).
void HeadingMatrix(Matrix* out, const Vec2* direction);

// The z rotation that turns +y onto d, in (0, 2]; 0 for a zero vector.
float HeadingOf(const Vec2* d);
// The angle between a and b in radians; pi / 2 when either is zero.
double AngleBetween(const Vec3* a, const Vec3* b);
// A random point just outside the visible field, in the plane z = 0.
void RandomEdgePoint(Vec3* out);

// Helpers no part of the game calls.
// RotationX × RotationY × RotationZ × Translation, the angles in radians.
void BuildWorldMatrix(Matrix* out, float rx, float ry, float rz, float tx, float ty, float tz);
// Turns the point v about y in place.
void RotateAboutY(Vec3* v, float angle);
// Turns the point v by RotationX × RotationY × RotationZ of the three angles.
void RotateXYZ(Vec3* v, float x, float y, float z);
void ResetZeroVector();
