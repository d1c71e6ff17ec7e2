#include "actors/enemies/Boss.h"
#include "tests/scripts/ScenePlay.h"

namespace {

const Journal kUpToTheBoss = {
    {-1, 0, "lock"}, {-1, 0, "ship move 0,40,0 /240"}, {-1, 120, "sound entry"}, {-1, 180, "first line 0/0"},
    {-1, 240, "camera move 0,0,-10 /240"}, {-1, 240, "camera turn 0,0,0 /240"}, {-1, 240, "camera speed 0,1,0 /240"},
    {-1, 240, "ground turn 0.2,0,0 /240"}, {-1, 240, "ship move 0,-2.5,0 /240"}, {-1, 240, "ship turn 0,0,0 /240"},
    {-1, 420, "line 0/1"}, {-1, 480, "step 0"}, {-1, 480, "unlock"}, {0, 0, "stage label"}, {0, 180, "line 0/2"},
    {0, 420, "line 0/3"}, {0, 660, "line 0/4"}, {0, 900, "line 0/5"}, {0, 960, "step 1"},
    {1, 0, "ground turn -0.1,0,0 /240"}, {1, 120, "sound cut-in"}, {1, 120, "lock"},
    {1, 120, "camera move 0,0,-15 /186"}, {1, 120, "ship move 1,-1,-10 /186"}, {1, 120, "ship turn 0.8,0,0 /186"},
    {1, 120, "landscape speed 0,0.1,0 /186"}, {1, 120, "CCinemaScope"}, {1, 120, "title card"}, {1, 306, "flare"},
    {1, 408, "camera move 0,0,-10 /192"}, {1, 408, "ground turn 0.1,0.3,0 /360"}, {1, 408, "ship move -2,5,10 /192"},
    {1, 408, "ship turn 0,0,0 /240"}, {1, 408, "landscape speed -0.03,0.5,0 /120"}, {1, 408, "CShockWave"},
    {1, 600, "ship move 0,-2.5,0 /240"}, {1, 600, "ship turn 0,-2,0 /180"}, {1, 840, "step 2"}, {1, 840, "unlock"},
    {1, 840, "ground turn 0.1,-0.3,0.1 /6000"}, {2, 0, "ground turn 0.1,-0.3,0.1 /5100"},
    {2, 2037, "step 3"},  // scene frame 4320
    {3, 0, "ground turn -0.4,0,0 /120"}, {3, 0, "first line 0/6"}, {3, 120, "ground turn 0.1,-0.3,0 /120"},
    {3, 240, "ground turn 0.1,-0.3,0.1 /5100"}, {3, 240, "line 0/7"}, {3, 480, "line 0/8"}, {3, 720, "line 0/9"},
    {3, 960, "line 0/10"}, {3, 1800, "first line 0/11"}, {3, 2040, "line 0/12"}, {3, 2280, "line 0/13"},
    {3, 2520, "line 0/14"}, {3, 2760, "line 0/15"}, {3, 3000, "line 0/16"}, {3, 4019, "step 6"},  // scene frame 8340
    {6, 0, "CEnemy1 x8"}, {6, 360, "ground turn 0.7,-0.3,0 /120"}, {6, 360, "CEnemyb x1"},
    {6, 480, "ground turn 0.2,-0.5,0.2 /120"}, {6, 480, "CBit x1"}, {6, 600, "ground turn 0.2,0.5,0.2 /5100"},
    {6, 600, "first line 0/17"}, {6, 720, "CBit x1"},
};

using Stage0Test = ScenePlay;

TEST_F(Stage0Test, IntroWavesCutSceneBossClearAndTitleOnTheirFrames)
{
    Journal expected = kUpToTheBoss;
    expected.insert(expected.end(), {
        {6, 900, "step 7"}, {7, 360, "sound clear"}, {7, 360, "ground move 0,0,-5 /240"},
        {7, 360, "ground turn 0,0,0 /240"}, {7, 360, "clear banner"}, {7, 480, "lock"},
        {7, 480, "camera move 2,1.5,-1 /600"}, {7, 480, "camera turn -0.1,0,0 /600"},
        {7, 480, "camera speed 0,0,-1 /600"}, {7, 480, "ship move 0,0,0 /600"}, {7, 600, "first line 0/19"},
        {7, 660, "results"}, {7, 660, "number 100000"}, {7, 840, "line 0/20"}, {7, 1080, "line 0/21 60"},
        {7, 1140, "fade out"}, {7, 1140, "line 0/22 60"}, {7, 1200, "line 0/23 60"}, {7, 1380, "title"},
        {7, 1380, "unlock"},
    });
    Pilot pilot;  // the ship sits shielded; the boss falls on frame 900 of its step
    pilot.help = [](int) {
        Shield();
        if (g_sceneStep == 6 && g_stepFrame == 900)
            EnemyOfKind("CEnemyb")->Damage(3840);
    };
    const Journal journal = Play(0, -1, pilot);
    // The easier course: rows on 360, mirrored rows halfway, a mid enemy every 840 frames.
    const std::vector<Waves> waves = {{0, "CEnemy0 x3", 180, 180, 720}, {2, "CEnemy0 x3", 0, 180, 1980},
                                      {3, "CEnemy0 x3", 720, 180, 3960}, {3, "CEnemym x1", 840, 840, 3360},
                                      {6, "CEnemy2 x4", 480, 480, 480}};
    EXPECT_EQ(OneOffs(journal, waves), expected);
}

TEST_F(Stage0Test, TimeOutAtSceneFrame15000SendsTheBossAwayAndEndsWithoutBonus)
{
    const Journal timeOut = {
        {6, 6659, "step 8"}, {6, 6659, "lock"},  // scene frame 15000
        {8, 0, "sound clear"}, {8, 0, "ground move 0,0,-5 /240"}, {8, 0, "ground turn 0,0,0 /240"},
        {8, 0, "failed banner"}, {8, 120, "camera move -1,-5,1 /360"}, {8, 120, "camera turn -0.1,0,0 /360"},
        {8, 120, "camera speed 0,0,-1 /360"}, {8, 120, "ship move 0,0,0 /600"}, {8, 240, "first line 0/24"},
        {8, 300, "results"}, {8, 300, "number 0"}, {8, 480, "line 0/20"}, {8, 720, "line 0/21 60"},
        {8, 780, "fade out"}, {8, 780, "line 0/22 60"}, {8, 840, "line 0/23 60"}, {8, 1020, "title"},
        {8, 1020, "unlock"},
    };
    // The harder course: rows every 90 frames, a mid enemy every 600.
    const std::vector<Waves> waves = {{0, "CEnemy0 x3", 90, 90, 810}, {3, "CEnemym x1", 600, 600, 3600},
                                      {6, "CEnemy2 x4", 480, 480, 6240}};
    Pilot pilot;
    int bossPhase = 0;
    pilot.help = [&bossPhase](int) {
        Shield();
        if (g_sceneStep == 8 && g_stepFrame == 1)
            bossPhase = static_cast<CBoss*>(EnemyOfKind("CEnemyb"))->phase;
    };
    Journal ending;
    for (const Entry& e : OneOffs(Play(0, 0, pilot), waves))
        if (e.step == 8 || (e.step == 6 && e.frame > 720))
            ending.push_back(e);
    EXPECT_EQ(ending, timeOut);
    EXPECT_EQ(bossPhase, BOSS_PHASE_LEAVING);
}

}  // namespace
