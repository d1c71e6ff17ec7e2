#include "tests/demo/DemoPilot.h"
#include "tests/scripts/ScenePlay.h"

namespace {

using Stage1Test = ScenePlay;

// Flown as the demo is: the pilot reads the game and steers clear unshielded.
TEST_F(Stage1Test, PlaysAsJournalled)
{
    g_player->automaticReload = true;
    ExpectPinned("stage1-demo", Play(1, -1, Pilot{demo::Fly}));
}

// Any course but the harder one has the easier periods. The first frames
// of a process draw differently, so the draws are left out.
TEST_F(Stage1Test, AnyOtherDifficultyPlaysTheEasierCourse)
{
    Pilot shielded{[](int) { return InputState(); }, [](int) { Shield(); }};
    auto undrawn = [&](int difficulty) {
        Journal journal = Play(1, difficulty, shielded, 3603);
        std::erase_if(journal, [](const Entry& e) { return e.what.starts_with("drawn"); });
        SetScene(-2, 0);
        return journal;
    };
    EXPECT_EQ(undrawn(5), undrawn(-1));
}

}  // namespace
