#include "actors/LightParticle.h"
#include "actors/LockOnSite.h"
#include "actors/Reseter.h"
#include "actors/ShockWave.h"
#include "tests/actors/PlayerScene.h"

#include <cmath>
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

TEST_F(PlayerShip, DashAlongOneAxisKeepsTheOtherAndSlowsDown)
{
    player->SetVelocity(0.0f, 0.05f, 0.0f);
    player->Dash(-0.7f, 0.0f);
    EXPECT_TRUE(Near(player->velocity, {-0.3f, 0.05f, 0.0f}));
    const auto rings = ObjectsOf<CShockWave>(g_effectList);
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_EQ(std::tuple(player->slowDown, Plays(g_seDash), rings[0]->size, rings[0]->dyingFrames,
                         ObjectsOf<CLightParticle>(g_effectList).at(0)->dyingFrames,
                         g_triangleParticles->particles.size()),
              std::tuple(0.9f, 1, 20.0f, 15, 30, 64u));
    EXPECT_TRUE(Near(rings[0]->rotation, {0.0f, 0.5f, 0.0f}));
    player->Dash(0.0f, 1.0f);
    player->Dash(0.3f, 0.3f);
    player->Dash(-0.3f, 0.3f);
    const auto turned = ObjectsOf<CShockWave>(g_effectList);
    EXPECT_EQ(std::tuple(turned.at(1)->rotation.z, turned.at(2)->rotation.z, turned.at(3)->rotation.z),
              std::tuple(0.5f, 0.25f, 0.75f));
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

TEST_F(PlayerShip, LostShipFliesInAgainAndIsInvulnerableForTwoSeconds)
{
    player->EnableControl();
    player->SetPosition(2.0f, 2.0f, 0.0f);
    SeedRandom(9);
    player->Die();
    SeedRandom(9);
    for (int i = 0; i < 128; ++i)
        RandomFloat();
    const float vx = RandomFloat() - 0.5f;
    const float vy = RandomFloat() - 0.5f;
    const float vz = RandomFloat() - 0.5f;
    const float speed = 0.06f + 0.14f * RandomFloat();
    const auto glows = ObjectsOf<CLightParticle>(g_effectList);
    ASSERT_EQ(std::tuple(player->state, Plays(g_sePlayerDie), glows.size()), std::tuple(STATE_DYING, 1, 32u));
    const float length = std::sqrt(vx * vx + vy * vy + vz * vz);
    EXPECT_TRUE(Near(glows[0]->velocity, Vec3{vx, vy, vz} * (speed / length), 1e-6));
    EXPECT_EQ(std::tuple(glows[0]->size, glows[0]->dyingFrames), std::tuple(0.5f, 60));
    Frames(44);
    EXPECT_EQ(player->state, STATE_DYING);
    Frame();
    EXPECT_EQ(std::tuple(player->state, player->lives, Plays(g_seEntry), player->CanShoot()),
              std::tuple(STATE_APPEARING, 1, 1, false));
    // Upside down behind the field, leaving (-3, -2, -7.5) along +x.
    Frame();
    EXPECT_LT(player->position.z, -7.4f);
    EXPECT_GT(player->position.x, -3.0f);
    EXPECT_TRUE(player->rotation.y > 0.99f && player->rotation.z == 0.0f);
    // Ninety steps of the path, the first in the frame of the respawn; it
    // comes in level along +x and stays between its start and end heights.
    float lowest = 0.0f, highest = -3.0f;
    for (int i = 0; i < 87; ++i, Frame()) {
        lowest = std::min(lowest, player->position.y);
        highest = std::max(highest, player->position.y);
    }
    EXPECT_EQ(std::tuple(player->state, lowest >= -2.5f, highest <= -2.0f), std::tuple(STATE_APPEARING, true, true));
    Frame();
    EXPECT_TRUE(Near(player->position, {0.0f, -2.5f, 0.0f}, 0.0));
    EXPECT_EQ(std::tuple(player->state, player->onEntryPath, player->IsControllable()),
              std::tuple(STATE_ACTIVE, false, true));
    Frames(119);
    EXPECT_TRUE(player->IsInvulnerable());
    Frame();
    EXPECT_FALSE(player->IsInvulnerable());
}

TEST_F(PlayerShip, LastShipLostEndsTheGameThroughAReseterAfterFourSecondsRemovedWithoutTheOtherSprites)
{
    player->EnableControl();
    player->lives = 0;
    player->StartAura();
    player->Die();
    Frames(45);
    const auto reseters = ObjectsOf<CReseter>(g_systemSpriteList);
    ASSERT_EQ(reseters.size(), 1u);
    const CReseter& reseter = *reseters[0];
    EXPECT_EQ(std::tuple(player->state, player->controlEnabled, player->HasAura(), reseter.scene, reseter.step),
              std::tuple(STATE_DEAD, false, false, -2, 0));
    for (int i = 0; i < 239; ++i)
        reseters[0]->Update();
    EXPECT_EQ(reseters[0]->state, STATE_DYING);
    reseters[0]->Update();
    EXPECT_EQ(reseters[0]->state, STATE_DEAD);
    CSprite* camera = new CSprite();
    g_systemSpriteList.push_back(camera);
    SpawnReseter(-2, 0);
    SpawnReseter(1, 3);
    g_systemSpriteList.push_back(new CSprite());
    RemoveAllReseters();
    ASSERT_EQ(g_systemSpriteList.size(), 2u);
    EXPECT_EQ(g_systemSpriteList[0], camera);
    RemoveAllReseters();
    EXPECT_EQ(g_systemSpriteList.size(), 2u);
}

}  // namespace
}  // namespace playertest
