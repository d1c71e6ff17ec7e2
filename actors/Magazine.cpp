#include "actors/Magazine.h"

#include "actors/MeshCounts.h"
#include "actors/WorldPlacement.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/Random.h"
#include "engine/VectorHelpers.h"

CMagazine::CMagazine(float x, float y)
{
    TakeMeshCounts(this, g_model121);
    SetPosition(x, y, 0.0f);
    const float r1 = RandomFloat();
    const float r2 = RandomFloat();
    const float r3 = RandomFloat();
    velocity = {-0.04f + 0.08f * r3, -0.04f - 0.08f * r2, -0.05f * r1};
    hitRadius = 0.5f;
    dyingFrames = 60;
    Die();
    SetSlowDown(0.97f);
}

CMagazine::~CMagazine() = default;

// It tumbles as it falls away.
void CMagazine::Update()
{
    CSprite::Update();
    rotation = {rotation.x + 0.01f, rotation.y + 0.0025f, rotation.z};
}

void CMagazine::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(1);
    g_graphics->SetCulling(1);
    g_graphics->SetBlendMode(-1);
    g_graphics->DrawMeshAlpha(g_model121, PlaceInWorld(this), static_cast<float>(DyingRatio()));
}

CMagazine2::CMagazine2(float x, float y)
{
    faceCount = 1;
    vertexCount = 4;
    materialCount = 1;
    SetPosition(x, y, 0.0f);
    const float fall = RandomFloat();
    velocity = {-0.16f, -0.02f - 0.04f * fall, 0.0f};
    dyingFrames = 120;
    Die();
}

CMagazine2::~CMagazine2() = default;

void CMagazine2::Update()
{
    CSprite::Update();
    rotation.z += 0.025f;
}

// A 2.0 × 0.4 strip of the blade picture lying along x.
void CMagazine2::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    g_graphics->SetBlendMode(-1);
    const Vec2 strip[4] = {{-0.2f, -1.0f}, {0.2f, -1.0f}, {-0.2f, 1.0f}, {0.2f, 1.0f}};
    Vec3 corners[4];
    for (int i = 0; i < 4; ++i)
        Rotate2D(&corners[i], &strip[i], 0.5f);
    Matrix world;
    GetWorldMatrix(&world);
    g_graphics->SetZBuffer(0);
    g_graphics->DrawTexturedQuad3D(g_texBlade, corners, static_cast<float>(DyingRatio()), world);
}
