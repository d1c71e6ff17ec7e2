#include "actors/ColorFilter.h"

#include "actors/StateFade.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

namespace {

const Color kWhite{1.0f, 1.0f, 1.0f, 1.0f};
const Color kRed{1.0f, 0.0f, 0.0f, 1.0f};

}  // namespace

CColorFilter::CColorFilter(int vanishFrames) : CColorFilter(&kWhite, 0, vanishFrames) {}

CColorFilter::CColorFilter(const Color* c, int vanishFrames) : CColorFilter(c, 0, vanishFrames) {}

CColorFilter::CColorFilter(const Color* c, int appear, int vanish)
{
    faceCount = 1;
    vertexCount = 4;
    materialCount = 1;
    appearFrames = appear;
    dyingFrames = vanish;
    if (appear == 0)
        Die();
    else
        Appear();
    color = *c;
}

CColorFilter::~CColorFilter() = default;

// The filter never rests: the end of the fade-in starts the fade-out.
void CColorFilter::Activate()
{
    CSprite::Activate();
    Die();
}

void CColorFilter::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    g_graphics->SetTexture(-1);
    g_graphics->SetZBuffer(0);
    g_graphics->SetBlendMode(0);
    // It shows only while fading.
    double alpha;
    if (state == STATE_ACTIVE || !FadeOfState(this, &alpha))
        return;
    g_graphics->DrawRect2D(160, 0, 480, 480, static_cast<float>(alpha), color.r, color.g, color.b);
}

void CreateColorFilter(int frames) { g_overlayList.push_back(new CColorFilter(frames)); }

void CreateColorFilterTinted(const Color* c, int frames) { g_overlayList.push_back(new CColorFilter(c, frames)); }

void CreateColorFilterRed(int frames)
{
    const int half = frames / 2;
    g_overlayList.push_back(new CColorFilter(&kRed, half, half));
}
