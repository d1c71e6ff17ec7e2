// The texture and mesh slots of GraphicsSystem behind the game's int handles.
#include "engine/GraphicsSystem.h"

#include "engine/FileUtil.h"
#include "engine/ResourceLoader.h"
#include "engine/TextureLoader.h"

namespace {

constexpr int kSlotCount = GraphicsSystem::kSlotCount;

template <typename Record>
using SlotTable = std::array<std::unique_ptr<Record>, kSlotCount>;

// The first empty slot from *searchStart on, wrapping round; the search start
// stays on it. -1, with the search start unchanged, when every slot is filled.
template <typename Record>
int TakeFreeSlot(const SlotTable<Record>& table, int* searchStart)
{
    int index = *searchStart;
    for (int probe = 0; probe < kSlotCount; ++probe) {
        if (!table[index]) {
            *searchStart = index;
            return index;
        }
        index = (index + 1) % kSlotCount;
    }
    return -1;
}

template <typename Record>
Record* FindSlot(const SlotTable<Record>& table, int handle)
{
    if (handle < 0 || handle >= kSlotCount)
        return nullptr;
    return table[handle].get();
}

template <typename Record>
void ReleaseSlot(SlotTable<Record>* table, int* handle)
{
    if (!FindSlot(*table, *handle))
        return;
    (*table)[*handle].reset();
    *handle = -1;
}

}  // namespace

void GraphicsSystem::LoadTextureResource(int* handle, const char* name)
{
    Image image;
    const bool decoded = DecodePng(&image, ReadResource("TEXTURE", name), true);
    PutTexture(handle, decoded ? &image : nullptr);
}

void GraphicsSystem::PutTexture(int* handle, const Image* image)
{
    ReleaseTexture(handle);
    *handle = -1;
    const int slot = TakeFreeSlot(textures, &textureSearch);
    if (slot < 0)
        return;
    auto holder = std::make_unique<TextureHolder>(device);
    if (image)
        holder->texture = CreateTextureFromImage(device, *image, &holder->width, &holder->height);
    textures[slot] = std::move(holder);
    *handle = slot;
}

void GraphicsSystem::LoadTextureFile(int* handle, const std::string& path)
{
    const std::string file = ResolveProgramPath(path);
    if (!FileExists(file))
        return;
    std::vector<unsigned char> bytes;
    ReadWholeFile(file, &bytes);
    Image image;
    PutTexture(handle, DecodePicture(&image, bytes) ? &image : nullptr);
}

void GraphicsSystem::LoadTextureFileDecoded(int* handle, const std::string& path)
{
    std::vector<unsigned char> png;
    ReadWholeFile(ResolveProgramPath(path), &png);
    Image image;
    PutTexture(handle, DecodePng(&image, png, true) ? &image : nullptr);
}

void GraphicsSystem::LoadMesh(int* handle, const char* name, const char* type)
{
    ReleaseMesh(handle);
    *handle = -1;
    const int slot = TakeFreeSlot(meshes, &meshSearch);
    if (slot < 0)
        return;
    auto model = std::make_unique<CModel>(device);
    if (!model->LoadFromResource(name, type))
        return;
    meshes[slot] = std::move(model);
    *handle = slot;
}

void GraphicsSystem::ReleaseTexture(int* handle) { ReleaseSlot(&textures, handle); }

void GraphicsSystem::ReleaseMesh(int* handle) { ReleaseSlot(&meshes, handle); }

void GraphicsSystem::SetTexture(int handle)
{
    const TextureHolder* holder = FindSlot(textures, handle);
    device->SetTexture(holder ? holder->texture : kNoTexture);
}

const TextureHolder* GraphicsSystem::FindTexture(int handle) const
{
    const TextureHolder* holder = FindSlot(textures, handle);
    if (!holder || holder->texture == kNoTexture || holder->width <= 0 || holder->height <= 0)
        return nullptr;
    return holder;
}

CModel* GraphicsSystem::FindMesh(int handle) const { return FindSlot(meshes, handle); }

int GraphicsSystem::AddMeshCopies(int mesh, std::span<const Vec3> offsets)
{
    CModel* model = FindMesh(mesh);
    return model ? model->AddCopies(offsets) : -1;
}

void GraphicsSystem::ReleaseMeshCopies(int mesh)
{
    if (CModel* model = FindMesh(mesh))
        model->ReleaseCopies();
}

int GraphicsSystem::GetMeshMaterialCount(int handle) const
{
    const CModel* model = FindMesh(handle);
    return model ? static_cast<int>(model->MaterialCount()) : 0;
}

int GraphicsSystem::GetMeshVertexCount(int handle) const
{
    const CModel* model = FindMesh(handle);
    return model ? model->VertexCount() : 0;
}

int GraphicsSystem::GetMeshFaceCount(int handle) const
{
    const CModel* model = FindMesh(handle);
    return model ? model->FaceCount() : 0;
}

int GraphicsSystem::GetTextureWidth(int handle) const
{
    const TextureHolder* holder = FindSlot(textures, handle);
    return holder ? holder->width : 0;
}

int GraphicsSystem::GetTextureHeight(int handle) const
{
    const TextureHolder* holder = FindSlot(textures, handle);
    return holder ? holder->height : 0;
}
