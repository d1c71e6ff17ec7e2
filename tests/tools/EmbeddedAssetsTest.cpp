// The embedded grids and meshes as the game reads them.
#include "engine/XFile.h"
#include "tests/tools/Embedded.h"
#include "tools/assetgen/meshes/MeshCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

TEST(EmbeddedAssets, GridsHaveTheirSizesAndDigitsAndTheStageGroundIsMostlyOpen)
{
    const struct {
        int id;
        size_t width, height;
        std::string digits;
    } grids[] = {{101, 40, 20, "012"}, {102, 100, 100, "012"}, {103, 10, 10, "0"}, {104, 100, 100, "01"}};
    for (const auto& grid : grids) {
        SCOPED_TRACE(grid.id);
        size_t size = 0; // stored as plain text
        const unsigned char* data = LockResourceData(("#" + std::to_string(grid.id)).c_str(), "MAP", &size);
        const std::string text(reinterpret_cast<const char*>(data), size);
        std::string seen;
        size_t start = 0, lines = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2, ++lines) {
            ASSERT_EQ(end - start, grid.width);
            for (size_t i = start; i < end; ++i)
                if (seen.find(text[i]) == std::string::npos)
                    seen += text[i];
        }
        EXPECT_EQ(start, text.size()) << "ends with CR LF";
        EXPECT_EQ(lines, grid.height);
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(seen, grid.digits);
        if (grid.id == 102) {
            const auto open = std::count(text.begin(), text.end(), '0');
            EXPECT_GT(10000 - open, 500);
            EXPECT_LT(10000 - open, 3000);
        }
    }
}

TEST(EmbeddedAssets, EveryModelReadsWithItsMaterialsAndThePicturesItNamesConvert)
{
    for (const MeshAsset& asset : MeshAssets()) {
        SCOPED_TRACE(asset.id);
        const std::vector<unsigned char> bytes = Embedded("MODEL", asset.id);
        MeshData mesh;
        ASSERT_TRUE(ParseXFile(&mesh, bytes.data(), bytes.size()));
        const Mesh built = asset.build();
        ASSERT_EQ(mesh.materials.size(), built.materials.size());
        EXPECT_EQ(mesh.indices.size(), 3 * built.faces.size());
        for (size_t m = 0; m < mesh.materials.size(); ++m) {
            const std::string& file = mesh.materials[m].textureFileName;
            EXPECT_EQ(file, built.materials[m].textureFile);
            if (!file.empty()) {
                EXPECT_GT(EmbeddedPicture("TEXTUREM", std::stoi(file)).width, 0) << file;
            }
        }
    }
}
