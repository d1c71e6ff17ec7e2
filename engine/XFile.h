// Our reader of DirectX X files in text form: every mesh of the file, placed
// by its frames, merged into one triangle mesh sorted by material.
#pragma once

#include "engine/VectorMath.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct MeshVertex {
    Vec3 position;
    Vec3 normal; // zero when the file gives no normals
    Vec2 uv;     // zero when the file gives no texture coordinates
};

struct MeshMaterial {
    Color diffuse;
    Color ambient; // X files carry none: always zero
    Color specular;
    Color emissive;
    float power = 0.0f;
    // As written in the file, folder and extension included; empty for none.
    std::string textureFileName;
};

// The triangles of one material: triangles firstTriangle .. firstTriangle + triangleCount - 1.
struct MeshSubset {
    int firstTriangle = 0;
    int triangleCount = 0;
};

struct MeshData {
    std::vector<MeshVertex> vertices;
    // Three vertex indices per triangle, clockwise front faces as in the file,
    // grouped by material in material order.
    std::vector<uint32_t> indices;
    std::vector<MeshMaterial> materials;
    // One per material, in the same order.
    std::vector<MeshSubset> subsets;
};

// Reads a text X file ("xof 0303txt 0032"). False, with mesh untouched, for
// binary or compressed files, and for anything malformed or without a triangle.
bool ParseXFile(MeshData* mesh, const unsigned char* data, size_t size);
