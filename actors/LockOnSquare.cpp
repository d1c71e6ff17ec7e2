#include "actors/LockOnSquare.h"

#include "actors/Enemy.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

CLockOnSquare::CLockOnSquare(int targetId) : targetId(targetId)
{
    faceCount = 1;
    vertexCount = 4;
    materialCount = 1;
    dyingFrames = static_cast<int>(60 * 0.4);
    Die();
}

CLockOnSquare::~CLockOnSquare() = default;

void CLockOnSquare::Update()
{
    CSprite::Update();
    rotation.z += 0.015f;
}

void CLockOnSquare::Draw()
{
    CSprite::Draw();
    const CSprite* enemy = FindEnemy(targetId);
    if (enemy == nullptr) {
        // Die would restart the dying timer of this already dying square on
        // every frame, and it would never leave the list.
        Remove();
        return;
    }
    SetLockOnDrawStates();
    const float side = static_cast<float>(DyingRatio() * 10.0);
    g_graphics->DrawRectOutlineSized3D(side, side, 1.0f, 0.0f, 1.0f, 0.0f, LockOnWorldMatrix(this, enemy));
}

void SetLockOnDrawStates()
{
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(1);
    g_graphics->SetBlendMode(-1);
}

Matrix LockOnWorldMatrix(CSprite* self, const CSprite* enemy)
{
    const Vec3 angles = self->rotation + self->spin;
    const Vec3 place = self->position + enemy->position;
    Matrix world = MatrixRotationX(angles.x * kPi);
    world = MatrixMultiply(world, MatrixRotationY(angles.y * kPi));
    world = MatrixMultiply(world, MatrixRotationZ(angles.z * kPi));
    world = MatrixMultiply(world, MatrixTranslation(place.x, place.y, place.z));
    Matrix placement;
    g_worldTransform->GetWorldMatrix(&placement);
    return MatrixMultiply(world, placement);
}
