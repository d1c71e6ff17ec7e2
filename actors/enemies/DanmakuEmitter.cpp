#include "actors/enemies/DanmakuEmitter.h"

#include "actors/EnemyShot.h"
#include "actors/enemies/EnemyCommon.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/VectorHelpers.h"

#include <cmath>
#include <cstddef>

CEnemyBitDanmaku::CEnemyBitDanmaku(int type, const Vec3* start, const Vec3* target) : type(type)
{
    SetPositionVector(start);
    if (type == 0 || type == 1)
        MoveToVector(target, 1.0f / 120.0f);
    if (type == 2)
        dieOffView = true;
    hurtsOnContact = false;
    skippedByPlayerAttacks = true;
    SetPhase(0);
}

CEnemyBitDanmaku::~CEnemyBitDanmaku() = default;

void CEnemyBitDanmaku::SetPhase(int newPhase)
{
    phase = newPhase;
    if (phase != 0)
        return;
    if (type == 0 || type == 1) {
        spiralAngle = 0.0f;
    } else if (type == 2 || type == 3) {
        const float speed = RandomFloat();
        SetVelocity(0.0f, 0.02f + 0.02f * speed, 0.0f);
        const float heading = RandomFloat();
        RotateZVector(&velocity, 2.0f * heading);
    }
}

void CEnemyBitDanmaku::Update()
{
    CEnemy::Update();
    switch (type) {
    case 0:
    case 1:
        if (age % 5 == 0)
            FireSpiralPair();
        break;
    case 2:
        if (age % 5 == 0)
            DriftAndFire(0.05f);
        break;
    case 3:
        if (age % 10 == 0)
            DriftAndFire(-0.05f);
        break;
    default:
        break;
    }
}

void CEnemyBitDanmaku::FireSpiralPair()
{
    Vec3 d{0.0f, -1.0f, 0.0f};
    RotateZVector(&d, spiralAngle);
    FireShot(position, d, 0.075f);
    RotateZVector(&d, 1.0f);
    FireShot(position, d, 0.075f);
    spiralAngle += type == 0 ? -0.05f : 0.05f;
}

// Speeds up, turns, and drops a slow shot to each side of its path.
void CEnemyBitDanmaku::DriftAndFire(float turn)
{
    velocity = velocity * 1.02f;
    RotateZVector(&velocity, turn);
    // Left to drift long enough (minutes, while its phase lasts) the speed
    // overflows and the turn makes it NaN; shots fired then would never leave
    // the view and pile up. Shots from that far off vanish unseen anyway.
    if (!std::isfinite(velocity.x) || !std::isfinite(velocity.y))
        return;
    Vec3 d = velocity;
    RotateZVector(&d, 0.5f);
    FireTypedShot(ENEMY_SHOT_ACCELERATING, position, d, 0.005f);
    RotateZVector(&d, 1.0f);
    FireTypedShot(ENEMY_SHOT_ACCELERATING, position, d, 0.005f);
}

void CEnemyBitDanmaku::Draw()
{
    CSprite::Draw();
    if (IsWaiting())
        return;
    if (type == 0 || type == 1)
        DrawEnemyModel(this, g_modelArmouredEnemy, 0);
    else if (type == 2 || type == 3)
        DrawEnemyModel(this, g_modelBit, 0);
}

void DeleteAllDanmakuEmitters()
{
    DeleteAllOf<CEnemyBitDanmaku>(g_enemyList);
}
