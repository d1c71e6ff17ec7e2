#include "actors/enemies/EnemyCommon.h"

#include "actors/Bomb.h"
#include "actors/EnemyShot.h"
#include "actors/LightParticle.h"
#include "actors/ShockWave.h"
#include "actors/WorldPlacement.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

int ByDifficulty(int normal, int difficultyZero) { return g_globalDifficulty == 0 ? difficultyZero : normal; }

void PlacePath(Vec3* points, Vec3* tangents, int count, float angle, const Vec3* offset)
{
    for (int i = 0; i < count; ++i) {
        VecAdd(&points[i], offset);
        RotateZ(&points[i], angle);
        RotateZ(&tangents[i], angle);
    }
}

Vec3 RandomFieldPoint()
{
    const float x = RandomFloat();
    const float y = RandomFloat();
    return {10.0f * x - 5.0f, 10.0f * y - 5.0f, 0.0f};
}

void FireAlongFacing(CEnemy* enemy)
{
    FireShotAt(enemy->position.x, enemy->position.y, enemy->position.z, enemy->facing, 0.1f);
    g_sound->Play(g_seEnemyFire, 0);
}

void DrawEnemyModel(CEnemy* enemy, int model, int fog)
{
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(fog);
    g_graphics->SetCulling(1);
    g_graphics->SetBlendMode(-1);
    g_graphics->SetZBuffer(1);
    g_graphics->DrawMesh(model, PlaceInWorld(enemy));
}

void FireBurstRing(const Vec3& position, float startAngle, int count, float step)
{
    Vec3 v{0.0f, 0.1f, 0.0f};
    RotateZ(&v, startAngle);
    for (int i = 0; i < count; ++i) {
        RotateZ(&v, step);
        FireBurstShot(position, v);
    }
}

void BeginSlowDeath(CEnemy* enemy)
{
    enemy->waitFrames = 0;
    enemy->StopMotion();
    enemy->SetSlowDown(0.95f);
    g_sound->Play(g_seEnemyDie, 0);
}

namespace {

// Direction components each in -0.5 .. 0.5, drawn x, y, z.
Vec3 RandomDirection()
{
    const float x = RandomFloat() - 0.5f;
    const float y = RandomFloat() - 0.5f;
    const float z = RandomFloat() - 0.5f;
    return Vec3{x, y, z};
}

}  // namespace

void ArmouredDeathBurst(const Vec3& position)
{
    // A spray that was dropped; its draws stay so that replays keep their sequence.
    for (int i = 0; i < 16; ++i) {
        Vec3 unused = RandomDirection();
        const float speed = 0.04f * RandomFloat() + 0.02f;
        VecNormalizeScale(&unused, speed);
    }
    for (int i = 0; i < 32; ++i) {
        Vec3 velocity = RandomDirection();
        const float speed = 0.14f * RandomFloat() + 0.06f;
        VecNormalizeScale(&velocity, speed);
        g_effectList.push_back(new CLightParticle(position.x, position.y, position.z, 0.5f, &velocity, 60 * 2));
    }
    g_effectList.push_back(new CShockWave(position.x, position.y, position.z, 25.0f, static_cast<int>(60 * 0.5)));
    SpawnBomb(&position);
    g_sound->Play(g_seBigExplode, 0);
}

void SpawnChargeGlow(const Vec3& centre, int life)
{
    const float rx = RandomFloat();
    const float ry = RandomFloat();
    const float rz = RandomFloat();
    SpawnLightParticleMoving(centre.x - 2.0f + 4.0f * rx, centre.y - 2.0f + 4.0f * ry, centre.z - 2.0f + 4.0f * rz,
                             centre.x, centre.y, centre.z, 1.0f, life);
}
