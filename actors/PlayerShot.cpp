#include "actors/PlayerShot.h"

#include "actors/TriangleParticles.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

CPlayerShot::CPlayerShot(float x, float y, float z, const Vec3* shotVelocity, int level) : level(level)
{
    SetPosition(x, y, z);
    velocity = *shotVelocity;
    faceCount = 1;
    vertexCount = 3;
    materialCount = 1;
    hitRadius = 0.2f;
    power = 1;
    narrowMargin = true;
    dieOffView = true;
}

CPlayerShot::~CPlayerShot() = default;

void CPlayerShot::OnHit(CSprite* target)
{
    CSprite::OnHit(target);
    g_sound->Play(g_seShotHit, 0);
}

// A spent shot throws two sparks roughly along its flight; one that flew off
// the field goes quietly.
void CPlayerShot::Remove()
{
    CSprite::Remove();
    if (leftView)
        return;
    const float length = RandomFloat();
    const float turn = RandomFloat();
    const float depth = RandomFloat();
    Vec2 flight{velocity.x, velocity.y};
    Vec2NormalizeScale(&flight, 0.015f + 0.035f * length);
    Vec3 direction;
    Rotate2D(&direction, &flight, -0.25f + 0.5f * turn);
    direction.z = -0.025f + 0.05f * depth;
    g_triangleParticles->EmitDirected(&position, &direction, 2);
}

void CPlayerShot::Draw()
{
    CSprite::Draw();
    const Vec2 flight{velocity.x, velocity.y};
    Matrix heading;
    HeadingMatrix(&heading, &flight);
    const Matrix world = MatrixMultiply(heading, MatrixTranslation(position.x, position.y, position.z));
    g_graphics->DrawBillboard(g_texPlayerShot, 0.5f, 0.5f, 0.0f, world);
}

void SpawnPlayerShot(float x, float y, float z, const Vec3* velocity)
{
    CPlayerShot* shot = new CPlayerShot(x, y, z, velocity, 4);
    shot->hitRadius = 0.5f;
    g_playerAttackList.push_back(shot);
}
