// A finished mesh as the X file holds it: vertices with normals and texture
// coordinates, triangles with a material each, and the materials.
#pragma once

#include "engine/VectorMath.h"

#include <array>
#include <string>
#include <vector>

// What the device's material takes from the file; the ambient colour is the
// diffuse one when the game loads it. textureFile names a TEXTUREM picture
// ("216.png" is "#216"); empty for an untextured material.
struct ModelMaterial {
    Color diffuse;
    float power = 0.0f;
    Vec3 specular;
    Vec3 emissive;
    std::string textureFile;
};

struct ModelVertex {
    Vec3 position;
    Vec3 normal;
    Vec2 uv;
};

struct ModelFace {
    std::array<int, 3> corners;
    int material = 0;
};

struct Mesh {
    std::vector<ModelVertex> vertices;
    std::vector<ModelFace> faces;
    std::vector<ModelMaterial> materials;
};

// A solid material: opaque diffuse colour with an optional glow.
ModelMaterial Solid(float r, float g, float b, Vec3 emissive = {});
// A lamp or exhaust: the colour comes from the glow, so it keeps its hue
// whatever the light.
ModelMaterial Glow(float r, float g, float b);
// A solid material with its texture picture.
ModelMaterial Textured(float r, float g, float b, int pictureId, Vec3 emissive = {});
