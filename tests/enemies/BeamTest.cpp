#include "EnemyKindFixture.h"

#include "actors/InvisibleCollision.h"
#include "actors/LightParticle.h"
#include "actors/enemies/Beam.h"

#include <array>

namespace {

class BeamTest : public EnemyKindFixture {
protected:
    CBeam* Fire(const Vec3& direction)
    {
        CreateBeam(1.0f, 2.0f, 0.0f, &direction);
        device.ClearRecord();
        return static_cast<CBeam*>(g_effectList.back());
    }
};

TEST_F(BeamTest, PointsAlongItsDirectionAndFadesToBlue)
{
    CBeam* beam = Fire({0.0f, -1.0f, 0.0f});
    EXPECT_TRUE(Played(g_seBeam));
    auto* glow = dynamic_cast<CLightParticle*>(g_glowList.at(0));
    ASSERT_NE(glow, nullptr);
    EXPECT_FLOAT_EQ(glow->size, 7.5f);
    EXPECT_EQ(glow->dyingLeft, 90);

    beam->Draw();
    const RecordedDraw& quad = device.draws.at(0);
    // Turned a half-turn: the 20 units run down the screen from the origin.
    EXPECT_NEAR(quad.colorVertices[0].y, -20.0f, 1e-4);
    EXPECT_NEAR(quad.colorVertices[0].x, 0.25f, 1e-4);
    EXPECT_NEAR(quad.colorVertices[3].y, 0.0f, 1e-4);
    EXPECT_EQ(quad.colorVertices[0].color >> 24, 255u);

    beam->dyingLeft = 30;
    device.ClearRecord();
    beam->Draw();
    const RecordedDraw& half = device.draws.at(0);
    EXPECT_NEAR(half.colorVertices[0].x, 0.125f, 1e-4);
    EXPECT_EQ(half.colorVertices[0].color >> 24, 127u);
    const Color& colour = half.state.material.emissive;
    EXPECT_EQ((std::array{colour.r, colour.g, colour.b}), (std::array{0.5f, 0.5f, 1.0f}));
}

TEST_F(BeamTest, LaysTwentyVolumesAlongItsFirstTenUnitsOnlyWhileAtLeastFourTenthsRemain)
{
    struct Case {
        int dyingLeft;
        size_t volumes;
    };
    for (const Case& c : {Case{60, 20u}, Case{24, 20u}, Case{23, 0u}}) {
        SCOPED_TRACE(c.dyingLeft);
        CBeam* beam = Fire({3.0f, 0.0f, 0.0f});
        beam->dyingLeft = c.dyingLeft;
        beam->Draw();
        EXPECT_EQ(device.draws.size(), 1u);
        ASSERT_EQ(g_enemyShotList.size(), c.volumes);
        for (size_t i = 0; i < c.volumes; ++i) {
            auto* volume = dynamic_cast<CInvisibleCollision*>(g_enemyShotList[i]);
            ASSERT_NE(volume, nullptr);
            EXPECT_FLOAT_EQ(volume->position.x, 1.0f + 0.5f * static_cast<float>(i));
            EXPECT_FLOAT_EQ(volume->position.y, 2.0f);
            EXPECT_FLOAT_EQ(volume->hitRadius, 0.5f);
            EXPECT_EQ(volume->power, 1);
            EXPECT_EQ(volume->mode, COLLISION_PLAIN);
        }
        ClearEnemySide();
    }
}

TEST_F(BeamTest, IsGoneAfterSixtyFramesWithoutMoving)
{
    CBeam* beam = Fire({0.0f, 1.0f, 0.0f});
    for (int frame = 1; frame < 60; ++frame)
        beam->Update();
    EXPECT_EQ(beam->state, STATE_DYING);
    beam->Update();
    EXPECT_EQ(beam->state, STATE_DEAD);
    EXPECT_FLOAT_EQ(beam->position.y, 2.0f);
}

TEST_F(BeamTest, AimedFactoriesPointAtThePlayerAtTheirWidths)
{
    g_targetPosition = {1.0f, -4.0f, 0.0f};
    CreateBeamAimed(1.0f, 2.0f, 0.0f);
    CreateWideBeamAimed(1.0f, 2.0f, 0.0f);
    const std::vector<CBeam*> beams = ObjectsOf<CBeam>(g_effectList);
    ASSERT_EQ(beams.size(), 2u);
    EXPECT_FLOAT_EQ(beams[0]->halfWidth, 0.25f);
    EXPECT_FLOAT_EQ(beams[1]->halfWidth, 0.75f);
    beams[1]->Draw();
    EXPECT_FLOAT_EQ(g_enemyShotList.at(1)->position.y, 2.0f - 1.5f);
    EXPECT_FLOAT_EQ(g_enemyShotList.at(1)->position.x, 1.0f);
}

}  // namespace
