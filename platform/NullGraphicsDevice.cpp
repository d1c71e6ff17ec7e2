#include "platform/NullGraphicsDevice.h"

#include <cstddef>

bool NullGraphicsDevice::GetDesktopMode(DisplayMode* mode)
{
    *mode = {640, 480, 60, 0};
    return true;
}

bool NullGraphicsDevice::CreateDevice(const PresentParameters& parameters)
{
    width = parameters.width;
    height = parameters.height;
    return true;
}

TextureId NullGraphicsDevice::CreateTexture(int textureWidth, int textureHeight, const uint32_t* pixels)
{
    if (textureWidth <= 0 || textureHeight <= 0 || !pixels)
        return kNoTexture;
    return ++lastId;
}

MeshId NullGraphicsDevice::CreateMesh(const MeshGeometry& geometry)
{
    if (geometry.vertices.empty())
        return kNoMesh;
    return ++lastId;
}

MeshId NullGraphicsDevice::CreateMeshCopies(const MeshGeometry& geometry, std::span<const Vec3> offsets)
{
    return offsets.empty() ? kNoMesh : NullGraphicsDevice::CreateMesh(geometry);
}

bool NullGraphicsDevice::ReadBackBuffer(std::vector<unsigned char>* rgb, int* outWidth, int* outHeight)
{
    if (width <= 0 || height <= 0)
        return false;
    rgb->assign(static_cast<size_t>(width) * height * 3, 0);
    *outWidth = width;
    *outHeight = height;
    return true;
}
