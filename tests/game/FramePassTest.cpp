#include "actors/Reseter.h"
#include "game/Freeze.h"
#include "game/FramePass.h"
#include "game/Scenes.h"
#include "tests/game/GameFixture.h"

#include <algorithm>
#include <tuple>

namespace {

class FramePassTest : public GameFixture {
protected:
    void AddProbeToEveryList()
    {
        const std::pair<SpriteList*, const char*> lists[] = {
            {&g_backLayerList, "back"},   {&g_skyList, "sky"},       {&g_enemyList, "enemy"},
            {&g_playerAttackList, "attack"}, {&g_enemyShotList, "shot"}, {&g_effectList, "effect"},
            {&g_glowList, "glow"},        {&g_systemSpriteList, "system"}, {&g_overlayList, "overlay"}};
        for (const auto& [list, name] : lists)
            AddProbe(*list, name);
    }
};

TEST_F(FramePassTest, ListsAreWalkedInTheirOrderDrawingBeforeUpdating)
{
    AddProbeToEveryList();
    Frame(false);
    const Journal expected = {"back.Draw",   "back.Update",   "sky.Draw",    "sky.Update",   "enemy.Draw",
                              "enemy.Update", "attack.Draw",  "attack.Update", "shot.Draw",  "shot.Update",
                              "effect.Draw", "effect.Update", "glow.Draw",   "glow.Update",  "system.Draw",
                              "system.Update", "overlay.Draw", "overlay.Update"};
    EXPECT_EQ(journal, expected);
    EXPECT_EQ(std::tuple(g_stepFrame, g_sceneFrame, device.CountCalls("BeginScene"), device.CountCalls("EndScene"),
                         device.CountCalls("Present")),
              std::tuple(1, 1, 1, 1, 1));
    // The play field first, then the whole screen for the overlay.
    EXPECT_TRUE(std::find(device.calls.begin(), device.calls.end(), "SetViewport 160 0 480 480") <
                std::find(device.calls.begin(), device.calls.end(), "SetViewport 0 0 640 480"));
}

TEST_F(FramePassTest, FrozenFramesDrawButMoveNothingAndCountTheFreezeDownLoadingFramesHoldTheCounters)
{
    AddProbeToEveryList();
    g_scene = -2;  // its script turns the ground every frame it runs
    g_sceneStep = 0;
    g_stepFrame = g_sceneFrame = 5;
    g_groundTransform->rotation = {};
    const Vec3 sparkAt{1.0f, 1.0f, 0.0f}, sparkVelocity{0.1f, 0.0f, 0.0f};
    g_triangleParticles->EmitAt(&sparkAt, &sparkVelocity);
    const Vec3 sparkBefore = g_triangleParticles->particles[0].position;
    g_player->SetPosition(1.0f, 2.0f, 0.0f);
    g_player->velocity = {0.1f, 0.0f, 0.0f};
    SetFreeze(2, nullptr);

    Frame(false);
    for (const std::string& entry : journal)
        EXPECT_EQ(entry.substr(entry.find('.')), ".Draw");
    EXPECT_EQ(std::tuple(journal.size(), g_freezeFrames, g_stepFrame, g_sceneFrame, g_groundTransform->rotation.y,
                         g_triangleParticles->particles[0].position.x, g_player->position.x),
              std::tuple(9u, 1, 5, 5, 0.0f, sparkBefore.x, 1.0f));

    Frame(false);
    EXPECT_EQ(std::tuple(g_freezeFrames, g_stepFrame), std::tuple(0, 5));
    journal.clear();
    Frame(false);
    EXPECT_EQ(std::tuple(journal.size(), g_stepFrame), std::tuple(18u, 6));
    EXPECT_NE(g_groundTransform->rotation.y, 0.0f);
    EXPECT_NE(g_triangleParticles->particles[0].position.x, sparkBefore.x);

    // A loading frame moves everything but holds the counters and the freeze.
    journal.clear();
    Frame(true);
    EXPECT_EQ(std::tuple(journal.size(), g_stepFrame, g_sceneFrame), std::tuple(18u, 6, 6));
    SetFreeze(3, nullptr);
    Frame(true);
    EXPECT_EQ(g_freezeFrames, 3);
}

TEST_F(FramePassTest, PushedObjectsJoinTheWalkAndDeadOnesAreDeletedUndrawn)
{
    CProbe* spawner = AddProbe(g_effectList, "spawner");
    spawner->onUpdate = [](CProbe* self) {
        if (self->age == 1)
            g_effectList.push_back(new CProbe(self->journal, "late"));
    };
    AddProbe(g_effectList, "dead")->state = STATE_DEAD;
    AddProbe(g_effectList, "after");
    Frame(false);
    EXPECT_EQ(journal, (Journal{"spawner.Draw", "spawner.Update", "dead.Deleted", "after.Draw", "after.Update",
                                "late.Draw", "late.Update"}));
    EXPECT_EQ(g_effectList.size(), 3u);
}

TEST_F(FramePassTest, AttacksRunTheirSubStepsAndAreTestedAfterEach)
{
    CProbe* shot = AddProbe(g_playerAttackList, "attack");
    shot->SetVelocitySteps(0.0f, 3.0f, 0.0f, 3);
    shot->hitRadius = 0.5f;
    shot->power = 10;
    CEnemy* enemy = AddEnemy(0.0f, 3.0f, 100, 0);
    enemy->hitRadius = 0.4f;
    enemy->velocity = {};

    Frame(false);
    EXPECT_EQ(journal, (Journal{"attack.Draw", "attack.Update still", "attack.SubStep", "attack.SubStep",
                                "attack.SubStep"}));
    // Moved only by its sub-steps, it reached the enemy on the last one.
    EXPECT_EQ(std::tuple(enemy->hp, shot->state != STATE_ACTIVE, g_lastHitEnemy->hp, shot->noAutoMove),
              std::tuple(90, true, 90, false));
}

TEST_F(FramePassTest, AFinishedReseterEntersItsSceneEvenFromThatScene)
{
    SetScene(-2, 0);
    SpawnReseter(-2, 0);
    ASSERT_EQ(g_systemSpriteList.size(), 4u);
    for (int frame = 0; frame < 240; ++frame)
        Frame(false);
    EXPECT_EQ(std::tuple(g_systemSpriteList.back()->state, g_stepFrame), std::tuple(STATE_DEAD, 239));
    g_fadeLevel = 0.5f;
    g_fadeDirection = 0;

    Frame(false);
    // The title was set up again: it fades in anew.
    EXPECT_EQ(std::tuple(g_systemSpriteList.size(), g_scene, g_stepFrame, g_sceneFrame, g_fadeDirection),
              std::tuple(3u, -2, 0, 240, -1));
}

}  // namespace
