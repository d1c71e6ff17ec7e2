// The embedded meshes as the game loads them: each MODEL unscrambles and
// reads, and every picture its materials name is an embedded TEXTUREM that
// converts. Needs the asset pipeline's embedded table.
#include "assets/EmbeddedAssets.h"
#include "engine/ResourceLoader.h"
#include "engine/XFile.h"
#include "platform/Resources.h"
#include "tools/assetgen/meshes/MeshCatalog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(EmbeddedMeshes, EveryModelReadsAndThePicturesItNamesConvert)
{
    ClearResources();
    RegisterEmbeddedAssets();
    for (const MeshAsset& asset : MeshAssets()) {
        SCOPED_TRACE(asset.id);
        const std::string name = "#" + std::to_string(asset.id);
        const std::vector<unsigned char> bytes = ReadResource("MODEL", name.c_str());
        MeshData mesh;
        ASSERT_TRUE(ParseXFile(&mesh, bytes.data(), bytes.size()));
        EXPECT_EQ(mesh.materials.size(), asset.build().materials.size());
        for (const MeshMaterial& material : mesh.materials) {
            if (material.textureFileName.empty())
                continue;
            const std::string picture = "#" + material.textureFileName.substr(0, material.textureFileName.find('.'));
            const std::vector<unsigned char> png = ReadResource("TEXTUREM", picture.c_str());
            std::vector<unsigned char> bmp;
            EXPECT_TRUE(ConvertPngToBmp(&bmp, png.data(), png.size())) << picture;
        }
    }
    ClearResources();
}

} // namespace
