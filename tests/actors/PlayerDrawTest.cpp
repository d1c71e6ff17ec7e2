#include "EffectsFixture.h"

#include <tuple>

namespace {

// The ship on a recording device, a one-triangle model standing for both the ship and its aura.
class PlayerDrawTest : public EffectsFixture {
protected:
    void SetUp() override
    {
        for (const auto& [handle, name] : {std::pair(&g_modelPlayer, "#101"), std::pair(&g_modelAura, "#124")}) {
            resources.AddText("MODEL", name, kTileMesh);
            world.graphics.LoadMesh(handle, name, "MODEL");
        }
        flash = LoadPicture(&g_texMuzzleFlash, "#339");
        glow = LoadPicture(&g_texGlow, "#239");
        player->EnableControl();
        player->Activate();
        player->SetPosition(1.0f, 2.0f, 0.0f);
    }
    void TearDown() override { g_modelPlayer = g_modelAura = -1; }

    // Per draw: the mesh's alpha (or -1), its texture and width, and where it stands.
    std::vector<std::tuple<float, TextureId, float, float>> Drawn()
    {
        device.ClearRecord();
        player->Draw();
        std::vector<std::tuple<float, TextureId, float, float>> drawn;
        for (const RecordedDraw& d : device.draws)
            drawn.emplace_back(d.mesh == kNoMesh ? -1.0f : d.state.material.diffuse.a, d.state.texture,
                               d.colorVertices.empty() ? 0.0f : Width(d), d.state.world.m[3][0]);
        return drawn;
    }

    CPlayer* player = g_player;
    TextureId flash{}, glow{};
};

TEST_F(PlayerDrawTest, TheShipIsHalfSeenWhileInvulnerableWithItsFlashesAndFlareOnTopAndNotAtAllWhenDown)
{
    using Draws = std::vector<std::tuple<float, TextureId, float, float>>;
    EXPECT_EQ(Drawn(), (Draws{{1.0f, kNoTexture, 0.0f, 1.0f}}));
    player->countdown = 5;
    player->auraHit = true;
    player->StartMuzzleFlash(5);
    player->StartFlare();
    EXPECT_EQ(Drawn(), (Draws{{0.5f, kNoTexture, 0.0f, 1.0f}, {0.5f, kNoTexture, 0.0f, 1.0f},
                              {-1.0f, flash, 2.0f, 1.0f}, {-1.0f, glow, 0.0f, 1.0f}}));
    // The flash lasts its five draws; the flare grows to 7.5 over 108, then shrinks from 2 over 180.
    std::vector<size_t> counts;
    std::vector<float> flare;
    for (int i = 1; i < 288; ++i) {
        const Draws drawn = Drawn();
        counts.push_back(drawn.size());
        flare.push_back(std::get<2>(drawn.back()));
    }
    EXPECT_EQ(std::tuple(counts[3], counts[4]), std::tuple(size_t{3}, size_t{2}));
    EXPECT_NEAR(flare[106], 7.5f * 107 / 108, 1e-5);
    EXPECT_FLOAT_EQ(flare[107], 2.0f);
    EXPECT_NEAR(flare[286], 2.0f / 180, 1e-6);
    EXPECT_EQ(Drawn().size(), 1u);
    player->state = STATE_DYING;
    EXPECT_TRUE(Drawn().empty());
    player->Activate();
    player->DisableControl();
    EXPECT_TRUE(Drawn().empty());
}

}  // namespace
