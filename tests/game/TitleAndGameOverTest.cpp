#include "game/Freeze.h"
#include "game/FramePass.h"
#include "game/SceneScript.h"
#include "game/Scenes.h"
#include "tests/game/GameFixture.h"

namespace {

class TitleAndGameOverTest : public GameFixture {};

TEST_F(TitleAndGameOverTest, TheTitleGroundTiltsFromItsStartOnFrame0AndScenesWithoutAScriptDoNothing)
{
    g_groundTransform->rotation = {};
    for (int scene : {-255, -1, 111, 112, 113}) {
        g_scene = scene;
        g_sceneStep = 0;
        g_stepFrame = 240;
        world.sceneScript.Run();
        EXPECT_EQ(g_scene, scene);
        EXPECT_EQ(g_groundTransform->rotation.y, 0.0f);
    }
    g_scene = -2;
    g_stepFrame = 0;
    world.sceneScript.Run();
    EXPECT_FLOAT_EQ(g_groundTransform->rotation.x, 0.499987f);
    EXPECT_FLOAT_EQ(g_groundTransform->rotation.y, 0.0002f);
    g_sceneStep = 1;
    g_stepFrame = 1;
    world.sceneScript.Run();
    EXPECT_FLOAT_EQ(g_groundTransform->rotation.y, 0.0002f);
}

TEST_F(TitleAndGameOverTest, GameOverReturnsToTheTitleAfter240FramesLengthenedByFreezes)
{
    SetScene(-3, 0);
    // The script first sees step frame -1, so 240 comes on the 242nd running frame.
    for (int frame = 0; frame < 246; ++frame) {
        if (frame == 100)
            SetFreeze(5, nullptr);
        Frame(false);
    }
    EXPECT_EQ(g_scene, -3);
    Frame(false);
    EXPECT_EQ(g_scene, -2);
    EXPECT_EQ(g_stepFrame, 0);
}

}  // namespace
