#include "actors/Blade.h"
#include "actors/BladeWave.h"
#include "actors/InvisibleCollision.h"
#include "actors/RectangleShadow.h"
#include "tests/actors/PlayerScene.h"

#include <cmath>
#include <tuple>

namespace playertest {
namespace {

using BladeSwing = PlayerScene;

void Swing(CBlade* blade, int steps)
{
    for (int i = 0; i < steps; ++i)
        blade->Update();
}

// Whether exactly n draws were made since SeedRandom(seed); reseeds.
bool MadeDraws(uint32_t seed, int n)
{
    const float next = RandomFloat();
    SeedRandom(seed);
    for (int i = 0; i < n; ++i)
        RandomFloat();
    return next == RandomFloat();
}

TEST_F(BladeSwing, EachHalfAndSweepStartsAndEndsWhereItsRowSays)
{
    struct Row { int sweep, half; float start, end; Vec3 impulse, spin; };
    const Row rows[] = {
        {1, -1, 0.5f + 0.25f, 0.5f - 0.75f, {0.06f, -0.09f, 0.0f}, {0.2f, 0.0f, 0.0f}},
        {-1, 0, 0.5f - 0.25f, 0.5f + 0.75f, {-0.06f, -0.09f, 0.0f}, {0.2f, 0.0f, 0.0f}},
        {0, 1, 0.5f + 0.75f, 0.5f - 0.25f, {0.06f, 0.09f, 0.0f}, {-0.2f, 0.0f, 0.0f}},
        {-1, 1, 0.5f - 0.75f, 0.5f + 0.25f, {-0.06f, 0.09f, 0.0f}, {-0.2f, 0.0f, 0.0f}},
    };
    for (const Row& row : rows) {
        CBlade blade;
        blade.StartSwing(row.sweep, row.half, 0.5f);
        EXPECT_EQ(std::tuple(blade.angle, blade.endAngle, blade.active), std::tuple(row.start, row.end, true));
        // Both vectors turned a quarter turn by the roll: (x, y) becomes (-y, x).
        EXPECT_TRUE(Near(blade.hitImpulse, {-row.impulse.y, row.impulse.x, 0.0f}, 1e-6));
        EXPECT_NEAR(blade.hitSpin.y, row.spin.x, 1e-6);
        Swing(&blade, 1);
        EXPECT_FLOAT_EQ(blade.angle, row.sweep == -1 ? row.start + 0.1f : row.start - 0.1f);
    }
}

TEST_F(BladeSwing, FullSwingLastsTenStepsWithThirtyVolumesAndThreeDrawsEachAfterAHitNoVolumesButDraws)
{
    CBlade* blade = player->blade;
    blade->SetPosition(1.0f, 1.0f, 0.0f);
    SeedRandom(5);
    blade->StartSwing(1, -1, 0.0f);
    Swing(blade, 1);
    auto volumes = ObjectsOf<CInvisibleCollision>(g_playerAttackList);
    ASSERT_EQ(volumes.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const float reach = 2.0f * static_cast<float>(i + 1) / 3.0f;
        EXPECT_NEAR(volumes[i]->position.x, 1.0f - reach * std::sin(0.15f * kPi), 1e-5);
        EXPECT_NEAR(volumes[i]->position.y, 1.0f + reach * std::cos(0.15f * kPi), 1e-5);
        EXPECT_EQ(std::tuple(volumes[i]->hitRadius, volumes[i]->power, volumes[i]->mode, volumes[i]->impulse.x),
                  std::tuple(0.5f, 60, COLLISION_BLADE, 0.06f));
    }
    Swing(blade, 8);
    EXPECT_TRUE(blade->active);
    Swing(blade, 1);
    EXPECT_EQ(std::tuple(blade->active, ObjectsOf<CInvisibleCollision>(g_playerAttackList).size(),
                         ObjectsOf<CRectangleShadow>(g_effectList).size()),
              std::tuple(false, 30u, 10u));
    Swing(blade, 3);
    EXPECT_EQ(ObjectsOf<CInvisibleCollision>(g_playerAttackList).size(), 30u);
    EXPECT_TRUE(MadeDraws(5, 30));
    SeedRandom(5);
    blade->StartSwing(-1, 1, 0.0f);
    Swing(blade, 2);
    blade->hitFlag = true;
    Swing(blade, 8);
    EXPECT_EQ(ObjectsOf<CInvisibleCollision>(g_playerAttackList).size(), 36u);
    EXPECT_TRUE(MadeDraws(5, 30));
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
    EXPECT_EQ(shadows.size(), 4u);
    // Each volume is tested in at most two frames before it goes.
    EXPECT_TRUE(ObjectsOf<CInvisibleCollision>(g_playerAttackList).empty());
    Frames(53);
    EXPECT_EQ(ObjectsOf<CRectangleShadow>(g_effectList).size(), 4u);
    Frames(5);
    EXPECT_TRUE(ObjectsOf<CRectangleShadow>(g_effectList).empty());
}

TEST_F(BladeSwing, BladeVolumeHitPushesSparksSoundsAndFlashesButAPlainOneDoesNothing)
{
    CSprite* enemy = AddTarget(0.0f, 1.0f, 100);
    CInvisibleCollision plain(0.0f, 1.0f, 0.0f, 0.5f, 60);
    plain.impulse = {0.06f, 0.09f, 0.0f};
    plain.OnHit(enemy);
    EXPECT_EQ(std::tuple(enemy->IsPushed(), g_effectList.size(), plays.size()), std::tuple(false, 0u, 0u));
    CInvisibleCollision volume(0.0f, 1.0f, 0.0f, 0.5f, 60);
    volume.mode = COLLISION_BLADE;
    volume.impulse = {0.06f, 0.09f, 0.0f};
    volume.spin = {-0.2f, 0.0f, 0.0f};
    volume.OnHit(enemy);
    EXPECT_TRUE(Near(enemy->impulse, {0.06f, 0.09f, 0.0f}));
    EXPECT_EQ(std::tuple(enemy->spin.x, g_triangleParticles->particles.size(),
                         Plays(g_seBladeHit) + Plays(g_seBladeHit2)),
              std::tuple(-0.2f, 8u, 1));
    const auto waves = ObjectsOf<CBladeWave>(g_effectList);
    ASSERT_EQ(waves.size(), 1u);
    EXPECT_EQ(std::tuple(waves[0]->size, waves[0]->state), std::tuple(20.0f, STATE_DYING));
    Frames(29);
    EXPECT_EQ(waves[0]->state, STATE_DYING);
    Frame();
    EXPECT_EQ(waves[0]->state, STATE_DEAD);
}

}  // namespace
}  // namespace playertest
