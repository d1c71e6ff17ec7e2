#include "game/Freeze.h"
#include "game/FramePass.h"
#include "game/SceneScript.h"
#include "game/Scenes.h"
#include "tests/game/GameFixture.h"

namespace {

class FreezeTest : public GameFixture {
protected:
    // Draws and steps the fade; the alpha byte of its black layer.
    int FadeAlpha()
    {
        device.ClearRecord();
        DrawAndStepFade();
        const RecordedDraw& draw = device.draws.back();
        EXPECT_EQ(draw.screenVertices[0].x, 160.0f);
        return static_cast<int>(draw.screenVertices[0].color >> 24);
    }

    // Steps the fade until it stops; the number of steps.
    static int StepsUntilStill()
    {
        int steps = 0;
        while (g_fadeDirection != 0 && steps < 1000) {
            DrawAndStepFade();
            ++steps;
        }
        return steps;
    }
};

TEST_F(FreezeTest, FadesRunFromTheirStartAndDrawTheLevelBeforeTheirStep)
{
    FadeIn();
    EXPECT_EQ(FadeAlpha(), 255);
    EXPECT_TRUE(IsFadingIn());
    EXPECT_LT(g_fadeLevel, 1.0f);
    const int steps = StepsUntilStill() + 1;
    EXPECT_NEAR(steps, 120, 1);
    EXPECT_EQ(g_fadeLevel, 0.0f);
    // Still a black layer, fully transparent.
    EXPECT_EQ(FadeAlpha(), 0);

    FadeOut();
    EXPECT_FALSE(IsFadingIn());
    EXPECT_NEAR(StepsUntilStill(), 120, 1);
    EXPECT_EQ(g_fadeLevel, 1.0f);
    EXPECT_EQ(FadeAlpha(), 255);
}

TEST_F(FreezeTest, TheTitleGroundTiltsFromItsStartOnFrame0AndScenesWithoutAScriptDoNothing)
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

TEST_F(FreezeTest, GameOverReturnsToTheTitleAfter240FramesLengthenedByFreezes)
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
