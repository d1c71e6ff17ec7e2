#include "tests/scripts/ScenePlay.h"

namespace {

using Stage1Test = ScenePlay;

TEST_F(Stage1Test, VolleysBossClearResultsAndTitleOnTheirFrames)
{
    const Journal expected = {
        {0, 180, "first line 1/0"}, {0, 420, "line 1/1"}, {0, 660, "line 1/2 120"}, {0, 780, "line 1/3 120"},
        {0, 900, "line 1/4 120"}, {0, 1140, "line 1/5"}, {0, 1380, "line 1/6"}, {0, 1620, "line 1/7"},
        {0, 3600, "step 1"}, {1, 360, "CEnemybDanmaku x1"}, {1, 600, "step 2"}, {2, 360, "sound clear"},
        {2, 360, "ground move 0,0,-5 /240"}, {2, 360, "ground turn 0,0,0 /240"}, {2, 360, "clear banner"},
        {2, 480, "lock"}, {2, 480, "ship move 0,0,0 /600"}, {2, 600, "first line 0/19"}, {2, 660, "results"},
        {2, 660, "number 100000"}, {2, 840, "line 0/20"}, {2, 1080, "line 0/21 60"}, {2, 1140, "fade out"},
        {2, 1140, "line 0/22 60"}, {2, 1200, "line 0/23 60"}, {2, 1380, "title"}, {2, 1380, "unlock"},
    };
    Pilot pilot;  // the ship flies shielded, firing and swaying; the boss falls on frame 600 of its step
    pilot.input = [](int f) { return Held({&InputState::shot}, (f / 90) % 2 ? 1.0f : -1.0f); };
    pilot.help = [](int) {
        Shield();
        if (g_sceneStep == 1 && g_stepFrame == 600)
            EnemyOfKind("CEnemybDanmaku")->Damage(5120);
    };
    const Journal journal = Play(1, 0, pilot);
    EXPECT_EQ(OneOffs(journal, {{0, "CEnemyDanmaku x8", 360, 360, 3600}, {1, "CEnemy1 x1", 0, 60, 540}}), expected);
}

// Any course but the harder one has the easier periods: 480 frames in step 0.
TEST_F(Stage1Test, VolleysEvery480FramesOnTheEasierCourseAndAnyOtherValue)
{
    for (int difficulty : {-1, 5}) {
        Pilot shielded;
        shielded.help = [](int) { Shield(); };
        const Journal journal = Play(1, difficulty, shielded, 3603);
        OneOffs(journal, {{0, "CEnemyDanmaku x8", 480, 480, 3360}});
        EXPECT_EQ(journal.back(), (Entry{1, 0, "CEnemy1 x1"})) << difficulty;
        SetScene(-2, 0);
    }
}

}  // namespace
