#include "game/ControlMapping.h"

#include "actors/Blade.h"
#include "engine/AssetLists.h"
#include "engine/InputControler.h"
#include "tests/common/TestWorld.h"
#include "tests/game/ProgramRun.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using S = InputState;

class ControlMappingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_input = &input;
        g_player->EnableControl();
        g_player->reloadTimer = 0;
        g_player->bladeReloadTimer = 0;
        g_player->age = 100;
        world.LoadTones(kSounds);
    }

    void TearDown() override { g_input = nullptr; }

    static void Apply(const InputState& now, const InputState& before = InputState())
    {
        for (int* sound : kSounds)
            g_sound->Stop(static_cast<int8_t>(*sound));
        g_input->previous = before;
        g_input->current = now;
        ApplyPlayerControls();
    }

    static bool Played(int sound) { return g_sound->IsPlaying(static_cast<int8_t>(sound)); }

    static inline int* const kSounds[] = {&g_seRefused, &g_seSpecial, &g_seBladeReloadPress, &g_seBladeSwing,
                                           &g_seShot};
    TestWorld world;
    CInputControler input{nullptr};
};

TEST_F(ControlMappingTest, RollButtonsRollOrWithReloadMoveTheReticle)
{
    struct Case {
        const char* name;
        InputState input;
        float roll;
        float reticleDistance;
    } cases[] = {
        {"left roll", Held({&S::leftroll}), 0.02f, 4.0f},
        {"right roll wraps below zero", Held({&S::rightroll}), 1.98f, 4.0f},
        {"both rolls: left wins", Held({&S::leftroll, &S::rightroll}), 0.02f, 4.0f},
        {"reload, roll and up", Held({&S::reload, &S::leftroll}, 0.0f, 1.0f), 0.0f, 4.15f},
        {"reload, roll and down", Held({&S::reload, &S::rightroll}, 0.0f, -1.0f), 0.0f, 3.85f},
        {"reload and roll without y", Held({&S::reload, &S::leftroll}, 1.0f, 0.0f), 0.0f, 4.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_player->roll = 0.0f;
        g_player->reticleDistance = 4.0f;
        Apply(c.input, c.input);
        EXPECT_NEAR(g_player->roll, c.roll, 1e-6f);
        EXPECT_NEAR(g_player->reticleDistance, c.reticleDistance, 1e-6f);
    }
}

TEST_F(ControlMappingTest, ASpecialNeedsTheStickCentredAndTakesTheWholeFrame)
{
    struct Case {
        const char* name;
        InputState input;
        InputState before;
        int gauge;
        int ray, shot, blade;  // the armed specials
        bool dashed;
    } cases[] = {
        {"blade special", Held({&S::dash, &S::blade}), Held({}), 2000, 0, 0, 1, false},
        {"ray before shot", Held({&S::dash, &S::shot, &S::ray}), Held({}), 2000, 1, 0, 0, false},
        {"a deflected stick dashes instead", Held({&S::dash, &S::ray}, 1.0f, 0.0f), Held({}), 3000, 0, 0, 0,
         true},
        {"dash alone, centred, does nothing", Held({&S::dash}), Held({}), 3000, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_player->specialGauge = 3000;
        g_player->raySpecialCountdown = g_player->shotSpecialCountdown = g_player->bladeSpecialCountdown = 0;
        g_player->velocity = Vec3{};
        g_freezeFrames = 0;
        const int shotAmmo = g_player->shotAmmo;
        Apply(c.input, c.before);
        const CPlayer& p = *g_player;
        const bool special = c.gauge == 2000;
        // No shot in a special's frame.
        EXPECT_EQ(std::tuple(p.specialGauge, p.raySpecialCountdown, p.shotSpecialCountdown, p.bladeSpecialCountdown,
                             g_freezeFrames, Played(g_seSpecial), p.velocity.x != 0.0f,
                             special && p.shotAmmo != shotAmmo),
                  std::tuple(c.gauge, c.ray, c.shot, c.blade, special ? 45 : 0, special, c.dashed, false));
    }
}

TEST_F(ControlMappingTest, TheBladeWaitsForTheShotOutlastsAReloadReleaseAndIsRefusedWhileReloading)
{
    Apply(Held({&S::shot, &S::blade}), Held({&S::shot}));
    EXPECT_FALSE(Played(g_seBladeSwing) || Played(g_seRefused));
    Apply(Held({&S::blade}));
    Apply(Held({&S::reload}), Held({&S::blade}));
    EXPECT_TRUE(g_player->blade->active);
    Apply(Held({}), Held({&S::blade}));
    g_player->bladeReloadTimer = 10;
    Apply(Held({&S::blade}));
    EXPECT_TRUE(Played(g_seRefused) && !g_player->blade->active);
}

TEST_F(ControlMappingTest, ReloadWithAWeaponButtonReloadsItOrIsRefused)
{
    g_player->shotAmmo = 3;
    Apply(Held({&S::reload, &S::shot}), Held({&S::reload}));
    EXPECT_EQ(std::tuple(g_player->shotAmmo, g_player->reloadTimer), std::tuple(512, 60));

    Apply(Held({&S::reload, &S::ray}), Held({&S::reload}));
    EXPECT_TRUE(Played(g_seRefused));  // the timer of the first reload still runs

    g_player->bladeGauge = 0.25f;
    Apply(Held({&S::blade, &S::reload}), Held({&S::blade}));
    // The sound only: no button was fresh.
    EXPECT_EQ(std::tuple(Played(g_seBladeReloadPress), g_player->bladeGauge), std::tuple(true, 0.25f));
}

}  // namespace
