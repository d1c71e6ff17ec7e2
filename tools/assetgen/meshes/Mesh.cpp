#include "tools/assetgen/meshes/Mesh.h"

Material Solid(float r, float g, float b, Vec3 emissive)
{
    Material material;
    material.diffuse = {r, g, b, 1.0f};
    material.emissive = emissive;
    return material;
}

Material Glow(float r, float g, float b)
{
    return Solid(0.3f * r, 0.3f * g, 0.3f * b, {0.85f * r, 0.85f * g, 0.85f * b});
}

Material Textured(float r, float g, float b, int pictureId, Vec3 emissive)
{
    Material material = Solid(r, g, b, emissive);
    material.textureFile = std::to_string(pictureId) + ".png";
    return material;
}
