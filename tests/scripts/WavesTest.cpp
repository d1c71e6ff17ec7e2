#include "actors/enemies/MidEnemies.h"
#include "game/scripts/Waves.h"
#include "tests/common/TestWorld.h"

#include <gtest/gtest.h>

namespace {

// Kind, side and x come from three draws, in that order; a difficulty other
// than -1 and 0, which no play has, brings mid enemies every 12 s.
TEST(WavesTest, AMidEnemyOfAnotherDifficultyDrawsItsKindThenItsSideThenItsX)
{
    TestWorld world;
    const std::vector<float> draws = ReferenceDraws(3);
    g_globalDifficulty = 5, g_sceneStep = 3, g_stepFrame = 720;
    SpawnStage0Wave();
    ASSERT_EQ(ObjectsOf<CEnemym>(g_enemyList).size(), 1u);
    const CEnemym* mid = ObjectsOf<CEnemym>(g_enemyList)[0];
    EXPECT_EQ(dynamic_cast<const CEnemym0b*>(mid) != nullptr, static_cast<int>(2 * draws[0]) != 0);
    EXPECT_EQ(mid->position.y, static_cast<int>(2 * draws[1]) == 0 ? 7.0f : -7.0f);
    EXPECT_EQ(mid->position.x, 10.0f * draws[2] - 5.0f);
}

}  // namespace
