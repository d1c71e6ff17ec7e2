#include "actors/SimpleSprite.h"

#include "actors/StateFade.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"

#include <cstdint>

namespace {

// Message sheets hold 512-pixel lines in rows of 18 pixels, of which the top 13 show.
constexpr int kMessageX = 128;
constexpr int kMessageY = 440;
constexpr int kMessageWidth = 512;
constexpr int kMessageRowPitch = 18;
constexpr int kMessageRowHeight = 13;
constexpr int kMessageFrames = 240;

}  // namespace

CSimpleSprite::CSimpleSprite(float x, float y, int left, int top, int right, int bottom, int spriteTexture)
{
    Init(x, y, left, top, right, bottom, spriteTexture);
}

CSimpleSprite::CSimpleSprite(float x, float y, int left, int top, int right, int bottom, int appear, int live,
                             int vanish, float vx, float vy, int spriteTexture)
{
    Init(x, y, left, top, right, bottom, spriteTexture);
    SetFadeTimers(this, appear, live, vanish);
    SetVelocity(vx, vy, 0.0f);
    Appear();
}

CSimpleSprite::~CSimpleSprite() = default;

void CSimpleSprite::Init(float x, float y, int left, int top, int right, int bottom, int spriteTexture)
{
    position.x = x;
    position.y = y;
    sourceLeft = left;
    sourceTop = top;
    sourceRight = right;
    sourceBottom = bottom;
    texture = spriteTexture;
    sound = -1;
}

void CSimpleSprite::OnStart()
{
    CSprite::OnStart();
    g_sound->Play(static_cast<int8_t>(sound), 0);
}

void CSimpleSprite::Draw()
{
    CSprite::Draw();
    if (IsWaiting())
        return;
    double alpha;
    if (!FadeOfState(this, &alpha))
        return;
    g_graphics->DrawTexture2D(texture, static_cast<int>(position.x), static_cast<int>(position.y), sourceLeft,
                              sourceTop, sourceRight, sourceBottom, static_cast<float>(alpha));
}

void SpawnSimpleSprite(int texture, int x, int y, int left, int top, int right, int bottom, int startDelay, int sound)
{
    auto* sprite = new CSimpleSprite(static_cast<float>(x), static_cast<float>(y), left, top, right, bottom, texture);
    sprite->SetWait2(startDelay);
    sprite->sound = sound;
    g_overlayList.push_back(sprite);
}

void SpawnMessageLine(int sheet, int row, int frames)
{
    const int top = kMessageRowPitch * row;
    g_overlayList.push_back(new CSimpleSprite(kMessageX, kMessageY, 0, top, kMessageWidth, top + kMessageRowHeight, 0,
                                              frames, 0, 0.0f, 0.0f, g_texMessageText[sheet]));
}

void ShowMessageLine(int sheet, int row) { SpawnMessageLine(sheet, row, kMessageFrames); }
