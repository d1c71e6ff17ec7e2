#include "actors/ScoreItem.h"
#include "actors/SimpleModel.h"
#include "engine/Random.h"
#include "game/Freeze.h"
#include "game/FramePass.h"
#include "game/Scenes.h"
#include "tests/game/GameFixture.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace {

class ScenesTest : public GameFixture {};

TEST_F(ScenesTest, ANewSceneReseedsAndRestartsBothCountersANewStepOnlyTheStepCounterAndTheTitleSetsUpOnStep0)
{
    const std::vector<float> draws = ReferenceDraws(2);
    SeedRandom(7);  // the scene must seed anew
    world.graphics.SetFogColor(1, 2, 3);
    SetScene(113, 0);
    EXPECT_EQ(device.state.fogColor, 0xFF000000u);
    EXPECT_EQ(std::tuple(g_sceneFrame, g_stepFrame, RandomFloat()), std::tuple(-1, -1, draws[0]));

    g_sceneFrame = g_stepFrame = 4;
    SetScene(113, 2);
    EXPECT_EQ(std::tuple(g_sceneStep, g_sceneFrame, g_stepFrame, RandomFloat()), std::tuple(2, 4, -1, draws[1]));

    // The title is set up only for steps 0 and -1.
    g_fadeDirection = 0;
    SetScene(-2, 5);
    EXPECT_EQ(std::tuple(g_scene, g_sceneStep, g_fadeDirection), std::tuple(-2, 5, 0));

    SetScene(-2, -1);
    EXPECT_EQ(std::tuple(g_sceneStep, g_fadeDirection, g_player->controlEnabled, g_controlLocked),
              std::tuple(0, -1, false, false));
}

TEST_F(ScenesTest, PurgesKeepThePlayersAttacksTheSystemSpritesAndTheGlows)
{
    const char* purged[] = {"back", "sky", "enemy", "shot", "effect", "overlay"};
    SpriteList* purgedLists[] = {&g_backLayerList, &g_skyList,    &g_enemyList,
                                 &g_enemyShotList, &g_effectList, &g_overlayList};
    for (int i = 0; i < 6; ++i)
        AddProbe(*purgedLists[i], purged[i]);
    AddProbe(g_playerAttackList, "attack");
    AddProbe(g_systemSpriteList, "system");
    AddProbe(g_glowList, "glow");

    PurgeAllLists();
    const std::set<std::string> deleted(journal.begin(), journal.end());
    EXPECT_EQ(deleted, (std::set<std::string>{"back.Deleted", "sky.Deleted", "enemy.Deleted", "shot.Deleted",
                                               "effect.Deleted", "overlay.Deleted"}));
    for (SpriteList* list : purgedLists)
        EXPECT_TRUE(list->empty());
    EXPECT_EQ(std::tuple(g_playerAttackList.size(), g_systemSpriteList.size(), g_glowList.size()),
              std::tuple(3u, 4u, 1u));
}

TEST_F(ScenesTest, EachSectionArmsOneWeaponAndShowsItsCard)
{
    struct Row {
        int scene;
        bool shot, ray, blade, charging;
        int card;
    };
    g_replayPlaying = true;
    const Row rows[] = {{10, true, false, false, false, 0}, {11, false, true, false, false, 1},
                        {12, false, false, true, false, 2}, {13, false, false, true, false, 3},
                        {14, true, false, false, true, 4},  {15, false, true, false, true, 5},
                        {16, false, false, true, true, 6},  {17, true, false, false, false, 7},
                        {18, true, false, false, true, 3}};
    for (const Row& row : rows) {
        SetScene(row.scene, -1);
        const CPlayer& p = *g_player;
        EXPECT_EQ(std::tuple(p.shotEnabled, p.rayEnabled, p.bladeEnabled, p.gaugeCharging, p.lives, g_controlLocked),
                  std::tuple(row.shot, row.ray, row.blade, row.charging, 0, true)) << row.scene;
        EXPECT_NE(g_sectionCard, -1);
        EXPECT_EQ(std::tuple(g_sectionCard, g_sectionHeading),
                  std::tuple(g_texSectionCards[row.card], g_texSectionHeading));
        ASSERT_EQ(g_sectionObjectIds.size(), 1u);
        EXPECT_EQ(g_effectList.back()->serialId, g_sectionObjectIds[0]);
    }
    device.ClearRecord();
    SetScene(-2, 0);
    EXPECT_EQ(std::tuple(g_texSectionPanel, g_texSectionHeading, g_sectionCard), std::tuple(-1, -1, -1));
    EXPECT_EQ(device.calls.at(0), "SetTexture 0");  // nothing stays bound to the pictures released
    EXPECT_TRUE(std::all_of(std::begin(g_texSectionCards), std::end(g_texSectionCards),
                            [](int card) { return card == -1; }));
}

TEST_F(ScenesTest, PurgingTheSectionObjectsRemovesOnlyTheSectionModel)
{
    AddProbe(g_effectList, "before");
    SetScene(10, -1);
    AddProbe(g_effectList, "after");
    ASSERT_EQ(g_effectList.size(), 2u);
    PurgeSectionObjects();
    ASSERT_EQ(g_effectList.size(), 1u);
    EXPECT_EQ(static_cast<CProbe*>(g_effectList[0])->name, "after");
    EXPECT_TRUE(g_sectionObjectIds.empty());
}

TEST_F(ScenesTest, AStageLoadsItsMusicBehindOneLoadingFrameOnlyOnce)
{
    device.ClearRecord();
    SetScene(0, -1);
    EXPECT_EQ(std::tuple(device.CountCalls("Present"), g_loading, g_stepFrame, g_player->controlEnabled,
                         g_player->position.y),
              std::tuple(1, false, -1, true, -2.5f));

    g_replayPlaying = true;
    SetScene(-2, 0);
    g_bgmStage0 = world.LoadTone();
    device.ClearRecord();
    SetScene(0, -1);
    EXPECT_EQ(std::tuple(device.CountCalls("Present"), world.sound.IsPlaying(static_cast<int8_t>(g_bgmStage0)),
                         g_landscape->velocity.x),
              std::tuple(0, true, -0.03f));
}

TEST_F(ScenesTest, ASceneChangeInsideAFrameShowsNoLoadingFrameOfItsOwn)
{
    CProbe* trigger = AddProbe(g_systemSpriteList, "trigger");
    trigger->onUpdate = [](CProbe*) {
        if (g_scene != 0)
            SetScene(0, -1);
    };
    device.ClearRecord();
    Frame(false);
    EXPECT_EQ(std::tuple(g_scene, device.CountCalls("BeginScene"), device.CountCalls("Present")), std::tuple(0, 1, 1));
}

TEST_F(ScenesTest, DismissedEnemiesLeaveAndScoreItemsStay)
{
    CEnemy* enemy = AddEnemy(0.0f, 0.0f, 1, 0);
    auto* item = new CScoreItem(0.0f, 0.0f, 0.0f);
    g_enemyList.push_back(item);
    DismissEnemies();
    EXPECT_GE(enemy->motionProgress, 0.0f);
    EXPECT_EQ(item->motionProgress, -1.0f);
}

}  // namespace
