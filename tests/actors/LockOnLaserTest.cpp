#include "EnemySideFixture.h"

#include "actors/LightParticle.h"
#include "actors/LockOnLaser.h"
#include "actors/LockedMarker.h"
#include "actors/Player.h"
#include "engine/VectorHelpers.h"

#include <algorithm>
#include <tuple>

namespace {

class LockOnLaserTest : public EnemySideFixture {
protected:
    // A laser fired from slot 0 of a lock on target.
    CLockOnLaser* FireAt(CEnemy* target, const Vec3& launch)
    {
        const int slot = lockon->Lock(target->serialId);
        lockon->fired[slot] = 1;
        auto* laser = new CLockOnLaser(0.0f, 0.0f, 0.0f, launch.x, launch.y, launch.z, target->serialId, slot, 4);
        g_playerAttackList.push_back(laser);
        return laser;
    }

    static float Speed(const CSprite& s) { return Vec3Length(s.velocity); }
};

TEST_F(LockOnLaserTest, AVolleyHomesInWithinItsSpeedCapsAndTakesTheMultipliersInOrder)
{
    auto ship = std::make_unique<CPlayer>();  // at the origin, its locks released
    std::vector<CEnemy*> targets;
    for (int i = 0; i < 6; ++i) {
        targets.push_back(AddEnemy(-3.0f + static_cast<float>(i), 4.0f, 0.0f));
        lockon->Lock(targets.back()->serialId);
    }
    ship->FireRay();
    ship.reset();
    const std::vector<CLockOnLaser*> lasers = ObjectsOf<CLockOnLaser>(g_playerAttackList);
    ASSERT_EQ(lasers.size(), 6u);
    std::vector<float> closest(6, 100.0f);
    for (int age = 1; age <= 120; ++age) {
        for (size_t i = 0; i < lasers.size(); ++i) {
            lasers[i]->Update();
            const float cap = age >= 12 && age <= 18 ? 0.2f : 0.5f;
            EXPECT_LE(Speed(*lasers[i]), cap * 1.000001f) << "age " << age;
            closest[i] = std::min(closest[i], Distance(&lasers[i]->position, &targets[i]->position));
        }
    }
    const int multipliers[6] = {4, 8, 16, 32, 64, 64};
    for (size_t i = 0; i < lasers.size(); ++i) {
        EXPECT_EQ(std::tuple(lasers[i]->multiplier, lasers[i]->targetId, lasers[i]->power, closest[i] < 0.5f),
                  std::tuple(multipliers[i], targets[i]->serialId, 20, true));
    }
}

TEST_F(LockOnLaserTest, TheLaunchMovesItOnceThenItIsHeldBackFromAgeTwelveToEighteenAndTurnsAtOnceFromSixty)
{
    CLockOnLaser& laser = *FireAt(AddEnemy(0.0f, 30.0f, 0.0f), Vec3{0.0f, 3.0f, 0.0f});
    laser.Update();
    EXPECT_FLOAT_EQ(laser.position.y, 3.0f);
    EXPECT_FLOAT_EQ(Speed(laser), 0.5f);
    for (int age = 2; age <= 11; ++age)
        laser.Update();
    EXPECT_FLOAT_EQ(laser.position.y, 8.0f);
    laser.Update();  // age 12: cut to 0.2
    EXPECT_FLOAT_EQ(Speed(laser), 0.2f);
    for (int age = 13; age <= 18; ++age)
        laser.Update();
    EXPECT_FLOAT_EQ(Speed(laser), 0.2f);
    laser.Update();  // age 19: free again, gaining the steering step per frame
    EXPECT_NEAR(Speed(laser), 0.3f, 1e-6);
    EXPECT_FLOAT_EQ(laser.trail[1].y, laser.position.y - 0.2f);
    CEnemy* far = AddEnemy(0.0f, 10.0f, 0.0f);
    CLockOnLaser late(0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f, far->serialId, 0, 4);
    late.age = 58;
    late.Update();  // age 59: a step of 0.1 across
    EXPECT_LT(late.velocity.y, 0.11f);
    late.Update();  // age 60: a step of 1.0 toward the target
    EXPECT_GT(late.velocity.y, 0.4f);
}

TEST_F(LockOnLaserTest, ALaserThatLostItsTargetFliesOnAndVanishesOneDyingOnItFreesItsSlotAndBursts)
{
    CEnemy* enemy = AddEnemy(0.0f, 5.0f, 0.0f);
    CLockOnLaser& laser = *FireAt(enemy, Vec3{0.0f, 0.5f, 0.0f});
    const float firstDraw = ReferenceDraws(1)[0];
    enemy->Die();  // a dying target is lost; its death has freed the slot
    EXPECT_EQ(lockon->active[0], 0);
    laser.Update();
    EXPECT_FLOAT_EQ(Speed(laser), 0.6f);
    laser.Update();
    laser.Update();
    EXPECT_FLOAT_EQ(Speed(laser), 0.7f);
    float lastY = laser.position.y;
    while (laser.state == STATE_ACTIVE) {
        lastY = laser.position.y;
        laser.Update();
    }
    EXPECT_EQ(std::tuple(lastY <= 10.0f, laser.position.y > 10.0f, laser.leftView, sparks.particles.size(),
                         g_effectList.size(), RandomFloat()),
              std::tuple(true, true, true, 0u, 0u, firstDraw));
    CEnemy* target = AddEnemy(0.0f, 5.0f, 0.0f);
    CLockOnLaser& hit = *FireAt(target, Vec3{0.0f, 3.0f, 0.0f});
    g_effectList.push_back(new CLockedMarker(target->serialId, 0));
    hit.Update();
    hit.Update();
    const Vec3 at = hit.position;
    const std::vector<float> draws = ReferenceDraws(7);
    hit.Die();
    EXPECT_EQ(std::tuple(lockon->active[0], g_effectList[0]->state), std::tuple(0, STATE_DEAD));
    // 2 sparks at each of the 16 trail points (the oldest still the launch point), then 16 along the flight.
    ASSERT_EQ(sparks.particles.size(), 48u);
    EXPECT_TRUE(Near(sparks.particles[0].velocity, {-0.01f + 0.02f * draws[0], -0.01f + 0.02f * draws[1], 0.0f}));
    EXPECT_FLOAT_EQ(sparks.particles[1].velocity.x, -0.01f + 0.02f * draws[5]);
    EXPECT_EQ(sparks.particles[31].position.y, 0.0f);
    auto* glow = dynamic_cast<CLightParticle*>(g_effectList.at(1));
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(std::tuple(glow->size, glow->dyingFrames, glow->position.y), std::tuple(5.0f, 30, at.y));
    for (int i = 0; i < 29; ++i)
        hit.Update();
    EXPECT_EQ(std::tuple(hit.position.y, hit.state), std::tuple(at.y, STATE_DYING));  // stands while its trail fades
    hit.Update();
    EXPECT_EQ(hit.state, STATE_DEAD);
    // A special laser holds no slot; a slot taken by another target is left alone.
    lockon->ReleaseAll();
    lockon->Lock(target->serialId);
    CLockOnLaser special(0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, target->serialId, -1, 48);
    EXPECT_EQ(special.power, 10);
    special.Die();
    CLockOnLaser stale(0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, target->serialId + 1, 0, 4);
    stale.Die();
    EXPECT_EQ(lockon->active[0], 1);
}

TEST_F(LockOnLaserTest, HitsSoundBelowDepthTwentyAFullLockKnocksBackAndTrailsFadeAlongTheirLength)
{
    CEnemy* enemy = AddEnemy(2.0f, 0.0f, 0.0f);
    struct Hit { float z; int slot, multiplier; bool fullLock; int* sound; };
    const Hit hits[] = {{0.0f, -1, 48, false, &g_seLaserHit}, {0.0f, 0, 4, false, &g_seLaserHit2},
                        {20.0f, 0, 4, false, nullptr}, {0.0f, 0, 4, true, &g_seLaserHit3}};
    for (const Hit& hit : hits) {
        CLockOnLaser laser(0.0f, 0.0f, hit.z, 0.5f, 0.0f, 0.0f, enemy->serialId, hit.slot, hit.multiplier);
        laser.fullLock = hit.fullLock;
        laser.OnHit(enemy);
        EXPECT_TRUE(hit.sound == nullptr || Played(*hit.sound)) << hit.multiplier;
        EXPECT_FALSE(AnyPlayed()) << hit.z;
        EXPECT_EQ(enemy->IsPushed(), hit.fullLock);
    }
    EXPECT_FLOAT_EQ(enemy->impulse.x, 0.05f);
    // (-0.05, 0, 0) turned by the heading of +x, three quarters of a turn.
    EXPECT_TRUE(Near(enemy->spin, {0.0f, 0.05f, 0.0f}, 1e-8));
    CLockOnLaser laser(0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, -1, 0, 4);
    laser.Draw();
    ASSERT_EQ(device.draws.size(), 5u);  // a thick strip
    const RecordedDraw& strip = device.draws[0];
    // Alphas 255, 255 × 15/16 ... 255 × 1/16 along the trail.
    EXPECT_EQ(std::tuple(strip.primitiveCount, strip.colorVertices[0].color >> 24, strip.colorVertices[1].color >> 24,
                         strip.colorVertices[15].color >> 24, strip.state.material.emissive.r,
                         strip.state.material.emissive.b),
              std::tuple(15, 255u, 239u, 15u, 0.5f, 1.0f));
    laser.Die();
    for (int i = 0; i < 15; ++i)
        laser.Update();
    laser.fullLock = true;
    device.ClearRecord();
    laser.Draw();
    const RecordedDraw& fading = device.draws.at(0);
    // Half its dying time left; a full lock's colour.
    EXPECT_EQ(std::tuple(fading.colorVertices[0].color >> 24, fading.state.material.emissive.r,
                         fading.state.material.emissive.g),
              std::tuple(127u, 1.0f, 0.25f));
    CLockOnLaser special(0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, -1, -1, 48);
    device.ClearRecord();
    special.Draw();
    EXPECT_EQ(std::tuple(device.draws.at(0).state.material.emissive.g, device.draws.at(0).state.material.emissive.r),
              std::tuple(1.0f, 0.5f));
}

}  // namespace
