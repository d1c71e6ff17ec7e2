#include "actors/LockOnSite.h"
#include "actors/ShockWave.h"
#include "tests/actors/PlayerScene.h"

#include <tuple>

namespace playertest {
namespace {

using PlayerShip = PlayerScene;

TEST_F(PlayerShip, RollWrapsIntoZeroToTwoAndTheReticleStaysBetweenItsLimits)
{
    const std::tuple<float, float, float> turns[] = {
        {0.0f, -0.02f, 1.98f}, {1.5f, 0.5f, 0.0f}, {0.5f, -0.5f, 0.0f}, {1.99f, 0.02f, 0.01f}};
    for (const auto& [from, by, to] : turns) {
        player->SetRoll(from);
        player->RotateRoll(by);
        EXPECT_NEAR(player->roll, to, 1e-6) << from << " + " << by;
    }
    for (const auto& [from, by, to] : {std::tuple(7.45f, 0.15f, 7.5f), std::tuple(1.55f, -0.15f, 1.5f)}) {
        player->reticleDistance = from;
        player->MoveSite(by);
        EXPECT_FLOAT_EQ(player->reticleDistance, to);
    }
    // The reticle sits ahead along the roll and turns with it.
    player->SetRoll(0.5f);
    player->SetPosition(1.0f, 2.0f, 0.0f);
    EXPECT_TRUE(Near(player->reticle->position, {1.0f - 1.5f, 2.0f, 0.0f}, 1e-6));
    EXPECT_FLOAT_EQ(player->reticle->rotation.z, 0.5f);
}

TEST_F(PlayerShip, EachBandOfTheRollSteersItsOwnWayAndTheSpeedsDecayOrStopAtTheirLimits)
{
    // Stick (-x, +y) from rest: forward and side speeds, sweep and half signs.
    const std::tuple<float, float, float, int, int> bands[] = {
        {0.0f, 0.08f, -0.08f, -1, 1},   {0.34f, 0.08f, -0.08f, -1, 1}, {0.35f, -0.08f, 0.08f, 1, 1},
        {0.64f, -0.08f, 0.08f, 1, 1},   {0.65f, -0.08f, 0.08f, 1, -1}, {1.34f, -0.08f, 0.08f, 1, -1},
        {1.35f, 0.08f, -0.08f, -1, -1}, {1.64f, 0.08f, -0.08f, -1, -1}, {1.65f, 0.08f, -0.08f, -1, 1}};
    for (const auto& [roll, forward, side, sweep, half] : bands) {
        player->SetRoll(roll);
        player->forwardSpeed = player->sideSpeed = 0.0f;
        player->Steer(-0.09f, 0.09f);
        EXPECT_EQ(std::tuple(player->forwardSpeed, player->sideSpeed, player->bladeSweepSign, player->bladeHalfSign),
                  std::tuple(forward, side, sweep, half)) << roll;
    }
    // Centred: the speeds decay and the sweep sign stays.
    player->forwardSpeed = 0.5f;
    player->bladeSweepSign = 1;
    player->Steer(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(player->forwardSpeed, 0.475f);
    EXPECT_EQ(std::tuple(player->bladeSweepSign, player->bladeHalfSign), std::tuple(1, -1));
    player->SetRoll(0.0f);
    for (int i = 0; i < 20; ++i)
        player->Steer(0.09f, -0.09f);
    EXPECT_EQ(std::tuple(player->forwardSpeed, player->sideSpeed), std::tuple(-1.0f, 0.75f));
}

TEST_F(PlayerShip, TranslateKeepsTheShipInTheFieldUnlessLevellingOrOnItsPath)
{
    player->SetPosition(4.45f, -4.45f, 0.0f);
    player->Translate(0.09f, -0.09f, 0.0f);
    EXPECT_TRUE(Near(player->position, {4.5f, -4.5f, 0.0f}));
    player->SetOnEntryPath(true);
    player->Translate(0.0f, -0.09f, 0.0f);
    EXPECT_FLOAT_EQ(player->position.y, -4.59f);
    player->SetOnEntryPath(false);
    player->SetAutoLevel(true);
    player->Translate(0.09f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(player->position.x, 4.59f);
    // Levelling eases the roll 2.5 % of the way back each frame, the short way round.
    player->SetRoll(1.6f);
    player->Update();
    EXPECT_FLOAT_EQ(player->roll, 1.6f + 0.4f * 0.025f);
    player->SetRoll(0.4f);
    player->Update();
    EXPECT_FLOAT_EQ(player->roll, 0.4f - 0.4f * 0.025f);
}

TEST_F(PlayerShip, DashRingLiesAcrossTheDashDiagonalsIncluded)
{
    const std::tuple<float, float, float> dashes[] = {
        {-0.7f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.5f}, {0.3f, 0.3f, 0.25f}, {-0.3f, 0.3f, 0.75f}};
    for (const auto& [x, y, angle] : dashes) {
        player->Dash(x, y);
        EXPECT_EQ(ObjectsOf<CShockWave>(g_effectList).back()->rotation.z, angle) << x << ", " << y;
    }
}

TEST_F(PlayerShip, TwoThresholdsInOneScoreAwardOneExtendAndTheNextScoreTheOther)
{
    std::vector<int> lives;
    for (int score : {1000000, 0, 0}) {
        player->AddScore(score);
        lives.push_back(player->lives);
    }
    EXPECT_EQ(std::tuple(lives, Plays(g_seExtend)), std::tuple(std::vector{3, 4, 4}, 2));
    player->Reset();
    player->AddScore(499999);
    EXPECT_EQ(player->lives, 2);
}

}  // namespace
}  // namespace playertest
