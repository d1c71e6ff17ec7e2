#include "actors/EnemyShot.h"

#include "actors/TriangleParticles.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

CEnemyShot::CEnemyShot(int type, float x, float y, float z, float vx, float vy, float vz) : type(type)
{
    SetMode(0);
    SetPosition(x, y, z);
    SetVelocity(vx, vy, vz);
    hitRadius = 0.1f;
    dieOffView = true;
    narrowMargin = true;
}

CEnemyShot::~CEnemyShot() = default;

void CEnemyShot::SetMode(int newMode)
{
    mode = newMode;
    switch (type) {
    case ENEMY_SHOT_SPINNING:
        look = SHOT_LOOK_SPINNING;
        break;
    case ENEMY_SHOT_ORIENTED:
        look = SHOT_LOOK_ORIENTED;
        break;
    case ENEMY_SHOT_ROUND:
        look = SHOT_LOOK_ROUND;
        break;
    case ENEMY_SHOT_BURST:
        if (mode == 0) {
            look = SHOT_LOOK_ROUND;
            SetSlowDown(0.9f);
        } else if (mode == 1) {
            look = SHOT_LOOK_ORIENTED;
            const float turn = RandomFloat();
            Vec3 drift{0.0f, 0.02f, 0.0f};
            RotateZVector(&drift, 2.0f * turn);
            SetVelocity(drift.x, drift.y, drift.z);
        }
        break;
    case ENEMY_SHOT_ACCELERATING:
        look = SHOT_LOOK_ROUND;
        SetSpeedUp(1.01f, 1.0f);
        break;
    default:
        break;
    }
}

void CEnemyShot::SetVelocity(float x, float y, float z)
{
    CSprite::SetVelocity(x, y, z);
    if (look == SHOT_LOOK_SPINNING) {
        SetRotation(rotation.x, rotation.y, rotation.z + 0.05f);
    } else if (look == SHOT_LOOK_ORIENTED) {
        const Vec2 flight{velocity.x, velocity.y};
        SetRotation(rotation.x, rotation.y, HeadingOf(&flight));
    }
}

void CEnemyShot::Update()
{
    CSprite::Update();
    if (look == SHOT_LOOK_SPINNING) {
        SetRotation(rotation.x, rotation.y, rotation.z + 0.05f);
    } else if (look == SHOT_LOOK_ROUND && age < 10) {
        // Round shots leave their muzzle fast: four steps a frame at first.
        const Vec3 ahead = position + velocity * 3.0f;
        SetPosition(ahead.x, ahead.y, ahead.z);
    }
}

void CEnemyShot::OnStopped()
{
    CSprite::OnStopped();
    if (type == ENEMY_SHOT_BURST && mode == 0)
        SetMode(1);
}

void CEnemyShot::Remove()
{
    CSprite::Remove();
    if (leftView)
        return;
    g_sound->Play(g_seEnemyShotRemove, 0);
    g_triangleParticles->EmitDirected(&position, &velocity, 2);
}

void CEnemyShot::Draw()
{
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(1);
    GetWorldMatrix(&worldMatrix);
    if (look == SHOT_LOOK_ROUND)
        g_graphics->DrawBillboard(g_texEnemyShot, 0.3f, 0.3f, 1.0f, worldMatrix);
    else
        g_graphics->DrawBillboard(g_texEnemyShot, 0.2f, 0.35f, 1.0f, worldMatrix);
}

namespace {

void PushShot(int type, float x, float y, float z, const Vec3& velocity)
{
    g_enemyShotList.push_back(new CEnemyShot(type, x, y, z, velocity.x, velocity.y, velocity.z));
}

Vec3 Scaled(const Vec3& direction, float speed)
{
    Vec3 velocity = direction;
    VecNormalizeScale(&velocity, speed);
    return velocity;
}

}  // namespace

void FireShotAt(float x, float y, float z, const Vec3& direction, float speed)
{
    PushShot(ENEMY_SHOT_SPINNING, x, y, z, Scaled(direction, speed));
}

void FireTypedShot(int type, const Vec3& position, const Vec3& direction, float speed)
{
    PushShot(type, position.x, position.y, position.z, Scaled(direction, speed));
}

void FireShot(const Vec3& position, const Vec3& direction, float speed)
{
    FireTypedShot(ENEMY_SHOT_SPINNING, position, direction, speed);
}

void FireShotDefault(const Vec3& position, const Vec3& direction) { FireShot(position, direction, 0.15f); }

void FireShotFast(const Vec3& position, const Vec3& direction) { FireShot(position, direction, 0.1f); }

void FireBurstShot(const Vec3& position, const Vec3& velocity)
{
    PushShot(ENEMY_SHOT_BURST, position.x, position.y, position.z, velocity);
}

void FireSpread(const Vec3& position, const Vec3& direction, int n)
{
    for (int i = 0; i < n; ++i) {
        const float turnDraw = RandomFloat();
        Vec3 turned = direction;
        RotateZVector(&turned, 0.2f * turnDraw - 0.1f);
        const float speedDraw = RandomFloat();
        FireShotAt(position.x, position.y, position.z, turned, 0.1f * speedDraw + 0.05f);
    }
}

void FireAimedShot(float x, float y, float z, float speed)
{
    FireShotAt(x, y, z, g_targetPosition - Vec3{x, y, z}, speed);
}

void ClearEnemyShots()
{
    DeleteAllOf<CEnemyShot>(g_enemyShotList);
}
