#include "engine/VectorMath.h"

#include <cmath>

Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(const Vec3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }
Vec2 operator+(const Vec2& a, const Vec2& b) { return {a.x + b.x, a.y + b.y}; }
Vec2 operator-(const Vec2& a, const Vec2& b) { return {a.x - b.x, a.y - b.y}; }
Vec2 operator*(const Vec2& v, float s) { return {v.x * s, v.y * s}; }

float Vec3Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Vec3Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Vec3Length(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
float Vec2Length(const Vec2& v) { return std::sqrt(v.x * v.x + v.y * v.y); }

Vec3 Vec3Normalize(const Vec3& v)
{
    const float length = Vec3Length(v);
    if (length == 0.0f)
        return {};
    return {v.x / length, v.y / length, v.z / length};
}

Vec2 Vec2Normalize(const Vec2& v)
{
    const float length = Vec2Length(v);
    if (length == 0.0f)
        return {};
    return {v.x / length, v.y / length};
}

Vec3 Vec3Hermite(const Vec3& p0, const Vec3& t0, const Vec3& p1, const Vec3& t1, float s)
{
    const float s2 = s * s;
    const float s3 = s * s2;
    const float h1 = 2.0f * s3 - 3.0f * s2 + 1.0f;
    const float h2 = s3 - 2.0f * s2 + s;
    const float h3 = -2.0f * s3 + 3.0f * s2;
    const float h4 = s3 - s2;
    return {h1 * p0.x + h2 * t0.x + h3 * p1.x + h4 * t1.x,
            h1 * p0.y + h2 * t0.y + h3 * p1.y + h4 * t1.y,
            h1 * p0.z + h2 * t0.z + h3 * p1.z + h4 * t1.z};
}

Vec4 Vec3Transform(const Vec3& v, const Matrix& m)
{
    const auto& a = m.m;
    return {v.x * a[0][0] + v.y * a[1][0] + v.z * a[2][0] + a[3][0],
            v.x * a[0][1] + v.y * a[1][1] + v.z * a[2][1] + a[3][1],
            v.x * a[0][2] + v.y * a[1][2] + v.z * a[2][2] + a[3][2],
            v.x * a[0][3] + v.y * a[1][3] + v.z * a[2][3] + a[3][3]};
}

Vec3 Vec3TransformCoord(const Vec3& v, const Matrix& m)
{
    const Vec4 r = Vec3Transform(v, m);
    return {r.x / r.w, r.y / r.w, r.z / r.w};
}

Vec3 Vec3TransformNormal(const Vec3& v, const Matrix& m)
{
    const auto& a = m.m;
    return {v.x * a[0][0] + v.y * a[1][0] + v.z * a[2][0],
            v.x * a[0][1] + v.y * a[1][1] + v.z * a[2][1],
            v.x * a[0][2] + v.y * a[1][2] + v.z * a[2][2]};
}

Vec2 Vec2TransformNormal(const Vec2& v, const Matrix& m)
{
    const auto& a = m.m;
    return {v.x * a[0][0] + v.y * a[1][0], v.x * a[0][1] + v.y * a[1][1]};
}

Matrix MatrixIdentity()
{
    Matrix r;
    for (int i = 0; i < 4; ++i)
        r.m[i][i] = 1.0f;
    return r;
}

Matrix MatrixRotationX(float radians)
{
    const float c = std::cos(radians), s = std::sin(radians);
    Matrix r = MatrixIdentity();
    r.m[1][1] = c;
    r.m[1][2] = s;
    r.m[2][1] = -s;
    r.m[2][2] = c;
    return r;
}

Matrix MatrixRotationY(float radians)
{
    const float c = std::cos(radians), s = std::sin(radians);
    Matrix r = MatrixIdentity();
    r.m[0][0] = c;
    r.m[0][2] = -s;
    r.m[2][0] = s;
    r.m[2][2] = c;
    return r;
}

Matrix MatrixRotationZ(float radians)
{
    const float c = std::cos(radians), s = std::sin(radians);
    Matrix r = MatrixIdentity();
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

Matrix MatrixTranslation(float x, float y, float z)
{
    Matrix r = MatrixIdentity();
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

Matrix MatrixScaling(float x, float y, float z)
{
    Matrix r = MatrixIdentity();
    r.m[0][0] = x;
    r.m[1][1] = y;
    r.m[2][2] = z;
    return r;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b)
{
    Matrix r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] +
                        a.m[i][3] * b.m[3][j];
    return r;
}

Matrix MatrixTranspose(const Matrix& m)
{
    Matrix r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i][j] = m.m[j][i];
    return r;
}

namespace {

// Determinant of the 3 × 3 minor of m that leaves out row `row` and column `col`.
float Minor(const Matrix& m, int row, int col)
{
    float a[3][3];
    for (int i = 0, r = 0; i < 4; ++i) {
        if (i == row)
            continue;
        for (int j = 0, c = 0; j < 4; ++j) {
            if (j == col)
                continue;
            a[r][c++] = m.m[i][j];
        }
        ++r;
    }
    return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
           a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
           a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
}

} // namespace

bool MatrixInverse(Matrix* out, const Matrix& m)
{
    Matrix cofactor;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            cofactor.m[i][j] = ((i + j) % 2 == 0 ? 1.0f : -1.0f) * Minor(m, i, j);
    const float det = m.m[0][0] * cofactor.m[0][0] + m.m[0][1] * cofactor.m[0][1] +
                      m.m[0][2] * cofactor.m[0][2] + m.m[0][3] * cofactor.m[0][3];
    if (det == 0.0f)
        return false;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            out->m[i][j] = cofactor.m[j][i] / det;
    return true;
}

Matrix MatrixLookAtLH(const Vec3& eye, const Vec3& target, const Vec3& up)
{
    const Vec3 zaxis = Vec3Normalize(target - eye);
    const Vec3 xaxis = Vec3Normalize(Vec3Cross(up, zaxis));
    const Vec3 yaxis = Vec3Cross(zaxis, xaxis);
    Matrix r = MatrixIdentity();
    r.m[0][0] = xaxis.x;
    r.m[1][0] = xaxis.y;
    r.m[2][0] = xaxis.z;
    r.m[0][1] = yaxis.x;
    r.m[1][1] = yaxis.y;
    r.m[2][1] = yaxis.z;
    r.m[0][2] = zaxis.x;
    r.m[1][2] = zaxis.y;
    r.m[2][2] = zaxis.z;
    r.m[3][0] = -Vec3Dot(xaxis, eye);
    r.m[3][1] = -Vec3Dot(yaxis, eye);
    r.m[3][2] = -Vec3Dot(zaxis, eye);
    return r;
}

Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zn, float zf)
{
    const float yScale = 1.0f / std::tan(fovY / 2.0f);
    const float xScale = yScale / aspect;
    Matrix r;
    r.m[0][0] = xScale;
    r.m[1][1] = yScale;
    r.m[2][2] = zf / (zf - zn);
    r.m[2][3] = 1.0f;
    r.m[3][2] = -zn * zf / (zf - zn);
    return r;
}

bool operator==(const Matrix& a, const Matrix& b)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (a.m[i][j] != b.m[i][j])
                return false;
    return true;
}
