#include "engine/TextureLoader.h"

#include "engine/BmpImage.h"
#include "engine/ResourceLoader.h"

TextureId CreateTextureFromResource(GraphicsDevice* device, const char* type, const char* name, bool colourKey,
                                    int* width, int* height)
{
    *width = *height = 0;
    const std::vector<unsigned char> png = ReadResource(type, name);
    std::vector<unsigned char> bmp;
    Image image;
    if (!ConvertPngToBmp(&bmp, png.data(), png.size()) || !DecodeBmp(&image, bmp.data(), bmp.size(), colourKey))
        return kNoTexture;
    const TextureId texture = device->CreateTexture(image.width, image.height, image.pixels.data());
    if (texture != kNoTexture) {
        *width = image.width;
        *height = image.height;
    }
    return texture;
}
