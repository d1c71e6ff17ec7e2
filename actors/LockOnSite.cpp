#include "actors/LockOnSite.h"

#include "actors/LockOnSquare.h"
#include "actors/WorldPlacement.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

CLockOnSite::CLockOnSite()
{
    faceCount = 1;
    vertexCount = 4;
    materialCount = 1;
    hitRadius = 1.0f;
}

CLockOnSite::~CLockOnSite() = default;

void CLockOnSite::OnHit(CSprite* other) { g_effectList.push_back(new CLockOnSquare(other->serialId)); }

void CLockOnSite::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(1);
    g_graphics->SetZBuffer(0);
    g_graphics->SetBlendMode(-1);
    const Matrix world = PlaceInWorld(this);
    // A bright square between two dimmer ones.
    g_graphics->DrawRectOutlineSized3D(0.97f, 0.97f, 0.5f, 0.0f, 0.5f, 0.0f, world);
    g_graphics->DrawRectOutlineSized3D(1.0f, 1.0f, 1.0f, 0.0f, 1.0f, 0.0f, world);
    g_graphics->DrawRectOutlineSized3D(1.03f, 1.03f, 0.5f, 0.0f, 0.5f, 0.0f, world);
}
