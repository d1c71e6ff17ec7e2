#include "tests/scripts/ScenePlay.h"

namespace {

enum class Help { Quota, EmptyField, ShipLost, Nothing };

struct SectionCase {
    int scene;
    Help help;
    int quota, helpAt;  // helpAt: the drill's frame the test helps on
    const char* name;
};

const SectionCase kCases[] = {
    {10, Help::Quota, 30, 300, "section10-quota"},
    {13, Help::Quota, 15, 300, "section13-quota"},
    {15, Help::Quota, 120, 300, "section15-quota"},
    // Past the limit no more come, and the drill waits for the field to empty.
    {11, Help::EmptyField, 30, 1900, "section11-empty"},
    {12, Help::ShipLost, 30, 200, "section12-lost"},
    {18, Help::ShipLost, 15, 200, "section18-lost"},
    {15, Help::EmptyField, 120, 1900, "section15-empty"},
    {14, Help::Quota, 1, 300, "section14-quota"},
    // The shot special strikes the duel down before the help, on a gauge charging back.
    {14, Help::Quota, 1, 600, "section14-special"},
    {16, Help::EmptyField, 1, 700, "section16-empty"},
    // Scene 17 ends at 1200 with its enemy alive, and fails without locking the ship.
    {17, Help::Nothing, 1, 0, "section17-alive"},
    {17, Help::ShipLost, 1, 200, "section17-lost"},
    {17, Help::Quota, 1, 300, "section17-quota"},
};

class SectionScriptsTest : public ScenePlay, public ::testing::WithParamInterface<SectionCase> {};

// The blade, pressed on the 31st frame, ends the briefing; the drill is flown firing.
TEST_P(SectionScriptsTest, PlaysAsJournalled)
{
    const SectionCase& c = GetParam();
    Pilot pilot;
    pilot.input = [&c](int f) {
        if (f < 40 || c.help == Help::Nothing)  // the duel left alone runs out of time
            return f >= 30 && f < 35 ? Held({&InputState::blade}) : InputState();
        return Gunner(f);
    };
    pilot.help = [&c](int f) {
        FillSpecialGauge(f);
        if (c.help != Help::ShipLost)
            Shield();
        if (g_sceneStep != 0)
            return;
        if (c.help == Help::Quota && (g_stepFrame == c.helpAt - 1 || g_stepFrame == c.helpAt))
            g_player->killCount = c.quota - (c.helpAt - g_stepFrame);
        if (c.help == Help::EmptyField && g_stepFrame == c.helpAt)
            PurgeEnemies();
        if (c.help == Help::ShipLost && g_stepFrame == c.helpAt)
            g_player->Die();
        g_player->auraTimer = 5000;
    };
    ExpectPinned(c.name, Play(c.scene, -1, pilot));
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionScriptsTest, ::testing::ValuesIn(kCases));

using SectionAuraTest = ScenePlay;

// Unshielded and at rest under the duel's spiral, the ship raises the aura,
// which takes the shots that come at it until it runs out.
TEST_F(SectionAuraTest, PlaysAsJournalled)
{
    Pilot pilot;
    pilot.input = [](int f) {
        if (f >= 30 && f < 35)
            return Held({&InputState::blade});
        return f >= 60 && f < 63 ? Held({&InputState::dash, &InputState::blade}) : InputState();
    };
    ExpectPinned("section16-aura", Play(16, -1, pilot));
}

}  // namespace
