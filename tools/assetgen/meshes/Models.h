// Every mesh the game loads and the pictures their materials name. Each
// textured model paints its own picture; the picture id is the number in the
// material's texture file name.
#pragma once

#include "tools/assetgen/AssetSink.h"
#include "tools/assetgen/meshes/Mesh.h"

inline constexpr int kPlayerPicture = 201;

Mesh BuildPlayerShip();
Picture PaintPlayerShip();
