#include "game/scripts/ScriptActions.h"

#include "actors/Player.h"
#include "actors/SimpleSprite.h"
#include "engine/AssetLists.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"
#include "game/Freeze.h"

#include <cstdint>

namespace {

void Line(int sound, int sheet, int row, int frames)
{
    PlaySound(sound);
    SpawnMessageLine(sheet, row, frames);
}

}  // namespace

void PlaySound(int sound) { g_sound->Play(static_cast<int8_t>(sound), 0); }

void FirstLine(int sheet, int row, int frames) { Line(g_seMessageFirst, sheet, row, frames); }

void NextLine(int sheet, int row, int frames) { Line(g_seMessage, sheet, row, frames); }

void Banner(int texture) { SpawnSimpleSprite(texture, 168, 240, 0, 0, 128, 16, 0, -1); }

void EndingBanner(int texture)
{
    PlaySound(g_seClear);
    Banner(texture);
    g_groundTransform->TweenRotation(0.0f, 0.0f, 0.0f, Over(240));
    g_groundTransform->MoveTo(0.0f, 0.0f, -5.0f, Over(240));
}

void ShowClearResults() { ShowResults(g_player->lives * 50000, g_player->resultsCount); }

void GlideShipToCentre(int frames)
{
    g_player->MoveHermite(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, Over(frames));
}

void SwingCameraToEndView(float eyeX, float eyeY, float eyeZ, int frames)
{
    g_camera->TweenRotation(-0.1f, 0.0f, 0.0f, Over(frames));
    g_camera->MoveTo(eyeX, eyeY, eyeZ, Over(frames));
    g_camera->TweenVelocity(0.0f, 0.0f, -1.0f, Over(frames));
}

float Over(int frames) { return 1.0f / static_cast<float>(frames); }

int Seconds(double seconds) { return static_cast<int>(60 * seconds); }

double ByDifficulty(double easier, double harder, double other)
{
    if (g_globalDifficulty == -1)
        return easier;
    return g_globalDifficulty == 0 ? harder : other;
}

double ByDifficulty(double easier, double harder) { return ByDifficulty(easier, harder, easier); }
