// The duel enemy: an octagonal turret disc with eight gilded emitter spikes,
// one per bullet of its ring volley, and a domed core with a magenta eye.
// Radius 0.44 across the spikes, 0.3 across the disc it is hit by.
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Painter.h"

#include <cmath>

namespace {

constexpr float kR = 0.46f;

Vec2 Polar(float radius, float angle) { return {radius * std::cos(angle), radius * std::sin(angle)}; }

float SpikeAngle(int i) { return kPi * (0.5f + 0.25f * static_cast<float>(i)); }

Shape Disc() { return BevelledPlate(Circle(8, 0.30f, kPi / 8.0f), -0.08f, 0.07f, 0.035f, Axis::Z); }

Shape Spikes()
{
    Shape spikes;
    for (int i = 0; i < 8; ++i) {
        const float a = SpikeAngle(i);
        const Vec2 tip = Polar(0.44f, a);
        const Vec2 left = Polar(0.24f, a + 0.22f);
        const Vec2 right = Polar(0.24f, a - 0.22f);
        spikes = Merged(spikes, ConvexHull({{tip.x, tip.y, -0.01f},
                                            {left.x, left.y, -0.06f},
                                            {right.x, right.y, -0.06f},
                                            {left.x, left.y, 0.04f},
                                            {right.x, right.y, 0.04f},
                                            {0.8f * left.x + 0.2f * tip.x, 0.8f * left.y + 0.2f * tip.y, -0.09f},
                                            {0.8f * right.x + 0.2f * tip.x, 0.8f * right.y + 0.2f * tip.y, -0.09f}}));
    }
    return spikes;
}

Shape Dome()
{
    std::vector<Vec2> profile = {{0.19f, 0.0f}};
    for (int i = 0; i <= 3; ++i) {
        const float a = 0.5f * kPi * static_cast<float>(i) / 3.0f;
        profile.push_back({0.17f * std::cos(a), -0.08f - 0.11f * std::sin(a)});
    }
    return Lathe(profile, 10, Axis::Z, kPi / 10.0f);
}

Shape Eye() { return Lathe({{0.0f, -0.16f}, {0.07f, -0.19f}, {0.05f, -0.225f}, {0.0f, -0.235f}}, 8, Axis::Z); }

Shape Studs()
{
    Shape studs;
    for (int i = 0; i < 8; ++i) {
        const Vec2 c = Polar(0.25f, SpikeAngle(i) + kPi / 8.0f);
        studs = Merged(studs, Extrude(Scaled(Circle(6, 0.03f), 1.0f, 1.0f, c), -0.11f, -0.06f, Axis::Z));
    }
    return studs;
}

} // namespace

Mesh BuildDuelEnemy()
{
    MeshBuilder builder;
    const int shell = builder.AddMaterial(Textured(0.86f, 0.84f, 0.90f, kDuelEnemyPicture));
    const int gold = builder.AddMaterial(Solid(0.86f, 0.66f, 0.24f));
    const int glow = builder.AddMaterial(Glow(1.0f, 0.35f, 0.85f));
    const UvMapping plan = TopView(-kR, kR, -kR, kR);
    builder.Add(Disc(), shell, plan);
    builder.Add(Dome(), shell, plan, 40.0f);
    builder.Add(Spikes(), gold);
    builder.Add(Eye(), glow, {}, 60.0f);
    builder.Add(Studs(), glow);
    return builder.Result();
}

Picture PaintDuelEnemy()
{
    // Ivory disc with a violet ring band and radial seams between the spikes.
    Painter p(64, 64, -kR, kR, -kR, kR, Rgb(255, 252, 240));
    const Color violet = Rgb(130, 80, 190);
    const Color seam = Rgb(150, 140, 160);
    p.Stroke(Circle(16, 0.21f), 0.03f, violet);
    p.Stroke(Circle(8, 0.285f, kPi / 8.0f), 0.015f, seam);
    for (int i = 0; i < 8; ++i)
        p.Line(Polar(0.17f, SpikeAngle(i)), Polar(0.30f, SpikeAngle(i)), 0.015f, seam);
    p.Stroke(Circle(16, 0.12f), 0.02f, violet);
    p.Grain(0.05f, 104);
    return p.Result();
}
