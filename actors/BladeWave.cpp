#include "actors/BladeWave.h"

#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/Random.h"

CBladeWave::CBladeWave(float x, float y, float z)
{
    SetPosition(x, y, z);
    dyingFrames = 30;
    Die();
    faceCount = 1;
    vertexCount = 3;
    materialCount = 1;
    const float turn = RandomFloat();
    SetRotation(0.0f, 0.0f, 2.0f * turn);
}

CBladeWave::~CBladeWave() = default;

void CBladeWave::Update() { CSprite::Update(); }

// The extra z rotation turns the streak by twice its stored angle.
void CBladeWave::Draw()
{
    CSprite::Draw();
    g_graphics->SetCulling(0);
    g_graphics->SetZBuffer(0);
    g_graphics->SetBlendMode(1);
    g_graphics->SetFog(0);
    g_graphics->SetCameraMode(45);
    Matrix world;
    GetWorldMatrixEx(&world, 0.0f, 0.0f, rotation.z, 0.0f, 0.0f, 0.0f);
    g_graphics->SetTexture(g_texGlow);
    g_graphics->DrawRect3D(size, static_cast<float>(DyingRatio() * thickness), 1.0f, 1.0f, 1.0f, 1.0f, world);
}
