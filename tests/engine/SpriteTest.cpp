#include "engine/Sprite.h"

#include <gtest/gtest.h>

#include <tuple>

// Motion, tweens, timers and pushes show in every scene journal; these are the bounds the plays never sit on.

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
