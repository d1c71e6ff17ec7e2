#include "actors/ShockWave.h"

#include "actors/WorldPlacement.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

namespace {

constexpr float kStandardSize = 25.0f;
constexpr int kStandardFrames = 30;

CShockWave* NewShockWave(float x, float y, float z, float size, int frames)
{
    auto* wave = new CShockWave(x, y, z, size, frames);
    g_effectList.push_back(wave);
    return wave;
}

}  // namespace

CShockWave::CShockWave(float x, float y, float z, float size, int frames) : size(size)
{
    position = {x, y, z};
    state = STATE_DYING;
    dyingFrames = frames;
    dyingLeft = frames;
}

CShockWave::~CShockWave() = default;

void CShockWave::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    g_graphics->SetTexture(g_texFreezeFlash);
    g_graphics->SetBlendMode(1);
    g_graphics->SetZBuffer(0);
    const double remaining = DyingRatio();
    const double fraction = shrink == 0 ? 1.0 - remaining : remaining;
    const float side = static_cast<float>(fraction * size);
    g_graphics->DrawRect3D(side, side, 1.0f, 1.0f, 1.0f, 1.0f, PlaceInWorld(this));
}

void SpawnShockWave(float x, float y, float z, float size, int frames) { NewShockWave(x, y, z, size, frames); }

void SpawnShockWaveAt(float x, float y, float z) { NewShockWave(x, y, z, kStandardSize, kStandardFrames); }

void SpawnShockWaveShrinking(float x, float y, float z)
{
    NewShockWave(x, y, z, kStandardSize, kStandardFrames)->shrink = 1;
}
