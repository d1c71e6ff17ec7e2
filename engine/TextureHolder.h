// What a texture slot holds: the device texture and the picture's size.
#pragma once

#include "platform/GraphicsDevice.h"

struct TextureHolder {
    explicit TextureHolder(GraphicsDevice* device) : device(device) {}
    TextureHolder(const TextureHolder&) = delete;
    TextureHolder& operator=(const TextureHolder&) = delete;
    ~TextureHolder()
    {
        if (texture != kNoTexture)
            device->ReleaseTexture(texture);
    }

    int width = 0;
    int height = 0;
    TextureId texture = kNoTexture;
    GraphicsDevice* device;
};
