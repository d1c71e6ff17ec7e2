#include "tools/assetgen/meshes/Mesh.h"

ModelMaterial Solid(float r, float g, float b, Vec3 emissive)
{
    ModelMaterial material;
    material.diffuse = {r, g, b, 1.0f};
    material.emissive = emissive;
    return material;
}

ModelMaterial Glow(float r, float g, float b)
{
    return Solid(0.3f * r, 0.3f * g, 0.3f * b, {0.85f * r, 0.85f * g, 0.85f * b});
}

ModelMaterial Textured(float r, float g, float b, int pictureId, Vec3 emissive)
{
    ModelMaterial material = Solid(r, g, b, emissive);
    material.textureFile = std::to_string(pictureId) + ".png";
    return material;
}
