// The list of MODEL resources and of the TEXTUREM pictures they name.
#pragma once

#include "tools/assetgen/AssetSink.h"
#include "tools/assetgen/meshes/Mesh.h"

#include <vector>

struct MeshAsset {
    int id;
    Mesh (*build)();
};

struct MeshPicture {
    int id;
    Picture (*paint)();
};

const std::vector<MeshAsset>& MeshAssets();
const std::vector<MeshPicture>& MeshPictures();
