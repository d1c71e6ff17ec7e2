// The boss: a war fortress 4.5 units across. A heavy keel hull ends in two
// great jaws that frame the beam emitter on the firing axis; the red core eye
// (the only hittable part, at the origin) sits in a collar on its back; swept
// wings carry gun pods, and a bank of nozzles glows at the stern.
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Painter.h"

namespace {

constexpr float kX0 = -2.4f, kX1 = 2.4f, kY0 = -1.9f, kY1 = 2.1f;

const Outline kJaw = {{0.22f, 0.35f}, {0.64f, 0.22f}, {0.74f, 0.80f}, {0.56f, 1.55f},
                      {0.38f, 1.95f}, {0.30f, 1.50f}, {0.38f, 0.98f}, {0.22f, 0.88f}};
const Outline kWing = {{0.45f, 0.30f},  {1.20f, 0.02f},  {2.05f, -0.38f}, {2.26f, -0.72f},
                       {2.12f, -1.06f}, {1.42f, -0.96f}, {0.92f, -1.32f}, {0.45f, -1.22f}};
const Outline kRidge = {{0.62f, 0.06f}, {1.50f, -0.32f}, {1.62f, -0.52f}, {0.70f, -0.44f}};

Shape Keel()
{
    return Fuselage({{1.10f, 0.18f, 0.16f, 0.14f},
                     {0.80f, 0.40f, 0.38f, 0.28f},
                     {0.20f, 0.55f, 0.48f, 0.36f},
                     {-0.60f, 0.58f, 0.46f, 0.38f},
                     {-1.20f, 0.46f, 0.36f, 0.30f},
                     {-1.42f, 0.36f, 0.28f, 0.24f}});
}

Shape Jaws() { return Paired(Plate(kJaw, -0.24f, 0.14f, 0.07f)); }

Shape Wings() { return Paired(Merged(Plate(kWing, -0.12f, 0.10f, 0.06f), Plate(kRidge, -0.24f, -0.08f, 0.05f))); }

// Armoured shoulders between keel and wings: the boss's bulk from the side.
Shape Shoulders()
{
    return Paired(ConvexHull({{0.42f, 0.30f, 0.06f},
                              {0.98f, 0.10f, 0.06f},
                              {0.98f, -1.05f, 0.06f},
                              {0.42f, -1.15f, 0.06f},
                              {0.52f, 0.10f, -0.36f},
                              {0.82f, -0.02f, -0.30f},
                              {0.82f, -0.86f, -0.30f},
                              {0.52f, -0.95f, -0.36f}}));
}

Shape Pods()
{
    return Paired(Moved(Fuselage({{0.62f, 0.0f, 0.0f, 0.0f},
                                  {0.36f, 0.15f, 0.14f, 0.13f},
                                  {-0.95f, 0.17f, 0.16f, 0.15f},
                                  {-1.15f, 0.12f, 0.10f, 0.10f}}),
                        {2.0f, 0.0f, -0.02f}));
}

Shape Guns()
{
    return Paired(Merged(Barrel(1.90f, -0.12f, 0.2f, 0.95f, 0.045f, 6), Barrel(2.10f, -0.12f, 0.2f, 0.95f, 0.045f, 6)));
}

Shape Collar() { return Moved(Torus(0.38f, 0.08f, 14, 5), {0.0f, 0.0f, -0.50f}); }

Shape Eye() { return Moved(IcoSphere(0.30f, 1), {0.0f, 0.0f, -0.46f}); }

Shape Emitter()
{
    return Lathe({{0.0f, 0.95f}, {0.15f, 1.02f}, {0.15f, 1.14f}, {0.08f, 1.24f}, {0.0f, 1.27f}}, 10, Axis::Y);
}

Shape Nozzles()
{
    const Shape nozzle = Lathe({{0.0f, -1.25f}, {0.16f, -1.32f}, {0.17f, -1.58f}, {0.14f, -1.62f}}, 10, Axis::Y);
    const Shape pod = Lathe({{0.0f, -0.90f}, {0.10f, -0.95f}, {0.11f, -1.22f}, {0.09f, -1.25f}}, 8, Axis::Y);
    Shape all = Paired(Moved(nozzle, {0.30f, 0.0f, 0.02f}));
    all = Merged(all, Moved(nozzle, {0.0f, 0.0f, -0.12f}));
    return Merged(all, Paired(Moved(pod, {2.0f, 0.0f, -0.02f})));
}

Shape Exhausts()
{
    const Shape flame = Lathe({{0.125f, -1.50f}, {0.125f, -1.60f}, {0.0f, -1.72f}}, 10, Axis::Y);
    const Shape pod = Lathe({{0.075f, -1.12f}, {0.075f, -1.24f}, {0.0f, -1.33f}}, 8, Axis::Y);
    Shape all = Paired(Moved(flame, {0.30f, 0.0f, 0.02f}));
    all = Merged(all, Moved(flame, {0.0f, 0.0f, -0.12f}));
    return Merged(all, Paired(Moved(pod, {2.0f, 0.0f, -0.02f})));
}

} // namespace

Mesh BuildBoss()
{
    MeshBuilder builder;
    const int hull = builder.AddMaterial(Textured(0.80f, 0.78f, 0.84f, kBossPicture));
    const int metal = builder.AddMaterial(Solid(0.24f, 0.22f, 0.28f));
    const int core = builder.AddMaterial(Glow(1.0f, 0.22f, 0.18f));
    const int beam = builder.AddMaterial(Glow(0.55f, 0.85f, 1.0f));
    const int exhaust = builder.AddMaterial(Glow(1.0f, 0.60f, 0.25f));
    const UvMapping plan = TopView(kX0, kX1, kY0, kY1);
    builder.Add(Keel(), hull, plan);
    builder.Add(Jaws(), hull, plan);
    builder.Add(Wings(), hull, plan);
    builder.Add(Shoulders(), hull, plan);
    builder.Add(Pods(), hull, plan);
    builder.Add(Guns(), metal);
    builder.Add(Collar(), metal, {}, 60.0f);
    builder.Add(Nozzles(), metal);
    builder.Add(Eye(), core, {}, 60.0f);
    builder.Add(Emitter(), beam);
    builder.Add(Exhausts(), exhaust);
    return builder.Result();
}

Picture PaintBoss()
{
    // Gunmetal violet armour, crimson jaw edges and wing bands, dark seams.
    Painter p(192, 160, kX0, kX1, kY0, kY1, Rgb(120, 112, 140));
    const Color seam = Rgb(60, 54, 76);
    const Color crimson = Rgb(200, 50, 60);
    const Color light = Rgb(176, 170, 196);
    for (float s : {-1.0f, 1.0f}) {
        p.Fill({{0.30f * s, 1.50f}, {0.38f * s, 1.95f}, {0.56f * s, 1.55f}, {0.48f * s, 1.40f}}, crimson);
        p.Line({0.40f * s, 0.35f}, {0.50f * s, 1.30f}, 0.05f, seam);
        p.Fill({{1.20f * s, 0.02f}, {2.05f * s, -0.38f}, {2.02f * s, -0.50f}, {1.20f * s, -0.12f}}, crimson);
        p.Fill(Scaled(kRidge, s, 1.0f), light);
        p.Fill({{0.55f * s, 0.05f}, {0.80f * s, -0.05f}, {0.80f * s, -0.85f}, {0.55f * s, -0.92f}}, light);
        p.Line({0.66f * s, -0.2f}, {0.66f * s, -0.75f}, 0.05f, crimson);
        for (float x = 0.8f; x < 2.1f; x += 0.32f)
            p.Line({x * s, 0.0f - 0.35f * (x - 0.45f)}, {x * s, -1.0f}, 0.035f, seam);
        p.Line({2.0f * s, 0.5f}, {2.0f * s, -1.1f}, 0.04f, seam);
        p.Fill({{1.88f * s, 0.2f}, {2.12f * s, 0.2f}, {2.12f * s, 0.05f}, {1.88f * s, 0.05f}}, crimson);
    }
    for (float y = -1.3f; y < 0.9f; y += 0.3f)
        p.Line({-0.5f, y}, {0.5f, y}, 0.035f, seam);
    p.Fill({{-0.08f, -0.6f}, {0.08f, -0.6f}, {0.08f, -1.35f}, {-0.08f, -1.35f}}, crimson);
    p.Grain(0.07f, 122);
    return p.Result();
}
