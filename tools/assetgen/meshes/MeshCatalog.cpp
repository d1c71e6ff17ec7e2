#include "tools/assetgen/meshes/MeshCatalog.h"

#include "tools/assetgen/meshes/Models.h"

const std::vector<MeshAsset>& MeshAssets()
{
    static const std::vector<MeshAsset> assets = {
        {101, BuildPlayerShip},
    };
    return assets;
}

const std::vector<MeshPicture>& MeshPictures()
{
    static const std::vector<MeshPicture> pictures = {
        {kPlayerPicture, PaintPlayerShip},
    };
    return pictures;
}
