#include "actors/enemies/EnemyCommon.h"
#include "actors/enemies/PatternEnemies.h"

#include "actors/EnemyShot.h"
#include "actors/ScoreItem.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

namespace {

bool KnownType(int type) { return type >= 0 && type <= 2; }

void FireRound(const Vec3& position, const Vec3& direction)
{
    FireTypedShot(ENEMY_SHOT_ROUND, position, direction, 0.025f);
}

}  // namespace

CEnemyDanmaku::CEnemyDanmaku(float x, float y, float z, int type) : type(type)
{
    if (KnownType(type)) {
        SetPosition(x, y, z);
        hp = maxHp = static_cast<int>(20 * 0.5);
    }
    SetPhase(0);
    hitRadius = 0.5f;
    score = 0;
    facePlayer = true;
}

CEnemyDanmaku::~CEnemyDanmaku() = default;

void CEnemyDanmaku::SetPhase(int newPhase)
{
    if (!KnownType(type))
        return;
    phase = newPhase;
    if (phase == 0) {
        MoveTo(position.x, 2.5f, 0.0f, 1.0f / 120.0f);
    } else if (phase == 1) {
        volleyCount = 0;
        dieOffView = true;
    } else if (phase == 2) {
        SetWait2(60);
        Vec3 flight = type == 2 ? Vec3{0.0f, -1.0f, 0.0f} : g_targetPosition - position;
        VecNormalizeScale(&flight, 0.04f);
        SetVelocityVector(&flight);
    }
}

void CEnemyDanmaku::OnArrived()
{
    CEnemy::OnArrived();
    if (!KnownType(type))
        return;
    if (phase == 0) {
        SetPhase(1);
    } else if (phase == 2) {
        leftView = true;
        Die();
    }
}

void CEnemyDanmaku::Update()
{
    CEnemy::Update();
    if (phase != 1 || age % 20 != 0)
        return;
    FireVolley();
    g_sound->Play(g_seEnemyFire, 0);
    volleyCount += 1;
    if (volleyCount >= 2)
        SetPhase(2);
}

void CEnemyDanmaku::FireVolley()
{
    Vec3 direction = facing;
    switch (type) {
    case 0:
        FireRound(position, direction);
        RotateZ(&direction, -0.2f);
        FireRound(position, direction);
        RotateZ(&direction, 0.4f);
        FireRound(position, direction);
        break;
    case 1:
    case 2: {
        const int shots = type == 1 ? 8 : 16;
        for (int i = 0; i < shots; ++i) {
            FireRound(position, direction);
            RotateZ(&direction, 2.0f / static_cast<float>(shots));
        }
        break;
    }
    default:
        break;
    }
}

void CEnemyDanmaku::Remove()
{
    CSprite::Remove();
    if (leftView)
        return;
    ExplodeWithGround();
    SpawnScoreItem(&position);
}

void CEnemyDanmaku::Draw()
{
    CEnemy::Draw();
    DrawEnemyModel(this, g_modelSmallEnemy, 1);
}
