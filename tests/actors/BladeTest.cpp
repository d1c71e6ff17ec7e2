#include "actors/Blade.h"
#include "actors/InvisibleCollision.h"
#include "actors/LightParticle.h"
#include "actors/Magazine.h"
#include "actors/RectangleShadow.h"
#include "engine/VectorHelpers.h"
#include "tests/actors/PlayerScene.h"

#include <tuple>

namespace playertest {
namespace {

using BladeSwing = PlayerScene;

TEST(BladeShapes, EachSweepAndHalfStartsEndsAndStrikesItsOwnWay)
{
    struct Row {
        int sweep, half;
        float start, end;
        Vec3 impulse, spin;
    };
    const Row rows[] = {{1, -1, 0.25f, -0.75f, {0.06f, -0.09f, 0}, {0.2f, 0, 0}},
                        {-1, -1, -0.25f, 0.75f, {-0.06f, -0.09f, 0}, {0.2f, 0, 0}},
                        {1, 1, 0.75f, -0.25f, {0.06f, 0.09f, 0}, {-0.2f, 0, 0}},
                        {-1, 1, -0.75f, 0.25f, {-0.06f, 0.09f, 0}, {-0.2f, 0, 0}}};
    for (const Row& r : rows) {
        CBlade blade;
        blade.StartSwing(r.sweep, r.half, 0.0f);
        EXPECT_EQ(std::tuple(blade.angle, blade.endAngle), std::tuple(r.start, r.end)) << r.sweep << r.half;
        EXPECT_TRUE(Near(blade.hitImpulse, r.impulse) && Near(blade.hitSpin, r.spin)) << r.sweep << r.half;
    }
}

TEST_F(BladeSwing, ReleasingAfterFourStepsEndsAtOnceAndTheAfterImagesFade)
{
    Frames(60);
    ASSERT_TRUE(player->CanBlade());
    player->StartBlade();
    EXPECT_EQ(Plays(g_seBladeSwing), 1);
    Frames(4);
    player->EndBlade();
    Frames(2);
    auto shadows = ObjectsOf<CRectangleShadow>(g_effectList);
    ASSERT_EQ(shadows.size(), 4u);
    // The last after-image reaches out to the blade's tip along its angle.
    const CBlade* blade = player->blade;
    const Vec2 reach{0.0f, blade->length};
    Vec3 offset;
    Rotate2D(&offset, &reach, blade->angle);
    EXPECT_TRUE(Near(shadows[3]->corners[2], blade->position + offset, 1e-6));
    // Each volume is tested in at most two frames before it goes.
    EXPECT_TRUE(ObjectsOf<CInvisibleCollision>(g_playerAttackList).empty());
    Frames(53);
    EXPECT_EQ(ObjectsOf<CRectangleShadow>(g_effectList).size(), 4u);
    Frames(5);
    EXPECT_TRUE(ObjectsOf<CRectangleShadow>(g_effectList).empty());
}

TEST_F(BladeSwing, BladeEnergyRefillsUpToTheGaugeNeedsHalfTheMaximumAndTheReloadSkips192Draws)
{
    Frames(60);
    player->bladeEnergy = 127;
    EXPECT_FALSE(player->CanBlade());
    player->bladeEnergy = 128;
    EXPECT_TRUE(player->CanBlade());
    player->bladeGauge = 0.5f;
    player->bladeEnergy = 120;
    Frames(20);
    EXPECT_EQ(player->bladeEnergy, 128);
    EXPECT_TRUE(player->CanBlade());
    player->UseBladeEnergy(64);
    EXPECT_EQ(std::tuple(player->bladeEnergy, player->bladeGauge, player->CanBlade()), std::tuple(64, 0.4975f, false));
    player->bladeGauge = 0.001f;
    player->UseBladeEnergy(200);
    EXPECT_EQ(std::tuple(player->bladeEnergy, player->bladeGauge), std::tuple(0, 0.0f));
    player->bladeGauge = 0.25f;
    SeedRandom(77);
    player->ReloadBlade();
    SeedRandom(77);
    for (int i = 0; i < 192; ++i)
        RandomFloat();
    const float fall = RandomFloat();
    EXPECT_EQ(std::tuple(player->bladeGauge, player->CanReloadBlade(), Plays(g_seReloadBlade)),
              std::tuple(1.0f, false, 1));
    const auto cartridges = ObjectsOf<CMagazine2>(g_effectList);
    const auto glows = ObjectsOf<CLightParticle>(g_effectList);
    ASSERT_EQ(std::tuple(cartridges.size(), glows.size()), std::tuple(1u, 1u));
    EXPECT_EQ(std::tuple(cartridges[0]->velocity.x, cartridges[0]->dyingFrames, glows[0]->size, glows[0]->dyingFrames),
              std::tuple(-0.16f, 120, 5.0f, 15));
    EXPECT_FLOAT_EQ(cartridges[0]->velocity.y, -0.02f - 0.04f * fall);
    Frames(59);
    EXPECT_NEAR(cartridges[0]->rotation.z, 59 * 0.025f, 1e-5);  // spinning as it falls
    EXPECT_FALSE(player->CanReloadBlade());
    Frame();
    EXPECT_TRUE(player->CanReloadBlade());
}

}  // namespace
}  // namespace playertest
