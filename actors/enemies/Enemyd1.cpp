#include "actors/enemies/EnemyCommon.h"
#include "actors/enemies/PatternEnemies.h"

#include "actors/EnemyShot.h"
#include "actors/LightParticle.h"
#include "engine/AssetLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"

CEnemyd1::CEnemyd1(int mode, float x, float y, float z) : mode(mode)
{
    SetPosition(x, y, z);
    SetPhase(0);
    FacePlayer();
    hitRadius = 0.3f;
    hp = maxHp = 160;
    score = 5000;
    dyingFrames = static_cast<int>(60 * 0.75);
    iconTexture = g_texIconEnemy;
}

CEnemyd1::~CEnemyd1() = default;

void CEnemyd1::SetPhase(int newPhase) { phase = newPhase; }

// Rings go on while it dies; only a knockback holds them.
void CEnemyd1::Update()
{
    CEnemy::Update();
    Charge();
    if (phase != 0)
        return;
    if (mode == 0 && !IsPushed() && age % 5 == 0)
        FireRing();
    if (mode == 1 && chargeCountdown == 0) {
        const int chargeDraw = RandomInt(60);
        if (chargeDraw == 0) {
            g_sound->Play(g_seHeavyFire, 0);
            chargeCountdown = 30;
        }
    }
}

// Every fourth frame of a charge a glow flies in from a random point of the cube around it.
void CEnemyd1::Charge()
{
    if (chargeCountdown <= 0)
        return;
    chargeCountdown -= 1;
    if (chargeCountdown % 4 != 0)
        return;
    const float zDraw = RandomFloat();
    const float z = position.z - 2.0f + 4.0f * zDraw;
    const float yDraw = RandomFloat();
    const float y = position.y - 2.0f + 4.0f * yDraw;
    const float xDraw = RandomFloat();
    const float x = position.x - 2.0f + 4.0f * xDraw;
    SpawnLightParticleMoving(x, y, z, position.x, position.y, position.z, 1.0f, static_cast<int>(60 * 0.5));
}

void CEnemyd1::FireRing()
{
    FireBurstRing(position, ringAngle, 8, 0.25f);
    ringAngle += 0.01f;
}

void CEnemyd1::Die()
{
    CEnemy::Die();
    if (leftView) {
        Remove();
        return;
    }
    BeginSlowDeath(this);
}

void CEnemyd1::Remove()
{
    CSprite::Remove();
    if (!leftView)
        ArmouredDeathBurst(position);
}

void CEnemyd1::Draw()
{
    CEnemy::Draw();
    DrawEnemyModel(this, g_modelDuelEnemy, 0);
}
