#include "actors/EnemyShot.h"
#include "tests/scripts/ScenePlay.h"

namespace {

using Stage0Test = ScenePlay;

// The easier course with the boss struck down on frame 900 of its step; the
// harder one runs out of time at scene frame 15000 and sends the boss away.
// A slow shot is in the air when the cut scene clears the enemy shots.
TEST_F(Stage0Test, PlaysAsJournalled)
{
    for (const int difficulty : {-1, 0}) {
        Pilot pilot{Gunner, [difficulty](int f) {
                        Shield();
                        FillSpecialGauge(f);
                        if (g_sceneStep == 1 && g_stepFrame == 100)
                            FireShotAt(0.0f, 4.0f, 0.0f, Vec3{0.0f, -1.0f, 0.0f}, 0.01f);
                        CSprite* boss = EnemyOfKind("CEnemyb");
                        if (difficulty == -1 && g_sceneStep == 6 && g_stepFrame == 900 && boss != nullptr)
                            boss->Damage(boss->hp);
                    }};
        ExpectPinned("stage0-" + std::string(difficulty == -1 ? "easier" : "harder"), Play(0, difficulty, pilot));
        SetScene(-2, 0);
    }
}

}  // namespace
