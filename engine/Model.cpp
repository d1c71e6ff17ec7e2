#include "engine/Model.h"

#include "engine/FileUtil.h"
#include "engine/TextureLoader.h"
#include "engine/ResourceLoader.h"
#include "engine/XFile.h"

#include <string>

CModel::~CModel()
{
    for (TextureId texture : materialTextures)
        if (texture != kNoTexture)
            device->ReleaseTexture(texture);
    if (mesh != kNoMesh)
        device->ReleaseMesh(mesh);
}

bool CModel::LoadFromResource(const char* name, const char* type)
{
    const std::vector<unsigned char> copy = ReadResource(type, name);
    MeshData data;
    if (!ParseXFile(&data, copy.data(), copy.size()))
        return false;
    mesh = device->CreateMesh(data);
    if (mesh == kNoMesh)
        return false;
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
