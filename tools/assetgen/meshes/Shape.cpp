#include "tools/assetgen/meshes/Shape.h"

#include <utility>

float SignedVolume6(const Shape& shape)
{
    double sum = 0.0;
    for (const auto& t : shape.triangles) {
        const Vec3& a = shape.points[t[0]];
        const Vec3& b = shape.points[t[1]];
        const Vec3& c = shape.points[t[2]];
        sum += static_cast<double>(Vec3Dot(a, Vec3Cross(b, c)));
    }
    return static_cast<float>(sum);
}

Shape Reversed(const Shape& shape)
{
    Shape result = shape;
    for (auto& t : result.triangles)
        std::swap(t[1], t[2]);
    return result;
}

Shape Outward(const Shape& shape) { return SignedVolume6(shape) < 0.0f ? Reversed(shape) : shape; }

Shape Transformed(const Shape& shape, const Matrix& m)
{
    Shape result = shape;
    for (Vec3& p : result.points)
        p = Vec3TransformCoord(p, m);
    const auto& a = m.m;
    const float determinant = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                              a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                              a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    return determinant < 0.0f ? Reversed(result) : result;
}

Shape Moved(const Shape& shape, Vec3 offset)
{
    return Transformed(shape, MatrixTranslation(offset.x, offset.y, offset.z));
}

Shape MirroredX(const Shape& shape) { return Transformed(shape, MatrixScaling(-1.0f, 1.0f, 1.0f)); }

Shape Paired(const Shape& shape) { return Merged(shape, MirroredX(shape)); }

Shape Merged(const Shape& a, const Shape& b)
{
    Shape result = a;
    const int base = static_cast<int>(a.points.size());
    result.points.insert(result.points.end(), b.points.begin(), b.points.end());
    for (const auto& t : b.triangles)
        result.triangles.push_back({t[0] + base, t[1] + base, t[2] + base});
    return result;
}
