#include "game/Overlay.h"

#include "actors/DigitStrings.h"
#include "actors/Enemy.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "game/ProgramEntry.h"
#include "game/Scenes.h"
#include "game/TitleMenu.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kCourseCursorY[] = {17, 33, 65, 81, 97, 113, 129, 145, 161, 177, 193};
constexpr int kCourseCount = sizeof kCourseCursorY / sizeof kCourseCursorY[0];

std::string Padded(int value, int digits)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*d", digits, value);
    return text;
}

void Blit(int texture, int x, int y, int width, int height)
{
    g_graphics->DrawTexture2D(texture, x, y, 0, 0, width, height, 1.0f);
}

void DrawWhole(int texture, int x, int y) { g_graphics->DrawTexture2DFull(texture, x, y, 0); }

// A half-transparent green bar filled by the share of value in maximum.
void DrawBar(int x, int y, int value, int maximum, int fullWidth)
{
    const int width = static_cast<int>(static_cast<float>(value) / static_cast<float>(maximum) * fullWidth);
    g_graphics->DrawRect2D(x, y, width, 8, 0.5f, 0.0f, 1.0f, 0.0f);
}

void DrawSectionPictures()
{
    if (g_sectionCard != -1) {
        DrawWhole(g_texSectionPanel, 168, 320);
        g_graphics->DrawRectOutline2D(168.0f, 320.0f, 128.0f, 128.0f, 1.0f, 0.0f, 0.5f, 0.0f);
        DrawWhole(g_sectionCard, 304, 320);
    }
    if (g_sectionHeading != -1)
        DrawWhole(g_sectionHeading, 168, 48);
}

void DrawLoadingScreen()
{
    g_graphics->DrawRect2D(0, 0, 640, 480, 1.0f, 0.0f, 0.0f, 0.0f);
    Blit(g_texLoading != -1 ? g_texLoading : g_texHud312, 80, 0, 480, 480);
    g_graphics->DrawTexturedQuad2D(g_texHud323, 410, 390, 0.0f);
}

void DrawScoreAndAmmunition()
{
    const CPlayer& player = *g_player;
    Blit(g_texHudStrip[player.automaticReload ? 2 : 1], 0, 0, 160, 480);
    Blit(g_texHud101, 4, 4, 128, 128);
    Blit(player.automaticReload ? g_texHud258 : g_texHud257, 5, 8, 64, 16);
    DrawDigitsRight(155, 8, Padded(player.score, 12).c_str());
    DrawDigitsRight(155, 24, Padded(player.killCount, 5).c_str());
    DrawBar(30, 64, player.bladeEnergy, player.bladeEnergyMax, 87);
    DrawDigitsRight(135, 84, std::to_string(player.shotAmmo).c_str());
    DrawBar(30, 84, player.shotAmmo, player.shotCapacity, 87);
    DrawDigitsRight(135, 104, std::to_string(player.rayAmmo).c_str());
    DrawBar(30, 104, player.rayAmmo, player.rayCapacity, 87);
    Blit(g_texHud237, 4, 224, 128, 128);
}

void DrawLockSlots()
{
    for (int i = 0; i < CLockonSystem::kSlotCount; ++i) {
        const float y = static_cast<float>(274 + 12 * i);
        if (g_lockonSystem->targetId[i] != -1)
            g_graphics->DrawRect2D(4, static_cast<int>(y), 32, 8, 0.5f, 0.0f, 0.8f, 0.0f);
        g_graphics->DrawRectOutline2D(4.0f, y, 32.0f, 8.0f, 0.5f, 0.0f, 1.0f, 0.0f);
    }
}

int GaugeLevelPicture(int gauge)
{
    if (gauge >= 3000)
        return g_texHud231;
    if (gauge >= 2000)
        return g_texHud230;
    if (gauge >= 1000)
        return g_texHud229;
    return -1;
}

void DrawCreditsGaugeAndLives()
{
    const CPlayer& player = *g_player;
    Blit(g_texHud170, 160, 460, 384, 16);
    DrawDigitsRight(220, 461, std::to_string(g_credits).c_str());
    DrawBar(4, 242, player.specialGauge, player.specialGaugeMax, 95);
    const int level = GaugeLevelPicture(player.specialGauge);
    if (level != -1)
        Blit(level, 122, 201, 30, 47);
    for (int i = 0; i < player.lives; ++i)
        Blit(g_texHud191, 5 + 33 * i, 380, 32, 32);
    // Only the two difficulties the menu offers have a picture.
    if (g_globalDifficulty == -1 || g_globalDifficulty == 0)
        Blit(g_texDifficulty[g_globalDifficulty + 1], 5, 420, 32, 16);
}

void DrawLastHitGauge()
{
    const CEnemy& enemy = *g_lastHitEnemy;
    const float ratio = enemy.maxHp <= 0 ? 0.0f : static_cast<float>(enemy.hp) / static_cast<float>(enemy.maxHp);
    g_graphics->DrawRect2D(168, 22, static_cast<int>(464 * ratio), 6, 0.5f, 0.0f, 1.0f, 0.0f);
    g_graphics->DrawRectOutline2D(168.0f, 22.0f, 464.0f, 6.0f, 1.0f, 0.0f, 0.5f, 0.0f);
    if (enemy.iconTexture >= 0)
        DrawWhole(enemy.iconTexture, 168, 8);
}

void DrawTitleMenu()
{
    DrawWhole(g_texHud184, 176, 64);
    const int reload = g_titleMenuValues[0];
    if (reload == 0 || reload == 1)
        DrawWhole(g_texHud327, 186, reload == 0 ? 81 : 97);
    const int course = g_titleMenuValues[1];
    if (course >= 0 && course < kCourseCount)
        DrawWhole(g_texHud327, 246, 64 + kCourseCursorY[course]);
    const int left = g_titleMenuRow == 0 ? 176 : 246;
    g_graphics->DrawHorizontalLines2D(left, 72, left + 60, 72, 0.5f, 0.0f, 0.5f, 0.0f);
}

// Without credits the prompt blinks: shown 61 frames, hidden 59.
void DrawTitle()
{
    if (g_credits == 0) {
        if (g_sceneFrame % 120 <= 60)
            DrawWhole(g_texHud104, 314, 231);
    } else {
        DrawTitleMenu();
    }
}

void DrawHud()
{
    DrawScoreAndAmmunition();
    DrawLockSlots();
    DrawCreditsGaugeAndLives();
    DrawLastHitGauge();
    if (g_replayPlaying)
        Blit(g_texHud164, 560, 430, 64, 32);
    if (g_scene == -2)
        DrawTitle();
}

void DrawFramesPerSecondAndAura()
{
    DrawDigitsRight(613, 9, std::to_string(g_frameCounter->framesLastSecond).c_str());
    Blit(g_texHud247, 614, 9, 16, 11);
    if (g_player->auraTimer > 0)
        DrawDigitsLeft(168, 64, std::to_string(g_player->auraTimer / 60).c_str());
}

bool IsZero(const Vec3& v) { return v.x == 0.0f && v.y == 0.0f && v.z == 0.0f; }

}  // namespace

void DrawOverlay()
{
    if (g_scene == -3 || g_scene == -2) {
        g_graphics->SetFog(0);
        g_graphics->DrawTexturedQuad2D(g_texHud323, 410, 390, 0.0f);
    }
    DrawSectionPictures();
    if (g_loading)
        DrawLoadingScreen();
    else
        DrawHud();
    DrawFramesPerSecondAndAura();
}

void DrawRadar(bool rearCone)
{
    const float red = rearCone ? 0.5f : 0.0f;
    const float green = rearCone ? 0.0f : 0.5f;
    g_graphics->DrawRectOutline2D(530.0f, 370.0f, 100.0f, 100.0f, 1.0f, red, green, 0.0f);
    g_graphics->DrawRectOutline2D(555.0f, 395.0f, 50.0f, 50.0f, 1.0f, red, green, 0.0f);
    for (const CSprite* object : g_enemyList) {
        const Vec3& p = object->position;
        if (p.x > -10.0f && p.x < 10.0f && p.y > -10.0f && p.y < 10.0f && p.z < 20.0f)
            g_graphics->DrawPoint2D(530 + static_cast<int>((p.x + 10.0f) * 5.0f),
                                    370 + static_cast<int>((10.0f - p.y) * 5.0f), 1.0f);
    }
}

// A flash growing over the freeze; for a special (no centre) the screen
// darkens and the cut-in slides in during the first quarter.
void DrawHitStopLayer()
{
    const float progress = 1.0f - static_cast<float>(g_freezeFrames) / static_cast<float>(g_freezeTotal);
    const bool special = IsZero(g_freezeCentre);
    g_graphics->SetViewport(160, 0, 480, 480);
    g_graphics->SetZBuffer(0);
    g_graphics->SetBlendMode(0);
    if (special)
        g_graphics->DrawRect2D(0, 0, 640, 480, 0.5f, 0.0f, 0.0f, 0.0f);
    const Vec3& centre = special ? g_targetPosition : g_freezeCentre;
    const float size = progress * 50.0f;
    g_graphics->DrawBillboard(g_texFreezeFlash, size, size, 0.0f, MatrixTranslation(centre.x, centre.y, centre.z));
    g_player->Draw();
    if (special) {
        const int width = progress < 0.25f ? static_cast<int>(progress * 4.0 * 360) : 360;
        g_graphics->DrawTexture2D(g_texCutIn, 160, 60, 360 - width, 0, 360, 307, 1.0f);
    }
}
