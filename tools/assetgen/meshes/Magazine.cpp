// The ejected magazine: a ribbed box clip with a bright band and a dark feed
// lip, half a unit long. Drawn untextured and fading, so its materials are
// its whole look.
#include "tools/assetgen/meshes/HullParts.h"
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"

namespace {

Shape Casing() { return BevelledPlate(ChamferedRect(0.18f, 0.50f, 0.03f), -0.055f, 0.055f, 0.015f, Axis::Z); }

Shape Ribs()
{
    Shape ribs;
    for (float y : {-0.14f, -0.06f, 0.02f})
        ribs = Merged(ribs, Box({-0.10f, y, -0.065f}, {0.10f, y + 0.035f, 0.065f}));
    return ribs;
}

Shape Band() { return Box({-0.095f, 0.10f, -0.062f}, {0.095f, 0.16f, 0.062f}); }

Shape Lip() { return Box({-0.06f, 0.24f, -0.035f}, {0.06f, 0.29f, 0.035f}); }

} // namespace

Mesh BuildMagazine()
{
    MeshBuilder builder;
    const int casing = builder.AddMaterial(Solid(0.58f, 0.60f, 0.64f));
    const int rib = builder.AddMaterial(Solid(0.34f, 0.36f, 0.40f));
    const int band = builder.AddMaterial(Solid(0.95f, 0.72f, 0.16f, {0.20f, 0.14f, 0.0f}));
    builder.Add(Casing(), casing);
    builder.Add(Ribs(), rib);
    builder.Add(Lip(), rib);
    builder.Add(Band(), band);
    return builder.Result();
}
