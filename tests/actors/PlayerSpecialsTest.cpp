#include "actors/ColorFilter.h"
#include "actors/LightParticle.h"
#include "actors/LockOnLaser.h"
#include "engine/Random.h"
#include "tests/actors/PlayerScene.h"

#include <tuple>

namespace playertest {
namespace {

using PlayerSpecials = PlayerScene;

TEST_F(PlayerSpecials, GaugeIsCappedEachSpecialNeedsItsWeaponAndTheRaySpecialSendsSixteenLasersInTurn)
{
    player->specialGauge = 2800;
    player->AddSpecialGauge(500);
    EXPECT_EQ(player->specialGauge, 3000);
    player->AddSpecialGauge(-2001);
    EXPECT_FALSE(player->CanRaySpecial() || player->CanShotSpecial() || player->CanBladeSpecial());
    player->AddSpecialGauge(1);
    EXPECT_TRUE(player->CanRaySpecial() && player->CanShotSpecial());
    player->bladeEnabled = false;
    EXPECT_FALSE(player->CanBladeSpecial());
    player->gaugeCharging = true;
    player->specialGauge = 0;
    Frames(30);
    EXPECT_EQ(player->specialGauge, 300);
    // Armed together with the 45-frame freeze, a special runs in the first update after it.
    player->ArmRaySpecial(1);
    player->Update();
    EXPECT_EQ(Plays(g_seRaySpecial), 0);  // nothing to aim at
    const CSprite* first = AddTarget(2.0f, 3.0f, 40);
    const CSprite* second = AddTarget(-2.0f, 3.0f, 40);
    const CSprite* third = AddTarget(0.0f, 4.0f, 40);
    player->ArmRaySpecial(1);
    EXPECT_TRUE(ObjectsOf<CLockOnLaser>(g_playerAttackList).empty());
    player->Update();
    const auto lasers = ObjectsOf<CLockOnLaser>(g_playerAttackList);
    ASSERT_EQ(lasers.size(), 16u);
    const CSprite* targets[3] = {first, second, third};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(std::tuple(lasers[i]->targetId, lasers[i]->slot, lasers[i]->multiplier, lasers[i]->power),
                  std::tuple(targets[i % 3]->serialId, -1, 48, 10)) << i;
    EXPECT_EQ(std::tuple(Plays(g_seRaySpecial), player->rayAmmo), std::tuple(16, 64));
    player->Update();
    EXPECT_EQ(ObjectsOf<CLockOnLaser>(g_playerAttackList).size(), 16u);
}

TEST_F(PlayerSpecials, RaySpecialLaunchesEachLaserFromASideCoinThenThreeDraws)
{
    AddTarget(0.0f, 3.0f, 40);
    player->roll = 0.5f;  // half turns: a quarter round
    SeedRandom(77);
    player->RaySpecial();
    const auto lasers = ObjectsOf<CLockOnLaser>(g_playerAttackList);
    ASSERT_EQ(lasers.size(), 16u);
    SeedRandom(77);
    for (const CLockOnLaser* laser : lasers) {
        const int side = RandomInt(2);
        const float rx = RandomFloat();
        const float ry = RandomFloat();
        const float rz = RandomFloat();
        // Turned a quarter round: x comes from y and y from -x.
        const float x = side != 0 ? 3.0f - 2.0f * rx : 2.0f * rx - 3.0f;
        EXPECT_NEAR(laser->velocity.x, -(2.0f * ry - 4.0f), 1e-5f);
        EXPECT_NEAR(laser->velocity.y, x, 1e-5f);
        EXPECT_FLOAT_EQ(laser->velocity.z, 2.0f * rz - 1.0f);
    }
}

TEST_F(PlayerSpecials, ShotSpecialStrikesTheStrongestEnemyAheadOnce)
{
    CSprite* behind = AddTarget(0.0f, -3.0f, 2000, 100);
    CSprite* weak = AddTarget(0.5f, 3.0f, 100, 100);
    CSprite* strong = AddTarget(-1.0f, 3.0f, 640, 500);
    strong->iconTexture = 12;
    player->ArmShotSpecial(1);
    player->Update();
    EXPECT_EQ(std::tuple(strong->hp, weak->hp, behind->hp), std::tuple(640 - 320, 100, 2000));
    const CSprite& hit = *g_lastHitEnemy;
    EXPECT_EQ(std::tuple(hit.hp, hit.maxHp, hit.iconTexture), std::tuple(320, 640, 12));
    EXPECT_EQ(std::tuple(Plays(g_seShotSpecial), Plays(g_seLaserHit), player->muzzleFlashFrames), std::tuple(1, 1, 5));
    EXPECT_EQ(std::tuple(ObjectsOf<CLightParticle>(g_effectList).size(), g_triangleParticles->particles.size(),
                         ObjectsOf<CColorFilter>(g_overlayList).size()),
              std::tuple(63u, 64u, 1u));
    // The strike knocks the target away from the ship.
    EXPECT_LT(strong->impulse.x, 0.0f);
    EXPECT_GT(strong->impulse.y, 0.0f);
    EXPECT_EQ(player->score, 0);
    player->ArmShotSpecial(1);
    player->Update();
    EXPECT_EQ(std::tuple(strong->state, player->score, player->killCount), std::tuple(STATE_DYING, 500, 1));
}

TEST_F(PlayerSpecials, EqualStrengthTiesCompareAgainstTheWholeUnitsOfTheBestDistance)
{
    // Distances from the point one unit ahead: 2.7 first, then 2.2.
    CSprite* farther = AddTarget(0.0f, 3.7f, 200);
    CSprite* nearer = AddTarget(0.0f, 3.2f, 200);
    player->ShotSpecial();
    EXPECT_EQ(std::tuple(farther->hp, nearer->hp), std::tuple(0, 200));
}

TEST_F(PlayerSpecials, ShotSpecialWithNothingAheadOrAScorelessKillPaysNothing)
{
    AddTarget(4.0f, 0.5f, 200);
    player->ShotSpecial();
    EXPECT_TRUE(g_effectList.empty());
    EXPECT_EQ(Plays(g_seShotSpecial), 0);
    CSprite* worthless = AddTarget(0.0f, 2.0f, 200, 0);
    player->ShotSpecial();
    EXPECT_EQ(worthless->state, STATE_DYING);
    EXPECT_EQ(player->killCount, 0);
}

TEST_F(PlayerSpecials, StrikingATargetAlreadyGoingDownPaysNoSecondTime)
{
    CSprite* boss = AddTarget(0.0f, 3.0f, 3000, 50000);
    boss->Die();
    boss->hp = 200;
    player->ShotSpecial();
    EXPECT_EQ(std::tuple(boss->hp, boss->state, ObjectsOf<CLightParticle>(g_effectList).size(), player->score,
                         player->killCount),
              std::tuple(0, STATE_DYING, 63u, 0, 0));
}

TEST_F(PlayerSpecials, AuraLastsSixSecondsWithSmokeOnEvenFramesAndCancelsShotsItTouches)
{
    player->SetPosition(1.0f, -1.0f, 0.0f);
    player->ArmBladeSpecial(1);
    Frame();
    EXPECT_EQ(std::tuple(player->HasAura(), player->auraTimer, player->aura->position.x, player->aura->hitRadius),
              std::tuple(true, 359, 1.0f, 1.5f));
    Frames(9);
    EXPECT_EQ(g_pointParticles->particles.size(), 5u);
    // What the frame pass does with an enemy shot inside the aura.
    CSprite shot;
    shot.SetPosition(1.0f, 0.4f, 0.0f);
    ASSERT_TRUE(HitTest(&shot, player->aura));
    shot.Die();
    player->AddSpecialGauge(10);
    player->auraHit = true;
    player->EnableControl();
    player->Activate();
    player->Draw();
    EXPECT_FALSE(player->auraHit);
    Frames(349);
    EXPECT_TRUE(player->HasAura());
    Frame();
    EXPECT_FALSE(player->HasAura());
    player->StartAura();
    player->DisableControl();
    EXPECT_FALSE(player->HasAura());
}

}  // namespace
}  // namespace playertest
