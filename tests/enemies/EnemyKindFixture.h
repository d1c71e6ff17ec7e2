// The tests of bits, beams and mid enemies: the enemies' world with their
// sounds too, the player in play at a fixed point, frames run on one object
// at a time, and the generator's coming draws.
#pragma once

#include "tests/enemies/EnemiesFixture.h"

#include <vector>

class EnemyKindFixture : public EnemiesFixture {
protected:
    EnemyKindFixture()
    {
        static int* const more[] = {&g_seBitExplode, &g_seBeam, &g_seMidEnemyFire};
        world.LoadTones(more);
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
};
