#include "tests/scripts/ScenePlay.h"

namespace {

using Stage0Test = ScenePlay;

// Either course with the boss struck down on frame 900 of its step.
TEST_F(Stage0Test, PlaysAsJournalled)
{
    for (const int difficulty : {-1, 0}) {
        Pilot pilot{Gunner, [](int f) {
                        Shield();
                        FillSpecialGauge(f);
                        CSprite* boss = EnemyOfKind("CEnemyb");
                        if (g_sceneStep == 6 && g_stepFrame == 900 && boss != nullptr)
                            boss->Damage(boss->hp);
                    }};
        ExpectPinned("stage0-" + std::string(difficulty == -1 ? "easier" : "harder"), Play(0, difficulty, pilot));
        SetScene(-2, 0);
    }
}

}  // namespace
