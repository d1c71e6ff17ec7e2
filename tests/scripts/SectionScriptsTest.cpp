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
    int quota, helpAt;  // helpAt: the drill's frame the test helps on
    int period, lastWave;  // of the drifting targets; none in a duel
    Journal expected;
};

// The blade is pressed on the 31st frame, seen by the script on the next.
const Journal kBriefing = {{-1, 30, "step 0"}, {-1, 30, "unlock"}, {-1, 30, "card none"}};
Journal Drill(int ends, const Journal& end) { return kBriefing + Journal{{0, ends, "step 1"}} + end; }
Journal Duel(int ends, const Journal& end)
{
    return kBriefing + Journal{{0, 0, "CEnemyd1 x1"}, {0, ends, "step 1"}} + end;
}
const Journal kToTitle = {{1, 300, "fade out"}, {1, 420, "title"}, {1, 420, "unlock"}, {1, 420, "card none"}};
const Journal kCleared = Journal{{1, 0, "sound clear"}, {1, 0, "lock"}, {1, 0, "card clear"},
                                 {1, 0, "camera move 2,1.5,-1 /420"}, {1, 0, "camera turn -0.1,0,0 /420"},
                                 {1, 0, "camera speed 0,0,-1 /420"}, {1, 0, "ship move 0,0,0 /420"},
                                 {1, 0, "clear banner"}} + kToTitle;
const Journal kFailedUnlocked = {{1, 0, "card failed"}, {1, 0, "failed banner"}};
const Journal kFailed = Journal{{1, 0, "lock"}} + kFailedUnlocked + kToTitle;
// The ship hit before drill frame 200 is removed 45 dying frames later (step
// frame 43); the restart timer returns to the title 240 frames after that,
// before the script would.
const Journal kLost = Journal{{1, 0, "lock"}} + kFailedUnlocked +
                      Journal{{1, 283, "title"}, {1, 283, "unlock"}, {1, 283, "card none"}};

const SectionCase kCases[] = {
    {10, Help::Quota, 30, 300, 60, 300, Drill(300, kCleared)},
    {13, Help::Quota, 15, 300, 120, 240, Drill(300, kCleared)},
    {15, Help::Quota, 120, 300, 15, 300, Drill(300, kCleared)},
    // Past the limit no more come, and the drill waits for the field to empty.
    {11, Help::EmptyField, 30, 1900, 60, 1740, Drill(1900, kFailed)},
    {12, Help::ShipLost, 30, 200, 60, 180, Drill(200, kLost)},
    {18, Help::ShipLost, 15, 200, 120, 120, Drill(200, kLost)},
    {15, Help::EmptyField, 120, 1900, 15, 1785, Drill(1900, kFailed)},
    {14, Help::Quota, 1, 300, 0, 0, Duel(300, kCleared)},
    {16, Help::EmptyField, 1, 700, 0, 0, Duel(700, kFailed)},
    // Scene 17 ends at 1200 with its enemy alive, and fails without locking the ship.
    {17, Help::Nothing, 1, 0, 0, 0,
     Duel(1200, kFailedUnlocked + Journal{{1, 300, "fade out"}, {1, 420, "title"}, {1, 420, "card none"}})},
    {17, Help::ShipLost, 1, 200, 0, 0, Duel(200, kFailedUnlocked + Journal{{1, 283, "title"}, {1, 283, "card none"}})},
    {17, Help::Quota, 1, 300, 0, 0, Duel(300, kCleared)},
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
        if (c.help == Help::Quota && (g_stepFrame == c.helpAt - 1 || g_stepFrame == c.helpAt))
            g_player->killCount = c.quota - (c.helpAt - g_stepFrame);
        if (c.help == Help::EmptyField && g_stepFrame == c.helpAt)
            PurgeEnemies();
        if (c.help == Help::ShipLost && g_stepFrame == c.helpAt)
            g_player->Die();
        g_player->auraTimer = 5000;
    };
    const bool duel = c.period == 0;  // only the duels' endings take the aura away
    const std::vector<Waves> waves = {{0, "CEnemyd0 x1", 0, c.period, c.lastWave}};
    EXPECT_EQ(OneOffs(Play(c.scene, -1, pilot), duel ? std::vector<Waves>{} : waves), c.expected);
    EXPECT_EQ(auraAfterTheEnd == 0, duel);
    // Scene 17's opponent only gathers light, in the centre; the others fire rings from (0, 3).
    EXPECT_EQ(duelist, !duel ? std::pair(0, 0.0f) : c.scene == 17 ? std::pair(1, 0.0f) : std::pair(0, 3.0f));
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionScriptsTest, ::testing::ValuesIn(kCases));

}  // namespace
