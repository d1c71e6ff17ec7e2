#include "actors/CinemaScope.h"

#include "actors/StateFade.h"
#include "engine/GraphicsSystem.h"

namespace {

constexpr float kFullShade = 0.75f;

}  // namespace

CCinemaScope::CCinemaScope(int panelWidth, int appear, int live, int vanish) : width(panelWidth)
{
    SetFadeTimers(this, appear, live, vanish);
    Appear();
}

CCinemaScope::~CCinemaScope() = default;

void CCinemaScope::Update()
{
    CSprite::Update();
    double p;
    if (!FadeOfState(this, &p))
        return;
    const int w = static_cast<int>(width * p);
    g_graphics->DrawRect2D(160, 0, w, 480, static_cast<float>(kFullShade * p), 0.0f, 0.0f, 0.0f);
}
