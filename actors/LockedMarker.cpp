#include "actors/LockedMarker.h"

#include "actors/Enemy.h"
#include "actors/LockOnSquare.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"

CLockedMarker::CLockedMarker(int targetId, int slot) : slot(slot), targetId(targetId)
{
    faceCount = 1;
    vertexCount = 4;
    materialCount = 1;
}

CLockedMarker::~CLockedMarker() = default;

void CLockedMarker::Update() { CSprite::Update(); }

void CLockedMarker::Draw()
{
    CSprite::Draw();
    const CSprite* enemy = FindEnemy(targetId);
    if (enemy == nullptr) {
        Die();
        return;
    }
    SetLockOnDrawStates();
    g_graphics->SetZBuffer(0);
    g_graphics->DrawBillboard(g_texLockedMarker, 1.35f, 1.35f, 1.0f, LockOnWorldMatrix(this, enemy));
}
