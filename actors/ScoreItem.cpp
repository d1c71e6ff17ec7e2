#include "actors/ScoreItem.h"

#include "actors/WorldPlacement.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

CScoreItem::CScoreItem(float x, float y, float z)
{
    position = Vec3{x, y, z};
    SetMode(0);
    hitRadius = 1.0f;
}

CScoreItem::~CScoreItem() = default;

void CScoreItem::SetMode(int newMode)
{
    mode = newMode;
    if (mode == 0)
        SetVelocity(0.0f, 0.05f, 0.0f);
}

void CScoreItem::Update()
{
    CSprite::Update();
    // Pulled down only while above -0.5; below that it keeps the speed it has.
    if (mode == 0 && position.y > -0.5f)
        SetVelocity(0.0f, velocity.y - 0.001f, 0.0f);
    if (position.y < -5.0f)
        Die();
}

void CScoreItem::OnStopped() { CSprite::OnStopped(); }

void CScoreItem::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    g_graphics->SetTexture(-1);
    g_graphics->SetBlendMode(1);
    g_graphics->SetZBuffer(0);
    if (position.y <= 5.0f) {
        g_graphics->DrawRectOutlineSized3D(0.4f, 0.4f, 1.0f, 0.0f, 1.0f, 0.0f, PlaceInWorld(this));
    } else {
        // Above the field: show where it will come down.
        g_graphics->DrawBillboard(g_texScoreItemMarker, 0.75f, 0.75f, 1.0f,
                                  MatrixTranslation(position.x, 4.5f, position.z));
    }
}

void SpawnScoreItem(const Vec3* position)
{
    g_enemyList.push_back(new CScoreItem(position->x, position->y, position->z));
}
