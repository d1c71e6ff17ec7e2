#include "actors/LightParticle.h"

#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/VectorHelpers.h"

namespace {

constexpr int kGlowLife = static_cast<int>(60 * 1.5);

}  // namespace

CLightParticle::CLightParticle(float x, float y, float z, float size, const Vec3* glowVelocity, int life)
{
    Init(x, y, z, size, glowVelocity, life);
    zBuffer = 0;
}

CLightParticle::~CLightParticle() = default;

void CLightParticle::Init(float x, float y, float z, float glowSize, const Vec3* glowVelocity, int life)
{
    SetPosition(x, y, z);
    size = glowSize;
    velocity = *glowVelocity;
    dyingFrames = life;
    dyingLeft = life;
    Die();
}

void CLightParticle::Draw()
{
    CSprite::Draw();
    g_graphics->SetCulling(0);
    g_graphics->SetZBuffer(zBuffer);
    g_graphics->SetBlendMode(1);
    g_graphics->SetFog(0);
    g_graphics->SetCameraMode(45);
    Matrix world;
    GetWorldMatrix(&world);
    g_graphics->SetTexture(g_texGlow);
    const float side = static_cast<float>(size * DyingRatio());
    g_graphics->DrawRect3D(side, side, 1.0f, 1.0f, 1.0f, 1.0f, world);
}

void SpawnLightParticle(float x, float y, float z, float size)
{
    g_effectList.push_back(new CLightParticle(x, y, z, size, &g_zeroVector, kGlowLife));
}

void SpawnLightParticleGlow(float x, float y, float z, float size)
{
    g_glowList.push_back(new CLightParticle(x, y, z, size, &g_zeroVector, kGlowLife));
}

void SpawnLightParticleMoving(float x, float y, float z, float tx, float ty, float tz, float size, int life)
{
    auto* glow = new CLightParticle(x, y, z, size, &g_zeroVector, life);
    glow->MoveHermite(tx, ty, tz, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f / static_cast<float>(life));
    g_effectList.push_back(glow);
}

void RemoveAllLightParticles()
{
    DeleteAllOf<CLightParticle>(g_effectList);
}
