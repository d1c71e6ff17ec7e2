// The aura: a shell of radius 1.5 round the ship, drawn half transparent and
// untextured. Hexagonal cells with bright rims, so each flash reads as a
// shield lighting up rather than a plain bubble.
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Primitives.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr float kRadius = 1.5f;
constexpr float kRim = 0.16f;

struct Cell {
    Vec3 centre;
    std::vector<Vec3> corners; // around the centre, clockwise from outside
};

Vec3 OnShell(const Vec3& p) { return Vec3Normalize(p) * kRadius; }

// The cells of the dual of a subdivided icosahedron: one per sphere vertex,
// its corners at the centres of the triangles around it.
std::vector<Cell> Cells(const Shape& sphere)
{
    std::vector<std::vector<int>> around(sphere.points.size());
    for (size_t t = 0; t < sphere.triangles.size(); ++t)
        for (int k = 0; k < 3; ++k)
            around[sphere.triangles[t][k]].push_back(static_cast<int>(t));
    std::vector<Cell> cells;
    for (size_t v = 0; v < sphere.points.size(); ++v) {
        // Order the triangles round the vertex by following shared edges.
        std::vector<int> ring = {around[v][0]};
        while (ring.size() < around[v].size()) {
            const auto& t = sphere.triangles[ring.back()];
            const int k = static_cast<int>(std::find(t.begin(), t.end(), static_cast<int>(v)) - t.begin());
            const int next = t[(k + 2) % 3];
            for (int other : around[v]) {
                const auto& o = sphere.triangles[other];
                const int j = static_cast<int>(std::find(o.begin(), o.end(), static_cast<int>(v)) - o.begin());
                if (o[(j + 1) % 3] == next) {
                    ring.push_back(other);
                    break;
                }
            }
        }
        Cell cell;
        cell.centre = sphere.points[v];
        for (int t : ring) {
            const auto& tri = sphere.triangles[t];
            cell.corners.push_back(OnShell(sphere.points[tri[0]] + sphere.points[tri[1]] + sphere.points[tri[2]]));
        }
        cells.push_back(cell);
    }
    return cells;
}

int Point(Shape& shape, std::map<std::tuple<float, float, float>, int>& index, const Vec3& p)
{
    const auto key = std::make_tuple(p.x, p.y, p.z);
    const auto found = index.find(key);
    if (found != index.end())
        return found->second;
    shape.points.push_back(p);
    index[key] = static_cast<int>(shape.points.size()) - 1;
    return index[key];
}

} // namespace

Mesh BuildAuraShell()
{
    const std::vector<Cell> cells = Cells(IcoSphere(kRadius, 1));
    // Panes and rims share their inner corners, so together they close the shell.
    Shape panes;
    Shape rims;
    std::map<std::tuple<float, float, float>, int> paneIndex;
    std::map<std::tuple<float, float, float>, int> rimIndex;
    for (const Cell& cell : cells) {
        const size_t n = cell.corners.size();
        std::vector<Vec3> inner;
        for (const Vec3& c : cell.corners)
            inner.push_back(OnShell(c + (cell.centre - c) * kRim));
        const int centre = Point(panes, paneIndex, cell.centre);
        for (size_t i = 0; i < n; ++i) {
            const size_t j = (i + 1) % n;
            panes.triangles.push_back({centre, Point(panes, paneIndex, inner[i]), Point(panes, paneIndex, inner[j])});
            const int a = Point(rims, rimIndex, cell.corners[i]);
            const int b = Point(rims, rimIndex, cell.corners[j]);
            const int c = Point(rims, rimIndex, inner[j]);
            const int d = Point(rims, rimIndex, inner[i]);
            rims.triangles.push_back({a, b, c});
            rims.triangles.push_back({a, c, d});
        }
    }
    // The ring order above runs one way round every cell; face them outward.
    if (SignedVolume6(Merged(panes, rims)) < 0.0f) {
        panes = Reversed(panes);
        rims = Reversed(rims);
    }
    MeshBuilder builder;
    ModelMaterial pane = Solid(0.30f, 0.65f, 1.0f, {0.10f, 0.30f, 0.60f});
    pane.diffuse.a = 0.4f;
    const int paneMaterial = builder.AddMaterial(pane);
    ModelMaterial rim = Solid(0.55f, 0.85f, 1.0f, {0.35f, 0.70f, 1.0f});
    rim.diffuse.a = 0.8f;
    const int rimMaterial = builder.AddMaterial(rim);
    builder.Add(panes, paneMaterial, {}, 30.0f);
    builder.Add(rims, rimMaterial, {}, 30.0f);
    return builder.Result();
}
