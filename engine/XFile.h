// Our reader of DirectX X files in text form: every mesh of the file, placed
// by its frames, merged into one triangle mesh sorted by material.
#pragma once

#include "engine/VectorMath.h"
#include "platform/GraphicsDevice.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct MeshMaterial {
    Color diffuse;
    Color ambient; // X files carry none: always zero
    Color specular;
    Color emissive;
    float power = 0.0f;
    // As written in the file, folder and extension included; empty for none.
    std::string textureFileName;
};

// The device's geometry (clockwise front faces as in the file; normals and
// uvs zero where the file gives none; one subset per material, in material
// order) and the materials of its subsets.
struct MeshData : MeshGeometry {
    std::vector<MeshMaterial> materials;
};

// Reads a text X file ("xof 0303txt 0032"). False, with mesh untouched, for
// binary or compressed files, and for anything malformed or without a triangle.
bool ParseXFile(MeshData* mesh, const unsigned char* data, size_t size);
