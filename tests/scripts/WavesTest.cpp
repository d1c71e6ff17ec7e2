#include "actors/enemies/MidEnemies.h"
#include "game/scripts/Waves.h"
#include "tests/common/TestWorld.h"

#include <gtest/gtest.h>

namespace {

class WavesTest : public ::testing::Test {
protected:
    void At(int difficulty, int step, int frame)
    {
        PurgeEnemies();
        g_globalDifficulty = difficulty;
        g_sceneStep = step;
        g_stepFrame = frame;
    }
    TestWorld world;
};

// Kind, side and x come from three draws, in that order; a difficulty other
// than -1 and 0 has mid enemies every 12 s.
TEST_F(WavesTest, AMidEnemyDrawsItsKindThenItsSideThenItsX)
{
    const std::vector<float> draws = ReferenceDraws(3);
    At(5, 3, 720);
    SpawnStage0Wave();
    ASSERT_EQ(ObjectsOf<CEnemym>(g_enemyList).size(), 1u);
    const CEnemym* mid = ObjectsOf<CEnemym>(g_enemyList)[0];
    EXPECT_EQ(dynamic_cast<const CEnemym0b*>(mid) != nullptr, static_cast<int>(2 * draws[0]) != 0);
    EXPECT_EQ(mid->position.y, static_cast<int>(2 * draws[1]) == 0 ? 7.0f : -7.0f);
    EXPECT_EQ(mid->position.x, 10.0f * draws[2] - 5.0f);
}

}  // namespace
