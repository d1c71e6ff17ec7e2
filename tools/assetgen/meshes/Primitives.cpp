#include "tools/assetgen/meshes/Primitives.h"

#include <cmath>
#include <map>
#include <utility>

namespace {

Vec3 Place(Vec2 p, float w, Axis axis)
{
    switch (axis) {
    case Axis::X:
        return {w, p.x, p.y};
    case Axis::Y:
        return {p.x, w, p.y};
    case Axis::Z:
        break;
    }
    return {p.x, p.y, w};
}

// Caps the ring of points starting at base (outline corners in order).
void Cap(Shape& shape, const Outline& outline, int base, bool flip)
{
    for (const auto& t : Triangulate(outline)) {
        if (flip)
            shape.triangles.push_back({base + t[0], base + t[2], base + t[1]});
        else
            shape.triangles.push_back({base + t[0], base + t[1], base + t[2]});
    }
}

// Joins ring a (n points from a0, or one tip point) to ring b.
void Join(Shape& shape, int a0, int na, int b0, int nb, int n)
{
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        const int ai = a0 + (na == 1 ? 0 : i);
        const int aj = a0 + (na == 1 ? 0 : j);
        const int bi = b0 + (nb == 1 ? 0 : i);
        const int bj = b0 + (nb == 1 ? 0 : j);
        if (na != 1)
            shape.triangles.push_back({ai, aj, bj});
        if (nb != 1)
            shape.triangles.push_back({ai, bj, bi});
    }
}

} // namespace

Shape Stack(const std::vector<Layer>& layers, Axis axis)
{
    Shape shape;
    // One turning sense for every outline, so that the bands join without twists;
    // outlines drawn clockwise are reversed together with all the others.
    int n = 1;
    bool reverse = false;
    for (const Layer& layer : layers) {
        if (layer.outline.size() > 1) {
            n = static_cast<int>(layer.outline.size());
            reverse = SignedArea2(layer.outline) < 0.0f;
            break;
        }
    }
    std::vector<int> starts;
    std::vector<int> counts;
    for (const Layer& layer : layers) {
        starts.push_back(static_cast<int>(shape.points.size()));
        counts.push_back(static_cast<int>(layer.outline.size()));
        for (int i = 0; i < counts.back(); ++i) {
            const int k = reverse && counts.back() > 1 ? counts.back() - 1 - i : i;
            shape.points.push_back(Place(layer.outline[k], layer.w, axis));
        }
    }
    const Outline first = CounterClockwise(layers.front().outline);
    const Outline last = CounterClockwise(layers.back().outline);
    // The bands face outward for layers that advance along the axis; the cap at
    // the start then faces backward and the one at the end forward.
    if (first.size() > 1)
        Cap(shape, first, starts.front(), true);
    for (size_t l = 0; l + 1 < layers.size(); ++l)
        Join(shape, starts[l], counts[l], starts[l + 1], counts[l + 1], n);
    if (last.size() > 1)
        Cap(shape, last, starts.back(), false);
    return Outward(shape);
}

Shape Extrude(const Outline& outline, float w0, float w1, Axis axis)
{
    return Stack({{outline, w0}, {outline, w1}}, axis);
}

Shape BevelledPlate(const Outline& outline, float w0, float w1, float bevel, Axis axis)
{
    const Outline inner = Inset(outline, bevel);
    const float b = (w1 > w0 ? bevel : -bevel);
    return Stack({{inner, w0}, {outline, w0 + b}, {outline, w1 - b}, {inner, w1}}, axis);
}

Shape Lathe(const std::vector<Vec2>& profile, int segments, Axis axis, float phase)
{
    std::vector<Layer> layers;
    for (const Vec2& p : profile) {
        // A radius lost in rounding (cos of a right angle) is a tip too.
        if (p.x <= 1e-5f)
            layers.push_back({{{0.0f, 0.0f}}, p.y});
        else
            layers.push_back({Circle(segments, p.x, phase), p.y});
    }
    return Stack(layers, axis);
}

Shape Box(Vec3 min, Vec3 max)
{
    const Outline rect = {{min.x, min.y}, {max.x, min.y}, {max.x, max.y}, {min.x, max.y}};
    return Extrude(rect, min.z, max.z, Axis::Z);
}

Shape Torus(float major, float minor, int majorSegments, int minorSegments)
{
    Shape shape;
    for (int i = 0; i < majorSegments; ++i) {
        const float a = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(majorSegments);
        for (int j = 0; j < minorSegments; ++j) {
            const float b = 2.0f * kPi * static_cast<float>(j) / static_cast<float>(minorSegments);
            const float r = major + minor * std::cos(b);
            shape.points.push_back({r * std::cos(a), r * std::sin(a), minor * std::sin(b)});
        }
    }
    for (int i = 0; i < majorSegments; ++i) {
        const int i1 = (i + 1) % majorSegments;
        for (int j = 0; j < minorSegments; ++j) {
            const int j1 = (j + 1) % minorSegments;
            const int a = i * minorSegments + j;
            const int b = i1 * minorSegments + j;
            const int c = i1 * minorSegments + j1;
            const int d = i * minorSegments + j1;
            shape.triangles.push_back({a, b, c});
            shape.triangles.push_back({a, c, d});
        }
    }
    return Outward(shape);
}

namespace {

int Midpoint(Shape& shape, std::map<std::pair<int, int>, int>& cache, int a, int b, float radius)
{
    const std::pair<int, int> key = a < b ? std::make_pair(a, b) : std::make_pair(b, a);
    const auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    const Vec3 m = Vec3Normalize(shape.points[a] + shape.points[b]) * radius;
    shape.points.push_back(m);
    const int index = static_cast<int>(shape.points.size()) - 1;
    cache[key] = index;
    return index;
}

} // namespace

Shape IcoSphere(float radius, int subdivisions)
{
    const float t = (1.0f + std::sqrt(5.0f)) * 0.5f;
    Shape shape;
    const Vec3 corners[12] = {{-1, t, 0},  {1, t, 0},  {-1, -t, 0}, {1, -t, 0}, {0, -1, t},  {0, 1, t},
                              {0, -1, -t}, {0, 1, -t}, {t, 0, -1},  {t, 0, 1},  {-t, 0, -1}, {-t, 0, 1}};
    for (const Vec3& c : corners)
        shape.points.push_back(Vec3Normalize(c) * radius);
    shape.triangles = {{0, 11, 5},  {0, 5, 1},  {0, 1, 7},  {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
                       {11, 10, 2}, {10, 7, 6}, {7, 1, 8},  {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
                       {3, 8, 9},   {4, 9, 5},  {2, 4, 11}, {6, 2, 10}, {8, 6, 7},   {9, 8, 1}};
    for (int s = 0; s < subdivisions; ++s) {
        std::map<std::pair<int, int>, int> cache;
        std::vector<std::array<int, 3>> finer;
        for (const auto& tri : shape.triangles) {
            const int ab = Midpoint(shape, cache, tri[0], tri[1], radius);
            const int bc = Midpoint(shape, cache, tri[1], tri[2], radius);
            const int ca = Midpoint(shape, cache, tri[2], tri[0], radius);
            finer.push_back({tri[0], ab, ca});
            finer.push_back({tri[1], bc, ab});
            finer.push_back({tri[2], ca, bc});
            finer.push_back({ab, bc, ca});
        }
        shape.triangles = finer;
    }
    return Outward(shape);
}
