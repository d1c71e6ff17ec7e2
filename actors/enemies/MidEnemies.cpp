#include "actors/enemies/MidEnemies.h"

#include "actors/EnemyShot.h"
#include "actors/WorldPlacement.h"
#include "actors/enemies/Beam.h"
#include "actors/enemies/EnemyCommon.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

namespace {

constexpr int kArrivalFrames = static_cast<int>(60 * 1.8);
constexpr int kVolleys = 64;
constexpr int kChargePeriod = 120;
constexpr int kChargeFrames = static_cast<int>(60 * 0.5);
// Held still after the last beam before leaving.
constexpr unsigned int kHoldAfterBeams = 120;

}  // namespace

CEnemym::CEnemym(float x, float y, float z)
{
    SetPosition(x, y, z);
    SetRotation(rotation.x + 0.1f, rotation.y, rotation.z);
    FacePlayer();
    hitRadius = 0.5f;
    dyingFrames = static_cast<int>(60 * 0.75);
    maxHp = hp = 20 * 8;
    score = 5000;
    iconTexture = g_texIconBoss;
    minTurnStep = 0.0f;
    SetPhase(MID_ARRIVING);
}

CEnemym::~CEnemym() = default;

void CEnemym::SetPhase(int newPhase)
{
    phase = newPhase;
    if (newPhase == MID_ARRIVING) {
        const float x = RandomFloat();
        const float y = RandomFloat();
        MoveTo(8.0f * x - 4.0f, 8.0f * y - 4.0f, 0.0f, 1.0f / kArrivalFrames);
    } else if (newPhase == MID_STOP_WORKING) {
        facePlayer = false;
    } else if (newPhase == MID_LEAVING) {
        const float turn = RandomFloat();
        Vec3 exit{0.0f, 9.0f, 0.0f};
        RotateZVector(&exit, 2.0f * turn);
        MoveToVector(&exit, 0.005f);
    }
}

void CEnemym::OnArrived()
{
    CSprite::OnArrived();
    if (phase == MID_ARRIVING) {
        SetPhase(MID_WORKING);
    } else if (phase == MID_LEAVING) {
        leftView = true;
        Remove();
    }
}

void CEnemym::OnStopped()
{
    CSprite::OnStopped();
    if (phase == MID_ARRIVING)
        SetPhase(MID_WORKING);
}

// Pushed while arriving it starts work where it is; pushed while leaving it
// picks a new exit on its next update.
void CEnemym::Push(Vec3* newImpulse, Vec3* newSpin)
{
    CSprite::Push(newImpulse, newSpin);
    if (phase == MID_ARRIVING) {
        StopMotion();
        SetPhase(MID_WORKING);
    } else if (phase == MID_LEAVING) {
        StopMotion();
        SetPhase(MID_STOP_WORKING);
    }
}

void CEnemym::Update()
{
    CEnemy::Update();
    if (!IsWaiting() && state == STATE_DYING)
        Tumble();
}

// Work done: off on the frame it ended, unless knocked back.
void CEnemym::LeaveWhenDone()
{
    if (phase == MID_STOP_WORKING && !IsPushed())
        SetPhase(MID_LEAVING);
}

void CEnemym::Tumble()
{
    SetRotation(rotation.x + dyingSpin.x, rotation.y + dyingSpin.y, rotation.z + dyingSpin.z);
    position.z += 0.025f;
}

void CEnemym::Die()
{
    CEnemy::Die();
    if (leftView) {
        Remove();
        return;
    }
    BeginSlowDeath(this);
    dyingSpin = {0.0f, 0.025f, 0.0f};
}

void CEnemym::Remove()
{
    CSprite::Remove();
    if (!leftView)
        ArmouredDeathBurst(position);
}

void CEnemym::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(1);
    g_graphics->SetCulling(1);
    g_graphics->SetBlendMode(-1);
    g_graphics->DrawMesh(g_modelMidEnemy, PlaceInWorld(this));
}

CEnemym0::CEnemym0(float x, float y, float z) : CEnemym(x, y, z) {}

CEnemym0::~CEnemym0() = default;

void CEnemym0::SetPhase(int newPhase)
{
    CEnemym::SetPhase(newPhase);
    if (newPhase == MID_WORKING)
        volleyCount = 0;
}

void CEnemym0::Update()
{
    CEnemym::Update();
    if (IsWaiting() || state != STATE_ACTIVE)
        return;
    if (phase == MID_WORKING && age % ByDifficulty(8, 5) == 0)
        FireVolley();
    LeaveWhenDone();
}

// A volley counts whether or not it could be fired.
void CEnemym0::FireVolley()
{
    if (CanShoot()) {
        const int aimed = RandomInt(8);
        if (aimed == 0) {
            FireShotAt(position.x, position.y, position.z, facing, 0.15f);
        } else {
            const float turn = RandomFloat();
            Vec3 direction = facing;
            RotateZVector(&direction, 0.2f * turn - 0.1f);
            const float speed = RandomFloat();
            FireShotAt(position.x, position.y, position.z, direction, 0.05f + 0.1f * speed);
        }
        g_sound->Play(g_seMidEnemyFire, 0);
    }
    ++volleyCount;
    if (volleyCount == kVolleys)
        SetPhase(MID_STOP_WORKING);
}

CEnemym0b::CEnemym0b(float x, float y, float z) : CEnemym(x, y, z) {}

CEnemym0b::~CEnemym0b() = default;

void CEnemym0b::SetPhase(int newPhase)
{
    CEnemym::SetPhase(newPhase);
    if (newPhase == MID_WORKING)
        beamCount = 0;
}

// A push during a charge loses the beam, which still counts as one of the two.
void CEnemym0b::Push(Vec3* newImpulse, Vec3* newSpin)
{
    CEnemym::Push(newImpulse, newSpin);
    if (chargeFrames > 0) {
        ++beamCount;
        chargeFrames = -1;
    }
}

void CEnemym0b::Update()
{
    CEnemym::Update();
    if (IsWaiting())
        return;
    if (state == STATE_ACTIVE) {
        Charge();
        if (phase == MID_WORKING && age % kChargePeriod == 0) {
            g_sound->Play(g_seHeavyFire, 0);
            chargeFrames = kChargeFrames;
        }
        LeaveWhenDone();
    } else if (state == STATE_DYING) {
        Tumble();  // this kind turns and sinks twice as fast
    }
}

// Light gathers from around it every fourth frame; at the end the beam.
void CEnemym0b::Charge()
{
    if (chargeFrames <= 0)
        return;
    --chargeFrames;
    if (chargeFrames % 4 == 0)
        SpawnChargeGlow(position, kChargeFrames);
    if (chargeFrames != 0)
        return;
    if (CanShoot() && !IsPushed())
        CreateBeam(position.x, position.y, position.z, &facing);
    ++beamCount;
    if (beamCount > 1) {
        SetPhase(MID_STOP_WORKING);
        waitFrames = kHoldAfterBeams;
    }
}
