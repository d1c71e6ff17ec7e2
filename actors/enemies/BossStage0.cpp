#include "actors/enemies/BossStage0.h"

#include "actors/EnemyShot.h"
#include "actors/enemies/Beam.h"
#include "actors/enemies/EnemyCommon.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

namespace {

constexpr int kPauseFrames = static_cast<int>(60 * 1.5);
constexpr int kChargeFrames = 30;
constexpr int kChargeGlowLife = static_cast<int>(60 * 0.5);
constexpr int kSpreadShots = 17;
constexpr int kTurningShots = 24;

}  // namespace

CEnemyb::CEnemyb() : CBoss(20 * 192)
{
    Vec3 start;
    RandomEdgePoint(&start);
    SetPosition(start.x, start.y, start.z);
    SetPhase(-3);
}

CEnemyb::~CEnemyb() = default;

void CEnemyb::MoveToRandomPoint()
{
    const Vec3 end = RandomFieldPoint();
    MoveHermite(end.x, end.y, end.z, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f / 120.0f);
}

void CEnemyb::SetPhase(int newPhase)
{
    phase = newPhase;
    shotCount = 0;
    switch (phase) {
    case -3:
        MoveToRandomPoint();
        break;
    case -2:
        pauseFrames = kPauseFrames;
        break;
    case -1:
        facePlayer = true;
        break;
    case 1:
        facePlayer = false;
        TweenRotation(rotation.x, rotation.y, rotation.z + 0.5f, 1.0f / 60.0f);
        pauseFrames = 60;
        break;
    case 2:
        TweenRotation(rotation.x, rotation.y, rotation.z - 0.75f, 1.0f / 120.0f);
        break;
    default:
        break;
    }
}

void CEnemyb::OnArrived()
{
    CEnemy::OnArrived();
    if (phase == -3)
        SetPhase(-1);
    else
        EndIfLeft();
}

// Knocked back: whatever it was doing, a charge included, starts over.
void CEnemyb::Push(Vec3* newImpulse, Vec3* newSpin)
{
    CSprite::Push(newImpulse, newSpin);
    facePlayer = true;
    StopMotion();
    SetPhase(-1);
    chargeFrames = 0;
}

void CEnemyb::Update()
{
    CEnemy::Update();
    if (state == STATE_DYING) {
        SetRotation(rotation.x + 0.001f, rotation.y + 0.0005f, rotation.z);
        return;
    }
    if (state != STATE_ACTIVE || IsPushed())
        return;
    StepCharge();
    if (pauseFrames > 0) {
        pauseFrames -= 1;
        return;
    }
    StepPhase();
}

// Glows gather into the boss every fourth frame; the last one comes with the beam.
void CEnemyb::StepCharge()
{
    if (chargeFrames <= 0)
        return;
    chargeFrames -= 1;
    if (chargeFrames % 4 == 0)
        SpawnChargeGlow(position, kChargeGlowLife);
    if (chargeFrames == 0)
        CreateBeam(position.x, position.y, position.z, &facing);
}

void CEnemyb::StepPhase()
{
    switch (phase) {
    case -2:
        if (IsStill())
            SetPhase(-1);
        break;
    case -1: {
        const int choice = RandomInt(2);
        if (choice == 0) {
            g_sound->Play(g_seHeavyFire, 0);
            chargeFrames = kChargeFrames;
            SetPhase(-2);
        } else {
            MoveToRandomPoint();
            SetPhase(0);
        }
        break;
    }
    case 0:
        StepSpreadVolley();
        break;
    case 1:
        SetPhase(2);
        break;
    case 2:
        StepTurningVolley();
        break;
    default:
        break;
    }
}

void CEnemyb::StepSpreadVolley()
{
    if (age % 5 != 0)
        return;
    if (shotCount < kSpreadShots) {
        FireSpread(position, facing, 1);
        g_sound->Play(g_seEnemyFire, 0);
        shotCount += 1;
    }
    if (IsStill())
        SetPhase(-2);
}

void CEnemyb::StepTurningVolley()
{
    if (age % 5 != 0)
        return;
    FireShotDefault(position, facing);
    g_sound->Play(g_seEnemyFire, 0);
    shotCount += 1;
    if (shotCount == kTurningShots)
        SetPhase(-1);
}
