#include "actors/DigitalNumber.h"
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

}  // namespace
