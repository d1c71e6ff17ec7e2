#include "EffectsFixture.h"
#include "actors/LandScape.h"

#include <cmath>

namespace {

class LandScapeTest : public EffectsFixture {
protected:
    void SetUp() override
    {
        resources.AddText("MODEL", "#116", kTileMesh);
        resources.AddText("MODEL", "#118", kTileMesh);
    }

    // Where each drawn tile was placed: its block's translation and its offset in the block.
    std::vector<Vec3> DrawnTiles()
    {
        device.ClearRecord();
        ground.Draw();
        std::vector<Vec3> tiles;
        for (const RecordedDraw& draw : device.draws)
            for (int copy : draw.copies)
                tiles.push_back(Vec3{draw.state.world.m[3][0], draw.state.world.m[3][1], draw.state.world.m[3][2]} +
                                device.copyOffsets[draw.mesh][copy]);
        return tiles;
    }

    CLandScape ground;
};

TEST_F(LandScapeTest, GridReadsTopRowFirstWithEitherLineEndAndTheStageGroundScrollsWithoutEnd)
{
    for (const char* text : {"120\r\n0x3\r\n", "120\n0x3\n"}) {
        AddMap("#102", text);
        ground.SetupScene(11, 3, 2);
        EXPECT_EQ(std::vector({ground.Cell(0, 1), ground.Cell(1, 1), ground.Cell(1, 0), ground.Cell(2, 0)}),
                  std::vector({1, 2, 0, 3})) << text;
    }
    // A resource shorter than the grid leaves the cells it does not reach empty.
    std::fill(std::begin(ground.cells), std::end(ground.cells), 7);
    AddMap("#102", "12\r\n");
    ground.SetupScene(11, 150, 100);
    EXPECT_EQ(ground.gridWidth, 100);
    EXPECT_EQ(std::vector({ground.Cell(0, 99), ground.Cell(1, 99), ground.Cell(2, 99), ground.Cell(99, 0)}),
              std::vector({1, 2, 0, 0}));
    AddMap("#102", std::string(100 * 100, '0'));
    ground.SetupScene(11, 100, 100);
    EXPECT_EQ(ground.position.x, 50.0f);
    EXPECT_EQ(device.state.fogColor, 0xFF40528Au);
    ground.position = {-0.5f, 100.25f, 0.0f};
    ground.Draw();
    EXPECT_TRUE(Near(ground.position, {99.5f, 0.25f, 0.0f}, 0.0));
    ground.position = {-250.0f, 320.0f, 0.0f};
    ground.Draw();
    EXPECT_TRUE(Near(ground.position, {50.0f, 20.0f, 0.0f}, 0.0));
}

TEST_F(LandScapeTest, SmallGridRepeatsOnlyTilesInTheViewConeAreDrawnTheSectionIsWireframeNoGroundNothing)
{
    // One tile per 3 × 3 block; value 3 has no model and draws nothing.
    AddMap("#102", "003\n000\n100\n");
    ground.SetupScene(11, 3, 3);
    ground.position = {0.5f, 0.5f, 0.0f};
    const std::vector<Vec3> tiles = DrawnTiles();
    ASSERT_FALSE(tiles.empty());
    float leftmost = 0.0f;
    for (const Vec3& tile : tiles) {
        EXPECT_EQ(std::fmod(tile.x + 0.5f, 3.0f), 0.0f) << tile.x;
        EXPECT_EQ(std::fmod(tile.y + 0.5f, 3.0f), 0.0f) << tile.y;
        EXPECT_EQ(tile.z, 10.0f);
        leftmost = std::min(leftmost, tile.x);
    }
    EXPECT_LT(leftmost, -20.0f);
    EXPECT_TRUE(device.draws[0].state.fog);
    EXPECT_EQ(device.draws[0].state.cull, CullMode::CounterClockwise);
    // Looking straight at a flat ground 20 units away, the cone takes the
    // tiles less than 30 units from the point under the camera.
    AddMap("#102", std::string(10 * 10, '1'));
    ground.SetupScene(11, 10, 10);
    ground.position = {};
    int inside = 0;
    for (int y = -60; y <= 60; ++y)
        for (int x = -60; x <= 60; ++x)
            inside += x * x + y * y < 900 ? 1 : 0;
    const std::vector<Vec3> cone = DrawnTiles();
    EXPECT_EQ(static_cast<int>(cone.size()), inside);
    for (const Vec3& tile : cone)
        EXPECT_LT(tile.x * tile.x + tile.y * tile.y, 900.0f);
    ground.SetupScene(10, 0, 0);
    world.graphics.SetFog(1);
    device.ClearRecord();
    ground.Draw();
    ASSERT_EQ(device.draws.size(), 1u);
    EXPECT_EQ(device.draws[0].state.fill, FillMode::Wireframe);
    EXPECT_FALSE(device.draws[0].state.fog);
    EXPECT_EQ(device.state.fill, FillMode::Solid);
    ground.SetupScene(12, 0, 0);  // the title's ground drifts along y only
    EXPECT_TRUE(Near(ground.velocity, {0.0f, 0.1f, 0.0f}));
    ground.velocity = {0.0f, 0.5f, 0.0f};
    ground.SetupScene(-1, 0, 0);
    EXPECT_EQ(ground.velocity.y, 0.0f);
    EXPECT_EQ(DrawnTiles().size(), 0u);
    EXPECT_EQ(ground.ownedModels[6], -1);
}

}  // namespace
