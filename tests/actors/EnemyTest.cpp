#include "EnemySideFixture.h"

#include "actors/Bomb.h"
#include "actors/LockOnSite.h"
#include "actors/LockedMarker.h"

#include <cmath>
#include <tuple>

namespace {

// The smallest kind: it explodes in one of the two shared ways when removed.
class TestKind : public CEnemy {
public:
    explicit TestKind(bool withGround) : withGround(withGround) {}
    void Remove() override
    {
        CSprite::Remove();
        if (withGround)
            ExplodeWithGround();
        else
            Explode();
    }
    virtual void SetPhase(int) {}

    bool withGround;
};

class EnemyTest : public EnemySideFixture {
protected:
    // Where +y points after a turn of r half-turns.
    static void ExpectFacing(const CEnemy& enemy, double r)
    {
        EXPECT_NEAR(enemy.facing.x, -std::sin(r * M_PI), 1e-6);
        EXPECT_NEAR(enemy.facing.y, std::cos(r * M_PI), 1e-6);
    }
};

TEST_F(EnemyTest, TurnsTowardThePlayerOrAlongItsMotionByFourPercentOfTheGapTheShortWayRound)
{
    CEnemy* enemy = AddEnemy(0.0f, 2.0f, 0.0f);
    g_targetPosition = Vec3{-3.0f, 2.0f, 0.0f};  // heading 0.5
    enemy->Update();
    EXPECT_FLOAT_EQ(enemy->rotation.z, 0.02f);
    ExpectFacing(*enemy, 0.02);
    enemy->rotation.z = 0.45f;  // a step below the minimum is raised to it
    enemy->Update();
    EXPECT_FLOAT_EQ(enemy->rotation.z, 0.45f + 0.0025f);
    enemy->rotation.z = 0.498f;  // the last bit snaps
    enemy->Update();
    EXPECT_FLOAT_EQ(enemy->rotation.z, 0.5f);
    // Heading 1.9 from 0: up to 2 first, then down toward 1.9.
    g_targetPosition =
        Vec3{static_cast<float>(std::sin(0.1 * M_PI)), static_cast<float>(2.0 + std::cos(0.1 * M_PI)), 0.0f};
    enemy->rotation.z = 0.0f;
    enemy->Update();
    EXPECT_NEAR(enemy->rotation.z, 2.0f - 0.1f * 0.04f, 1e-5);
    enemy->rotation.z = 0.0f;
    enemy->appearFrames = 5;
    enemy->Appear();
    enemy->Update();
    EXPECT_EQ(enemy->rotation.z, 0.0f);  // only an active enemy turns
    CEnemy* mover = AddEnemy(0.0f, 0.0f, 0.0f);
    mover->facePlayer = false;
    mover->rotation.z = 0.5f;
    g_targetPosition = Vec3{0.0f, -3.0f, 0.0f};
    mover->Update();  // standing still: no turn, facing rebuilt
    EXPECT_FLOAT_EQ(mover->rotation.z, 0.5f);
    ExpectFacing(*mover, 0.5);
    mover->rotation.z = 0.0f;
    mover->SetVelocity(0.1f, 0.0f, 0.0f);  // heading 1.5: the short way is down from 2
    mover->Update();
    EXPECT_FLOAT_EQ(mover->rotation.z, 2.0f - 0.5f * 0.04f);
    CEnemy* aimed = AddEnemy(1.0f, 1.0f, 0.0f);
    aimed->facing.z = 0.25f;
    g_targetPosition = Vec3{1.0f, -2.0f, 0.0f};
    aimed->FacePlayer();
    EXPECT_FLOAT_EQ(aimed->rotation.z, 1.0f);
    EXPECT_TRUE(Near(aimed->facing, {0.0f, -3.0f, 0.25f}));
}

TEST_F(EnemyTest, LeavesForAnEdgePointInTwoHundredFortyFramesAndShootsOnlyInViewNotKnockedBack)
{
    const std::vector<float> draws = ReferenceDraws(4);
    CEnemy* enemy = AddEnemy(0.0f, 0.0f, 0.0f);
    enemy->Leave();
    // Side coin, the point along the edge, end coin, the depth beyond it.
    const bool alongY = static_cast<int>(draws[0] * 2.0f) != 0;
    const bool lowEnd = static_cast<int>(draws[2] * 2.0f) != 0;
    const float along = draws[1] * 20.0f - 10.0f;
    const float beyond = lowEnd ? draws[3] * 5.0f - 15.0f : 15.0f - draws[3] * 5.0f;
    EXPECT_FLOAT_EQ(enemy->motionEnd.x, alongY ? beyond : along);
    EXPECT_FLOAT_EQ(enemy->motionEnd.y, alongY ? along : beyond);
    for (int i = 0; i < 235; ++i)
        enemy->Update();
    EXPECT_GE(enemy->motionProgress, 0.0f);
    for (int i = 0; i < 6; ++i)
        enemy->Update();
    EXPECT_EQ(enemy->position.x, enemy->motionEnd.x);
    CEnemy* shooter = AddEnemy(5.0f, 5.0f, 0.0f);
    EXPECT_TRUE(shooter->CanShoot());
    shooter->SetPosition(5.01f, 0.0f, 0.0f);
    EXPECT_FALSE(shooter->CanShoot());
    shooter->SetPosition(0.0f, 0.0f, 0.0f);
    Vec3 knock{0.1f, 0.0f, 0.0f};
    Vec3 spin{};
    shooter->Push(&knock, &spin);
    EXPECT_FALSE(shooter->CanShoot());
}

TEST_F(EnemyTest, DyingFreesItsLocksAndMarkersAtOnce)
{
    CEnemy* enemy = AddEnemy(0.0f, 0.0f, 0.0f);
    CEnemy* other = AddEnemy(1.0f, 0.0f, 0.0f);
    for (CEnemy* target : {enemy, other, enemy}) {
        g_effectList.push_back(new CLockedMarker(target->serialId, lockon->Lock(target->serialId)));
        lockon->intervalCounter = 0;
    }
    enemy->dyingFrames = 20;
    enemy->Die();
    EXPECT_EQ(std::tuple(enemy->state, lockon->CountLocksOn(enemy->serialId), lockon->CountLocksOn(other->serialId)),
              std::tuple(STATE_DYING, 0, 1));
    EXPECT_EQ(std::tuple(g_effectList[0]->state, g_effectList[1]->state, g_effectList[2]->state),
              std::tuple(STATE_DEAD, STATE_ACTIVE, STATE_DEAD));
}

TEST_F(EnemyTest, TheReticleCatchesADeepEnemyOnScreenAndAKilledKindExplodesButAnEscapedOneDoesNot)
{
    // Camera mode 45: eye at z -10, vertical field of view 0.9299114 rad, square aspect.
    const double focal = 1.0 / std::tan(0.9299114 / 2.0);
    CEnemy* enemy = AddEnemy(4.0f, 2.0f, 30.0f);
    EXPECT_NEAR(enemy->projectedPosition.x, 5.0 * 4.0 * focal / 40.0, 1e-4);
    EXPECT_NEAR(enemy->projectedPosition.y, 5.0 * 2.0 * focal / 40.0, 1e-4);
    EXPECT_NEAR(enemy->projectedPosition.z, 1000.0 / 999.0 * (1.0 - 1.0 / 40.0) - 1.0, 1e-4);
    CLockOnSite reticle;  // radius 1
    reticle.SetPosition(enemy->projectedPosition.x + 0.9f, enemy->projectedPosition.y, 0.0f);
    EXPECT_EQ(std::tuple(HitTestEnemy(enemy, &reticle), HitTest(enemy, &reticle)), std::tuple(true, false));
    reticle.SetPosition(enemy->projectedPosition.x + 1.1f, enemy->projectedPosition.y, 0.0f);
    EXPECT_FALSE(HitTestEnemy(enemy, &reticle));
    reticle.SetPosition(enemy->projectedPosition.x, enemy->projectedPosition.y, 0.0f);
    reticle.state = STATE_DYING;
    EXPECT_FALSE(HitTestEnemy(enemy, &reticle));
    reticle.state = STATE_ACTIVE;
    enemy->state = STATE_APPEARING;
    EXPECT_FALSE(HitTestEnemy(enemy, &reticle));
    TestKind near(false);
    near.SetPosition(1.0f, 2.0f, 0.0f);
    near.Remove();
    auto* bomb = dynamic_cast<CBomb*>(g_effectList.at(0));
    ASSERT_NE(bomb, nullptr);
    EXPECT_EQ(std::tuple(bomb->size, bomb->position.y, Played(g_seEnemyExplode)), std::tuple(5, 2.0f, true));
    EXPECT_TRUE(Near(bomb->velocity, {0.0f, -0.3f, -0.1f}));
    TestKind deep(false);
    deep.SetPosition(0.0f, 0.0f, 20.0f);
    deep.Remove();
    // Heard only nearer than 20.
    EXPECT_EQ(std::tuple(g_effectList.size(), Played(g_seEnemyExplode)), std::tuple(2u, false));
    TestKind grounded(true);
    grounded.SetPosition(0.0f, 0.0f, 25.0f);
    grounded.Remove();
    // Carried with the level ground, and always heard.
    EXPECT_EQ(std::tuple(g_effectList.at(2)->velocity.z, Played(g_seEnemyExplode)), std::tuple(-0.5f, true));
    for (bool withGround : {false, true}) {
        TestKind escaped(withGround);
        escaped.leftView = true;
        escaped.Remove();
    }
    EXPECT_EQ(std::tuple(g_effectList.size(), AnyPlayed()), std::tuple(3u, false));
}

}  // namespace
