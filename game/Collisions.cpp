#include "game/Collisions.h"

#include "actors/Blade.h"
#include "actors/DigitalNumber.h"
#include "actors/Enemy.h"
#include "actors/InvisibleCollision.h"
#include "actors/LockOnLaser.h"
#include "actors/LockOnSite.h"
#include "actors/LockedMarker.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "actors/PlayerShot.h"
#include "actors/ScoreItem.h"
#include "actors/enemies/Bit.h"
#include "engine/AssetLists.h"
#include "engine/FileUtil.h"
#include "engine/GraphicsSystem.h"
#include "engine/InputRecord.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"
#include "game/Freeze.h"

#include <cmath>
#include <cstddef>
#include <cstdio>

namespace {

// One lock stands for this many hit points; eight of them make a large enemy.
constexpr int kHpPerLock = 20;
constexpr int kLargeEnemyHp = 160;
constexpr double kRearConeHalfAngle = 0.785398;
constexpr float kRearConeReach = 3.5f;
constexpr int kPlainScoreLimit = 500;

bool IsVulnerable()
{
    return !g_player->IsInvulnerable() && !g_player->onEntryPath && g_player->controlEnabled;
}

void LogPlayerDeath(const char* cause)
{
    char line[96];
    std::snprintf(line, sizeof line, "%d -> Player Dying by %s.\n", g_inputRecord->ReadCursor(), cause);
    AppendLog(kEventsLog, line);
}

bool IsOutsideField(const Vec3& p) { return p.x <= -5.0f || p.x >= 5.0f || p.y <= -5.0f || p.y >= 5.0f; }

void DrawGuideLine(const CSprite* object, float r, float g)
{
    g_graphics->DrawLine3D(g_targetPosition, object->position, 0.75f, r, g, 0.0f, MatrixIdentity());
}

// Red lines to enemies close behind the ship, green ones to enemies outside the field.
void TestRearCone(CSprite* object, bool* rearCone)
{
    Vec3 rear{0.0f, 1.0f, 0.0f};
    RotateZ(&rear, g_player->roll);
    rear = rear * -1.0f;
    const Vec3 toObject = object->position - g_targetPosition;
    const double angle = AngleBetween(&rear, &toObject);
    const bool nearPlane = std::fabs(object->position.z) < 1.0f;
    if (dynamic_cast<CScoreItem*>(object) == nullptr && object->state == STATE_ACTIVE &&
        std::fabs(angle) <= kRearConeHalfAngle && Distance(&g_targetPosition, &object->position) <= kRearConeReach) {
        *rearCone = true;
        if (nearPlane)
            DrawGuideLine(object, 0.5f, 0.0f);
    } else if (nearPlane && IsOutsideField(object->position)) {
        DrawGuideLine(object, 0.0f, 0.5f);
    }
}

// Pays by the height of the catch: 100 at the bottom of the ship's range, 3000 at the top.
void PickUpScoreItem(CSprite* item)
{
    const int height = static_cast<int>((g_player->position.y + 5.0f) / 10.0f * 3200.0f);
    const int value = 100 * (height / 100);
    const float drift = RandomFloat();
    Vec3 direction{drift * 0.05f - 0.025f, -0.05f, 0.0f};
    CreateDigitalNumber(&g_player->position, &direction, value);
    g_player->AddScore(value);
    item->Die();
    g_sound->Play(static_cast<int8_t>(g_seScoreItem), 0);
}

bool IsKilled(const CSprite* enemy) { return enemy->state == STATE_DYING || enemy->state == STATE_DEAD; }

// A kill worth at most 500 is multiplied and shown as a number drifting along the attack.
int MultipliedScore(const CSprite* enemy, const CSprite* attack, int multiplier, const Vec3& shownAt)
{
    int points = enemy->score;
    if (points <= kPlainScoreLimit) {
        points *= multiplier;
        Vec3 direction = attack->velocity;
        CreateDigitalNumber(&shownAt, &direction, points);
    }
    return points;
}

void ScoreKill(int points)
{
    g_player->AddScore(points);
    if (points > 0)
        g_player->AddKills(1);
}

void HitWithLaser(CLockOnLaser* laser, CEnemy* enemy)
{
    if (laser->targetId != enemy->serialId)
        return;
    laser->OnHit(enemy);
    enemy->Damage(laser->power);
    if (enemy->maxHp >= kLargeEnemyHp)
        g_player->AddSpecialGauge(20);
    if (IsKilled(enemy)) {
        int multiplier = laser->multiplier;
        ScoreKill(MultipliedScore(enemy, laser, multiplier, enemy->position));
        int steps = 1;
        while (multiplier >= 2) {
            multiplier /= 2;
            steps += 1;
        }
        g_player->AddSpecialGauge(5 * steps);
    }
    laser->Die();
}

// Bits can be shot and cut but never locked.
void TryLock(CLockOnSite* reticle, CEnemy* enemy)
{
    if (dynamic_cast<CBit*>(enemy) != nullptr || !IsControlPossible())
        return;
    if (g_lockonSystem->CountLocksOn(enemy->serialId) * kHpPerLock >= enemy->hp)
        return;
    const int slot = g_lockonSystem->Lock(enemy->serialId);
    if (slot == -1)
        return;
    reticle->OnHit(enemy);
    g_effectList.push_back(new CLockedMarker(enemy->serialId, slot));
}

// Shots and blade volumes are spent on their first damaging contact. False when
// the blade's swing has already hit: then nothing at all comes of this contact.
bool HitWithStrike(CSprite* attack, CEnemy* enemy, bool bladeVolume)
{
    if (bladeVolume) {
        if (g_player->blade->hitFlag)
            return false;
        g_player->blade->hitFlag = true;
    }
    attack->OnHit(enemy);
    enemy->Damage(attack->power);
    if (enemy->maxHp >= kLargeEnemyHp)
        g_player->AddSpecialGauge(5);
    if (IsKilled(enemy)) {
        auto* shot = dynamic_cast<CPlayerShot*>(attack);
        if (shot != nullptr && shot->level > 1) {
            ScoreKill(MultipliedScore(enemy, shot, shot->level, enemy->projectedPosition));
            g_player->AddSpecialGauge(40);
        } else {
            ScoreKill(enemy->score);
            if (bladeVolume)
                g_player->AddSpecialGauge(40);
        }
    }
    attack->Die();
    return true;
}

void RecordLastHit(const CEnemy* enemy)
{
    g_lastHitEnemy->hp = enemy->hp;
    g_lastHitEnemy->maxHp = enemy->maxHp;
    g_lastHitEnemy->iconTexture = enemy->iconTexture;
}

bool IsBladeVolume(CSprite* attack)
{
    auto* volume = dynamic_cast<CInvisibleCollision*>(attack);
    return volume != nullptr && volume->mode == COLLISION_BLADE;
}

void TestAttackAgainstEnemy(CSprite* attack, CEnemy* enemy)
{
    auto* reticle = dynamic_cast<CLockOnSite*>(attack);
    const bool contact = HitTest(enemy, attack) || (reticle != nullptr && HitTestEnemy(enemy, attack));
    if (!contact)
        return;
    const bool bladeVolume = IsBladeVolume(attack);
    if (bladeVolume) {
        const bool large = enemy->maxHp > kLargeEnemyHp;
        g_player->UseBladeEnergy(large ? 64 : 8);
        if (large)
            g_player->AddSpecialGauge(20);
    }
    if (reticle != nullptr) {
        TryLock(reticle, enemy);
        return;
    }
    if (auto* laser = dynamic_cast<CLockOnLaser*>(attack)) {
        HitWithLaser(laser, enemy);
    } else if (dynamic_cast<CBlade*>(attack) == nullptr) {
        if (!HitWithStrike(attack, enemy, bladeVolume))
            return;
    }
    RecordLastHit(enemy);
}

}  // namespace

bool IsControlPossible() { return !g_controlLocked && g_player->controlEnabled && g_player->state == STATE_ACTIVE; }

void TestEnemyAgainstPlayer(CSprite* object, bool* rearCone)
{
    if (IsControlPossible())
        TestRearCone(object, rearCone);
    if (dynamic_cast<CScoreItem*>(object) != nullptr) {
        if (HitTest(object, g_player))
            PickUpScoreItem(object);
        return;
    }
    auto* enemy = dynamic_cast<CEnemy*>(object);
    if (enemy != nullptr && IsVulnerable() && enemy->hurtsOnContact && HitTest(enemy, g_player)) {
        g_player->Die();
        LogPlayerDeath("Enemy");
    }
}

void UpdateWarningTone(bool rearCone)
{
    const auto tone = static_cast<int8_t>(g_seWarningTone);
    if (!IsFrozen() && rearCone) {
        if (!g_sound->IsPlaying(tone))
            g_sound->Play(tone, 0);
    } else {
        g_sound->Stop(tone);
    }
}

void TestAttackAgainstEnemies(CSprite* attack)
{
    for (std::size_t i = 0; i < g_enemyList.size(); ++i) {
        auto* enemy = dynamic_cast<CEnemy*>(g_enemyList[i]);
        if (enemy == nullptr || enemy->skippedByPlayerAttacks)
            continue;
        TestAttackAgainstEnemy(attack, enemy);
    }
}

void TestEnemyShotAgainstPlayer(CSprite* shot)
{
    if (!IsVulnerable())
        return;
    if (HitTest(shot, g_player)) {
        g_player->Die();
        LogPlayerDeath("EnemyShot");
    }
    if (g_player->HasAura() && HitTest(shot, g_player->aura)) {
        shot->Die();
        g_player->AddSpecialGauge(10);
        g_player->auraHit = true;
    }
}
