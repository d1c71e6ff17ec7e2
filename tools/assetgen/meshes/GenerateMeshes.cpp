#include "tools/assetgen/AssetSink.h"
#include "tools/assetgen/meshes/MeshCatalog.h"
#include "tools/assetgen/meshes/XFileWriter.h"

void GenerateMeshes(AssetSink& sink)
{
    for (const MeshAsset& asset : MeshAssets()) {
        const std::string text = WriteXFile(asset.build());
        sink.Add("MODEL", asset.id, std::vector<unsigned char>(text.begin(), text.end()));
    }
    for (const MeshPicture& picture : MeshPictures())
        sink.Add("TEXTUREM", picture.id, EncodePng(picture.paint()));
}
