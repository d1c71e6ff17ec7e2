#include "actors/enemies/MidEnemies.h"
#include "actors/enemies/SmallEnemies.h"
#include "game/scripts/Waves.h"
#include "tests/common/TestWorld.h"

#include <gtest/gtest.h>

#include <cmath>

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

// A row flies from (offset x, 10) turned by 2 x (frame mod 960) / 960 half-turns;
// the mirrored row, halfway between rows, leads with offset 2 instead of -2.
TEST_F(WavesTest, RowsAndMirroredRowsAlternateAndTurnWithTheFrame)
{
    const struct {
        int difficulty, step, frame;
        float leadOffset, angle;
    } cases[] = {{-1, 0, 360, -2.0f, 0.75f}, {-1, 0, 180, 2.0f, 0.375f}, {0, 2, 90, 2.0f, 0.1875f},
                 {5, 3, 1440, -2.0f, 1.0f}};
    for (const auto& c : cases) {
        At(c.difficulty, c.step, c.frame);
        SpawnStage0Wave();
        const std::vector<CEnemy0*> row = ObjectsOf<CEnemy0>(g_enemyList);
        ASSERT_EQ(row.size(), 3u) << c.frame;
        const double turn = M_PI * c.angle;
        EXPECT_NEAR(row[0]->position.x, c.leadOffset * std::cos(turn) - 10 * std::sin(turn), 1e-4) << c.frame;
        EXPECT_NEAR(row[0]->position.y, c.leadOffset * std::sin(turn) + 10 * std::cos(turn), 1e-4) << c.frame;
    }
}

}  // namespace
