// The small enemy: a faceted dart between two forward-curving claws, with a
// red sensor eye on top and a glowing drive at the tail. About 0.45 in radius,
// filling the 0.3–0.5 hit radii it is used with.
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Painter.h"

namespace {

constexpr float kX0 = -0.5f, kX1 = 0.5f, kY0 = -0.45f, kY1 = 0.55f;

const Outline kClaw = {{0.10f, -0.22f}, {0.29f, -0.18f}, {0.41f, -0.04f}, {0.43f, 0.13f},  {0.36f, 0.30f},
                       {0.31f, 0.34f},  {0.32f, 0.18f},  {0.29f, 0.04f},  {0.21f, -0.05f}, {0.10f, -0.04f}};

Shape Body()
{
    return ConvexHull({{0.0f, 0.42f, -0.01f},
                       {0.07f, 0.22f, -0.07f},
                       {-0.07f, 0.22f, -0.07f},
                       {0.0f, 0.14f, -0.13f},
                       {0.15f, 0.0f, -0.02f},
                       {-0.15f, 0.0f, -0.02f},
                       {0.10f, -0.05f, -0.11f},
                       {-0.10f, -0.05f, -0.11f},
                       {0.13f, -0.22f, -0.04f},
                       {-0.13f, -0.22f, -0.04f},
                       {0.0f, -0.30f, -0.05f},
                       {0.10f, 0.0f, 0.09f},
                       {-0.10f, 0.0f, 0.09f},
                       {0.0f, 0.25f, 0.05f},
                       {0.0f, -0.24f, 0.07f}});
}

// At its few dozen pixels a bevel would be less than a pixel: plain slabs.
Shape Claws() { return Paired(Extrude(kClaw, -0.05f, 0.04f, Axis::Z)); }

Shape Eye()
{
    return ConvexHull({{0.0f, 0.20f, -0.11f},
                       {0.035f, 0.13f, -0.12f},
                       {-0.035f, 0.13f, -0.12f},
                       {0.0f, 0.10f, -0.16f},
                       {0.0f, 0.06f, -0.12f}});
}

Shape Drive() { return Lathe({{0.055f, -0.20f}, {0.055f, -0.30f}, {0.0f, -0.36f}}, 6, Axis::Y); }

Shape Fins()
{
    return Paired(Extrude({{0.04f, -0.18f}, {0.12f, -0.30f}, {0.13f, -0.40f}, {0.04f, -0.30f}}, -0.02f, 0.02f, Axis::Z));
}

} // namespace

Mesh BuildSmallEnemy()
{
    MeshBuilder builder;
    const int shell = builder.AddMaterial(Textured(0.86f, 0.80f, 0.78f, kSmallEnemyPicture));
    const int metal = builder.AddMaterial(Solid(0.30f, 0.28f, 0.34f));
    const int glow = builder.AddMaterial(Glow(1.0f, 0.35f, 0.25f));
    const UvMapping plan = TopView(kX0, kX1, kY0, kY1);
    builder.Add(Body(), shell, plan);
    builder.Add(Claws(), shell, plan);
    builder.Add(Fins(), metal);
    builder.Add(Eye(), glow, {}, 60.0f);
    builder.Add(Drive(), glow);
    return builder.Result();
}

Picture PaintSmallEnemy()
{
    // Crimson shell with bone-white claw rims and dark seams.
    Painter p(64, 64, kX0, kX1, kY0, kY1, Rgb(215, 62, 84));
    const Color seam = Rgb(110, 30, 50);
    const Color bone = Rgb(250, 232, 205);
    for (float s : {-1.0f, 1.0f}) {
        p.Stroke(Scaled(kClaw, s, 1.0f), 0.05f, bone);
        p.Line({0.15f * s, -0.12f}, {0.40f * s, 0.02f}, 0.02f, seam);
        p.Line({0.36f * s, 0.10f}, {0.40f * s, 0.30f}, 0.02f, seam);
    }
    p.Fill({{0.0f, 0.40f}, {0.06f, 0.22f}, {0.0f, 0.16f}, {-0.06f, 0.22f}}, Rgb(160, 40, 60));
    p.Line({0.0f, 0.16f}, {0.0f, -0.28f}, 0.02f, seam);
    p.Line({-0.12f, -0.10f}, {0.12f, -0.10f}, 0.02f, seam);
    p.Grain(0.06f, 103);
    return p.Result();
}
