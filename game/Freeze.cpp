#include "game/Freeze.h"

#include "actors/AnalogNumber.h"
#include "actors/Player.h"
#include "actors/SimpleSprite.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"

#include <cstdint>
#include <string>

namespace {

constexpr float kFadeStep = 1.0f / (2 * 60);

// Numbers end at x 632.
void ShowResultCounter(int value, int y, int startDelay)
{
    const std::string text = std::to_string(value);
    const int x = 632 - 6 * static_cast<int>(text.size());
    CreateAnalogNumber(x, y, text.c_str(), startDelay, static_cast<int8_t>(g_seResultCount));
}

}  // namespace

void SetFreeze(int frames, const Vec3* centre)
{
    g_freezeFrames = frames;
    g_freezeTotal = frames;
    g_freezeCentre = centre != nullptr ? *centre : Vec3{};
}

bool IsFrozen() { return g_freezeFrames > 0; }

void FadeIn()
{
    g_fadeLevel = 1.0f;
    g_fadeDirection = -1;
}

void FadeOut()
{
    g_fadeLevel = 0.0f;
    g_fadeDirection = 1;
}

void FadeStop()
{
    g_fadeLevel = 0.0f;
    g_fadeDirection = 0;
}

bool IsFadingIn() { return g_fadeDirection == -1; }

void OnFadeOutDone() {}

void DrawAndStepFade()
{
    if (g_fadeLevel >= 0.0f) {
        g_graphics->SetZBuffer(0);
        g_graphics->SetBlendMode(0);
        g_graphics->DrawRect2D(160, 0, 640, 480, g_fadeLevel, 0.0f, 0.0f, 0.0f);
    }
    if (g_fadeDirection == -1) {
        g_fadeLevel -= kFadeStep;
        if (g_fadeLevel <= 0.0f)
            FadeStop();
    } else if (g_fadeDirection == 1) {
        g_fadeLevel += kFadeStep;
        if (g_fadeLevel >= 1.0f) {
            g_fadeLevel = 1.0f;
            g_fadeDirection = 0;
            OnFadeOutDone();
        }
    }
}

void SetControlLock(bool locked)
{
    g_controlLocked = locked;
    g_player->SetAutoLevel(locked);
}

void SetSectionHeading(int texture) { g_sectionHeading = texture; }

void SetSectionCard(int texture) { g_sectionCard = texture; }

void ShowResults(int bonus, int second)
{
    SpawnSimpleSprite(g_texResultLabels[0], 509, 160, 0, 0, 128, 32, 1, g_seResultLabel);
    SpawnSimpleSprite(g_texResultLabels[1], 528, 210, 0, 0, 128, 32, 60, g_seResultCount);
    ShowResultCounter(bonus, 236, 120);
    SpawnSimpleSprite(g_texResultLabels[2], 590, 260, 0, 0, 64, 16, 180, g_seResultCount);
    ShowResultCounter(second, 286, 240);
    SpawnSimpleSprite(g_texResultLabels[3], 519, 310, 0, 0, 128, 32, 300, g_seResultCount);
    ShowResultCounter(g_player->score, 336, 360);
}
