#include "actors/enemies/Beam.h"

#include "actors/InvisibleCollision.h"
#include "actors/LightParticle.h"
#include "actors/WorldPlacement.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

namespace {

constexpr float kLength = 20.0f;
constexpr int kHitVolumes = 20;
// Below this share of its life left the beam only shows.
constexpr double kHurtingRatio = 0.4;

CBeam* NewBeamAimed(float x, float y, float z)
{
    const Vec3 toPlayer = g_targetPosition - Vec3{x, y, z};
    auto* beam = new CBeam(x, y, z, toPlayer.x, toPlayer.y, toPlayer.z);
    g_effectList.push_back(beam);
    return beam;
}

}  // namespace

CBeam::CBeam(float x, float y, float z, float dx, float dy, float dz)
{
    faceCount = 1;
    vertexCount = 4;
    materialCount = 1;
    SetPosition(x, y, z);
    velocity = {dx, dy, dz};
    noAutoMove = true;
    dyingFrames = 60;
    Die();
    g_sound->Play(g_seBeam, 0);
    SpawnLightParticleGlow(x, y, z, 7.5f);
}

CBeam::~CBeam() = default;

void CBeam::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    g_graphics->SetBlendMode(-1);
    g_graphics->SetTexture(-1);
    g_graphics->SetZBuffer(1);
    const double r = DyingRatio();
    const float w = static_cast<float>(halfWidth * r);
    Vec3 corners[4] = {{-w, kLength, 0.01f}, {w, kLength, 0.01f}, {-w, 0.0f, 0.01f}, {w, 0.0f, 0.01f}};
    const Vec2 direction{velocity.x, velocity.y};
    const float heading = HeadingOf(&direction);
    for (Vec3& corner : corners)
        RotateZVector(&corner, heading);
    const float fade = static_cast<float>(r);
    g_graphics->DrawQuad3D(corners, fade, fade, fade, 1.0f, PlaceInWorld(this));
    if (r >= kHurtingRatio)
        LayHitVolumes();
}

// Made while drawing, so also on frozen frames; each volume lives two updates.
void CBeam::LayHitVolumes()
{
    Vec3 step = velocity;
    VecNormalizeScale(&step, 2.0f * halfWidth);
    for (int i = 0; i < kHitVolumes; ++i) {
        const Vec3 at = position + step * static_cast<float>(i);
        g_enemyShotList.push_back(new CInvisibleCollision(at.x, at.y, at.z, 0.5f, 1));
    }
}

void CreateBeam(float x, float y, float z, const Vec3* direction)
{
    g_effectList.push_back(new CBeam(x, y, z, direction->x, direction->y, direction->z));
}

void CreateBeamAimed(float x, float y, float z) { NewBeamAimed(x, y, z); }

void CreateWideBeamAimed(float x, float y, float z) { NewBeamAimed(x, y, z)->halfWidth = 0.75f; }
