#include "tools/assetgen/meshes/Mesh.h"

Material Solid(float r, float g, float b, Vec3 emissive)
{
    Material material;
    material.diffuse = {r, g, b, 1.0f};
    material.emissive = emissive;
    return material;
}

Material Textured(float r, float g, float b, int pictureId, Vec3 emissive)
{
    Material material = Solid(r, g, b, emissive);
    material.textureFile = std::to_string(pictureId) + ".png";
    return material;
}
