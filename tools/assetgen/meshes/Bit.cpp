// The bit: a drone orb inside a flat guard ring, a violet eye on its firing
// side and three stabiliser vanes behind. 0.28 in radius (hit radius 0.3).
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Painter.h"

#include <cmath>

namespace {

Shape Orb()
{
    std::vector<Vec2> profile;
    for (int i = 0; i <= 5; ++i) {
        const float a = kPi * static_cast<float>(i) / 5.0f;
        profile.push_back({0.15f * std::sin(a), -0.15f * std::cos(a)});
    }
    return Lathe(profile, 8, Axis::Y);
}

Shape Ring() { return Torus(0.24f, 0.03f, 12, 4); }

Shape Eye() { return Lathe({{0.0f, 0.10f}, {0.075f, 0.12f}, {0.06f, 0.175f}, {0.0f, 0.185f}}, 6, Axis::Y); }

Shape Vanes()
{
    Shape vanes;
    const Shape vane =
        Extrude({{0.10f, -0.06f}, {0.10f, -0.20f}, {0.17f, -0.26f}, {0.17f, -0.14f}}, -0.012f, 0.012f, Axis::Z);
    // One vane up toward the camera, two below to the sides.
    for (int i = 0; i < 3; ++i) {
        const float a = kPi * (0.5f + 2.0f * static_cast<float>(i) / 3.0f);
        vanes = Merged(vanes, Transformed(vane, MatrixRotationY(a)));
    }
    return vanes;
}

// Pins holding the ring to the orb.
Shape Struts() { return Paired(Box({0.12f, -0.02f, -0.02f}, {0.21f, 0.02f, 0.02f})); }

} // namespace

Mesh BuildBit()
{
    MeshBuilder builder;
    const int shell = builder.AddMaterial(Textured(0.78f, 0.82f, 0.90f, kBitPicture));
    const int metal = builder.AddMaterial(Solid(0.46f, 0.48f, 0.60f));
    const int glow = builder.AddMaterial(Glow(0.85f, 0.45f, 1.0f));
    builder.Add(Orb(), shell, TopView(-0.16f, 0.16f, -0.16f, 0.16f), 50.0f);
    builder.Add(Ring(), metal, {}, 70.0f);
    builder.Add(Struts(), metal);
    builder.Add(Vanes(), shell, TopView(-0.16f, 0.16f, -0.16f, 0.16f));
    builder.Add(Eye(), glow, {}, 50.0f);
    return builder.Result();
}

Picture PaintBit()
{
    // Pale steel-blue orb with a dark equator band and segment seams.
    Painter p(32, 32, -0.16f, 0.16f, -0.16f, 0.16f, Rgb(230, 236, 255));
    const Color seam = Rgb(110, 116, 150);
    p.Line({-0.16f, 0.0f}, {0.16f, 0.0f}, 0.03f, seam);
    p.Line({0.0f, -0.16f}, {0.0f, 0.16f}, 0.015f, seam);
    p.Stroke(Circle(12, 0.1f), 0.015f, seam);
    p.Grain(0.05f, 120);
    return p.Result();
}
