#include "actors/LightParticle.h"
#include "actors/LockOnLaser.h"
#include "actors/Magazine.h"
#include "actors/PlayerShot.h"
#include "tests/actors/PlayerScene.h"

#include <cmath>
#include <tuple>

namespace playertest {
namespace {

// Holds the shot button: fires whenever the ship allows, as the control mapping does.
std::vector<int> HoldShot(PlayerScene* scene, CPlayer* player, int frames, std::vector<CPlayerShot*>* made)
{
    std::vector<int> fired;
    for (int frame = 0; frame < frames; ++frame) {
        if (player->CanShoot()) {
            const std::size_t before = g_playerAttackList.size();
            player->Shoot();
            fired.push_back(frame);
            for (std::size_t i = before; i < g_playerAttackList.size(); ++i)
                made->push_back(dynamic_cast<CPlayerShot*>(g_playerAttackList[i]));
        }
        scene->Frame();
    }
    return fired;
}

using PlayerWeapons = PlayerScene;

TEST_F(PlayerWeapons, HeldShotOpensWithOneFastShotThenPairsAfterEightAndEveryFourAndReopensAfterARelease)
{
    player->SetPosition(1.0f, -2.0f, 0.0f);
    std::vector<CPlayerShot*> shots;
    const std::vector<int> fired = HoldShot(this, player, 77, &shots);
    // The reset leaves the shot reloading for 60 frames.
    EXPECT_EQ(fired, (std::vector<int>{60, 68, 72, 76}));
    EXPECT_EQ(std::tuple(player->shotAmmo, Plays(g_seShot), Plays(g_seShotEmpty) + Plays(g_seRefused)),
              std::tuple(512 - 1 - 2 * 3, 4, 0));
    ASSERT_EQ(shots.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(std::tuple(shots[i]->level, shots[i]->hitRadius, shots[i]->velocity.y, shots[i]->power),
                  i == 0 ? std::tuple(4, 0.5f, 0.4f, 1) : std::tuple(1, 0.2f, 0.3f, 1)) << i;
    // Released after the pair at 76, it reopens with a single shot four frames later.
    player->SetShotBurst(0);
    EXPECT_EQ(HoldShot(this, player, 6, &shots), (std::vector<int>{3}));
    EXPECT_EQ(shots.back()->level, 4);
}

TEST_F(PlayerWeapons, BothShotsOfAPairAreTurnedTheSameWay)
{
    player->SetRoll(0.5f);
    player->reloadTimer = 0;
    player->burstCounter = 3;
    player->Shoot();
    const auto shots = ObjectsOf<CPlayerShot>(g_playerAttackList);
    ASSERT_EQ(shots.size(), 2u);
    // Offsets of 0.2 turned by roll - 0.015 half-turns, left first.
    const float angle = (0.5f - 0.015f) * kPi;
    EXPECT_TRUE(Near(shots[0]->position, {-0.2f * std::cos(angle), -0.2f * std::sin(angle), 0.0f}, 1e-6));
    EXPECT_TRUE(Near(shots[1]->position, {0.2f * std::cos(angle), 0.2f * std::sin(angle), 0.0f}, 1e-6));
    // Flying along the roll: a quarter turn sends them towards -x.
    EXPECT_NEAR(shots[0]->velocity.x, -0.3f, 1e-6);
    EXPECT_NEAR(shots[0]->velocity.y, 0.0f, 1e-6);
}

TEST_F(PlayerWeapons, LastRoundFiresThePairClicksEmptyAndReloadingRestartsAfterSixtyFrames)
{
    Frames(60);
    player->shotAmmo = 1;
    player->burstCounter = 2;
    ASSERT_TRUE(player->CanShoot());
    player->Shoot();
    EXPECT_EQ(std::tuple(ObjectsOf<CPlayerShot>(g_playerAttackList).size(), player->shotAmmo, Plays(g_seShotEmpty)),
              std::tuple(2u, 0, 1));
    Frames(10);
    EXPECT_FALSE(player->CanShoot());
    // What the automatic reload does in the next frame.
    ASSERT_TRUE(player->CanReloadShot());
    player->ReloadShot();
    EXPECT_EQ(std::tuple(player->shotAmmo, Plays(g_seReloadShot)), std::tuple(512, 1));
    const auto magazines = ObjectsOf<CMagazine>(g_effectList);
    ASSERT_EQ(magazines.size(), 1u);
    const Vec3 v = magazines[0]->velocity;
    EXPECT_TRUE(v.x >= -0.04f && v.x <= 0.04f && v.y >= -0.12f && v.y <= -0.04f && v.z >= -0.05f && v.z <= 0.0f);
    for (int frame = 0; frame < 59; ++frame) {
        EXPECT_FALSE(player->CanShoot() || player->CanRay() || player->CanReloadRay());
        player->ShotClick();
        Frame();
    }
    EXPECT_EQ(Plays(g_seRefused), 59);
    // Tumbling as it falls.
    EXPECT_TRUE(Near(magazines[0]->rotation, {59 * 0.01f, 59 * 0.0025f, 0.0f}, 1e-5));
    EXPECT_EQ(magazines[0]->state, STATE_DYING);
    Frame();
    EXPECT_EQ(magazines[0]->state, STATE_DEAD);  // thrown out for 60 frames
    EXPECT_TRUE(player->CanShoot());
    player->ShotClick();
    player->RayClick();
    EXPECT_EQ(Plays(g_seRefused), 59);  // a full, ready magazine is silent
}

TEST_F(PlayerWeapons, RayFiresOneLaserPerUnfiredLockUntilTheChargesRunOut)
{
    Frames(60);
    CLockonSystem& locks = *g_lockonSystem;
    for (int slot : {2, 5, 6}) {
        locks.active[slot] = 1;
        locks.targetId[slot] = 100 + slot;
    }
    player->rayAmmo = 2;
    ASSERT_TRUE(player->CanRay());
    player->FireRay();
    const auto lasers = ObjectsOf<CLockOnLaser>(g_playerAttackList);
    ASSERT_EQ(lasers.size(), 2u);
    EXPECT_EQ(std::tuple(lasers[0]->slot, lasers[0]->targetId, lasers[0]->multiplier, lasers[0]->fullLock),
              std::tuple(2, 102, 4, false));
    EXPECT_EQ(std::tuple(lasers[1]->slot, lasers[1]->multiplier, locks.fired[6], player->rayAmmo, Plays(g_seRayFire)),
              std::tuple(5, 8, 0, 0, 1));
    player->RayClick();
    EXPECT_EQ(Plays(g_seRayEmpty), 1);
    player->rayAmmo = 10;
    locks.active[6] = 0;
    player->FireRay();
    EXPECT_EQ(player->rayAmmo, 10);
    EXPECT_EQ(Plays(g_seRayFire), 1);
    // Eight locks on one target: full-lock lasers with the whole table.
    locks.ReleaseAll();
    for (int slot = 0; slot < CLockonSystem::kSlotCount; ++slot) {
        locks.active[slot] = 1;
        locks.targetId[slot] = 7;
    }
    player->FireRay();
    const auto full = ObjectsOf<CLockOnLaser>(g_playerAttackList);
    ASSERT_EQ(full.size(), 10u);
    EXPECT_TRUE(full[2]->fullLock && full[9]->fullLock);
    EXPECT_EQ(std::tuple(full[5]->multiplier, full[9]->multiplier), std::tuple(32, 64));
    EXPECT_TRUE(full[9]->velocity.y <= -2.0f && full[9]->velocity.y >= -4.0f);  // launched backwards
}

TEST_F(PlayerWeapons, BladeEnergyRefillsUpToTheGaugeNeedsHalfTheMaximumAndTheReloadSkips192Draws)
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

TEST_F(PlayerWeapons, SpentShotsSparkUnlessTheyLeftTheView)
{
    Frames(60);
    player->Shoot();
    CPlayerShot* shot = ObjectsOf<CPlayerShot>(g_playerAttackList).at(0);
    shot->Die();
    EXPECT_EQ(g_triangleParticles->particles.size(), 2u);
    // At 0.4 a frame the next opening shot leaves the narrow view after about 15 frames.
    Frames(8);
    player->SetShotBurst(0);
    player->Shoot();
    g_triangleParticles->particles.clear();
    Frames(20);
    EXPECT_TRUE(ObjectsOf<CPlayerShot>(g_playerAttackList).empty());
    EXPECT_TRUE(g_triangleParticles->particles.empty());
}

}  // namespace
}  // namespace playertest
