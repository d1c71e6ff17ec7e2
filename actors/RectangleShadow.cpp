#include "actors/RectangleShadow.h"

#include "actors/WorldPlacement.h"
#include "engine/GraphicsSystem.h"

#include <algorithm>

CRectangleShadow::CRectangleShadow(const Vec3 quad[4], float alpha, float r, float g, float b, int frames)
{
    faceCount = 2;
    vertexCount = 4;
    materialCount = 1;
    std::copy(quad, quad + 4, corners);
    color = {r, g, b, alpha};
    dyingFrames = frames;
    dyingLeft = frames;
    Die();
}

CRectangleShadow::~CRectangleShadow() = default;

void CRectangleShadow::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    // DrawQuad3D blends normally whatever is selected here.
    g_graphics->SetBlendMode(1);
    g_graphics->SetZBuffer(0);
    g_graphics->SetTexture(-1);
    const float alpha = static_cast<float>(color.a * DyingRatio());
    g_graphics->DrawQuad3D(corners, alpha, color.r, color.g, color.b, PlaceInWorld(this));
}
