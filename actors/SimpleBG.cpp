#include "actors/SimpleBG.h"

#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

namespace {

constexpr float kTileHeight = 640.0f;
constexpr float kScreenBottom = 480.0f;

}  // namespace

CSimpleBG::CSimpleBG(int tileTexture, int x, int y) : texture(tileTexture)
{
    SetPosition(static_cast<float>(x), static_cast<float>(y), 0.0f);
    SetVelocity(0.0f, 0.1f, 0.0f);
}

CSimpleBG::~CSimpleBG() = default;

void CSimpleBG::Update()
{
    CSprite::Update();
    if (position.y >= 0.0f && !chained) {
        SpawnSimpleBG(texture, 0, static_cast<int>(position.y - kTileHeight));
        chained = true;
    }
    if (position.y >= kScreenBottom)
        Die();
}

void CSimpleBG::Draw()
{
    CSprite::Draw();
    g_graphics->SetCameraMode(45);
    g_graphics->SetFog(0);
    g_graphics->SetBlendMode(0);
    g_graphics->DrawTexture2DFull(texture, 160 + static_cast<int>(position.x), static_cast<int>(position.y), 0);
}

void SpawnSimpleBG(int texture, int x, int y) { g_backLayerList.push_back(new CSimpleBG(texture, x, y)); }
