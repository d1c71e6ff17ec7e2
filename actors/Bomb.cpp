#include "actors/Bomb.h"

#include "actors/WorldPlacement.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

namespace {

// One delayed-action tick per picture; the last tick removes the explosion.
constexpr int kPictureCount = 16;
constexpr float kSpawnedSize = 5.0f;

}  // namespace

CBomb::CBomb(float x, float y, float z, float size, const Vec3* bombVelocity) : size(static_cast<int>(size))
{
    velocity = *bombVelocity;
    SetPosition(x, y, z);
    actionPeriod = kPictureCount;
}

CBomb::~CBomb() = default;

void CBomb::OnDelayedAction()
{
    CSprite::OnDelayedAction();
    Remove();
}

void CBomb::Update()
{
    CSprite::Update();
    if (age % 2 == 0)
        TickDelayedAction();
}

void CBomb::Draw()
{
    CSprite::Draw();
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    const float side = static_cast<float>(size);
    g_graphics->DrawBillboard(g_texExplosion[actionCounter], side, side, 0.0f, PlaceInWorld(this));
}

void SpawnBomb(const Vec3* position)
{
    Matrix ground;
    g_groundTransform->GetWorldMatrix(&ground);
    Vec3 v = Vec3TransformNormal({0.0f, -0.3f, 0.0f}, ground);
    v.z = v.z - 0.5f;
    g_effectList.push_back(new CBomb(position->x, position->y, position->z, kSpawnedSize, &v));
}
