#include "game/Scenes.h"

#include "actors/Enemy.h"
#include "actors/Player.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "game/Replay.h"

#include <algorithm>
#include <cstddef>
#include <string>

int g_texSectionPanel = -1;
int g_texClearCard = -1;
int g_texFailedCard = -1;
int g_texSectionCards[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
int g_texSectionHeading = -1;

int g_bgmStage0 = -1;
int g_bgmStage1 = -1;
int g_bgmTitleCopy = -1;

namespace {

void EmptyList(SpriteList& list)
{
    while (!list.empty())
        EraseAndDelete(list, list.size() - 1);
}

// Leaving a scene: its replay is saved, and the next one starts from the same random sequence.
void LeaveScene()
{
    if (g_scene >= 0 && !g_replayPlaying)
        SaveReplay();
    g_sceneFrame = -1;
    SeedRandom(1024);
    UnloadStageTextures();
    g_player->resultsCount = 0;
}

}  // namespace

void SetScene(int scene, int step)
{
    if (scene != g_scene)
        LeaveScene();
    g_scene = scene;
    g_sceneStep = step;
    g_stepFrame = -1;
    g_sectionObjectIds.clear();
    RunSceneSetUp();
}

void LoadStageTextures()
{
    g_graphics->LoadTextureResource(&g_texSectionPanel, "#344");
    g_graphics->LoadTextureResource(&g_texClearCard, "#345");
    g_graphics->LoadTextureResource(&g_texFailedCard, "#346");
    for (int i = 0; i < 8; ++i)
        g_graphics->LoadTextureResource(&g_texSectionCards[i], ("#" + std::to_string(347 + i)).c_str());
    g_graphics->LoadTextureResource(&g_texSectionHeading, "#355");
}

void UnloadStageTextures()
{
    g_graphics->SetTexture(-1);
    g_graphics->ReleaseTexture(&g_texSectionHeading);
    g_graphics->ReleaseTexture(&g_texSectionPanel);
    g_graphics->ReleaseTexture(&g_texClearCard);
    g_graphics->ReleaseTexture(&g_texFailedCard);
    for (int& card : g_texSectionCards)
        g_graphics->ReleaseTexture(&card);
}

void EraseAndDelete(SpriteList& list, std::size_t i)
{
    CSprite* sprite = list[i];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    delete sprite;
}

void PurgeEnemies() { EmptyList(g_enemyList); }

void PurgeEnemyShots() { EmptyList(g_enemyShotList); }

// The player's attacks, the glows and the system sprites live on.
void PurgeAllLists()
{
    PurgeEnemies();
    PurgeEnemyShots();
    EmptyList(g_skyList);
    EmptyList(g_effectList);
    EmptyList(g_backLayerList);
    EmptyList(g_overlayList);
}

void PurgeSectionObjects()
{
    const std::vector<int>& ids = g_sectionObjectIds;
    for (std::size_t i = g_effectList.size(); i-- > 0;) {
        if (std::find(ids.begin(), ids.end(), g_effectList[i]->serialId) != ids.end())
            EraseAndDelete(g_effectList, i);
    }
    g_sectionObjectIds.clear();
}

void DismissEnemies()
{
    for (std::size_t i = 0; i < g_enemyList.size(); ++i) {
        if (auto* enemy = dynamic_cast<CEnemy*>(g_enemyList[i]))
            enemy->Leave();
    }
}

int FrameInterval()
{
    g_frameIntervalToggle ^= 1;
    return g_frameIntervalToggle != 0 ? g_frameIntervalShort : g_frameIntervalLong;
}
