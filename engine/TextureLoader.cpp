#include "engine/TextureLoader.h"

#include "engine/ResourceLoader.h"

TextureId CreateTextureFromResource(GraphicsDevice* device, const char* type, const char* name, bool colourKey,
                                    int* width, int* height)
{
    *width = *height = 0;
    Image image;
    if (!DecodePng(&image, ReadResource(type, name), colourKey))
        return kNoTexture;
    return CreateTextureFromImage(device, image, width, height);
}

bool DecodePng(Image* image, const std::vector<unsigned char>& png, bool colourKey)
{
    std::vector<unsigned char> bmp;
    return ConvertPngToBmp(&bmp, png.data(), png.size()) && DecodeBmp(image, bmp.data(), bmp.size(), colourKey);
}

bool DecodePicture(Image* image, const std::vector<unsigned char>& bytes)
{
    if (HasPngSignature(bytes.data(), bytes.size()))
        return DecodePng(image, bytes, false);
    return DecodeBmp(image, bytes.data(), bytes.size(), false);
}

TextureId CreateTextureFromImage(GraphicsDevice* device, const Image& image, int* width, int* height)
{
    *width = *height = 0;
    const TextureId texture = device->CreateTexture(image.width, image.height, image.pixels.data());
    if (texture != kNoTexture) {
        *width = image.width;
        *height = image.height;
    }
    return texture;
}
