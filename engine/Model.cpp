#include "engine/Model.h"

#include "engine/FileUtil.h"
#include "engine/TextureLoader.h"
#include "engine/ResourceLoader.h"
#include "engine/XFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

CModel::~CModel()
{
    ReleaseCopies();
    for (TextureId texture : materialTextures)
        if (texture != kNoTexture)
            device->ReleaseTexture(texture);
    if (mesh != kNoMesh)
        device->ReleaseMesh(mesh);
}

bool CModel::LoadFromResource(const char* name, const char* type)
{
    MeshData data;
    return LoadFromBytes(ReadResource(type, name), &data);
}

bool CModel::LoadFromFile(const std::string& path)
{
    std::vector<unsigned char> bytes;
    MeshData data;
    if (!ReadWholeFile(ResolveProgramPath(path), &bytes) || !LoadFromBytes(bytes, &data))
        return false;
    FillBounds(data);
    return true;
}

bool CModel::LoadFromResourceViaTempFile(const char* name, const char* type)
{
    std::string folder = (std::filesystem::temp_directory_path() / "vostrelle-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        return false;
    const std::string path = folder + "/mesh.x";
    const std::vector<unsigned char> copy = ReadResource(type, name);
    const bool loaded = WriteFileBytes(path, copy.data(), copy.size()) && LoadFromFile(path);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return loaded;
}

bool CModel::LoadFromBytes(const std::vector<unsigned char>& bytes, MeshData* out)
{
    MeshData& data = *out;
    if (!ParseXFile(&data, bytes.data(), bytes.size()))
        return false;
    mesh = device->CreateMesh(data);
    if (mesh == kNoMesh)
        return false;
    geometry = data;
    materialCount = static_cast<unsigned int>(data.materials.size());
    for (const MeshMaterial& source : data.materials) {
        // The file's ambient colour gives way to the diffuse one.
        materials.push_back({source.diffuse, source.diffuse, source.specular, source.emissive, source.power});
        TextureId texture = kNoTexture;
        if (!source.textureFileName.empty()) {
            const std::string resource = "#" + GetFileNameNoExt(source.textureFileName);
            int width = 0, height = 0;
            texture = CreateTextureFromResource(device, "TEXTUREM", resource.c_str(), false, &width, &height);
        }
        materialTextures.push_back(texture);
    }
    faceCount = static_cast<int>(data.indices.size() / 3);
    vertexCount = static_cast<int>(data.vertices.size());
    return true;
}

void CModel::Draw()
{
    for (unsigned int i = 0; i < materialCount; ++i) {
        device->SetMaterial(materials[i]);
        device->SetTexture(materialTextures[i]);
        device->DrawMeshSubset(mesh, static_cast<int>(i));
    }
}

void CModel::DrawUntextured()
{
    device->SetTexture(kNoTexture);
    for (unsigned int i = 0; i < materialCount; ++i) {
        device->SetMaterial(materials[i]);
        device->DrawMeshSubset(mesh, static_cast<int>(i));
    }
}

void CModel::DrawAlpha(float alpha)
{
    for (unsigned int i = 0; i < materialCount; ++i) {
        Material material = materials[i];
        if (alpha == 0.0f) {
            material.diffuse = material.ambient = material.emissive = Color{};
        } else {
            material.diffuse.a = material.diffuse.a * alpha;
        }
        device->SetMaterial(material);
        device->SetTexture(kNoTexture);
        device->DrawMeshSubset(mesh, static_cast<int>(i));
    }
}

int CModel::AddCopies(std::span<const Vec3> offsets)
{
    const MeshId copies = device->CreateMeshCopies(geometry, offsets);
    if (copies == kNoMesh)
        return -1;
    copySets.push_back(copies);
    return static_cast<int>(copySets.size()) - 1;
}

void CModel::DrawCopies(int set, std::span<const int> shown)
{
    if (set < 0 || static_cast<size_t>(set) >= copySets.size())
        return;
    for (unsigned int i = 0; i < materialCount; ++i) {
        device->SetMaterial(materials[i]);
        device->SetTexture(materialTextures[i]);
        device->DrawMeshCopies(copySets[set], static_cast<int>(i), shown);
    }
}

void CModel::ReleaseCopies()
{
    for (MeshId copies : copySets)
        device->ReleaseMesh(copies);
    copySets.clear();
}

void CModel::FillBounds(const MeshData& data)
{
    Vec3 low = data.vertices[0].position;
    Vec3 high = low;
    for (const MeshBufferVertex& vertex : data.vertices) {
        low = {std::min(low.x, vertex.position.x), std::min(low.y, vertex.position.y),
               std::min(low.z, vertex.position.z)};
        high = {std::max(high.x, vertex.position.x), std::max(high.y, vertex.position.y),
                std::max(high.z, vertex.position.z)};
    }
    const Vec3 centre = (low + high) * 0.5f;
    const Vec3 innerLow = (low + centre) * 0.5f;
    const Vec3 innerHigh = (high + centre) * 0.5f;
    for (int i = 0; i < 8; ++i) {
        bounds[i] = {i & 1 ? high.x : low.x, i & 2 ? high.y : low.y, i & 4 ? high.z : low.z};
        bounds[8 + i] = {i & 1 ? innerHigh.x : innerLow.x, i & 2 ? innerHigh.y : innerLow.y,
                         i & 4 ? innerHigh.z : innerLow.z};
    }
}
