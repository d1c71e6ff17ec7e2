#include "actors/InvisibleCollision.h"
#include "actors/enemies/Beam.h"
#include "tests/enemies/EnemiesFixture.h"

#include <array>
#include <tuple>

namespace {

using BeamTest = EnemiesFixture;

CBeam* Fire(const Vec3& direction)
{
    CreateBeam(1.0f, 2.0f, 0.0f, &direction);
    return static_cast<CBeam*>(g_effectList.back());
}

TEST_F(BeamTest, PointsAlongItsDirectionNarrowingAndFadingToBlueOverSixtyFrames)
{
    CBeam* beam = Fire({0.0f, -1.0f, 0.0f});
    EXPECT_TRUE(Played(g_seBeam));
    device.ClearRecord();
    EXPECT_FLOAT_EQ(static_cast<CLightParticle*>(g_glowList.at(0))->size, 7.5f);
    beam->Draw();
    // Turned a half-turn: the 20 units run down the screen from the origin.
    const std::vector<ColorVertex>& corners = device.draws.at(0).colorVertices;
    EXPECT_NEAR(corners[0].y, -20.0f, 1e-4);
    EXPECT_NEAR(corners[0].x, 0.25f, 1e-4);
    EXPECT_NEAR(corners[3].y, 0.0f, 1e-4);
    beam->dyingLeft = 30;
    device.ClearRecord();
    beam->Draw();
    const RecordedDraw& half = device.draws.at(0);
    EXPECT_NEAR(half.colorVertices[0].x, 0.125f, 1e-4);
    EXPECT_EQ(half.colorVertices[0].color >> 24, 127u);
    const Color& c = half.state.material.emissive;
    EXPECT_EQ((std::array{c.r, c.g, c.b}), (std::array{0.5f, 0.5f, 1.0f}));
    for (int frame = 0; frame < 30; ++frame) {
        EXPECT_EQ(beam->state, STATE_DYING);
        beam->Update();
    }
    EXPECT_EQ(beam->state, STATE_DEAD);
}

TEST_F(BeamTest, LaysTwentyVolumesAlongItsFirstTenUnitsOnlyWhileAtLeastFourTenthsRemain)
{
    for (const int dyingLeft : {60, 24, 23}) {
        CBeam* beam = Fire({3.0f, 0.0f, 0.0f});
        beam->dyingLeft = dyingLeft;
        device.ClearRecord();
        beam->Draw();
        EXPECT_EQ(device.draws.size(), 1u);  // the quad, hurting or not
        ASSERT_EQ(g_enemyShotList.size(), dyingLeft >= 24 ? 20u : 0u);
        for (size_t i = 0; i < g_enemyShotList.size(); ++i) {
            auto* volume = dynamic_cast<CInvisibleCollision*>(g_enemyShotList[i]);
            ASSERT_NE(volume, nullptr);
            ExpectNear(volume->position, {1.0f + 0.5f * static_cast<float>(i), 2.0f, 0.0f});
            EXPECT_EQ(std::tuple(volume->hitRadius, volume->power, volume->mode), std::tuple(0.5f, 1, COLLISION_PLAIN));
        }
        Clear();
    }
}

TEST_F(BeamTest, AimedFactoriesPointAtThePlayerAtTheirWidths)
{
    g_targetPosition = {1.0f, -4.0f, 0.0f};
    CreateBeamAimed(1.0f, 2.0f, 0.0f);
    CreateWideBeamAimed(1.0f, 2.0f, 0.0f);
    for (CSprite* beam : g_effectList)
        beam->Draw();
    ASSERT_EQ(g_enemyShotList.size(), 40u);
    ExpectNear(g_enemyShotList[1]->position, {1.0f, 1.5f, 0.0f});
    ExpectNear(g_enemyShotList[21]->position, {1.0f, 0.5f, 0.0f});
}

}  // namespace
