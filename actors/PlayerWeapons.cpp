// The ship's shot, ray and blade: readiness tests, firing, ammunition,
// reloads and the clicks that answer a refused button.
#include "actors/Blade.h"
#include "actors/LightParticle.h"
#include "actors/LockOnLaser.h"
#include "actors/LockonSystem.h"
#include "actors/Magazine.h"
#include "actors/Player.h"
#include "actors/PlayerShot.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

#include <algorithm>

namespace {

constexpr int kReloadFrames = 60;
// Frames between the opening shot and the first pair, and between pairs.
constexpr int kFirstPairSpacing = 8;
constexpr int kPairSpacing = 4;

}  // namespace

bool CPlayer::CanShoot()
{
    const int spacing = burstCounter == 1 ? kFirstPairSpacing : kPairSpacing;
    return age - lastShotFrame >= spacing && shotAmmo > 0 && reloadTimer == 0 && shotEnabled;
}

bool CPlayer::CanRay() { return rayAmmo >= 1 && reloadTimer == 0 && rayEnabled; }

// Needs half the full energy whatever the gauge allows.
bool CPlayer::CanBlade() { return bladeEnergy >= bladeEnergyMax / 2 && bladeReloadTimer == 0 && bladeEnabled; }

bool CPlayer::CanReloadShot() { return reloadTimer == 0; }

bool CPlayer::CanReloadRay() { return reloadTimer == 0; }

bool CPlayer::CanReloadBlade() { return bladeReloadTimer == 0; }

// A single fast shot opens every burst; pairs follow.
void CPlayer::Shoot()
{
    if (burstCounter == 0) {
        const Vec2 speed{0.0f, 0.4f};
        Vec3 shotVelocity;
        Rotate2D(&shotVelocity, &speed, roll);
        SpawnPlayerShot(position.x, position.y, position.z, &shotVelocity);
        burstCounter += 1;
        UseShotAmmo(1);
    } else {
        const Vec2 speed{0.0f, 0.3f};
        Vec3 shotVelocity;
        Rotate2D(&shotVelocity, &speed, roll);
        const Vec2 sides[2] = {{-0.2f, 0.0f}, {0.2f, 0.0f}};
        for (const Vec2& side : sides) {
            Vec3 offset;
            Rotate2D(&offset, &side, roll - 0.015f);
            const Vec3 at = position + offset;
            g_playerAttackList.push_back(new CPlayerShot(at.x, at.y, at.z, &shotVelocity, 1));
        }
        burstCounter += 1;
        UseShotAmmo(2);
    }
    PlayAtShip(g_seShot);
    lastShotFrame = age;
}

void CPlayer::SetShotBurst(int n) { burstCounter = n; }

void CPlayer::UseShotAmmo(int n)
{
    shotAmmo = std::max(shotAmmo - n, 0);
    ShotClick();
}

void CPlayer::ShotClick() { Click(shotAmmo, g_seShotEmpty); }

void CPlayer::Click(int ammo, int emptySound)
{
    if (ammo == 0)
        PlayAtShip(emptySound);
    else if (reloadTimer > 0)
        PlayAtShip(g_seRefused);
}

void CPlayer::RefillShot()
{
    shotAmmo = shotCapacity;
    reloadTimer = kReloadFrames;
}

void CPlayer::ReloadShot()
{
    RefillShot();
    EjectMagazine(g_seReloadShot);
}

void CPlayer::EjectMagazine(int reloadSound)
{
    PlayAtShip(reloadSound);
    g_effectList.push_back(new CMagazine(position.x, position.y));
}

// One laser per locked slot not yet fired, until the charges run out.
void CPlayer::FireRay()
{
    int launched = 0;
    for (int slot = 0; slot < CLockonSystem::kSlotCount; ++slot) {
        if (!g_lockonSystem->active[slot] || g_lockonSystem->fired[slot])
            continue;
        g_lockonSystem->fired[slot] = 1;
        const float rx = RandomFloat();
        const float ry = RandomFloat();
        const float rz = RandomFloat();
        Vec3 launch{4.0f * rx - 2.0f, 2.0f * ry - 4.0f, 2.0f * rz - 1.0f};
        RotateZ(&launch, roll);
        const bool fullLock = g_lockonSystem->IsFullLock();
        CLockOnLaser* laser = new CLockOnLaser(position.x, position.y, position.z, launch.x, launch.y, launch.z,
                                               g_lockonSystem->targetId[slot], slot,
                                               g_lockonSystem->multiplierTable[launched]);
        if (fullLock)
            laser->fullLock = true;
        g_playerAttackList.push_back(laser);
        rayAmmo -= 1;
        launched += 1;
        if (rayAmmo <= 0)
            break;
    }
    if (launched > 0)
        PlayAtShip(g_seRayFire);
}

void CPlayer::RayClick() { Click(rayAmmo, g_seRayEmpty); }

void CPlayer::RefillRay()
{
    rayAmmo = rayCapacity;
    reloadTimer = kReloadFrames;
}

void CPlayer::ReloadRay()
{
    RefillRay();
    EjectMagazine(g_seReloadRay);
}

void CPlayer::StartBlade()
{
    blade->StartSwing(bladeSweepSign, bladeHalfSign, roll);
    PlayAtShip(g_seBladeSwing);
}

void CPlayer::EndBlade() { blade->EndSwing(); }

// The energy refills up to the part of the maximum the gauge still allows.
void CPlayer::AddBladeEnergy(int n)
{
    bladeEnergy += n;
    const float allowed = static_cast<float>(bladeEnergyMax) * bladeGauge;
    if (static_cast<float>(bladeEnergy) > allowed)
        bladeEnergy = static_cast<int>(allowed);
}

void CPlayer::UseBladeEnergy(int n)
{
    bladeEnergy = std::max(bladeEnergy - n, 0);
    bladeGauge = std::max(bladeGauge - 0.0025f, 0.0f);
}

void CPlayer::RefillBlade()
{
    bladeGauge = 1.0f;
    bladeReloadTimer = kReloadFrames;
}

void CPlayer::ReloadBlade()
{
    RefillBlade();
    g_graphics->SetShake(20.0f);
    PlayAtShip(g_seReloadBlade);
    for (int round = 0; round < 64; ++round) {
        for (int draw = 0; draw < 3; ++draw)
            RandomFloat();  // unused; keeps the random sequence in step
    }
    g_effectList.push_back(new CMagazine2(position.x, position.y));
    g_effectList.push_back(new CLightParticle(position.x, position.y, position.z, 5.0f, &g_zeroVector,
                                              static_cast<int>(60 * 0.25)));
}

void CPlayer::PlayBladeReloadSound() { PlayAtShip(g_seBladeReloadPress); }
