// Small vector, matrix and colour types with the conventions the game is
// written in: row vectors (a point times a matrix), left-handed coordinates,
// single precision. A row-major Matrix in memory is exactly what OpenGL's
// glLoadMatrixf expects for its column vectors.
#pragma once

struct Vec2 {
    float x = 0.0f, y = 0.0f;
};

struct Vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

struct Vec4 {
    float x = 0.0f, y = 0.0f, z = 0.0f, w = 0.0f;
};

// Colour components in the order r, g, b, a, each 0..1.
struct Color {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
};

struct Matrix {
    float m[4][4] = {};
};

// Single-precision pi, as every angle conversion uses it.
inline constexpr float kPi = 3.1415927f;

Vec3 operator+(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a, const Vec3& b);
Vec3 operator*(const Vec3& v, float s);
Vec2 operator+(const Vec2& a, const Vec2& b);
Vec2 operator-(const Vec2& a, const Vec2& b);
Vec2 operator*(const Vec2& v, float s);

float Vec3Dot(const Vec3& a, const Vec3& b);
Vec3 Vec3Cross(const Vec3& a, const Vec3& b);
float Vec3Length(const Vec3& v);
float Vec2Length(const Vec2& v);
// A zero vector normalises to zero, never to NaN.
Vec3 Vec3Normalize(const Vec3& v);
Vec2 Vec2Normalize(const Vec2& v);
// Cubic Hermite spline through p0 (tangent t0) and p1 (tangent t1) at s.
Vec3 Vec3Hermite(const Vec3& p0, const Vec3& t0, const Vec3& p1, const Vec3& t1, float s);
// (x, y, z, 1) times m, divided by the resulting w.
Vec3 Vec3TransformCoord(const Vec3& v, const Matrix& m);
// (x, y, z, 0) times m: directions and normals, no translation.
Vec3 Vec3TransformNormal(const Vec3& v, const Matrix& m);
// (x, y, z, 1) times m, without the divide.
Vec4 Vec3Transform(const Vec3& v, const Matrix& m);
Vec2 Vec2TransformNormal(const Vec2& v, const Matrix& m);

Matrix MatrixIdentity();
Matrix MatrixRotationX(float radians);
Matrix MatrixRotationY(float radians);
Matrix MatrixRotationZ(float radians);
Matrix MatrixTranslation(float x, float y, float z);
Matrix MatrixScaling(float x, float y, float z);
// a × b: applies a first, then b.
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
Matrix MatrixTranspose(const Matrix& m);
// False (and out untouched) when m is singular.
bool MatrixInverse(Matrix* out, const Matrix& m);
// Left-handed view matrix looking from eye at target.
Matrix MatrixLookAtLH(const Vec3& eye, const Vec3& target, const Vec3& up);
// Left-handed perspective projection mapping depth zn..zf to 0..1.
Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zn, float zf);

bool operator==(const Matrix& a, const Matrix& b);
