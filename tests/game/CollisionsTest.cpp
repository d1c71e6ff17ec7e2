#include "actors/Blade.h"
#include "actors/BladeWave.h"
#include "actors/DigitalNumber.h"
#include "actors/InvisibleCollision.h"
#include "actors/LockOnLaser.h"
#include "actors/LockOnSite.h"
#include "actors/LockedMarker.h"
#include "actors/PlayerShot.h"
#include "actors/ScoreItem.h"
#include "game/Collisions.h"
#include "tests/game/GameFixture.h"

#include <tuple>

namespace {

class CollisionsTest : public GameFixture {
protected:
    void SetUp() override
    {
        // In play: active, under control, vulnerable.
        g_player->EnableControl();
        g_player->Activate();
        g_player->SetPosition(0.0f, 0.0f, 0.0f);
        g_targetPosition = g_player->position;
        g_player->specialGauge = 0;
        world.LoadTones(kSounds);
        device.ClearRecord();
    }

    static inline int* const kSounds[] = {&g_seWarningTone, &g_seScoreItem};

    // Killed or spent: dying, or already dead when it has no dying time.
    static bool Gone(const CSprite* sprite) { return sprite->state == STATE_DYING || sprite->state == STATE_DEAD; }

    // The red (rear cone) and green (outside the field) guide lines drawn since the record was cleared.
    int LinesOfRed(float red) const
    {
        int lines = 0;
        for (const RecordedDraw& draw : device.draws)
            lines += draw.type == PrimitiveType::LineList && draw.state.material.emissive.r == red ? 1 : 0;
        return lines;
    }

    bool RearConeFor(CSprite* object)
    {
        bool rearCone = false;
        TestEnemyAgainstPlayer(object, &rearCone);
        return rearCone;
    }
};

TEST_F(CollisionsTest, ScoreItemsPayByTheHeightOfTheCatch)
{
    const std::pair<float, int> catches[] = {{4.5f, 3000}, {-4.5f, 100}, {4.375f, 3000}, {4.4f, 3000},
                                             {4.35f, 2900}, {0.0f, 1600}};
    for (const auto& [height, pay] : catches) {
        g_player->score = 0;
        g_player->SetPosition(0.0f, height, 0.0f);
        auto* item = new CScoreItem(0.0f, height, 0.0f);
        g_enemyList.push_back(item);
        EXPECT_FALSE(RearConeFor(item));
        EXPECT_EQ(g_player->score, pay) << "caught at " << height;
        EXPECT_TRUE(Gone(item));
    }
    EXPECT_EQ(ObjectsOf<CDigitalNumber>(g_effectList).size(), 6u);
    EXPECT_TRUE(world.sound.IsPlaying(static_cast<int8_t>(g_seScoreItem)));
}

TEST_F(CollisionsTest, TheRearConeLiesBehindTheShipAsItRolls)
{
    const struct {
        const char* name;
        Vec3 at;
        float roll;
        bool locked, cone;
        int red, green;  // guide lines
    } cases[] = {{"behind", {0.0f, -2.0f, 0.0f}, 0.0f, false, true, 1, 0},
                 {"ahead", {0.0f, 2.0f, 0.0f}, 0.0f, false, false, 0, 0},
                 {"behind a rolled ship", {0.0f, -2.0f, 0.0f}, 1.0f, false, false, 0, 0},
                 {"ahead of a rolled ship", {0.0f, 2.0f, 0.0f}, 1.0f, false, true, 1, 0},
                 {"behind, off the plane", {0.0f, -2.0f, 1.0f}, 0.0f, false, true, 0, 0},
                 {"behind, at the reach", {0.0f, -3.5f, 0.0f}, 0.0f, false, true, 1, 0},
                 {"behind, out of reach", {0.0f, -3.6f, 0.0f}, 0.0f, false, false, 0, 0},
                 {"outside the field", {6.0f, 0.0f, 0.0f}, 0.0f, false, false, 0, 1},
                 {"behind, controls locked", {0.0f, -2.0f, 0.0f}, 0.0f, true, false, 0, 0},
                 {"outside, controls locked", {6.0f, 0.0f, 0.0f}, 0.0f, true, false, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_player->roll = c.roll;
        g_controlLocked = c.locked;
        CEnemy* enemy = AddEnemy(c.at.x, c.at.y, 100, 100);
        enemy->position.z = c.at.z;
        device.ClearRecord();
        const bool cone = RearConeFor(enemy);
        EXPECT_EQ(std::tuple(cone, LinesOfRed(0.5f), LinesOfRed(0.0f)), std::tuple(c.cone, c.red, c.green));
    }
}

TEST_F(CollisionsTest, LaserKillsAreMultipliedUpTo500Points)
{
    // Five gauge points and five more for each halving of the multiplier down to 1.
    const struct {
        int score, multiplier, pay, gauge;
        size_t numbers;  // shown so far
    } kills[] = {{500, 64, 32000, 35, 1}, {600, 4, 600, 15, 1}};
    for (const auto& k : kills) {
        SCOPED_TRACE(k.score);
        g_player->score = g_player->specialGauge = 0;
        CEnemy* enemy = AddEnemy(0.0f, 3.0f, 20, k.score);
        enemy->iconTexture = 7;
        CLockOnLaser laser(0.0f, 3.0f, 0.0f, 0.0f, 0.1f, 0.0f, enemy->serialId, -1, k.multiplier);
        laser.power = 20;
        TestAttackAgainstEnemies(&laser);
        EXPECT_EQ(std::tuple(Gone(enemy), Gone(&laser), g_player->score, g_player->specialGauge,
                             ObjectsOf<CDigitalNumber>(g_effectList).size(), g_lastHitEnemy->iconTexture),
                  std::tuple(true, true, k.pay, k.gauge, k.numbers, 7));
    }
    EXPECT_EQ(g_player->killCount, 2);
}

TEST_F(CollisionsTest, TheOpeningShotMultipliesItsKillAndPairedShotsDoNot)
{
    const Vec3 up{0.0f, 0.5f, 0.0f};
    CEnemy* first = AddEnemy(-2.0f, 2.0f, 1, 100);
    CPlayerShot opening(-2.0f, 2.0f, 0.0f, &up, 2);
    TestAttackAgainstEnemies(&opening);
    EXPECT_EQ(std::tuple(Gone(first), g_player->score, g_player->specialGauge, Gone(&opening),
                         ObjectsOf<CDigitalNumber>(g_effectList).size()),
              std::tuple(true, 200, 40, true, 1u));

    AddEnemy(2.0f, 2.0f, 1, 100);
    CPlayerShot paired(2.0f, 2.0f, 0.0f, &up, 1);
    TestAttackAgainstEnemies(&paired);
    EXPECT_EQ(std::tuple(g_player->score, g_player->killCount, g_player->specialGauge), std::tuple(300, 2, 40));

    CEnemy* tough = AddEnemy(0.0f, -2.0f, 5, 100);
    CPlayerShot spent(0.0f, -2.0f, 0.0f, &up, 1);
    TestAttackAgainstEnemies(&spent);
    EXPECT_EQ(std::tuple(tough->hp, Gone(&spent)), std::tuple(4, true));
}

TEST_F(CollisionsTest, OneSwingOfTheBladeDamagesOnlyItsFirstEnemy)
{
    // Every contact costs energy, 64 above 160 hit points, where it also fills the gauge.
    const struct {
        int firstHp, energy, gauge;
    } cases[] = {{161, 256 - 64 - 8, 20 + 5}, {160, 256 - 8 - 8, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstHp);
        g_player->bladeEnergy = 256;
        g_player->specialGauge = 0;
        CEnemy* first = AddEnemy(0.0f, 2.0f, c.firstHp, 0);
        CEnemy* small = AddEnemy(2.0f, 2.0f, 100, 0);
        CInvisibleCollision firstVolume(0.0f, 2.0f, 0.0f, 0.5f, 50);
        CInvisibleCollision secondVolume(2.0f, 2.0f, 0.0f, 0.5f, 50);
        firstVolume.mode = secondVolume.mode = COLLISION_BLADE;
        g_player->blade->hitFlag = false;

        TestAttackAgainstEnemies(&firstVolume);
        TestAttackAgainstEnemies(&secondVolume);
        EXPECT_EQ(std::tuple(first->hp, small->hp, g_player->bladeEnergy, g_player->specialGauge, g_lastHitEnemy->hp,
                             Gone(&firstVolume), Gone(&secondVolume)),
                  std::tuple(c.firstHp - 50, 100, c.energy, c.gauge, c.firstHp - 50, true, false));
        // The hit leaves a wave where it struck, and only the hit does.
        ASSERT_EQ(g_effectList.size(), 1u);
        EXPECT_NE(dynamic_cast<CBladeWave*>(g_effectList[0]), nullptr);
        for (std::vector<CSprite*>* list : {&g_enemyList, &g_effectList}) {
            for (CSprite* sprite : *list)
                delete sprite;
            list->clear();
        }
    }
}

TEST_F(CollisionsTest, TheReticleLocksWhileHitPointsRemainForMoreLocks)
{
    CLockOnSite* reticle = g_player->reticle;
    CEnemy* enemy = AddEnemy(0.0f, 3.0f, 40, 100);
    reticle->SetPosition(0.0f, 3.0f, 0.0f);
    for (int attempt = 0; attempt < 3; ++attempt) {
        TestAttackAgainstEnemies(reticle);
        for (int frame = 0; frame < kLockInterval; ++frame)
            g_lockonSystem->CountDown();
    }
    EXPECT_EQ(std::tuple(g_lockonSystem->CountLocksOn(enemy->serialId), ObjectsOf<CLockedMarker>(g_effectList).size(),
                         g_lastHitEnemy->maxHp),
              std::tuple(2, 2u, 0));

    CEnemy* locked = AddEnemy(3.0f, 3.0f, 100, 100);
    reticle->SetPosition(3.0f, 3.0f, 0.0f);
    g_controlLocked = true;
    TestAttackAgainstEnemies(reticle);
    EXPECT_EQ(g_lockonSystem->CountLocksOn(locked->serialId), 0);
}

TEST_F(CollisionsTest, TheAuraCancelsEnemyShotsForTenGaugePoints)
{
    auto* shot = new CSprite();
    shot->hitRadius = 0.1f;
    g_enemyShotList.push_back(shot);
    g_player->auraTimer = 100;
    g_player->aura->SetPosition(3.0f, 0.0f, 0.0f);
    shot->SetPosition(3.0f, 0.0f, 0.0f);
    TestEnemyShotAgainstPlayer(shot);
    EXPECT_EQ(std::tuple(Gone(shot), g_player->specialGauge, g_player->auraHit, g_player->state),
              std::tuple(true, 10, true, STATE_ACTIVE));
}

}  // namespace
