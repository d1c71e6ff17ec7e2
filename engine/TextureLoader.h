// Textures made from the PNG pictures among the executable's resources, and
// from PNG or BMP picture files.
#pragma once

#include "engine/BmpImage.h"
#include "platform/GraphicsDevice.h"

#include <vector>

// kNoTexture, with a size of 0 × 0, when the resource is missing or no
// picture. colourKey makes exactly opaque magenta transparent black.
TextureId CreateTextureFromResource(GraphicsDevice* device, const char* type, const char* name, bool colourKey,
                                    int* width, int* height);

// A PNG picture decoded through its BMP form; false for anything else.
bool DecodePng(Image* image, const std::vector<unsigned char>& png, bool colourKey);
// A PNG or BMP picture, told apart by the PNG signature; no colour key.
bool DecodePicture(Image* image, const std::vector<unsigned char>& bytes);
// kNoTexture, with a size of 0 × 0, when the device refuses the picture.
TextureId CreateTextureFromImage(GraphicsDevice* device, const Image& image, int* width, int* height);
