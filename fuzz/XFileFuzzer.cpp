// X files: a parsed mesh has finite positions and normals, indexes only its
// own vertices, and one subset per material that together cover every
// triangle in order.
#include "engine/XFile.h"
#include "fuzz/FuzzCheck.h"

#include <cmath>

namespace {

bool IsFinite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MeshData mesh;
    if (!ParseXFile(&mesh, data, size))
        return 0;
    FuzzCheck(!mesh.indices.empty() && mesh.indices.size() % 3 == 0, "whole triangles");
    for (const MeshBufferVertex& vertex : mesh.vertices)
        FuzzCheck(IsFinite(vertex.position) && IsFinite(vertex.normal), "finite positions and normals");
    for (uint32_t index : mesh.indices)
        FuzzCheck(index < mesh.vertices.size(), "indexes name vertices");
    FuzzCheck(mesh.subsets.size() == mesh.materials.size() && mesh.materials.size() <= 4096, "one subset per material");
    size_t next = 0;
    for (const MeshBufferSubset& subset : mesh.subsets) {
        FuzzCheck(subset.firstTriangle == static_cast<int>(next) && subset.triangleCount >= 0, "subsets in order");
        next += static_cast<size_t>(subset.triangleCount);
    }
    FuzzCheck(next * 3 == mesh.indices.size(), "subsets cover every triangle");
    for (const MeshMaterial& material : mesh.materials)
        FuzzCheck(material.textureFileName.size() <= 259, "texture names fit a path");
    return 0;
}
