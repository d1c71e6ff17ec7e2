#include "actors/AnalogNumber.h"

#include "actors/DigitStrings.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"
#include "engine/VectorHelpers.h"

CAnalogNumber::CAnalogNumber(float x, float y, const Vec3* numberVelocity, const char* numberText) : text(numberText)
{
    faceCount = 1;
    vertexCount = 4;
    materialCount = 1;
    SetPosition(x, y, 0.0f);
    SetVelocityVector(numberVelocity);
}

CAnalogNumber::~CAnalogNumber() = default;

void CAnalogNumber::OnStart()
{
    CSprite::OnStart();
    g_sound->Play(startSound, 0);
}

void CAnalogNumber::Draw()
{
    CSprite::Draw();
    if (IsWaiting())
        return;
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetCulling(0);
    g_graphics->SetBlendMode(0);
    const int x0 = static_cast<int>(position.x);
    const int y0 = static_cast<int>(position.y);
    DrawDigitRow(g_texDigits, x0, y0, text.c_str(), 5, 16, 1.0f);
}

void CreateAnalogNumber(int x, int y, const char* text, int startDelay, int8_t sound)
{
    auto* number = new CAnalogNumber(static_cast<float>(x), static_cast<float>(y), &g_zeroVector, text);
    number->SetWait2(startDelay);
    number->startSound = sound;
    g_overlayList.push_back(number);
}
