// The ship's three specials, the gauge that pays for them and the aura.
#include "actors/ColorFilter.h"
#include "actors/Enemy.h"
#include "actors/LightParticle.h"
#include "actors/LockOnLaser.h"
#include "actors/Player.h"
#include "actors/TriangleParticles.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

namespace {

constexpr int kRaySpecialLasers = 16;
constexpr int kRaySpecialMultiplier = 48;
// 45 degrees either side of the ship's facing.
constexpr double kStrikeCone = 0.785398;
// Sixteen times the hit-point unit.
constexpr int kStrikeDamage = 320;
constexpr int kStrikeGlows = 63;

struct StrikeTarget {
    CSprite* target = nullptr;
    Vec3 offset;
};

// The strongest object within the cone ahead; of equal strength, the nearer to
// the point one unit ahead, compared against the whole units of the best so far.
StrikeTarget FindStrikeTarget(const Vec3& from, const Vec3& facing)
{
    StrikeTarget best;
    int bestMaxHp = 0;
    int bestDistance = 0;
    for (CSprite* candidate : g_enemyList) {
        const Vec3 offset = candidate->position - from;
        const double angle = AngleBetween(&facing, &offset);
        const float distance = Distance(&facing, &offset);
        if (angle > kStrikeCone)
            continue;
        const bool stronger = candidate->maxHp > bestMaxHp;
        const bool nearer = candidate->maxHp == bestMaxHp && distance < static_cast<float>(bestDistance);
        if (stronger || nearer) {
            best.target = candidate;
            best.offset = offset;
            bestMaxHp = candidate->maxHp;
            bestDistance = static_cast<int>(distance);
        }
    }
    return best;
}

bool IsDown(const CSprite* sprite) { return sprite->state == STATE_DYING || sprite->state == STATE_DEAD; }

}  // namespace

void CPlayer::AddSpecialGauge(int n)
{
    specialGauge += n;
    if (specialGauge > specialGaugeMax)
        specialGauge = specialGaugeMax;
}

bool CPlayer::CanRaySpecial() { return specialGauge >= kSpecialCost && rayEnabled; }

bool CPlayer::CanShotSpecial() { return specialGauge >= kSpecialCost && shotEnabled; }

bool CPlayer::CanBladeSpecial() { return specialGauge >= kSpecialCost && bladeEnabled; }

void CPlayer::ArmRaySpecial(int frames) { raySpecialCountdown = frames; }

void CPlayer::ArmShotSpecial(int frames) { shotSpecialCountdown = frames; }

void CPlayer::ArmBladeSpecial(int frames) { bladeSpecialCountdown = frames; }

// Sixteen lasers sent at the objects of the enemy list in turn, wrapping round.
void CPlayer::RaySpecial()
{
    if (g_enemyList.empty())
        return;
    size_t k = 0;
    for (int i = 0; i < kRaySpecialLasers; ++i) {
        const CSprite* target = g_enemyList[k];
        const int side = RandomInt(2);
        const float rx = RandomFloat();
        const float ry = RandomFloat();
        const float rz = RandomFloat();
        Vec3 launch{side != 0 ? 3.0f - 2.0f * rx : 2.0f * rx - 3.0f, 2.0f * ry - 4.0f, 2.0f * rz - 1.0f};
        RotateZ(&launch, roll);
        g_playerAttackList.push_back(new CLockOnLaser(position.x, position.y, position.z, launch.x, launch.y,
                                                      launch.z, target->serialId, -1, kRaySpecialMultiplier));
        k += 1;
        if (k == g_enemyList.size())
            k = 0;
        PlayAtShip(g_seRaySpecial);
    }
}

// One heavy strike on the strongest enemy ahead. A target that was already
// going down is struck all the same but pays nothing a second time.
void CPlayer::ShotSpecial()
{
    Vec3 facing{0.0f, 1.0f, 0.0f};
    RotateZ(&facing, roll);
    const StrikeTarget best = FindStrikeTarget(position, facing);
    if (best.target == nullptr)
        return;
    CSprite* target = best.target;
    const bool wasDown = IsDown(target);
    target->Damage(kStrikeDamage);
    g_lastHitEnemy->hp = target->hp;
    g_lastHitEnemy->maxHp = target->maxHp;
    g_lastHitEnemy->iconTexture = target->iconTexture;
    PlayAtShip(g_seShotSpecial);
    g_sound->Play(g_seLaserHit, 0);
    for (int i = 0; i < kStrikeGlows; ++i) {
        const float speed = RandomFloat();
        const float turn = RandomFloat();
        const float depth = RandomFloat();
        Vec3 glowVelocity = best.offset;
        VecNormalizeScale(&glowVelocity, 0.3f + 0.07f * speed);
        RotateZ(&glowVelocity, 2.0f * turn);
        glowVelocity.z = 2.0f * depth - 1.0f;
        const Vec3& at = target->position;
        g_effectList.push_back(new CLightParticle(at.x, at.y, at.z, 0.5f, &glowVelocity, 60));
        Vec3 knock = best.offset;
        VecNormalizeScale(&knock, 0.1f);
        Vec3 twist{0.01f, 0.0f, 0.0f};
        target->Push(&knock, &twist);
    }
    g_triangleParticles->EmitDirected(&target->position, &best.offset, 64);
    const Color red{1.0f, 0.0f, 0.0f, 1.0f};
    CreateColorFilterTinted(&red, static_cast<int>(60 * 0.25));
    g_graphics->SetShake(16.0f);
    StartMuzzleFlash(5);
    if (!wasDown && IsDown(target)) {
        AddScore(target->score);
        if (target->score > 0)
            AddKills(1);
    }
}

void CPlayer::StartMuzzleFlash(int frames) { muzzleFlashFrames = frames; }

void CPlayer::StartAura() { auraTimer = kAuraFrames; }

void CPlayer::StopAura() { auraTimer = 0; }

bool CPlayer::HasAura() { return auraTimer >= 1; }
