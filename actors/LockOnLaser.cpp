#include "actors/LockOnLaser.h"

#include "actors/Enemy.h"
#include "actors/LightParticle.h"
#include "actors/LockonSystem.h"
#include "actors/TriangleParticles.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

#include <cstdint>

namespace {

// Held back for a moment after launch, then free to dart on.
float SpeedCap(int age) { return age >= 12 && age <= 18 ? 0.2f : 0.5f; }

void LimitLength(Vec3* v, float limit)
{
    if (VecLength(v) > limit)
        VecNormalizeScale(v, limit);
}

}  // namespace

CLockOnLaser::CLockOnLaser(float x, float y, float z, float vx, float vy, float vz, int targetId, int slot,
                           int multiplier)
    : targetId(targetId), slot(slot), multiplier(multiplier)
{
    SetPosition(x, y, z);
    SetVelocitySteps(vx, vy, vz, 1);
    faceCount = 1;
    vertexCount = 4;
    materialCount = 1;
    power = slot != -1 ? 20 : static_cast<int>(20 * 0.5);
    for (Vec3& point : trail)
        point = Vec3{x, y, z};
    dyingFrames = static_cast<int>(60 * 0.5);
}

CLockOnLaser::~CLockOnLaser() = default;

void CLockOnLaser::OnHit(CSprite* target)
{
    CSprite::OnHit(target);
    if (fullLock) {
        Vec3 knock = velocity;
        VecNormalizeScale(&knock, 0.05f);
        const Vec2 flight{velocity.x, velocity.y};
        Vec3 twist{-0.05f, 0.0f, 0.0f};
        RotateZ(&twist, HeadingOf(&flight));
        target->Push(&knock, &twist);
    }
    if (position.z >= 20.0f)
        return;
    if (slot == -1)
        g_sound->Play(g_seLaserHit, 0);
    else if (!fullLock)
        g_sound->Play(g_seLaserHit2, 0);
    else
        g_sound->Play(g_seLaserHit3, 0);
}

void CLockOnLaser::Die()
{
    CSprite::Die();
    if (slot != -1)
        g_lockonSystem->ReleaseSlotIfTarget(slot, targetId);
    if (!leftView)
        BurstIntoSparks();
}

void CLockOnLaser::BurstIntoSparks()
{
    for (const Vec3& point : trail) {
        for (int spark = 0; spark < 2; ++spark) {
            const float xDraw = RandomFloat();
            const float yDraw = RandomFloat();
            const Vec3 scatter{-0.01f + 0.02f * xDraw, -0.01f + 0.02f * yDraw, 0.0f};
            g_triangleParticles->EmitAt(&point, &scatter);
        }
    }
    const Vec3 still{};
    g_effectList.push_back(new CLightParticle(position.x, position.y, position.z, 5.0f, &still,
                                              static_cast<int>(60 * 0.5)));
    g_triangleParticles->EmitDirected(&position, &velocity, 16);
    velocity = Vec3{};
}

void CLockOnLaser::SubStep() { CSprite::SubStep(); }

void CLockOnLaser::Update()
{
    CSprite::Update();
    CSprite* target = FindEnemy(targetId);
    if (target != nullptr && target->state != STATE_ACTIVE)
        target = nullptr;
    if (age >= 60)
        steeringGain = 1.0f;
    if (state == STATE_ACTIVE) {
        if (target != nullptr)
            Steer(target);
        else
            FlyOn();
    } else if (state == STATE_DYING) {
        velocity = Vec3{};
    }
    for (int i = kTrailLength - 1; i > 0; --i)
        trail[i] = trail[i - 1];
    trail[0] = position;
}

void CLockOnLaser::Steer(const CSprite* target)
{
    Vec3 step = target->position - position;
    VecNormalizeScale(&step, steeringGain);
    velocity = velocity + step;
    LimitLength(&velocity, SpeedCap(age));
    SetVelocitySteps(velocity.x, velocity.y, velocity.z, 1);
}

// The target is gone: speed up along the current line until out of view.
void CLockOnLaser::FlyOn()
{
    dieOffView = true;
    Vec3 step = velocity;
    VecNormalizeScale(&step, steeringGain);
    velocity = velocity + step;
    LimitLength(&velocity, 0.7f);
    SetVelocitySteps(velocity.x, velocity.y, velocity.z, 1);
}

void CLockOnLaser::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    g_graphics->SetBlendMode(0);
    Matrix world;
    g_worldTransform->GetWorldMatrix(&world);
    const double fade = state == STATE_DYING ? DyingRatio() : 1.0;
    ColorVertex strip[kTrailLength];
    for (int i = 0; i < kTrailLength; ++i) {
        const auto alpha = static_cast<uint32_t>(static_cast<int>(255.0 * (1.0 - i / 16.0) * fade));
        strip[i] = ColorVertex{trail[i].x, trail[i].y, trail[i].z, alpha << 24, 0.0f, 0.0f};
    }
    const auto dim = static_cast<float>(0.5 * fade);
    if (slot == -1)
        g_graphics->DrawThickLineStrip3D(strip, kTrailLength - 1, 1.0f, dim, 1.0f, dim, world);
    else if (fullLock)
        g_graphics->DrawThickLineStrip3D(strip, kTrailLength - 1, 1.0f, 1.0f, dim, dim, world);
    else
        g_graphics->DrawThickLineStrip3D(strip, kTrailLength - 1, 1.0f, dim, dim, 1.0f, world);
}
