#include "EffectsFixture.h"
#include "actors/Skybox.h"

#include <cmath>
#include <set>
#include <tuple>

namespace {

using SkyboxTest = EffectsFixture;
using Centre = std::tuple<long, long, long>;

TEST_F(SkyboxTest, FacesCloseTheBoxInTheirTextureOrderSampledSmoothlyAndSetBackAfter)
{
    std::set<Centre> box{{0, 20, 0}, {-20, 0, 0}, {20, 0, 0}, {0, -20, 0}, {0, 0, -20}};
    for (int kind : {2, 1}) {
        int* textures = kind == 2 ? g_texSkybox2 : g_texSkybox;
        const std::vector<TextureId> ids = LoadPictures(textures, static_cast<int>(box.size()), kind == 2 ? 318 : 329);
        kind == 2 ? SpawnSkybox2() : SpawnSkybox();
        g_skyList.back()->Draw();
        std::set<Centre> centres;
        ASSERT_EQ(device.draws.size(), box.size());
        for (size_t face = 0; face < box.size(); ++face) {
            const RecordedState& state = device.draws[face].state;
            EXPECT_EQ(std::tuple(state.texture, state.sampler, state.depthTest),
                      std::tuple(ids[face], SamplerMode::ClampLinear, false));
            EXPECT_EQ(Width(device.draws[face]), 40.0f);
            centres.insert({std::lround(state.world.m[3][0]), std::lround(state.world.m[3][1]),
                            std::lround(state.world.m[3][2])});
        }
        EXPECT_EQ(centres, box);
        EXPECT_EQ(device.state.sampler, SamplerMode::WrapNearest);
        device.ClearRecord();
        box.insert({0, 0, 20});  // the full box has the face ahead too
    }
}

}  // namespace
