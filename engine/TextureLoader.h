// Textures made from the PNG pictures among the executable's resources.
#pragma once

#include "platform/GraphicsDevice.h"

// kNoTexture, with a size of 0 × 0, when the resource is missing or no
// picture. colourKey makes exactly opaque magenta transparent black.
TextureId CreateTextureFromResource(GraphicsDevice* device, const char* type, const char* name, bool colourKey,
                                    int* width, int* height);
