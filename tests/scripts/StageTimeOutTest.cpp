#include "tests/scripts/ScenePlay.h"

namespace {

using StageTimeOutTest = ScenePlay;

// Full-lock lasers still in flight at the time-out knock the leaving boss out
// of its leaving phase, and shots may then destroy it: the ending must still
// run to the title rather than wait for a step that has no script.
TEST_F(StageTimeOutTest, ABossPushedAndDestroyedAfterItWasSentAwayLeavesTheEndingToTheTitle)
{
    std::pair<int, int> last;  // step and step frame of the last frame of the stage
    Pilot pilot;
    pilot.help = [&last](int) {
        Shield();
        last = {g_sceneStep, g_stepFrame};
        CSprite* boss = g_sceneStep == 8 ? EnemyOfKind("CEnemyb") : nullptr;
        Vec3 knock{0.0f, 0.05f, 0.0f}, twist{-0.05f, 0.0f, 0.0f};
        if (boss != nullptr && g_stepFrame == 10)
            boss->Push(&knock, &twist);
        if (boss != nullptr && g_stepFrame == 20)
            boss->Damage(boss->hp);
    };
    Play(0, 0, pilot);
    EXPECT_EQ(g_scene, -2);
    EXPECT_EQ(last, std::make_pair(8, 1020));
}

}  // namespace
