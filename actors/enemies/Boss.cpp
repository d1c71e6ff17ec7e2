#include "actors/enemies/Boss.h"

#include "actors/ColorFilter.h"
#include "actors/EnemyShot.h"
#include "actors/LightParticle.h"
#include "actors/TriangleParticles.h"
#include "actors/enemies/Bit.h"
#include "actors/enemies/EnemyCommon.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

namespace {

constexpr int kDeathFlashFrames = static_cast<int>(60 * 0.25);
constexpr int kRemoveFlashFrames = 60 * 4;
constexpr int kSparkLife = 60 * 8;

void DrawFlashes(float scale, const Matrix& at)
{
    g_graphics->SetZBuffer(0);
    g_graphics->DrawBillboard(g_texBossFlash, scale * 15.0f, scale * 15.0f, 0.0f, at);
    g_graphics->DrawBillboard(g_texBossFlash, scale * 12.5f, scale * 12.5f, 0.0f, at);
}

// A glow from a random point five units from the origin, gliding into the boss.
void SpawnConvergingGlow(const Vec3& centre)
{
    const float rx = RandomFloat();
    const float ry = RandomFloat();
    const float rz = RandomFloat();
    Vec3 from{centre.x - 5.0f + 10.0f * rx, centre.y - 5.0f + 10.0f * ry, centre.z - 5.0f + 10.0f * rz};
    VecNormalizeScale(&from, 5.0f);
    SpawnLightParticleMoving(from.x, from.y, from.z, centre.x, centre.y, centre.z, 1.0f, 120);
}

// Three white arms, turning as the last frames run out.
void DrawStar(double f, const Matrix& at)
{
    Vec3 arm[3] = {{0.0f, 0.0f, 0.0f}, {-3.0f, 20.0f, 0.0f}, {3.0f, 20.0f, 0.0f}};
    float turn = static_cast<float>(f * 0.35 + 0.66666);
    for (int i = 0; i < 3; ++i) {
        for (Vec3& corner : arm)
            RotateZVector(&corner, turn);
        g_graphics->DrawTriangle3D(arm, 1.0f, 1.0f, 1.0f, 1.0f, at);
        turn = 0.66666f;
    }
}

}  // namespace

CBoss::CBoss(int hitPoints)
{
    FacePlayer();
    minTurnStep = 0.0f;
    hitRadius = 0.5f;
    dyingFrames = 300;
    maxHp = hp = hitPoints;
    score = 50000;
    iconTexture = g_texIconBoss;
}

CBoss::~CBoss() = default;

void CBoss::Die()
{
    const bool firstDeath = state != STATE_DYING && state != STATE_DEAD;
    CEnemy::Die();
    if (leftView)
        return;
    if (firstDeath && !sentAway && onDeath != nullptr)
        onDeath(g_scene, g_sceneStep + 1);
    CreateColorFilter(kDeathFlashFrames);
    DeleteAllBits();
    ClearEnemyShots();
    g_sound->Play(g_seBossDie, 0);
}

void CBoss::Remove()
{
    CSprite::Remove();
    if (leftView)
        return;
    RemoveAllLightParticles();
    CreateColorFilter(kRemoveFlashFrames);
    g_triangleParticles->EmitBurst(&position, 256, kSparkLife);
    g_sound->Play(g_seBossExplode, 0);
}

void CBoss::Leave()
{
    CEnemy::Leave();
    sentAway = true;
    SetPhase(BOSS_PHASE_LEAVING);
}

void CBoss::EndIfLeft()
{
    if (phase != BOSS_PHASE_LEAVING)
        return;
    leftView = true;
    dyingFrames = 0;
    Die();
}

void CBoss::Draw()
{
    CSprite::Draw();
    DrawEnemyModel(this, g_modelBoss, 1);
    if (state != STATE_DYING)
        return;
    const Matrix at = MatrixTranslation(position.x, position.y, position.z);
    const double r = DyingRatio();
    if (r > 0.05) {
        const double g = (r - 0.05) * 1.0526316;
        DrawFlashes(static_cast<float>(1.0 - g), at);
        if (IsStill() && age % 3 == 0)
            SpawnConvergingGlow(position);
        return;
    }
    const double f = 0.5 + 10.0 * r;
    DrawStar(f, at);
    DrawFlashes(static_cast<float>(f), at);
}
