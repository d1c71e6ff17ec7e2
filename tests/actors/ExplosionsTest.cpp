#include "EffectsFixture.h"
#include "actors/Bomb.h"
#include "actors/LightParticle.h"
#include "actors/ShockWave.h"

#include <tuple>

namespace {

using ExplosionsTest = EffectsFixture;

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
