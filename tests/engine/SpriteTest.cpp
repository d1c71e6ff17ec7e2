#include "engine/Sprite.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Floats = std::vector<float>;

// Counts the hooks the base calls through the virtual table.
class Probe : public CSprite {
public:
    void OnStart() override { starts++; }
    void OnArrived() override { arrivals++; }
    void OnStopped() override { stops++; }
    void OnTopSpeed() override { topSpeeds++; }
    void SetPosition(float x, float y, float z) override
    {
        positionSets++;
        CSprite::SetPosition(x, y, z);
    }
    int starts = 0, arrivals = 0, stops = 0, topSpeeds = 0, positionSets = 0;
};

void UpdateFrames(CSprite& s, int frames)
{
    for (int i = 0; i < frames; i++)
        s.Update();
}

Floats Of(const Vec3& v) { return {v.x, v.y, v.z}; }

}  // namespace

TEST(Sprite, NewSpritesTakeIncreasingSerialIds)
{
    CSprite a, b;
    EXPECT_EQ(std::tuple(b.serialId, g_spriteSerial, a.state, a.motionProgress),
              std::tuple(a.serialId + 1, b.serialId + 1, STATE_ACTIVE, -1.0f));
    EXPECT_TRUE(a.IsStill());
    a.SetVelocity(0.5f, -0.25f, 0.125f);
    EXPECT_FALSE(a.IsStill());
    a.Update();
    EXPECT_EQ(Of(a.position), Floats({0.5f, -0.25f, 0.125f}));
}

TEST(Sprite, StartDelayOnlyDriftsByImpulseThenRunsTheWholeUpdate)
{
    Probe s;
    s.SetWait(3);
    s.SetVelocity(1, 0, 0);
    s.impulse = {0, 1, 0};
    s.lifeFrames = s.lifeLeft = 5;
    UpdateFrames(s, 2);
    EXPECT_FLOAT_EQ(s.position.y, 1.95f);
    EXPECT_EQ(std::tuple(s.position.x, s.lifeLeft, s.starts, s.IsWaiting()), std::tuple(0.0f, 5, 0, true));
    s.Update();
    EXPECT_EQ(std::tuple(s.position.x, s.lifeLeft, s.starts, s.IsWaiting(), s.age), std::tuple(1.0f, 4, 1, false, 3));
}

TEST(Sprite, MoveToFollowsHermiteAndLandsExactlyOnTheEnd)
{
    Probe s;
    s.SetPosition(0, 0, 0);
    s.MoveTo(4, 2, 0, 0.25f);
    for (float x : {0.0f, 4 * 0.15625f, 2.0f}) {
        s.Update();
        EXPECT_FLOAT_EQ(s.position.x, x);
        EXPECT_EQ(s.arrivals, 0);
    }
    s.Update();
    EXPECT_EQ(Of(s.position), Floats({4, 2, 0}));
    // Motion writes the position directly; only the velocity step goes through SetPosition.
    EXPECT_EQ(std::tuple(s.arrivals, s.motionProgress, s.positionSets), std::tuple(1, -1.0f, 1 + 4));
}

TEST(Sprite, CurvesEaseOutShortOfTheirEndOrSpeedUpAndArrive)
{
    Probe slow, fast;
    slow.MoveCurve2(10, 0, 0, 5, 5, 0, 0.005f, 1);
    UpdateFrames(slow, 10);
    EXPECT_EQ(slow.motionStep, 0.005f) << "no easing early on";
    UpdateFrames(slow, 4990);
    EXPECT_LT(slow.motionProgress, 0.0f);
    EXPECT_EQ(slow.arrivals, 0);
    EXPECT_LT(slow.position.x, 10.0f);
    const float stopped = slow.position.x;
    UpdateFrames(slow, 10);
    EXPECT_EQ(slow.position.x, stopped);
    // Mode 0 starts at a quarter of its top step.
    fast.MoveCurve(10, 0, 0, 5, 5, 0, 0.05f, 0);
    EXPECT_EQ(fast.motionStep, 0.0125f);
    UpdateFrames(fast, 2000);
    EXPECT_EQ(std::tuple(fast.arrivals, fast.position.x), std::tuple(1, 10.0f));
}

TEST(Sprite, TweensStopBeforeApplyingTheirFinalBlend)
{
    CSprite s;
    s.TweenRotation(0, 0, 1, 0.5f);
    s.TweenVelocity(0, 2, 0, 0.5f);
    UpdateFrames(s, 3);
    EXPECT_EQ(Floats({s.rotation.z, s.velocity.y, s.rotationTweenProgress, s.velocityTweenProgress}),
              Floats({0.5f, 1.0f, -1.0f, -1.0f}));
    s.SetRotation(0, 0, 0);
    s.TweenRotation(0, 0, 1, 0.5f);
    s.SetRotation(1, 0, 0);
    s.Update();
    EXPECT_EQ(s.rotation.x, 1.0f) << "SetRotation cancels the tween";
}

TEST(Sprite, PushRules)
{
    CSprite fixed, s;
    fixed.pushable = false;
    fixed.MoveTo(1, 0, 0, 0.1f);
    Vec3 impulse{0.5f, 0, 0}, spin{0, 0, 1};
    fixed.Push(&impulse, &spin);
    EXPECT_EQ(std::tuple(fixed.motionProgress, fixed.IsPushed(), spin.z), std::tuple(0.0f, false, 1.0f));
    s.pushFactor = 0.5f;
    s.MoveTo(1, 0, 0, 0.1f);
    s.TweenRotation(0, 0, 1, 0.1f);
    s.TweenVelocity(1, 0, 0, 0.1f);
    s.impulse = {9, 9, 9};
    s.spin = {0, 0, 0.25f};
    s.Push(&impulse, &spin);
    // The caller's spin is scaled in place.
    EXPECT_EQ(Floats({spin.z, s.spin.z}), Floats({0.5f, 0.75f}));
    EXPECT_EQ(Of(s.impulse), Floats({0.5f, 0, 0}));
    EXPECT_EQ(Floats({s.motionProgress, s.rotationTweenProgress, s.velocityTweenProgress}), Floats(3, -1.0f));
    EXPECT_TRUE(s.IsPushed());
    // The impulse decays by 0.95 a frame and snaps to zero once small.
    UpdateFrames(s, 300);
    EXPECT_FALSE(s.IsPushed());
    EXPECT_EQ(s.spin.z, 0.0f);
}

TEST(Sprite, OffViewBoundsDependOnDepthAndMargin)
{
    struct Case {
        Vec3 p;
        bool narrow, dies;
    };
    const Case cases[] = {
        {{10, 0, 0}, false, false}, {{10.01f, 0, 0}, false, true}, {{0, -10.01f, 0}, false, true},
        {{6, 6, 0}, true, false},   {{0, 6.01f, 0}, true, true},   {{-30, 30, 40}, false, false},
        {{30.1f, 0, 40}, false, true}, {{0, -26, 40}, true, false}, {{0, -26.1f, 40}, true, true},
        {{0, 0, 40.01f}, false, true}, {{0, 0, -10.01f}, true, true}, {{0, 0, -10}, false, false},
    };
    for (const Case& c : cases) {
        CSprite s;
        s.dieOffView = true;
        s.narrowMargin = c.narrow;
        s.SetPosition(c.p.x, c.p.y, c.p.z);
        s.Update();
        EXPECT_EQ(std::tuple(s.leftView, s.state), std::tuple(c.dies, c.dies ? STATE_DEAD : STATE_ACTIVE))
            << c.p.x << ' ' << c.p.y << ' ' << c.p.z << " narrow " << c.narrow;
    }
    CSprite dying;
    dying.dieOffView = true;
    dying.dyingFrames = 10;
    dying.Die();
    dying.SetPosition(100, 0, 0);
    dying.Update();
    EXPECT_EQ(std::tuple(dying.leftView, dying.dyingLeft), std::tuple(false, 9));
}

TEST(Sprite, IsInViewAndHitTestBoundaries)
{
    CSprite s, a, b;
    for (const Vec3& p : {Vec3{5, 5, 0}, Vec3{5.01f, 0, 0}, Vec3{0, 0, 40.01f}}) {
        s.SetPosition(p.x, p.y, p.z);
        EXPECT_EQ(s.IsInView(), p.x == 5.0f) << p.x << ' ' << p.z;
    }
    a.hitRadius = 0.1f;
    b.hitRadius = 0.5f;
    b.SetPosition(0.3f, 0.4f, 0);
    EXPECT_TRUE(HitTest(&a, &b));
    b.SetPosition(0.3f, 0.41f, 0);
    EXPECT_FALSE(HitTest(&a, &b));
    b.SetPosition(0, 0.5f, 0);
    a.appearFrames = 5;
    a.Appear();
    EXPECT_FALSE(HitTest(&a, &b));
    a.Activate();
    EXPECT_TRUE(HitTest(&b, &a));
    b.dyingFrames = 5;
    b.Die();
    EXPECT_FALSE(HitTest(&a, &b));
}

TEST(Sprite, TimersRunInOrderOnTheCurrentStateAndDamageKills)
{
    CSprite s, quick, hit;
    s.appearFrames = s.dyingFrames = 2;
    s.lifeFrames = s.lifeLeft = 2;
    s.Appear();
    EXPECT_EQ(s.state, STATE_APPEARING);
    for (int expected : {STATE_APPEARING, STATE_ACTIVE, STATE_ACTIVE, STATE_DYING, STATE_DYING, STATE_DEAD}) {
        s.Update();
        EXPECT_EQ(s.state, expected) << "age " << s.age;
    }
    EXPECT_EQ(s.dyingLeft, 0);
    quick.Appear();
    EXPECT_EQ(quick.state, STATE_ACTIVE);
    for (int i = 0; i < 2; ++i) {
        quick.Die();
        EXPECT_EQ(quick.state, STATE_DEAD);
    }
    // Damage clamps at zero and kills.
    hit.hp = 30;
    hit.dyingFrames = 20;
    hit.Damage(10);
    EXPECT_EQ(std::tuple(hit.hp, hit.state), std::tuple(20, STATE_ACTIVE));
    hit.Damage(50);
    EXPECT_EQ(std::tuple(hit.hp, hit.state, hit.dyingLeft, hit.DyingRatio(), hit.LifeRatio()),
              std::tuple(0, STATE_DYING, 20, 1.0, 0.0));
}

TEST(Sprite, KilledOnAPathCoastsWithItsLastMovement)
{
    CSprite s;
    s.dyingFrames = 100;
    s.MoveTo(10, 0, 0, 0.1f);
    UpdateFrames(s, 3);
    const Vec3 last = s.lastMovement;
    ASSERT_GT(last.x, 0.0f);
    s.Die();
    EXPECT_EQ(Floats({s.motionProgress, s.velocity.x}), Floats({-1.0f, last.x}));
    const float before = s.position.x;
    s.Update();
    EXPECT_FLOAT_EQ(s.position.x, before + last.x * 0.98f);
}

TEST(Sprite, SlowDownAndSpeedUpEndWithTheirHooks)
{
    Probe slow, fast;
    slow.SetVelocitySteps(0.1f, 0, 0, 4);
    slow.TweenVelocity(5, 0, 0, 0.01f);
    slow.SetSlowDown(0.5f);
    slow.Update();
    EXPECT_EQ(slow.velocityTweenProgress, -1.0f) << "slowing down cancels a velocity tween";
    EXPECT_FLOAT_EQ(slow.subStepVelocity.x, 0.05f / 4);
    UpdateFrames(slow, 5);
    EXPECT_EQ(std::tuple(slow.stops, slow.velocity.x, slow.slowDown, slow.subSteps), std::tuple(1, 0.0f, 0.0f, 4));
    fast.SetVelocity(0.1f, 0, 0);
    fast.SetSpeedUp(2.0f, 0.5f);
    UpdateFrames(fast, 2);
    EXPECT_EQ(fast.topSpeeds, 0);
    fast.Update();
    EXPECT_FLOAT_EQ(fast.velocity.x, 0.8f);
    EXPECT_EQ(std::tuple(fast.topSpeeds, fast.speedUp), std::tuple(1, 0.0f));
}

TEST(Sprite, WorldMatrixRotatesXThenYThenZThenMovesAfterTheOffset)
{
    CSprite s;
    s.SetPosition(1, 2, 3);
    s.Translate(0, 1, -1);
    s.SetRotation(0, 0, 0.25f);
    s.spin = {0, 0, 0.25f};
    Matrix world, offset;
    s.GetWorldMatrix(&world);
    s.GetWorldMatrixEx(&offset, 0.5f, 0, 0, 0, 1, 0);
    const Vec3 p = Vec3TransformCoord({1, 0, 0}, world), q = Vec3TransformCoord({0, 0, 0}, offset);
    EXPECT_NEAR(Vec3Length(p - Vec3{1, 4, 2}), 0.0f, 1e-6f);
    EXPECT_NEAR(Vec3Length(q - Vec3{1, 3, 3}), 0.0f, 1e-6f);
}
