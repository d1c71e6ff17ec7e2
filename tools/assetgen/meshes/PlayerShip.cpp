// The player's fighter: a faceted needle body with a bubble canopy, swept
// wings carrying the twin guns at ±0.2, booster pods, canted tail fins and
// one main nozzle low at the tail, where the engine flare sits (0, −0.7, 0.1).
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Painter.h"

namespace {

// The plan-view picture covers this rectangle.
constexpr float kX0 = -0.8f, kX1 = 0.8f, kY0 = -0.8f, kY1 = 1.0f;

const Outline kWing = {{0.08f, 0.22f},  {0.30f, -0.06f}, {0.70f, -0.40f}, {0.78f, -0.52f},
                       {0.74f, -0.60f}, {0.46f, -0.55f}, {0.24f, -0.64f}, {0.08f, -0.58f}};
const Outline kCanard = {{0.08f, 0.50f}, {0.27f, 0.34f}, {0.27f, 0.29f}, {0.08f, 0.36f}};

Shape Body()
{
    return Fuselage({{0.97f, 0.0f, 0.02f, 0.0f},
                     {0.72f, 0.07f, 0.06f, 0.04f},
                     {0.38f, 0.13f, 0.12f, 0.07f},
                     {0.02f, 0.17f, 0.15f, 0.09f},
                     {-0.36f, 0.18f, 0.13f, 0.11f},
                     {-0.62f, 0.15f, 0.10f, 0.10f},
                     {-0.68f, 0.12f, 0.08f, 0.08f}});
}

Shape Canopy()
{
    return ConvexHull({{0.0f, 0.56f, -0.09f},
                       {0.05f, 0.40f, -0.12f},
                       {-0.05f, 0.40f, -0.12f},
                       {0.0f, 0.40f, -0.18f},
                       {0.075f, 0.20f, -0.14f},
                       {-0.075f, 0.20f, -0.14f},
                       {0.045f, 0.20f, -0.205f},
                       {-0.045f, 0.20f, -0.205f},
                       {0.065f, 0.00f, -0.15f},
                       {-0.065f, 0.00f, -0.15f},
                       {0.03f, 0.02f, -0.195f},
                       {-0.03f, 0.02f, -0.195f},
                       {0.0f, -0.12f, -0.15f}});
}

Shape Wings() { return Paired(Merged(Plate(kWing, -0.035f, 0.025f, 0.018f), Plate(kCanard, -0.05f, -0.01f, 0.012f))); }

Shape Guns()
{
    const Shape right = Merged(Fuselage({{0.34f, 0.0f, 0.0f, 0.0f},
                                         {0.24f, 0.045f, 0.035f, 0.04f},
                                         {-0.05f, 0.05f, 0.04f, 0.045f},
                                         {-0.16f, 0.0f, 0.0f, 0.0f}}),
                               Barrel(0.0f, -0.005f, 0.2f, 0.64f, 0.022f, 6));
    return Paired(Moved(right, {0.2f, 0.0f, 0.0f}));
}

Shape Pods()
{
    return Paired(Moved(Fuselage({{0.05f, 0.0f, 0.0f, 0.0f},
                                  {-0.08f, 0.055f, 0.05f, 0.05f},
                                  {-0.50f, 0.065f, 0.055f, 0.06f},
                                  {-0.60f, 0.05f, 0.045f, 0.05f}}),
                        {0.36f, 0.0f, 0.015f}));
}

Shape Fins()
{
    const Outline profile = {{0.0f, -0.30f}, {0.0f, -0.64f}, {0.24f, -0.74f}, {0.23f, -0.60f}};
    return Paired(
        Transformed(Plate(profile, -0.012f, 0.012f, 0.008f),
                    MatrixMultiply(MatrixRotationY(70.0f * kPi / 180.0f), MatrixTranslation(0.11f, 0.0f, -0.09f))));
}

Shape Nozzles()
{
    const Shape main = Lathe({{0.0f, -0.50f}, {0.11f, -0.56f}, {0.12f, -0.74f}, {0.095f, -0.78f}}, 10, Axis::Y);
    const Shape pod = Lathe({{0.0f, -0.50f}, {0.045f, -0.56f}, {0.05f, -0.66f}}, 8, Axis::Y);
    const Shape pods = Paired(Moved(pod, {0.36f, 0.0f, 0.015f}));
    return Merged(Moved(main, {0.0f, 0.0f, 0.03f}), pods);
}

Shape Glows()
{
    const Shape main = Lathe({{0.085f, -0.70f}, {0.085f, -0.77f}, {0.0f, -0.82f}}, 10, Axis::Y);
    const Shape pod = Lathe({{0.04f, -0.62f}, {0.04f, -0.665f}, {0.0f, -0.70f}}, 8, Axis::Y);
    const Shape pods = Paired(Moved(pod, {0.36f, 0.0f, 0.015f}));
    return Merged(Moved(main, {0.0f, 0.0f, 0.03f}), pods);
}

} // namespace

Mesh BuildPlayerShip()
{
    MeshBuilder builder;
    const int hull = builder.AddMaterial(Textured(0.80f, 0.82f, 0.86f, kPlayerPicture));
    const int dark = builder.AddMaterial(Solid(0.24f, 0.26f, 0.30f));
    const int glass = builder.AddMaterial(Solid(0.12f, 0.26f, 0.46f, {0.04f, 0.12f, 0.26f}));
    const int accent = builder.AddMaterial(Solid(0.82f, 0.24f, 0.14f));
    const int glow = builder.AddMaterial(Glow(0.55f, 0.85f, 1.0f));
    const UvMapping plan = TopView(kX0, kX1, kY0, kY1);
    builder.Add(Body(), hull, plan);
    builder.Add(Wings(), hull, plan);
    builder.Add(Pods(), hull, plan);
    builder.Add(Canopy(), glass, {}, 50.0f);
    builder.Add(Guns(), dark);
    builder.Add(Nozzles(), dark);
    builder.Add(Fins(), accent);
    builder.Add(Glows(), glow);
    return builder.Result();
}

Picture PaintPlayerShip()
{
    Painter p(128, 144, kX0, kX1, kY0, kY1, Rgb(255, 255, 255));
    const Color panel = Rgb(196, 200, 208);
    const Color blue = Rgb(70, 120, 235);
    const Color red = Rgb(235, 70, 45);
    // Panel seams across body and wings.
    for (float y = -0.5f; y < 0.9f; y += 0.22f)
        p.Line({-0.16f, y}, {0.16f, y}, 0.012f, panel);
    p.Line({0.0f, -0.7f}, {0.0f, 0.0f}, 0.012f, panel);
    for (float s : {-1.0f, 1.0f}) {
        p.Line({0.24f * s, 0.0f}, {0.30f * s, -0.6f}, 0.012f, panel);
        p.Line({0.5f * s, -0.25f}, {0.52f * s, -0.56f}, 0.012f, panel);
        // Blue leading-edge band and red wing tips.
        p.Fill({{0.10f * s, 0.20f},
                {0.30f * s, -0.06f},
                {0.70f * s, -0.40f},
                {0.66f * s, -0.45f},
                {0.28f * s, -0.14f},
                {0.10f * s, 0.10f}},
               blue);
        p.Fill({{0.64f * s, -0.36f}, {0.80f * s, -0.52f}, {0.76f * s, -0.62f}, {0.62f * s, -0.58f}}, red);
        // Pod stripes.
        p.Line({0.36f * s, -0.12f}, {0.36f * s, -0.55f}, 0.03f, blue);
    }
    // Spine stripe and the dark anti-glare panel ahead of the canopy.
    p.Fill({{-0.025f, 0.0f}, {0.025f, 0.0f}, {0.03f, -0.62f}, {-0.03f, -0.62f}}, blue);
    p.Fill({{0.0f, 0.9f}, {0.05f, 0.72f}, {0.07f, 0.56f}, {-0.07f, 0.56f}, {-0.05f, 0.72f}}, Rgb(90, 96, 110));
    p.Grain(0.04f, 101);
    return p.Result();
}
