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

TEST_F(EnemyShotTest, EachKindTurnsAndMovesAsItFliesSpinningOrientedRoundBurstAndAccelerating)
{
    CEnemyShot spinning(ENEMY_SHOT_SPINNING, 0.0f, 0.0f, 0.0f, 0.0f, -0.1f, 0.0f);
    EXPECT_FLOAT_EQ(spinning.rotation.z, 0.05f);  // every velocity turns it
    spinning.Update();
    spinning.Update();
    EXPECT_EQ(std::tuple(spinning.rotation.z, spinning.position.y), std::tuple(0.15f, -0.2f));  // and every frame
    CEnemyShot oriented(ENEMY_SHOT_ORIENTED, 0.0f, 0.0f, 0.0f, -0.1f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(oriented.rotation.z, 0.5f);
    oriented.SetVelocity(0.0f, -0.1f, 0.0f);
    oriented.Update();
    EXPECT_FLOAT_EQ(oriented.rotation.z, 1.0f);
    CEnemyShot round(ENEMY_SHOT_ROUND, 0.0f, 0.0f, 0.0f, 0.0f, -0.01f, 0.0f);
    for (int i = 0; i < 9; ++i)
        round.Update();
    EXPECT_NEAR(round.position.y, -0.36f, 1e-6);
    round.Update();
    EXPECT_NEAR(round.position.y, -0.37f, 1e-6);
    const float turn = ReferenceDraws(1)[0];
    CEnemyShot shot(ENEMY_SHOT_BURST, 0.0f, 0.0f, 0.0f, 0.0f, 0.1f, 0.0f);
    for (int i = 0; i < 21; ++i)
        shot.Update();
    EXPECT_EQ(shot.mode, 0);
    EXPECT_NEAR(shot.velocity.y, 0.1 * std::pow(0.9, 21), 1e-6);
    shot.Update();  // 0.1 × 0.9^22 is below 0.01: stopped
    EXPECT_EQ(std::tuple(shot.mode, shot.look), std::tuple(1, SHOT_LOOK_ORIENTED));
    EXPECT_NEAR(shot.velocity.x, -0.02 * std::sin(2.0 * turn * M_PI), 1e-6);
    EXPECT_NEAR(shot.velocity.y, 0.02 * std::cos(2.0 * turn * M_PI), 1e-6);
    const Vec2 flight{shot.velocity.x, shot.velocity.y};
    EXPECT_FLOAT_EQ(shot.rotation.z, HeadingOf(&flight));
    CEnemyShot fast(ENEMY_SHOT_ACCELERATING, 0.0f, 0.0f, 0.0f, 0.0f, 0.025f, 0.0f);
    fast.dieOffView = false;
    fast.Update();
    EXPECT_FLOAT_EQ(fast.velocity.y, 0.025f * 1.01f);
    for (int i = 1; i < 370; ++i)  // 0.025 × 1.01^n reaches 1 at n = 371
        fast.Update();
    EXPECT_LT(fast.velocity.y, 1.0f);
    fast.Update();
    const float top = fast.velocity.y;
    EXPECT_GE(top, 1.0f);
    fast.Update();
    EXPECT_EQ(fast.velocity.y, top);
}

TEST_F(EnemyShotTest, AShotKilledInViewSoundsAndSparksOneLeavingTheViewDoesNotAndEachIsABillboard)
{
    CEnemyShot killed(ENEMY_SHOT_SPINNING, 1.0f, 2.0f, 0.0f, 0.0f, -0.1f, 0.0f);
    killed.Die();
    ASSERT_EQ(std::tuple(killed.state, Played(g_seEnemyShotRemove), sparks.particles.size()),
              std::tuple(STATE_DEAD, true, 2u));
    EXPECT_FLOAT_EQ(sparks.particles[0].position.y, 2.0f);
    CEnemyShot escaping(ENEMY_SHOT_SPINNING, 0.0f, -5.95f, 0.0f, 0.0f, -0.1f, 0.0f);
    EXPECT_FLOAT_EQ(escaping.hitRadius, 0.1f);
    escaping.Update();  // y -6.05: past 5 + 1
    EXPECT_EQ(std::tuple(escaping.leftView, escaping.state, AnyPlayed(), sparks.particles.size()),
              std::tuple(true, STATE_DEAD, false, 2u));
    g_worldTransform->SetPosition(0.0f, 0.0f, 7.0f);  // not applied to shots
    CEnemyShot spinning(ENEMY_SHOT_SPINNING, 1.0f, 2.0f, 0.0f, 0.0f, -0.1f, 0.0f);
    spinning.Draw();
    CEnemyShot round(ENEMY_SHOT_ROUND, 1.0f, 2.0f, 0.0f, 0.0f, -0.1f, 0.0f);
    round.Draw();
    ASSERT_EQ(device.draws.size(), 2u);
    // 0.2 × 0.35 and 0.3 × 0.3.
    const std::vector<RecordedDraw>& d = device.draws;
    EXPECT_EQ(std::tuple(d[0].colorVertices[0].x, d[0].colorVertices[0].y, d[0].state.world.m[3][2],
                         d[1].colorVertices[0].x, d[1].colorVertices[0].y),
              std::tuple(-0.1f, 0.175f, 0.0f, -0.15f, 0.15f));
}

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
