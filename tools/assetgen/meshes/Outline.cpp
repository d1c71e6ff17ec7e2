#include "tools/assetgen/meshes/Outline.h"

#include <algorithm>
#include <cmath>

Outline Circle(int n, float r, float phase)
{
    Outline result;
    for (int i = 0; i < n; ++i) {
        const float a = phase + 2.0f * kPi * static_cast<float>(i) / static_cast<float>(n);
        result.push_back({r * std::cos(a), r * std::sin(a)});
    }
    return result;
}

Outline ChamferedRect(float width, float height, float chamfer)
{
    const float x = width * 0.5f;
    const float y = height * 0.5f;
    const float c = chamfer;
    return {{x - c, -y}, {x, -y + c}, {x, y - c}, {x - c, y}, {-x + c, y}, {-x, y - c}, {-x, -y + c}, {-x + c, -y}};
}

Outline Scaled(const Outline& outline, float sx, float sy, Vec2 offset)
{
    Outline result;
    for (const Vec2& p : outline)
        result.push_back({p.x * sx + offset.x, p.y * sy + offset.y});
    return result;
}

float SignedArea2(const Outline& outline)
{
    float sum = 0.0f;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Vec2& a = outline[i];
        const Vec2& b = outline[(i + 1) % outline.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

Outline CounterClockwise(const Outline& outline)
{
    Outline result = outline;
    if (SignedArea2(result) < 0.0f)
        std::reverse(result.begin(), result.end());
    return result;
}

Outline Inset(const Outline& outline, float d)
{
    const Outline ccw = CounterClockwise(outline);
    const bool reversed = SignedArea2(outline) < 0.0f;
    const size_t n = ccw.size();
    Outline result(n);
    for (size_t i = 0; i < n; ++i) {
        const Vec2& prev = ccw[(i + n - 1) % n];
        const Vec2& here = ccw[i];
        const Vec2& next = ccw[(i + 1) % n];
        // Inward normals of the two edges (left of a counter-clockwise edge).
        const Vec2 e0 = Vec2Normalize(here - prev);
        const Vec2 e1 = Vec2Normalize(next - here);
        const Vec2 n0 = {-e0.y, e0.x};
        const Vec2 n1 = {-e1.y, e1.x};
        Vec2 bisector = Vec2Normalize(n0 + n1);
        float along = 1.0f + n0.x * n1.x + n0.y * n1.y;
        // A miter longer than three times the inset is cut back.
        float scale = along > 0.2222f ? std::sqrt(2.0f / along) : 3.0f;
        if (bisector.x == 0.0f && bisector.y == 0.0f)
            bisector = n0;
        result[i] = here + bisector * (d * scale);
    }
    if (reversed)
        std::reverse(result.begin(), result.end());
    return result;
}

namespace {

float Cross(const Vec2& o, const Vec2& a, const Vec2& b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool InsideTriangle(const Vec2& p, const Vec2& a, const Vec2& b, const Vec2& c)
{
    return Cross(a, b, p) >= 0.0f && Cross(b, c, p) >= 0.0f && Cross(c, a, p) >= 0.0f;
}

bool IsEar(const Outline& outline, const std::vector<int>& ring, size_t i)
{
    const size_t n = ring.size();
    const Vec2& a = outline[ring[(i + n - 1) % n]];
    const Vec2& b = outline[ring[i]];
    const Vec2& c = outline[ring[(i + 1) % n]];
    if (Cross(a, b, c) <= 0.0f)
        return false;
    for (size_t k = 0; k < n; ++k) {
        const int index = ring[k];
        if (index == ring[(i + n - 1) % n] || index == ring[i] || index == ring[(i + 1) % n])
            continue;
        const Vec2& p = outline[index];
        if ((p.x == a.x && p.y == a.y) || (p.x == b.x && p.y == b.y) || (p.x == c.x && p.y == c.y))
            continue;
        if (InsideTriangle(p, a, b, c))
            return false;
    }
    return true;
}

} // namespace

std::vector<std::array<int, 3>> Triangulate(const Outline& outline)
{
    std::vector<std::array<int, 3>> triangles;
    std::vector<int> ring;
    for (size_t i = 0; i < outline.size(); ++i)
        ring.push_back(static_cast<int>(i));
    while (ring.size() > 3) {
        const size_t n = ring.size();
        // Clip the ear with the widest corner: fewer slivers than the first ear.
        size_t best = n;
        float bestScore = -1.0f;
        for (size_t i = 0; i < n; ++i) {
            if (!IsEar(outline, ring, i))
                continue;
            const Vec2 toPrev = Vec2Normalize(outline[ring[(i + n - 1) % n]] - outline[ring[i]]);
            const Vec2 toNext = Vec2Normalize(outline[ring[(i + 1) % n]] - outline[ring[i]]);
            const float score = 1.0f - (toPrev.x * toNext.x + toPrev.y * toNext.y);
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best == n)
            best = 0; // degenerate outline: clip anyway rather than loop forever
        triangles.push_back({ring[(best + n - 1) % n], ring[best], ring[(best + 1) % n]});
        ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(best));
    }
    if (ring.size() == 3)
        triangles.push_back({ring[0], ring[1], ring[2]});
    return triangles;
}
