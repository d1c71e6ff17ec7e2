// The grounds drawn as wireframe: only their edges show, in the colour of
// their glow (the material's emissive; fog is off for them).
#include "tools/assetgen/meshes/MeshBuilder.h"
#include "tools/assetgen/meshes/Models.h"
#include "tools/assetgen/meshes/Primitives.h"

#include <cmath>

// The practice sections' ground: a geodesic dome of radius 24 round the
// field's centre that encloses the camera, its lattice turning slowly behind
// the play plane like the walls of a training sphere.
Mesh BuildSectionGround()
{
    MeshBuilder builder;
    const int lattice = builder.AddMaterial(Solid(0.0f, 0.10f, 0.05f, {0.05f, 0.42f, 0.22f}));
    builder.Add(IcoSphere(24.0f, 2), lattice, {}, 90.0f);
    return builder.Result();
}

// A rolling wire terrain strip scrolling past below the field.
Mesh BuildWireTerrain()
{
    std::vector<Layer> layers;
    for (int row = 0; row <= 30; ++row) {
        const float y = -12.0f + 4.0f * static_cast<float>(row);
        Outline outline = {{-24.0f, 12.0f}};
        for (int col = 0; col <= 12; ++col) {
            const float x = -24.0f + 4.0f * static_cast<float>(col);
            const float h = 1.5f * std::sin(0.37f * x + 0.21f * y) + 1.0f * std::cos(0.23f * y - 0.11f * x);
            outline.push_back({x, 8.0f - h});
        }
        outline.push_back({24.0f, 12.0f});
        layers.push_back({outline, y});
    }
    MeshBuilder builder;
    const int lattice = builder.AddMaterial(Solid(0.0f, 0.05f, 0.10f, {0.15f, 0.35f, 0.70f}));
    builder.Add(Stack(layers, Axis::Y), lattice, {}, 60.0f);
    return builder.Result();
}
