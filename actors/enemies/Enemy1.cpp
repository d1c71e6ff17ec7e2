#include "actors/enemies/EnemyCommon.h"
#include "actors/enemies/SmallEnemies.h"

#include "actors/ScoreItem.h"
#include "actors/WorldPlacement.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/VectorHelpers.h"

CEnemy1::CEnemy1(int type, float x, float y, float z) : type(type)
{
    SetPosition(x, y, z);
    if (type == 0) {
        Vec3 dive{g_targetPosition.x - x, g_targetPosition.y - y, 0.0f};
        VecNormalizeScale(&dive, 0.01f);
        SetVelocityVector(&dive);
    } else {
        SetVelocity(0.0f, -0.01f, 0.0f);
    }
    appearFrames = 60;
    Appear();
    dieOffView = true;
    hitRadius = 0.25f;
    hp = maxHp = 1;
    score = 100;
    iconTexture = g_texIconEnemy;
}

CEnemy1::~CEnemy1() = default;

void CEnemy1::SetPhase(int newPhase) { phase = newPhase; }

void CEnemy1::Activate()
{
    CEnemy::Activate();
    if (type == 0)
        SetSpeedUp(1.02f, 0.05f);
}

// The item is dropped wherever it ends, off view too, but once only.
void CEnemy1::Die()
{
    const bool firstDeath = state != STATE_DYING && state != STATE_DEAD;
    CEnemy::Die();
    if (firstDeath && score == 0)
        SpawnScoreItem(&position);
}

// Only a dismissal moves it to a point.
void CEnemy1::OnArrived()
{
    CEnemy::OnArrived();
    leftView = true;
    Remove();
}

void CEnemy1::Update()
{
    CEnemy::Update();
    if (state == STATE_ACTIVE)
        SetRotation(rotation.x + 0.01f, rotation.y + 0.0025f, rotation.z);
}

void CEnemy1::Draw()
{
    if (IsWaiting())
        return;
    CEnemy::Draw();
    if (state != STATE_APPEARING) {
        DrawEnemyModel(this, g_modelArmouredEnemy, 0);
        return;
    }
    const float appearing = static_cast<float>(AppearRatio());
    g_graphics->SetCameraMode(45);
    if (type == 0 || type == 1) {
        g_graphics->SetFog(0);
        g_graphics->SetCulling(0);
        g_graphics->SetZBuffer(0);
        g_graphics->DrawBillboard(g_texWarning, 4.0f * appearing, 4.0f * appearing, 0.0f, PlaceInWorld(this));
    }
    g_graphics->DrawMeshAlpha(g_modelArmouredEnemy, PlaceInWorld(this), 1.0f - appearing);
}

void CEnemy1::Remove()
{
    CSprite::Remove();
    Explode();
}
