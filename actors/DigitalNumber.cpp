#include "actors/DigitalNumber.h"

#include "actors/DigitStrings.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/VectorHelpers.h"

#include <string>

namespace {

constexpr int kFadeFrames = 120;
constexpr float kDriftSpeed = 0.02f;

}  // namespace

CDigitalNumber::CDigitalNumber(float x, float y, const Vec3* numberVelocity, const char* numberText)
    : text(numberText)
{
    faceCount = 1;
    vertexCount = 4;
    materialCount = 1;
    SetPosition(x, y, 0.0f);
    SetVelocityVector(numberVelocity);
    dyingFrames = kFadeFrames;
    dyingLeft = kFadeFrames;
    Die();
}

CDigitalNumber::~CDigitalNumber() = default;

// The play field -5..5 maps onto the 480 × 480 viewport at screen x 160.
void CDigitalNumber::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    g_graphics->SetBlendMode(0);
    const int x0 = static_cast<int>(160.0f + (position.x + 5.0f) / 10.0f * 480.0f);
    const int y0 = static_cast<int>((5.0f - position.y) / 10.0f * 480.0f);
    DrawDigitRow(g_texBigDigits, x0, y0, text.c_str(), 12, 32, static_cast<float>(DyingRatio()));
}

void CreateDigitalNumber(const Vec3* position, Vec3* direction, int value)
{
    if (value <= 0)
        return;
    const std::string text = std::to_string(value);
    VecNormalizeScale(direction, kDriftSpeed);
    g_effectList.push_back(new CDigitalNumber(position->x, position->y, direction, text.c_str()));
}
