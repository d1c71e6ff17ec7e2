// Incremental convex hull: a tetrahedron, then each further point replaces
// the faces it can see by a fan to their horizon. Points on a face's plane
// count as unseen, so flat sides come out as coplanar triangles.
#include "tools/assetgen/meshes/Primitives.h"

#include <array>
#include <cmath>
#include <set>
#include <utility>

namespace {

struct D3 {
    double x, y, z;
};

D3 Sub(const D3& a, const D3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Dot(const D3& a, const D3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
D3 Cross(const D3& a, const D3& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Length(const D3& a) { return std::sqrt(Dot(a, a)); }

using Face = std::array<int, 3>;

// Signed distance of q above the plane of face f (positive on its outer side).
double Height(const std::vector<D3>& p, const Face& f, const D3& q)
{
    const D3 n = Cross(Sub(p[f[1]], p[f[0]]), Sub(p[f[2]], p[f[0]]));
    const double length = Length(n);
    return length == 0.0 ? 0.0 : Dot(n, Sub(q, p[f[0]])) / length;
}

double DistanceToLine(const D3& q, const D3& a, const D3& b)
{
    const D3 ab = Sub(b, a);
    const double length = Length(ab);
    return length == 0.0 ? 0.0 : Length(Cross(ab, Sub(q, a))) / length;
}

// Four points spanning a volume, or false when all points lie in a plane.
bool FindTetrahedron(const std::vector<D3>& p, double eps, std::array<int, 4>& out)
{
    int a = 0;
    for (size_t i = 1; i < p.size(); ++i)
        if (p[i].x < p[a].x)
            a = static_cast<int>(i);
    int b = a;
    int c = a;
    int d = a;
    double best = 0.0;
    for (size_t i = 0; i < p.size(); ++i)
        if (Length(Sub(p[i], p[a])) > best) {
            best = Length(Sub(p[i], p[a]));
            b = static_cast<int>(i);
        }
    best = 0.0;
    for (size_t i = 0; i < p.size(); ++i)
        if (DistanceToLine(p[i], p[a], p[b]) > best) {
            best = DistanceToLine(p[i], p[a], p[b]);
            c = static_cast<int>(i);
        }
    best = 0.0;
    for (size_t i = 0; i < p.size(); ++i)
        if (std::fabs(Height(p, {a, b, c}, p[i])) > best) {
            best = std::fabs(Height(p, {a, b, c}, p[i]));
            d = static_cast<int>(i);
        }
    out = {a, b, c, d};
    return best > eps;
}

std::vector<Face> Tetrahedron(const std::vector<D3>& p, const std::array<int, 4>& t)
{
    std::vector<Face> faces = {{t[0], t[1], t[2]}, {t[0], t[3], t[1]}, {t[1], t[3], t[2]}, {t[2], t[3], t[0]}};
    // Faces of a tetrahedron all face out or all face in.
    if (Height(p, faces[0], p[t[3]]) > 0.0)
        for (Face& f : faces)
            std::swap(f[1], f[2]);
    return faces;
}

void AddPoint(const std::vector<D3>& p, int q, double eps, std::vector<Face>& faces)
{
    std::vector<Face> kept;
    std::set<std::pair<int, int>> seenEdges;
    std::vector<std::pair<int, int>> edgeOrder;
    for (const Face& f : faces) {
        if (Height(p, f, p[q]) <= eps) {
            kept.push_back(f);
            continue;
        }
        for (int k = 0; k < 3; ++k) {
            seenEdges.insert({f[k], f[(k + 1) % 3]});
            edgeOrder.push_back({f[k], f[(k + 1) % 3]});
        }
    }
    if (edgeOrder.empty())
        return;
    // The horizon: edges of seen faces whose neighbour across them is unseen.
    for (const auto& e : edgeOrder)
        if (seenEdges.count({e.second, e.first}) == 0)
            kept.push_back({e.first, e.second, q});
    faces = kept;
}

} // namespace

Shape ConvexHull(const std::vector<Vec3>& points)
{
    std::vector<D3> p;
    double extent = 0.0;
    for (const Vec3& v : points) {
        p.push_back({v.x, v.y, v.z});
        extent = std::fmax(extent, std::fabs(v.x) + std::fabs(v.y) + std::fabs(v.z));
    }
    const double eps = 1e-6 * (extent + 1.0);
    std::array<int, 4> start;
    if (p.size() < 4 || !FindTetrahedron(p, eps, start))
        return {};
    std::vector<Face> faces = Tetrahedron(p, start);
    for (size_t i = 0; i < p.size(); ++i)
        AddPoint(p, static_cast<int>(i), eps, faces);
    // Keep only the points the hull uses, in their first-use order.
    Shape shape;
    std::vector<int> remap(p.size(), -1);
    for (const Face& f : faces) {
        std::array<int, 3> t;
        for (int k = 0; k < 3; ++k) {
            if (remap[f[k]] < 0) {
                remap[f[k]] = static_cast<int>(shape.points.size());
                shape.points.push_back(points[f[k]]);
            }
            t[k] = remap[f[k]];
        }
        shape.triangles.push_back(t);
    }
    return shape;
}
