// The practice sections' emblem: a training gyro that spins on the briefing
// screen. A faceted crystal core held by two crossed gilded rings and a
// polar axle with end caps.
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Painter.h"

#include <cmath>

namespace {

Shape Core()
{
    std::vector<Vec3> points = {{0.0f, 0.42f, 0.0f}, {0.0f, -0.42f, 0.0f}};
    for (int i = 0; i < 6; ++i) {
        const float a = kPi * static_cast<float>(i) / 3.0f;
        points.push_back({0.24f * std::cos(a), 0.08f, 0.24f * std::sin(a)});
        points.push_back({0.24f * std::cos(a + kPi / 6.0f), -0.08f, 0.24f * std::sin(a + kPi / 6.0f)});
    }
    return ConvexHull(points);
}

Shape Rings()
{
    const Shape outer = Torus(0.78f, 0.045f, 24, 5);
    const Shape inner = Transformed(Torus(0.64f, 0.04f, 24, 5), MatrixRotationY(kPi / 2.0f));
    return Merged(outer, inner);
}

Shape Axle()
{
    return Merged(Barrel(0.0f, 0.0f, -0.95f, 0.95f, 0.025f, 6),
                  Merged(Lathe({{0.0f, 0.88f}, {0.07f, 0.90f}, {0.07f, 0.96f}, {0.0f, 1.02f}}, 8, Axis::Y),
                         Lathe({{0.0f, -0.88f}, {0.07f, -0.90f}, {0.07f, -0.96f}, {0.0f, -1.02f}}, 8, Axis::Y)));
}

Shape Bearings() { return Paired(Moved(IcoSphere(0.06f, 1), {0.78f, 0.0f, 0.0f})); }

} // namespace

Mesh BuildSectionModel()
{
    MeshBuilder builder;
    const int crystal = builder.AddMaterial(Textured(0.70f, 0.95f, 0.90f, kSectionModelPicture, {0.05f, 0.25f, 0.2f}));
    const int gold = builder.AddMaterial(Solid(0.90f, 0.70f, 0.26f));
    const int steel = builder.AddMaterial(Solid(0.55f, 0.58f, 0.64f));
    builder.Add(Core(), crystal, BoxMapping(2.0f), 20.0f);
    builder.Add(Rings(), gold, {}, 70.0f);
    builder.Add(Axle(), steel);
    builder.Add(Bearings(), steel, {}, 60.0f);
    return builder.Result();
}

Picture PaintSectionModel()
{
    // Crystal facets: a bright rim fading to a deep teal middle.
    Painter p(32, 32, 0.0f, 1.0f, 0.0f, 1.0f, Rgb(120, 230, 210));
    for (int i = 1; i < 6; ++i) {
        const float d = 0.08f * static_cast<float>(i);
        const int shade = 230 - 26 * i;
        p.Fill({{d, d}, {1.0f - d, d}, {1.0f - d, 1.0f - d}, {d, 1.0f - d}}, Rgb(shade / 2, shade, shade - 10));
    }
    p.Line({0.0f, 1.0f}, {1.0f, 0.0f}, 0.05f, Rgb(240, 255, 250));
    return p.Result();
}
