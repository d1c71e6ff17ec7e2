// The mid-size gunship: a heavy central hull whose two forward prongs frame
// the beam emitter at the firing axis, a swept spar carrying two engine
// nacelles. About 1.4 across: clearly bigger than its 0.5 hittable core.
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Painter.h"

namespace {

constexpr float kX0 = -0.75f, kX1 = 0.75f, kY0 = -0.75f, kY1 = 0.85f;

const Outline kProng = {{0.07f, 0.10f}, {0.20f, 0.16f}, {0.22f, 0.50f}, {0.15f, 0.82f},
                        {0.10f, 0.78f}, {0.12f, 0.48f}, {0.07f, 0.40f}};
const Outline kSpar = {{0.12f, 0.02f},  {0.52f, -0.18f}, {0.62f, -0.20f},
                       {0.62f, -0.36f}, {0.50f, -0.38f}, {0.12f, -0.30f}};

Shape Hull()
{
    return Fuselage({{0.36f, 0.16f, 0.10f, 0.08f},
                     {0.18f, 0.22f, 0.16f, 0.12f},
                     {-0.20f, 0.24f, 0.18f, 0.14f},
                     {-0.50f, 0.18f, 0.13f, 0.12f},
                     {-0.62f, 0.10f, 0.08f, 0.08f}});
}

Shape Prongs() { return Paired(Plate(kProng, -0.08f, 0.07f, 0.03f)); }

Shape Spars() { return Paired(Plate(kSpar, -0.06f, 0.05f, 0.025f)); }

Shape Nacelles()
{
    return Paired(Moved(Fuselage({{0.30f, 0.0f, 0.0f, 0.0f},
                                  {0.16f, 0.08f, 0.07f, 0.07f},
                                  {-0.42f, 0.10f, 0.09f, 0.09f},
                                  {-0.56f, 0.08f, 0.07f, 0.07f}}),
                        {0.62f, 0.0f, 0.0f}));
}

Shape Bridge()
{
    return BevelledPlate({{0.0f, 0.10f}, {0.10f, 0.0f}, {0.10f, -0.30f}, {-0.10f, -0.30f}, {-0.10f, 0.0f}}, -0.26f,
                         -0.12f, 0.03f, Axis::Z);
}

Shape Emitter()
{
    return Merged(Lathe({{0.0f, 0.30f}, {0.07f, 0.36f}, {0.07f, 0.50f}, {0.045f, 0.56f}, {0.0f, 0.60f}}, 6, Axis::Y),
                  Box({-0.07f, -0.02f, -0.28f}, {0.07f, 0.02f, -0.22f}));
}

Shape Exhausts()
{
    const Shape right = Lathe({{0.06f, -0.52f}, {0.06f, -0.60f}, {0.0f, -0.66f}}, 6, Axis::Y);
    return Paired(Moved(right, {0.62f, 0.0f, 0.0f}));
}

} // namespace

Mesh BuildMidEnemy()
{
    MeshBuilder builder;
    const int hull = builder.AddMaterial(Textured(0.82f, 0.84f, 0.80f, kMidEnemyPicture));
    const int metal = builder.AddMaterial(Solid(0.22f, 0.25f, 0.26f));
    const int glow = builder.AddMaterial(Glow(1.0f, 0.55f, 0.2f));
    const UvMapping plan = TopView(kX0, kX1, kY0, kY1);
    builder.Add(Hull(), hull, plan);
    builder.Add(Prongs(), hull, plan);
    builder.Add(Spars(), hull, plan);
    builder.Add(Nacelles(), hull, plan);
    builder.Add(Bridge(), metal);
    builder.Add(Emitter(), glow);
    builder.Add(Exhausts(), glow);
    return builder.Result();
}

Picture PaintMidEnemy()
{
    // Dark sea-green hull, pale prong tips, orange warning bars and seams.
    Painter p(96, 104, kX0, kX1, kY0, kY1, Rgb(70, 120, 112));
    const Color seam = Rgb(34, 62, 60);
    const Color pale = Rgb(200, 214, 200);
    const Color orange = Rgb(240, 130, 50);
    for (float s : {-1.0f, 1.0f}) {
        p.Fill({{0.10f * s, 0.60f}, {0.22f * s, 0.55f}, {0.15f * s, 0.84f}, {0.10f * s, 0.80f}}, pale);
        p.Line({0.12f * s, 0.44f}, {0.22f * s, 0.44f}, 0.03f, orange);
        p.Line({0.62f * s, 0.20f}, {0.62f * s, -0.50f}, 0.03f, seam);
        p.Line({0.30f * s, -0.09f}, {0.30f * s, -0.33f}, 0.02f, seam);
        p.Line({0.46f * s, -0.17f}, {0.46f * s, -0.37f}, 0.02f, seam);
        p.Fill({{0.55f * s, 0.12f}, {0.69f * s, 0.12f}, {0.69f * s, 0.02f}, {0.55f * s, 0.02f}}, orange);
    }
    for (float y = -0.5f; y < 0.3f; y += 0.16f)
        p.Line({-0.2f, y}, {0.2f, y}, 0.02f, seam);
    p.Grain(0.07f, 110);
    return p.Result();
}
