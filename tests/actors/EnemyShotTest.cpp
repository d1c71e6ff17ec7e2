#include "EnemySideFixture.h"

#include "actors/EnemyShot.h"
#include "actors/LockOnSite.h"
#include "engine/VectorHelpers.h"

#include <cmath>
#include <tuple>

namespace {

class EnemyShotTest : public EnemySideFixture {
protected:
    CEnemyShot* Shot(size_t index) { return dynamic_cast<CEnemyShot*>(g_enemyShotList.at(index)); }
};

TEST_F(EnemyShotTest, TheHelpersScaleACopyOfTheDirectionASpreadDrawsAngleThenSpeedAndClearingDeletesOnlyShots)
{
    const Vec3 from{1.0f, 2.0f, 3.0f};
    const Vec3 down{0.0f, -2.0f, 0.0f};
    FireShotAt(1.0f, 2.0f, 3.0f, down, 0.1f);
    FireTypedShot(ENEMY_SHOT_ROUND, from, down, 0.025f);
    FireShot(from, down, 0.3f);
    FireShotDefault(from, down);
    FireShotFast(from, down);
    FireBurstShot(from, Vec3{0.0f, -0.3f, 0.0f});
    EXPECT_FLOAT_EQ(down.y, -2.0f);
    ASSERT_EQ(g_enemyShotList.size(), 6u);
    const int types[6] = {0, 2, 0, 0, 0, 3};
    const float speeds[6] = {0.1f, 0.025f, 0.3f, 0.15f, 0.1f, 0.3f};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(std::tuple(Shot(i)->type, Shot(i)->velocity.y, Shot(i)->position.z),
                  std::tuple(types[i], -speeds[i], 3.0f)) << i;
    g_targetPosition = Vec3{3.0f, 0.0f, 0.0f};
    FireAimedShot(0.0f, 0.0f, 4.0f, 0.5f);  // at the player, in three dimensions
    EXPECT_TRUE(Near(Shot(6)->velocity, {0.3f, 0.0f, -0.4f}));
    const std::vector<float> draws = ReferenceDraws(6);
    FireSpread(Vec3{}, Vec3{0.0f, -1.0f, 0.0f}, 0);  // nothing, and no draw
    FireSpread(Vec3{0.0f, 1.0f, 0.0f}, Vec3{0.0f, -1.0f, 0.0f}, 3);
    ASSERT_EQ(g_enemyShotList.size(), 10u);
    for (size_t i = 0; i < 3; ++i) {
        const double turn = (0.2 * draws[2 * i] - 0.1) * M_PI;
        const double speed = 0.1 * draws[2 * i + 1] + 0.05;
        EXPECT_NEAR(Shot(7 + i)->velocity.x, speed * std::sin(turn), 1e-6);
        EXPECT_NEAR(Shot(7 + i)->velocity.y, -speed * std::cos(turn), 1e-6);
    }
    g_enemyShotList.push_back(new CLockOnSite);
    FireShotAt(0.0f, 0.0f, 0.0f, Vec3{0.0f, 1.0f, 0.0f}, 0.1f);
    FireShotAt(0.0f, 0.0f, 0.0f, Vec3{0.0f, 1.0f, 0.0f}, 0.1f);
    g_enemyShotList.push_back(new CSprite);
    const SpriteList kept{g_enemyShotList[10], g_enemyShotList[13]};
    ClearEnemyShots();
    EXPECT_EQ(std::tuple(g_enemyShotList, AnyPlayed(), sparks.particles.size()), std::tuple(kept, false, 0u));
}

}  // namespace
