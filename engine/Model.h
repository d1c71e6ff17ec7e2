// What a mesh slot holds: a mesh loaded from an X-file resource, one subset
// per material, with the materials and their textures.
#pragma once

#include "engine/VectorMath.h"
#include "platform/GraphicsDevice.h"

#include <array>
#include <span>
#include <string>
#include <vector>

struct MeshData;

class CModel {
public:
    explicit CModel(GraphicsDevice* device) : device(device) {}
    CModel(const CModel&) = delete;
    CModel& operator=(const CModel&) = delete;
    ~CModel();

    // Reads the resource of that name and type; false when it is no mesh.
    bool LoadFromResource(const char* name, const char* type);
    // An X file (a relative path is below the program folder), which also
    // fills the bounds; nothing in the game loads one.
    bool LoadFromFile(const std::string& path);
    // The resource through a temporary file, which is removed afterwards.
    bool LoadFromResourceViaTempFile(const char* name, const char* type);
    // Each material with its own texture.
    void Draw();
    // Each material without texture; nothing in the game draws so.
    void DrawUntextured();
    // Untextured, each material's diffuse alpha scaled by alpha; exactly 0.0
    // blackens diffuse, ambient and emissive instead.
    void DrawAlpha(float alpha);
    // A set of copies of the mesh, each moved by its offset, kept in one
    // device buffer so that any of them draw together: its index, or -1.
    int AddCopies(std::span<const Vec3> offsets);
    // The listed copies of a set, each material once with its own texture.
    void DrawCopies(int set, std::span<const int> shown);
    void ReleaseCopies();

    unsigned int MaterialCount() const { return materialCount; }
    int VertexCount() const { return vertexCount; }
    int FaceCount() const { return faceCount; }
    // The corners of the box round the vertices (bit 0 of the index picks the
    // larger x, bit 1 y, bit 2 z), then those of the half-size box about its
    // centre; zero unless loaded from a file.
    const std::array<Vec3, 16>& Bounds() const { return bounds; }

private:
    bool LoadFromBytes(const std::vector<unsigned char>& bytes, MeshData* data);
    void FillBounds(const MeshData& data);

    // As loaded, for copies.
    MeshGeometry geometry;
    std::vector<MeshId> copySets;
    std::vector<Material> materials;
    std::vector<TextureId> materialTextures;
    unsigned int materialCount = 0;
    MeshId mesh = kNoMesh;
    GraphicsDevice* device;
    int vertexCount = 0;
    int faceCount = 0;
    std::array<Vec3, 16> bounds{};
};
