#include "actors/enemies/EnemyCommon.h"
#include "actors/enemies/SmallEnemies.h"

#include "engine/AssetLists.h"
#include "engine/Random.h"

CEnemy0::CEnemy0(float angle, const Vec3* offset)
    : points{{0.0f, 10.0f, 0.0f}, {0.0f, -10.0f, 0.0f}, {}}
    , tangents{}
{
    PlacePath(points, tangents, 3, angle, offset);
    SetPhase(0);
    hitRadius = 0.5f;
    hp = maxHp = 1;
    score = 100;
    iconTexture = g_texIconSmall;
}

CEnemy0::~CEnemy0() = default;

void CEnemy0::SetPhase(int newPhase)
{
    phase = newPhase;
    if (phase == 0) {
        SetPositionVector(&points[0]);
        MoveHermiteVectors(&points[1], &tangents[1], &tangents[0], 1.0f / 420.0f);
    }
}

void CEnemy0::OnArrived()
{
    CEnemy::OnArrived();
    leftView = true;
    Die();
}

// The odds are drawn every frame; whether it may fire is asked only on a hit.
void CEnemy0::Update()
{
    CEnemy::Update();
    const int fireDraw = RandomInt(static_cast<uint32_t>(ByDifficulty(120, 60)));
    if (fireDraw == 0 && CanShoot())
        FireAlongFacing(this);
}

void CEnemy0::Draw()
{
    if (IsWaiting())
        return;
    CEnemy::Draw();
    DrawEnemyModel(this, g_modelSmallEnemy, 1);
}

void CEnemy0::Remove()
{
    CSprite::Remove();
    ExplodeWithGround();
}
