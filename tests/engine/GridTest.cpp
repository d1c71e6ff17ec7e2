#include "engine/Grid.h"

#include "GraphicsTestResources.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "tests/actors/TileMesh.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

// Where each mesh subset was drawn: the world matrix's translation.
class PlacesDevice : public NullGraphicsDevice {
public:
    void SetTransform(TransformType type, const Matrix& matrix) override
    {
        if (type == TransformType::World)
            world = matrix;
    }
    void DrawMeshSubset(MeshId, int) override { places.push_back({world.m[3][0], world.m[3][1], world.m[3][2]}); }

    Matrix world;
    std::vector<Vec3> places;
};

TEST(GridTest, ClearZeroesEveryCellAndDrawAllPlacesTheMeshOnEveryCellXFastest)
{
    auto grid = std::make_unique<CGrid>();
    grid->cells[0][0][0] = grid->cells[63][63][63] = grid->cells[5][6][7] = 9;
    grid->Clear();
    EXPECT_EQ(grid->cells[0][0][0] | grid->cells[63][63][63] | grid->cells[5][6][7], 0);

    PlacesDevice device;
    GraphicsSystem graphics;
    graphics.Init(&device, 640, 480, false, false);
    GraphicsTestResources resources;
    resources.AddText("MODEL", "#106", kTileMesh);
    graphics.LoadMesh(&g_modelArmouredEnemy, "#106", "MODEL");
    g_graphics = &graphics;
    grid->DrawAll();
    g_graphics = nullptr;
    g_modelArmouredEnemy = -1;
    ASSERT_EQ(device.places.size(), 64u * 64u * 64u);
    const auto at = [&](size_t n) { return std::array{device.places[n].x, device.places[n].y, device.places[n].z}; };
    EXPECT_EQ(at(0), (std::array{-16.0f, -16.0f, -16.0f}));
    EXPECT_EQ(at(1), (std::array{-15.5f, -16.0f, -16.0f}));
    EXPECT_EQ(at(64), (std::array{-16.0f, -15.5f, -16.0f}));
    EXPECT_EQ(at(64 * 64), (std::array{-16.0f, -16.0f, -15.5f}));
    EXPECT_EQ(at(device.places.size() - 1), (std::array{15.5f, 15.5f, 15.5f}));
}

}  // namespace
