#include "EffectsFixture.h"
#include "actors/Bomb.h"
#include "actors/LightParticle.h"
#include "actors/ShockWave.h"

#include <tuple>

namespace {

using ExplosionsTest = EffectsFixture;

TEST_F(ExplosionsTest, EffectsPlayTheirFramesBombPicturesRingsGrowingOrShrinkingAndAMovingGlowArriving)
{
    const std::vector<TextureId> pictures = LoadPictures(g_texExplosion, 16, 141);
    const Vec3 v{0.1f, 0.0f, 0.0f};
    CBomb bomb(0.0f, 0.0f, 0.0f, 5.9f, &v);
    for (int frame = 0; frame < 32; ++frame) {
        device.ClearRecord();
        DrawAndUpdate(&bomb);
        ASSERT_EQ(device.draws.size(), 1u);
        EXPECT_EQ(device.draws[0].state.texture, pictures[frame / 2]) << frame;
        EXPECT_EQ(bomb.state, frame == 31 ? STATE_DEAD : STATE_ACTIVE) << frame;
    }
    EXPECT_NEAR(bomb.position.x, 3.2f, 1e-4f);
    // Truncated to 5 units, additive, no fog.
    const RecordedDraw& last = device.draws[0];
    EXPECT_EQ(std::tuple(Width(last), last.state.destination, last.state.fog),
              std::tuple(5.0f, BlendFactor::One, false));
    const TextureId glowPicture = LoadPicture(&g_texGlow, "#239");
    SpawnLightParticleMoving(0.0f, 0.0f, 0.0f, 3.0f, -2.0f, 1.0f, 2.0f, 30);
    ASSERT_EQ(g_effectList.size(), 1u);
    CSprite* glow = g_effectList[0];
    std::vector<float> sides;
    for (int frame = 0; frame < 30; ++frame) {
        device.ClearRecord();
        DrawAndUpdate(glow);
        sides.push_back(Width(device.draws[0]));
        EXPECT_EQ(glow->state, frame == 29 ? STATE_DEAD : STATE_DYING);
    }
    EXPECT_TRUE(Near(glow->position, {3.0f, -2.0f, 1.0f}, 0.0));
    EXPECT_EQ(std::tuple(sides[0], sides[15]), std::tuple(2.0f, 1.0f));
    EXPECT_FLOAT_EQ(sides[29], 2.0f / 30.0f);
    const RecordedState& drawn = device.draws[0].state;
    EXPECT_EQ(std::tuple(drawn.texture, drawn.destination, drawn.depthTest),
              std::tuple(glowPicture, BlendFactor::One, false));
    const TextureId ringPicture = LoadPicture(&g_texFreezeFlash, "#187");
    CShockWave grow(0.0f, 0.0f, 0.0f, 25.0f, 30);
    CShockWave shrink(0.0f, 0.0f, 0.0f, 25.0f, 30);
    shrink.shrink = 1;
    std::vector<float> grown, shrunk;
    for (int frame = 0; frame < 30; ++frame) {
        device.ClearRecord();
        DrawAndUpdate(&grow);
        DrawAndUpdate(&shrink);
        grown.push_back(Width(device.draws[0]));
        shrunk.push_back(Width(device.draws[1]));
    }
    EXPECT_EQ(std::tuple(grown[0], grown[15], shrunk[0], grow.state, device.draws[0].state.texture),
              std::tuple(0.0f, 12.5f, 25.0f, STATE_DEAD, ringPicture));
    EXPECT_FLOAT_EQ(shrunk[29], 25.0f / 30.0f);
}

TEST_F(ExplosionsTest, RingGlowAndBombSpawnersUseTheEffectList)
{
    SpawnShockWave(1.0f, 2.0f, 3.0f, 7.0f, 12);
    SpawnShockWaveAt(4.0f, 5.0f, 6.0f);
    SpawnShockWaveShrinking(7.0f, 8.0f, 9.0f);
    SpawnLightParticle(1.0f, 2.0f, 3.0f, 0.5f);
    ASSERT_EQ(g_effectList.size(), 4u);
    // x, size, frames, shrink
    const float rings[][4] = {{1.0f, 7.0f, 12, 0}, {4.0f, 25.0f, 30, 0}, {7.0f, 25.0f, 30, 1}};
    for (int i = 0; i < 3; ++i) {
        const auto* ring = dynamic_cast<CShockWave*>(g_effectList[i]);
        ASSERT_NE(ring, nullptr);
        const float z = ring->position.z, frames = float(ring->dyingLeft), shrink = float(ring->shrink);
        EXPECT_EQ(std::vector<float>({ring->position.x, z, ring->size, frames, shrink}),
                  std::vector<float>({rings[i][0], rings[i][0] + 2, rings[i][1], rings[i][2], rings[i][3]}));
    }
    EXPECT_EQ(g_effectList[3]->dyingLeft, 90);
    // A bomb falls down the turned ground toward the camera.
    g_groundTransform->rotation.z = 0.5f;
    const Vec3 at{1.0f, 2.0f, 3.0f};
    SpawnBomb(&at);
    ASSERT_EQ(g_effectList.size(), 5u);
    auto* bomb = dynamic_cast<CBomb*>(g_effectList[4]);
    ASSERT_NE(bomb, nullptr);
    EXPECT_EQ(std::tuple(bomb->size, bomb->position.y), std::tuple(5, 2.0f));
    EXPECT_TRUE(Near(bomb->velocity, {0.3f, 0.0f, -0.5f}, 1e-6));
}

TEST_F(ExplosionsTest, RemovingGlowsKeepsTheOtherEffectsInOrder)
{
    const Vec3 still{};
    CSprite* bomb = new CBomb(0.0f, 0.0f, 0.0f, 5.0f, &still);
    CSprite* ring = new CShockWave(0.0f, 0.0f, 0.0f, 25.0f, 30);
    g_effectList = {new CLightParticle(0, 0, 0, 1, &still, 9), bomb, new CLightParticle(0, 0, 0, 1, &still, 9),
                    new CLightParticle(0, 0, 0, 1, &still, 9), ring};
    SpawnLightParticleGlow(1.0f, 2.0f, 0.0f, 0.5f);
    RemoveAllLightParticles();
    EXPECT_EQ(g_effectList, (SpriteList{bomb, ring}));
    // The glow list is not touched; its glow lives 90 frames.
    ASSERT_EQ(g_glowList.size(), 1u);
    EXPECT_EQ(g_glowList[0]->dyingLeft, 90);
}

}  // namespace
