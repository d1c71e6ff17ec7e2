// The tests of the stage enemies: the enemy-side world with a tone in every
// sound they play, the player in play at a fixed point, and frames run on
// one object at a time.
#pragma once

#include "tests/actors/EnemySideFixture.h"

#include <vector>

class EnemyKindFixture : public EnemySideFixture {
protected:
    EnemyKindFixture()
    {
        world.LoadTones(kKindSounds);
        g_player->EnableControl();
        g_player->Activate();
        g_targetPosition = {0.0f, -3.0f, 0.0f};
    }

    // Draws and updates the object n times, as unfrozen frames do.
    static void RunFrames(CSprite* sprite, int n)
    {
        for (int i = 0; i < n; ++i) {
            sprite->Draw();
            sprite->Update();
        }
    }

    // Deletes what the enemies left in their lists; the ship keeps its own.
    static void ClearEnemySide()
    {
        for (SpriteList* list : {&g_enemyList, &g_enemyShotList, &g_effectList, &g_glowList}) {
            for (CSprite* sprite : *list)
                delete sprite;
            list->clear();
        }
    }

    // The generator's next draws after skipping some, leaving it as it stands.
    static std::vector<float> UpcomingDraws(int skipped, int n)
    {
        MersenneTwister copy = CopyOfRandomState();
        std::vector<float> draws;
        for (int i = 0; i < skipped + n; ++i) {
            const float draw = static_cast<float>(copy.NextInt32() * (1.0 / 4294967295.0));
            if (i >= skipped)
                draws.push_back(draw);
        }
        return draws;
    }

    // RandomInt(2) of a draw.
    static bool Heads(float draw) { return draw < 0.5f; }

    static inline int* const kKindSounds[] = {&g_seEnemyFire, &g_seBitExplode,   &g_seBeam,       &g_seMidEnemyFire,
                                              &g_seHeavyFire, &g_seEnemyDie, &g_seBigExplode};
};
