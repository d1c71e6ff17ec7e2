#include "actors/enemies/PatternEnemies.h"
#include "tests/scripts/ScenePlay.h"

namespace {

Journal operator+(Journal a, const Journal& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

enum class Help { Quota, EmptyField, ShipLost, Nothing };

struct SectionCase {
    int scene;
    Help help;
    int quota;
    int helpAt;  // the drill's frame the test helps on
    std::vector<Waves> waves;
    Journal expected;
};

// The blade is pressed on the 31st frame, seen by the script on the next.
const Journal kBriefing = {{-1, 30, "step 0"}, {-1, 30, "unlock"}, {-1, 30, "card none"}};
const Journal kDuelist = {{0, 0, "CEnemyd1 x1"}};
Journal DrillEnds(int frame) { return {{0, frame, "step 1"}}; }
const Journal kClearCamera = {{1, 0, "camera move 2,1.5,-1 /420"}, {1, 0, "camera turn -0.1,0,0 /420"},
                              {1, 0, "camera speed 0,0,-1 /420"}, {1, 0, "ship move 0,0,0 /420"},
                              {1, 0, "clear banner"}};
const Journal kCleared = Journal{{1, 0, "sound clear"}, {1, 0, "lock"}, {1, 0, "card clear"}} + kClearCamera;
const Journal kFailed = {{1, 0, "lock"}, {1, 0, "card failed"}, {1, 0, "failed banner"}};
const Journal kToTitle = {{1, 300, "fade out"}, {1, 420, "title"}, {1, 420, "unlock"}, {1, 420, "card none"}};
// The ship hit before drill frame 200 is removed 45 dying frames later (step
// frame 43); the restart timer returns to the title 240 frames after that,
// before the script would.
const Journal kLostToTitle = {{1, 283, "title"}, {1, 283, "unlock"}, {1, 283, "card none"}};
const Journal kFailedUnlocked = {{1, 0, "card failed"}, {1, 0, "failed banner"}};

const SectionCase kCases[] = {
    {10, Help::Quota, 30, 300, {{0, "CEnemyd0 x1", 0, 60, 300}}, kBriefing + DrillEnds(300) + kCleared + kToTitle},
    {13, Help::Quota, 15, 300, {{0, "CEnemyd0 x1", 0, 120, 240}}, kBriefing + DrillEnds(300) + kCleared + kToTitle},
    {15, Help::Quota, 120, 300, {{0, "CEnemyd0 x1", 0, 15, 300}}, kBriefing + DrillEnds(300) + kCleared + kToTitle},
    // Past the limit no more come, and the drill waits for the field to empty.
    {11, Help::EmptyField, 30, 1900, {{0, "CEnemyd0 x1", 0, 60, 1740}},
     kBriefing + DrillEnds(1900) + kFailed + kToTitle},
    {12, Help::ShipLost, 30, 200, {{0, "CEnemyd0 x1", 0, 60, 180}}, kBriefing + DrillEnds(200) + kFailed + kLostToTitle},
    {18, Help::ShipLost, 15, 200, {{0, "CEnemyd0 x1", 0, 120, 120}},
     kBriefing + DrillEnds(200) + kFailed + kLostToTitle},
    {15, Help::EmptyField, 120, 1900, {{0, "CEnemyd0 x1", 0, 15, 1785}},
     kBriefing + DrillEnds(1900) + kFailed + kToTitle},
    {14, Help::Quota, 1, 300, {}, kBriefing + kDuelist + DrillEnds(300) + kCleared + kToTitle},
    {16, Help::EmptyField, 1, 700, {},
     kBriefing + kDuelist + DrillEnds(700) +
         Journal{{1, 0, "lock"}, {1, 0, "card failed"}, {1, 0, "failed banner"}} + kToTitle},
    // Scene 17 ends at 1200 with its enemy alive, and fails without locking the ship.
    {17, Help::Nothing, 1, 0, {},
     kBriefing + kDuelist + DrillEnds(1200) + kFailedUnlocked +
         Journal{{1, 300, "fade out"}, {1, 420, "title"}, {1, 420, "card none"}}},
    {17, Help::ShipLost, 1, 200, {},
     kBriefing + kDuelist + DrillEnds(200) + kFailedUnlocked + Journal{{1, 283, "title"}, {1, 283, "card none"}}},
    {17, Help::Quota, 1, 300, {}, kBriefing + kDuelist + DrillEnds(300) + kCleared + kToTitle},
};

class SectionScriptsTest : public ScenePlay, public ::testing::WithParamInterface<SectionCase> {};

TEST_P(SectionScriptsTest, BriefingDrillAndEndingOnTheirFrames)
{
    const SectionCase& c = GetParam();
    Pilot pilot;
    pilot.input = [](int f) { return f >= 30 && f < 35 ? Held({&InputState::blade}) : InputState(); };
    int auraAfterTheEnd = -1;
    std::pair<int, float> duelist;  // mode and height
    pilot.help = [&c, &auraAfterTheEnd, &duelist](int) {
        if (c.help != Help::ShipLost)
            Shield();
        if (g_sceneStep == 1 && g_stepFrame == 1)
            auraAfterTheEnd = g_player->auraTimer;
        if (g_sceneStep != 0)
            return;
        if (auto* enemy = dynamic_cast<CEnemyd1*>(EnemyOfKind("CEnemyd1")); enemy && g_stepFrame == 1)
            duelist = {enemy->mode, enemy->position.y};
        if (c.help == Help::Quota && g_stepFrame == c.helpAt - 1)
            g_player->killCount = c.quota - 1;
        if (c.help == Help::Quota && g_stepFrame == c.helpAt)
            g_player->killCount = c.quota;
        if (c.help == Help::EmptyField && g_stepFrame == c.helpAt)
            PurgeEnemies();
        if (c.help == Help::ShipLost && g_stepFrame == c.helpAt)
            g_player->Die();
        g_player->auraTimer = 5000;
    };
    EXPECT_EQ(OneOffs(Play(c.scene, -1, pilot), c.waves), c.expected);
    const bool duel = c.waves.empty();  // only the duels' endings take the aura away
    EXPECT_EQ(auraAfterTheEnd == 0, duel);
    // Scene 17's opponent only gathers light, in the centre; the others fire rings from (0, 3).
    if (duel)
        EXPECT_EQ(duelist, c.scene == 17 ? std::make_pair(1, 0.0f) : std::make_pair(0, 3.0f));
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionScriptsTest, ::testing::ValuesIn(kCases));

}  // namespace
