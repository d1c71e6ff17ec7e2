#include "EffectsFixture.h"
#include "actors/Skybox.h"

#include <cmath>
#include <set>
#include <tuple>

namespace {

using SkyboxTest = EffectsFixture;
using Centre = std::tuple<int, int, int>;

struct SkyCase {
    void (*spawn)();
    int* textures;
    int firstName;
    std::set<Centre> centres;
};

TEST_F(SkyboxTest, FacesCloseTheBoxInTheirTextureOrderSampledSmoothlyAndSetBackAfter)
{
    const std::set<Centre> sides{{0, 20, 0}, {-20, 0, 0}, {20, 0, 0}, {0, -20, 0}, {0, 0, -20}};
    std::set<Centre> box = sides;
    box.insert({0, 0, 20});
    const SkyCase cases[] = {{SpawnSkybox, g_texSkybox, 329, box}, {SpawnSkybox2, g_texSkybox2, 318, sides}};
    for (const SkyCase& c : cases) {
        SCOPED_TRACE(c.firstName);
        const std::vector<TextureId> ids = LoadPictures(c.textures, static_cast<int>(c.centres.size()), c.firstName);
        c.spawn();
        g_skyList.back()->Draw();
        ASSERT_EQ(device.draws.size(), c.centres.size());
        std::set<Centre> centres;
        for (size_t face = 0; face < device.draws.size(); ++face) {
            const RecordedDraw& draw = device.draws[face];
            EXPECT_EQ(draw.state.texture, ids[face]);
            EXPECT_EQ(draw.state.filter, TextureFilter::Linear);
            EXPECT_EQ(draw.state.address, TextureAddress::Clamp);
            EXPECT_FALSE(draw.state.depthTest);
            EXPECT_EQ(Width(draw), 40.0f);
            const float* at = draw.state.world.m[3];
            centres.insert({std::lround(at[0]), std::lround(at[1]), std::lround(at[2])});
        }
        EXPECT_EQ(centres, c.centres);
        EXPECT_EQ(device.state.filter, TextureFilter::Point);
        EXPECT_EQ(device.state.address, TextureAddress::Wrap);
        device.ClearRecord();
    }
}

}  // namespace
