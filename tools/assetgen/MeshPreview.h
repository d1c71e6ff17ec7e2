// A small software renderer that shows a mesh as the game lights it, for
// the contact sheet: textured, per-vertex lit, depth-tested.
#pragma once

#include "tools/assetgen/AssetSink.h"

#include <functional>
#include <string>
#include <vector>

// The PNG bytes of the TEXTUREM resource of that name ("#210"), or null.
using TextureLookup = std::function<const std::vector<unsigned char>*(const std::string& name)>;

// Two views side by side, each size × size: from the game's camera (top
// toward the viewer, nose up) and from three quarters. A file that does not
// parse gives a dark red picture.
Picture RenderMeshPreview(const std::vector<unsigned char>& xFile, const TextureLookup& findTexture, int size);
