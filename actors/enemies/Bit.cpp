#include "actors/enemies/Bit.h"

#include "actors/EnemyShot.h"
#include "actors/enemies/EnemyCommon.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"

#include <cstddef>

namespace {

// The flight in from the start point before the first hop takes over.
constexpr int PHASE_ENTERING = -2;

bool CoinHeads()
{
    const int coin = RandomInt(2);
    return coin == 0;
}

// One coordinate inside -10..10, the other beyond 10 on a random side.
void RandomStartPoint(int* across, int* beyond)
{
    const float acrossDraw = RandomFloat();
    *across = static_cast<int>(20.0f * acrossDraw - 10.0f);
    const bool far = CoinHeads();
    const float beyondDraw = RandomFloat();
    *beyond = far ? static_cast<int>(20.0f - 10.0f * beyondDraw) : static_cast<int>(-10.0f - 10.0f * beyondDraw);
}

}  // namespace

CBit::CBit(float x, float y, float z)
{
    SetPosition(x, y, z);
    SetPhase(PHASE_ENTERING);
    shotCount = 0;
    pauseFrames = 0;
    hitRadius = 0.3f;
    hurtsOnContact = false;
    maxHp = hp = 60;
    score = 0;
    FacePlayer();
    facePlayer = true;
    iconTexture = g_texIconEnemy;
}

CBit::~CBit() = default;

void CBit::SetPhase(int newPhase)
{
    phase = newPhase;
    shotCount = 0;
    age = -1;
    if (newPhase == PHASE_ENTERING) {
        const Vec3 end = RandomFieldPoint();
        MoveHermite(end.x, end.y, end.z, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f / 480.0f);
        phase = BIT_ABOUT_TO_HOP;
    } else if (newPhase == BIT_ABOUT_TO_HOP) {
        facePlayer = true;
        pauseFrames = 60;
    }
}

void CBit::Update()
{
    CEnemy::Update();
    if (pauseFrames > 0) {
        --pauseFrames;
        return;
    }
    if (phase == BIT_ABOUT_TO_HOP) {
        if (!IsPushed()) {
            SetPhase(BIT_HOPPING);
            Hop();
        }
    } else if (phase == BIT_HOPPING) {
        FireWhenStill();
    }
}

// 90 to 150 frames to a random point of the field.
void CBit::Hop()
{
    const Vec3 end = RandomFieldPoint();
    const float length = RandomFloat();
    MoveHermite(end.x, end.y, end.z, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f / ((1.5f + length) * 60.0f));
}

// Shots already counted still lead to the pause when a push holds the fire.
void CBit::FireWhenStill()
{
    if (!IsPushed() && IsStill() && age % 10 == 0) {
        FireShotFast(position, facing);
        g_sound->Play(g_seEnemyFire, 0);
        ++shotCount;
    }
    if (shotCount == 2)
        SetPhase(BIT_ABOUT_TO_HOP);
}

void CBit::OnArrived()
{
    CSprite::OnArrived();
    if (phase == BIT_LEAVING) {
        leftView = true;
        Die();
    }
}

void CBit::Leave()
{
    CEnemy::Leave();
    SetPhase(BIT_LEAVING);
}

void CBit::Remove()
{
    CSprite::Remove();
    ExplodeWithSound(g_seBitExplode);
}

void CBit::Draw()
{
    CSprite::Draw();
    if (IsWaiting())
        return;
    DrawEnemyModel(this, g_modelBit, 0);
}

void SpawnBit()
{
    int x = 0;
    int y = 0;
    if (CoinHeads())
        RandomStartPoint(&x, &y);
    else
        RandomStartPoint(&y, &x);
    g_enemyList.push_back(new CBit(static_cast<float>(x), static_cast<float>(y), 0.0f));
}

void DeleteAllBits()
{
    DeleteAllOf<CBit>(g_enemyList);
}
