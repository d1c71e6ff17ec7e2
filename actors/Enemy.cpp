#include "actors/Enemy.h"

#include "actors/Bomb.h"
#include "actors/LockonSystem.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

#include <algorithm>
#include <cmath>

CEnemy::CEnemy() = default;

CEnemy::~CEnemy() = default;

void CEnemy::Die()
{
    CSprite::Die();
    g_lockonSystem->ReleaseTarget(serialId);
}

void CEnemy::Update()
{
    CSprite::Update();
    if (state == STATE_ACTIVE)
        TurnToHeading();
}

void CEnemy::SetPosition(float x, float y, float z)
{
    CSprite::SetPosition(x, y, z);
    Matrix world;
    GetWorldMatrix(&world);
    world = MatrixMultiply(world, g_graphics->GetViewTransform());
    world = MatrixMultiply(world, g_graphics->GetProjectionTransform());
    projectedPosition = Vec3TransformCoord(Vec3{}, world);
    projectedPosition.x = projectedPosition.x * 5.0f;
    projectedPosition.y = projectedPosition.y * 5.0f;
    projectedPosition.z = projectedPosition.z - 1.0f;
}

void CEnemy::Leave()
{
    Vec3 exit;
    RandomEdgePoint(&exit);
    MoveTo(exit.x, exit.y, exit.z, 1.0f / 240.0f);
}

void CEnemy::FacePlayer()
{
    facing.x = g_targetPosition.x - position.x;
    facing.y = g_targetPosition.y - position.y;
    const Vec2 toPlayer{facing.x, facing.y};
    SetRotation(rotation.x, rotation.y, HeadingOf(&toPlayer));
}

bool CEnemy::CanShoot() { return IsInView() && !IsPushed(); }

// Eases rotation z toward the player or along the last movement, the short way round.
void CEnemy::TurnToHeading()
{
    const Vec2 toward = facePlayer ? Vec2{g_targetPosition.x - position.x, g_targetPosition.y - position.y}
                                   : Vec2{lastMovement.x, lastMovement.y};
    float r = rotation.z;
    if (facePlayer || toward.x != 0.0f || toward.y != 0.0f) {
        const float h = HeadingOf(&toward);
        if (std::fabs(h - r) >= 1.0f)
            r = r < h ? r + 2.0f : r - 2.0f;
        if (std::fabs(r - h) <= minTurnStep) {
            r = h;
        } else if (r != h) {
            float step = std::fabs(h - r) * 0.04f;
            if (minTurnStep > 0.0f && step < minTurnStep)
                step = minTurnStep;
            r = r < h ? r + step : r - step;
        }
        rotation.z = r;
    }
    facing = Vec3{0.0f, 1.0f, 0.0f};
    RotateZVector(&facing, r);
}

void CEnemy::Explode() { ExplodeWithSound(g_seEnemyExplode); }

void CEnemy::ExplodeWithSound(int sound)
{
    if (leftView)
        return;
    const Vec3 drift{0.0f, -0.3f, -0.1f};
    g_effectList.push_back(new CBomb(position.x, position.y, position.z, 5.0f, &drift));
    if (position.z < 20.0f)
        g_sound->Play(sound, 0);
}

void CEnemy::ExplodeWithGround()
{
    if (leftView)
        return;
    SpawnBomb(&position);
    g_sound->Play(g_seEnemyExplode, 0);
}

bool HitTestEnemy(CEnemy* enemy, CSprite* other)
{
    if (enemy->state != STATE_ACTIVE || other->state != STATE_ACTIVE)
        return false;
    const float reach = std::max(enemy->hitRadius, other->hitRadius);
    return Distance(&enemy->projectedPosition, &other->position) <= reach;
}

CSprite* FindEnemy(int serialId)
{
    for (CSprite* sprite : g_enemyList) {
        if (sprite->serialId == serialId)
            return sprite;
    }
    return nullptr;
}
