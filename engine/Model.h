// What a mesh slot holds: a mesh loaded from an X-file resource, one subset
// per material, with the materials and their textures.
#pragma once

#include "platform/GraphicsDevice.h"

#include <vector>

class CModel {
public:
    explicit CModel(GraphicsDevice* device) : device(device) {}
    CModel(const CModel&) = delete;
    CModel& operator=(const CModel&) = delete;
    ~CModel();

    // Reads the resource of that name and type; false when it is no mesh.
    bool LoadFromResource(const char* name, const char* type);
    // Each material with its own texture.
    void Draw();
    // Untextured, each material's diffuse alpha scaled by alpha; exactly 0.0
    // blackens diffuse, ambient and emissive instead.
    void DrawAlpha(float alpha);

    unsigned int MaterialCount() const { return materialCount; }
    int VertexCount() const { return vertexCount; }
    int FaceCount() const { return faceCount; }

private:
    std::vector<Material> materials;
    std::vector<TextureId> materialTextures;
    unsigned int materialCount = 0;
    MeshId mesh = kNoMesh;
    GraphicsDevice* device;
    int vertexCount = 0;
    int faceCount = 0;
};
