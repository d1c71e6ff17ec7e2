#include "actors/Player.h"

#include "actors/Blade.h"
#include "actors/LightParticle.h"
#include "actors/LockOnSite.h"
#include "actors/LockonSystem.h"
#include "actors/MeshCounts.h"
#include "actors/PointParticles.h"
#include "actors/Reseter.h"
#include "actors/ShockWave.h"
#include "actors/TriangleParticles.h"
#include "actors/WorldPlacement.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

#include <algorithm>

namespace {

constexpr float kFieldLimit = 4.5f;
constexpr float kSiteNearest = 1.5f;
constexpr float kSiteFarthest = 7.5f;
constexpr float kStickStep = 0.08f;
constexpr float kForwardLimit = 1.0f;
constexpr float kSideLimit = 0.75f;
constexpr float kDashSpeed = 0.3f;
constexpr int kDyingFrames = static_cast<int>(60 * 0.75);
constexpr int kInvulnerableFrames = static_cast<int>(60 + 60);
constexpr int kEntryFrames = 90;
constexpr int kTitleScene = -2;

// How the stick drives the two tilt speeds in each band of the roll angle.
struct SteerBand {
    bool forwardAlongY;
    float sign;
    // The half sign is +1 when the forward input points backwards, not forwards.
    bool halfOnBackward;
};

const SteerBand kSteerBands[4] = {
    {true, 1.0f, false},
    {false, 1.0f, true},
    {true, -1.0f, false},
    {false, -1.0f, true},
};

const SteerBand& BandOf(float roll)
{
    if (roll < 0.35f || roll >= 1.65f)
        return kSteerBands[0];
    if (roll < 0.65f)
        return kSteerBands[1];
    if (roll < 1.35f)
        return kSteerBands[2];
    return kSteerBands[3];
}

// Moves an eased stick speed towards the input's sign, or lets it decay.
void Drive(float* speed, float input, float limit)
{
    if (input > 0.0f) {
        *speed += kStickStep;
        if (*speed >= limit)
            *speed = limit;
    } else if (input < 0.0f) {
        *speed -= kStickStep;
        if (*speed <= -limit)
            *speed = -limit;
    } else {
        *speed *= 0.95f;
    }
}

float DashVelocity(float stick, float kept)
{
    if (stick > 0.0f)
        return kDashSpeed;
    if (stick < 0.0f)
        return -kDashSpeed;
    return kept;
}

// The ring of a dash lies across the direction of the dash.
float DashRingAngle(float x, float y)
{
    if (x == 0.0f)
        return 0.5f;
    if (y == 0.0f)
        return 0.0f;
    return (x < 0.0f) == (y > 0.0f) ? 0.75f : 0.25f;
}

}  // namespace

void ExtendTable::Init()
{
    for (int i = 0; i < kCount; ++i) {
        thresholds[i] = 500000 * (i + 1);
        awarded[i] = false;
    }
}

bool ExtendTable::Check(int score)
{
    for (int i = 0; i < kCount; ++i) {
        if (thresholds[i] <= score && !awarded[i]) {
            awarded[i] = true;
            return true;
        }
    }
    return false;
}

CPlayer::CPlayer()
{
    TakeMeshCounts(this, g_modelPlayer);
    reticle = new CLockOnSite();
    g_playerAttackList.push_back(reticle);
    blade = new CBlade();
    g_playerAttackList.push_back(blade);
    aura = new CSprite();
    aura->hitRadius = 1.5f;
    dyingFrames = kDyingFrames;
    countdownFrames = kInvulnerableFrames;
    appearFrames = -1;
    Reset();
    auraHit = false;
}

// The reticle and the blade go with their list; the aura sprite is ours alone.
CPlayer::~CPlayer()
{
    reticle->Remove();
    blade->Remove();
    delete aura;
}

void CPlayer::Reset()
{
    ResetWeapons();
    score = 0;
    killCount = 0;
    lives = 2;
    shotEnabled = true;
    rayEnabled = true;
    bladeEnabled = true;
    extendTable.Init();
}

// Every reset leaves the weapons unusable for their reload time.
void CPlayer::ResetWeapons()
{
    RefillBlade();
    RefillShot();
    RefillRay();
    bladeGauge = 1.0f;
    specialGauge = specialGaugeMax;
    reticleDistance = 4.0f;
    roll = 0.0f;
    countdown = 0;
    if (g_lockonSystem != nullptr)
        g_lockonSystem->ReleaseAll();
    auraTimer = 0;
    burstCounter = 0;
    bladeSweepSign = 1;
    bladeHalfSign = 1;
    forwardSpeed = 0.0f;
    sideSpeed = 0.0f;
    StopMotion();
    gaugeCharging = false;
    flareActive = false;
    levelling = false;
    onEntryPath = false;
    lastShotFrame = 0;
}

void CPlayer::EnableControl() { controlEnabled = true; }

void CPlayer::DisableControl()
{
    StopAura();
    controlEnabled = false;
}

void CPlayer::Translate(float dx, float dy, float dz)
{
    CSprite::Translate(dx, dy, dz);
    Steer(dx, dy);
    ClampToField();
    UpdateTransform();
}

void CPlayer::SetPosition(float x, float y, float z)
{
    CSprite::SetPosition(x, y, z);
    UpdateTransform();
}

// Only the signs of dx and dy count; both speeds first, then both blade signs.
void CPlayer::Steer(float dx, float dy)
{
    const SteerBand& band = BandOf(roll);
    const float forward = band.sign * (band.forwardAlongY ? dy : dx);
    const float side = band.sign * (band.forwardAlongY ? dx : dy);
    Drive(&forwardSpeed, forward, kForwardLimit);
    Drive(&sideSpeed, side, kSideLimit);
    if (side > 0.0f)
        bladeSweepSign = 1;
    else if (side < 0.0f)
        bladeSweepSign = -1;
    const bool halfForward = band.halfOnBackward ? forward < 0.0f : forward > 0.0f;
    bladeHalfSign = halfForward ? 1 : -1;
}

void CPlayer::RotateRoll(float d)
{
    roll += d;
    while (roll >= 2.0f)
        roll -= 2.0f;
    while (roll < 0.0f)
        roll += 2.0f;
    UpdateTransform();
}

void CPlayer::SetRoll(float angle)
{
    roll = angle;
    UpdateTransform();
}

void CPlayer::MoveSite(float d)
{
    reticleDistance = std::clamp(reticleDistance + d, kSiteNearest, kSiteFarthest);
    UpdateTransform();
}

void CPlayer::SetAutoLevel(bool on) { levelling = on; }

void CPlayer::SetOnEntryPath(bool on) { onEntryPath = on; }

// Scripted flights and the entry path may take the ship off the field.
void CPlayer::ClampToField()
{
    if (levelling || onEntryPath)
        return;
    position.x = std::clamp(position.x, -kFieldLimit, kFieldLimit);
    position.y = std::clamp(position.y, -kFieldLimit, kFieldLimit);
}

void CPlayer::UpdateTransform()
{
    if (reticle == nullptr)
        return;
    const Vec2 ahead{0.0f, reticleDistance};
    Vec3 offset;
    Rotate2D(&offset, &ahead, roll);
    reticle->rotation.z = roll;
    reticle->SetPosition(position.x + offset.x, position.y + offset.y, 0.0f);
}

bool CPlayer::IsControllable() { return state == STATE_ACTIVE && controlEnabled; }

void CPlayer::Dash(float x, float y)
{
    velocity.x = DashVelocity(x, velocity.x);
    velocity.y = DashVelocity(y, velocity.y);
    SetSlowDown(0.9f);
    g_sound->PlayAt(g_seDash, 0, &g_targetPosition);
    CShockWave* ring = new CShockWave(position.x, position.y, position.z, 20.0f, static_cast<int>(60 * 0.25));
    ring->SetRotation(0.0f, 0.5f, DashRingAngle(x, y));
    g_effectList.push_back(ring);
    g_effectList.push_back(
        new CLightParticle(position.x, position.y, position.z, 2.0f, &g_zeroVector, static_cast<int>(60 * 0.5)));
    const Vec3 backwards{-velocity.x, -velocity.y, 0.0f};
    g_triangleParticles->EmitDirected(&g_targetPosition, &backwards, 64);
}

void CPlayer::AddScore(int n)
{
    score += n;
    if (extendTable.Check(score)) {
        lives += 1;
        g_sound->Play(g_seExtend, 0);
    }
}

void CPlayer::AddKills(int n) { killCount += n; }

bool CPlayer::IsInvulnerable() { return countdown != 0; }

void CPlayer::Die()
{
    CSprite::Die();
    for (int round = 0; round < 32; ++round) {
        for (int draw = 0; draw < 4; ++draw)
            RandomFloat();  // unused; keeps the random sequence in step
    }
    for (int i = 0; i < 32; ++i) {
        const float vx = RandomFloat();
        const float vy = RandomFloat();
        const float vz = RandomFloat();
        const float speed = RandomFloat();
        Vec3 glowVelocity{vx - 0.5f, vy - 0.5f, vz - 0.5f};
        VecNormalizeScale(&glowVelocity, 0.06f + 0.14f * speed);
        g_effectList.push_back(new CLightParticle(position.x, position.y, position.z, 0.5f, &glowVelocity, 60));
    }
    PlayAtShip(g_sePlayerDie);
}

// The end of the dying time: the next ship flies in, or the game is over.
void CPlayer::Remove()
{
    CSprite::Remove();
    if (lives < 1) {
        DisableControl();
        SpawnReseter(kTitleScene, 0);
        g_sound->FadeOutMusic();
        return;
    }
    ResetWeapons();
    lives -= 1;
    Respawn();
}

// From below and behind the field, flipping from upside down to level in 90 frames.
void CPlayer::Respawn()
{
    Appear();
    SetOnEntryPath(true);
    SetPosition(-3.0f, -2.0f, -7.5f);
    SetRotation(0.0f, 1.0f, 0.0f);
    const float step = 1.0f / kEntryFrames;
    MoveHermite(0.0f, -2.5f, 0.0f, 0.0f, 0.0f, 0.0f, 10.0f, 0.0f, 0.0f, step);
    TweenRotation(0.0f, 0.0f, 0.0f, step);
    g_sound->Play(g_seEntry, 0);
}

void CPlayer::OnArrived()
{
    if (!onEntryPath)
        return;
    SetOnEntryPath(false);
    RestartCountdown();
    Activate();
}

void CPlayer::StartFlare()
{
    flareActive = true;
    flareStep = 0;
    flareSize = 7.5f;
    flareFramesLeft = static_cast<int>(60 * 1.8);
    flareFramesTotal = flareFramesLeft;
    sideSpeed = 0.0f;
}

void CPlayer::PlayAtShip(int sound) { g_sound->PlayAt(sound, 0, &position); }

void CPlayer::Update()
{
    CSprite::Update();
    AddBladeEnergy(1);
    if (gaugeCharging)
        AddSpecialGauge(10);
    RunSpecialCountdowns();
    if (auraTimer > 0)
        auraTimer -= 1;
    aura->SetPosition(position.x, position.y, position.z);
    blade->SetPosition(position.x, position.y, position.z);
    if (bladeReloadTimer > 0)
        bladeReloadTimer -= 1;
    if (reloadTimer > 0)
        reloadTimer -= 1;
    if (levelling)
        LevelRoll();
    if (HasAura() && age % 2 == 0)
        EmitAuraSmoke();
    ClampToField();
}

void CPlayer::RunSpecialCountdowns()
{
    if (raySpecialCountdown > 0 && --raySpecialCountdown == 0)
        RaySpecial();
    if (shotSpecialCountdown > 0 && --shotSpecialCountdown == 0)
        ShotSpecial();
    if (bladeSpecialCountdown > 0 && --bladeSpecialCountdown == 0)
        StartAura();
}

// Eases 2.5 % of the way back to level, whichever way is shorter.
void CPlayer::LevelRoll()
{
    if (roll < 1.0f)
        roll -= roll * 0.025f;
    else
        roll += (2.0f - roll) * 0.025f;
}

void CPlayer::EmitAuraSmoke()
{
    const float dx = RandomFloat();
    const float dy = RandomFloat();
    const Vec3 at{position.x + (dx * 0.02f - 0.01f), position.y + (dy * 0.02f - 0.01f), position.z};
    g_pointParticles->Emit(&at, 1);
}

// A dying or dead ship draws nothing of its own: its glows show.
void CPlayer::Draw()
{
    CSprite::Draw();
    if (!controlEnabled || (state != STATE_ACTIVE && state != STATE_APPEARING))
        return;
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(1);
    g_graphics->SetBlendMode(-1);
    DrawShip();
    if (auraHit)
        DrawAuraFlash();
    if (muzzleFlashFrames > 0)
        DrawMuzzleFlash();
    if (flareActive)
        DrawFlare();
}

// Tilted by the eased stick; steady half alpha while invulnerable.
void CPlayer::DrawShip()
{
    Matrix own;
    GetWorldMatrixEx(&own, forwardSpeed * 0.15f, -sideSpeed * 0.35f, roll, 0.0f, 0.0f, 0.0f);
    Matrix placement;
    g_worldTransform->GetWorldMatrix(&placement);
    const Matrix world = MatrixMultiply(own, placement);
    if (IsInvulnerable())
        g_graphics->DrawMeshAlpha(g_modelPlayer, world, 0.5f);
    else
        g_graphics->DrawMesh(g_modelPlayer, world);
}

void CPlayer::DrawAuraFlash()
{
    Matrix world;
    GetWorldMatrixEx(&world, 0.0f, 0.0f, roll, 0.0f, 0.0f, 0.0f);
    g_graphics->SetCulling(0);
    g_graphics->SetZBuffer(0);
    g_graphics->SetBlendMode(0);
    g_graphics->DrawMeshAlpha(g_modelAura, world, 0.5f);
    auraHit = false;
}

void CPlayer::DrawMuzzleFlash()
{
    Vec3 offset{0.0f, 1.0f, 0.0f};
    RotateZ(&offset, roll);
    const Vec3 at = position + offset;
    const Matrix world = MatrixMultiply(MatrixRotationZ(roll * kPi), MatrixTranslation(at.x, at.y, at.z));
    g_graphics->DrawBillboard(g_texMuzzleFlash, 2.0f, 2.0f, 0.0f, world);
    muzzleFlashFrames -= 1;
}

// A glow behind the ship that faces the camera: it grows, then shrinks away.
void CPlayer::DrawFlare()
{
    Matrix world;
    ComputeWorldMatrix(&world, 0.0f, -0.7f, 0.1f);
    Matrix placement;
    g_worldTransform->GetWorldMatrix(&placement);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            world.m[row][column] = placement.m[column][row];
    }
    world = MatrixMultiply(world, placement);
    g_graphics->SetCulling(0);
    g_graphics->SetZBuffer(0);
    g_graphics->SetBlendMode(1);
    g_graphics->SetFog(0);
    g_graphics->SetTexture(g_texGlow);
    const float left = static_cast<float>(flareFramesLeft) / static_cast<float>(flareFramesTotal);
    const float side = flareStep == 0 ? (1.0f - left) * flareSize : left * flareSize;
    g_graphics->DrawRect3D(side, side, 1.0f, 1.0f, 1.0f, 1.0f, world);
    flareFramesLeft -= 1;
    if (flareFramesLeft != 0)
        return;
    if (flareStep == 0) {
        flareSize = 2.0f;
        flareStep = 1;
        flareFramesLeft = static_cast<int>(60 * 3.0);
        flareFramesTotal = flareFramesLeft;
    } else {
        flareActive = false;
        flareStep = 2;
    }
}
