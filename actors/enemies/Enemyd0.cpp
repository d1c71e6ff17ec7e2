#include "actors/enemies/EnemyCommon.h"
#include "actors/enemies/PatternEnemies.h"

#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/VectorHelpers.h"

CEnemyd0::CEnemyd0(int type, float x, float y, float z) : type(type)
{
    SetPosition(x, y, z);
    SetPhase(0);
    hitRadius = 0.3f;
    if (type == 0) {
        hp = maxHp = 1;
    } else {
        hp = maxHp = 160;
        dyingFrames = static_cast<int>(60 * 0.5);
        pushFactor = 0.25f;
    }
    score = 100;
    iconTexture = g_texIconEnemy;
}

CEnemyd0::~CEnemyd0() = default;

void CEnemyd0::SetPhase(int newPhase)
{
    phase = newPhase;
    if (phase == 0) {
        const float yDraw = RandomFloat();
        const float y = 10.0f * yDraw - 5.0f;
        const float xDraw = RandomFloat();
        const float x = 10.0f * xDraw - 5.0f;
        MoveTo(x, y, 0.0f, 1.0f / 240.0f);
    } else if (phase == 2) {
        Vec3 exit;
        RandomEdgePoint(&exit);
        MoveToVector(&exit, 1.0f / 240.0f);
    }
}

void CEnemyd0::OnArrived()
{
    CEnemy::OnArrived();
    if (phase == 0) {
        SetWait2(60);
        SetPhase(1);
    } else if (phase == 1 || phase == 2) {
        leftView = true;
        Die();
    }
}

// Paused, or knocked back: it leaves once nothing pushes it.
void CEnemyd0::Update()
{
    CEnemy::Update();
    if (phase == 1 && !IsPushed())
        SetPhase(2);
}

void CEnemyd0::Push(Vec3* impulse, Vec3* spin)
{
    CSprite::Push(impulse, spin);
    StopMotion();
    if (phase >= 0 && phase <= 2)
        SetPhase(1);
}

// The armoured one drifts on, slowing, until its burst.
void CEnemyd0::Die()
{
    CEnemy::Die();
    if (leftView) {
        Remove();
    } else if (type == 1) {
        BeginSlowDeath(this);
    }
}

void CEnemyd0::Remove()
{
    CSprite::Remove();
    if (leftView)
        return;
    if (type == 0)
        Explode();
    else
        ArmouredDeathBurst(position);
}

void CEnemyd0::Draw()
{
    CEnemy::Draw();
    DrawEnemyModel(this, type == 0 ? g_modelSmallEnemy : g_modelArmouredEnemy, 0);
}

void SpawnEnemyd0(int type)
{
    Vec3 start;
    RandomEdgePoint(&start);
    g_enemyList.push_back(new CEnemyd0(type, start.x, start.y, start.z));
}
