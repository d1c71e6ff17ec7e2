#include "engine/Sprite.h"

#include <gtest/gtest.h>

#include <tuple>

// The scene journals pin the motion the plays make; these are the bounds and paths no play reaches.

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

// Only one enemy kind scales pushes, and the plays never push it.
TEST(Sprite, PushesScaleTheSpinByThePushFactorAndSkipTheUnpushable)
{
    CSprite fixed, s;
    fixed.pushable = false;
    Vec3 impulse{0.5f, 0, 0}, spin{0, 0, 1};
    fixed.Push(&impulse, &spin);
    EXPECT_EQ(std::tuple(fixed.IsPushed(), spin.z), std::tuple(false, 1.0f));
    s.pushFactor = 0.5f;
    s.spin = {0, 0, 0.25f};
    s.Push(&impulse, &spin);
    // The caller's spin is scaled in place.
    EXPECT_EQ(std::tuple(spin.z, s.spin.z, s.impulse.x), std::tuple(0.5f, 0.75f, 0.5f));
}

// The journals note deaths, not where the dying drift.
TEST(Sprite, KilledOnAPathCoastsWithItsLastMovementAndSlowsDown)
{
    CSprite s;
    s.dyingFrames = 100;
    s.MoveTo(10, 0, 0, 0.1f);
    for (int i = 0; i < 3; ++i)
        s.Update();
    const float last = s.lastMovement.x, before = s.position.x;
    ASSERT_GT(last, 0.0f);
    s.Die();
    EXPECT_EQ(std::tuple(s.motionProgress, s.velocity.x), std::tuple(-1.0f, last));
    s.Update();
    EXPECT_FLOAT_EQ(s.position.x, before + last * 0.98f);
}

// No scene moves along these curves.
TEST(Sprite, CurvesSpeedUpEaseOutAndMayStopShort)
{
    CSprite fast, late, slow;
    fast.MoveCurve(10, 0, 0, 5, 5, 0, 0.05f, 0);
    fast.Update();
    EXPECT_FLOAT_EQ(fast.motionStep, 0.0125f * 1.03f);  // from a quarter of the top step
    late.MoveCurve(10, 0, 0, 5, 5, 0, 0.09375f, 3);
    for (int i = 0; i < 5; ++i)
        late.Update();
    EXPECT_EQ(late.motionStep, 0.09375f);
    late.Update();  // at 0.46875
    EXPECT_FLOAT_EQ(late.motionStep, 0.09375f * 0.97f);
    slow.MoveCurve2(10, 0, 0, 5, 5, 0, 0.005f, 1);
    for (int i = 0; i < 400; ++i)
        slow.Update();
    EXPECT_EQ(std::tuple(slow.motionProgress < 0.0f, slow.position.x < 10.0f), std::tuple(true, true));
}

// Every attack in the game moves in one sub-step.
TEST(Sprite, SubStepsSplitTheVelocityAndSpeedChangesKeepThem)
{
    CSprite s;
    s.SetVelocitySteps(0.1f, 0, 0, 2);
    EXPECT_FLOAT_EQ(s.subStepVelocity.x, 0.05f);
    s.SetSlowDown(0.5f);
    s.Update();
    EXPECT_EQ(s.subSteps, 2);
    EXPECT_FLOAT_EQ(s.subStepVelocity.x, 0.025f);
}

// A step that lands exactly on the end; the plays' steps never do.
TEST(Sprite, TweensStopBeforeApplyingTheirFinalBlend)
{
    CSprite s;
    s.TweenRotation(0, 0, 1, 0.5f);
    s.TweenVelocity(0, 2, 0, 0.5f);
    for (int i = 0; i < 3; ++i)
        s.Update();
    EXPECT_EQ(std::tuple(s.rotation.z, s.velocity.y, s.rotationTweenProgress, s.velocityTweenProgress),
              std::tuple(0.5f, 1.0f, -1.0f, -1.0f));
}

TEST(Sprite, ComputeWorldMatrixTurnsTheOffsetWithRotationAndSpin)
{
    CSprite s;
    s.SetPosition(1, 2, 3);
    s.SetRotation(0, 0, 0.25f);
    s.spin = {0, 0, 0.25f};
    Matrix world;
    s.ComputeWorldMatrix(&world, 1, 0, 0.5f);
    const Vec3 p = Vec3TransformCoord({}, world);
    EXPECT_NEAR(p.x, 1.0f, 1e-6f);
    EXPECT_NEAR(p.y, 3.0f, 1e-6f);
    EXPECT_NEAR(p.z, 3.5f, 1e-6f);
}
