#include "actors/LightParticle.h"
#include "tests/actors/PlayerScene.h"

#include <tuple>

namespace playertest {
namespace {

using PlayerSpecials = PlayerScene;

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

}  // namespace
}  // namespace playertest
