// Bits, beams and mid enemies: the enemies' world with their sounds too, the
// ship in play, and the generator's coming draws.
#pragma once

#include "tests/enemies/EnemiesFixture.h"

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

    static void RunFrames(CSprite* sprite, int n)
    {
        for (int i = 0; i < n; ++i) {
            sprite->Draw();
            sprite->Update();
        }
    }

    // Deletes what the enemies left; the ship keeps its own objects.
    static void ClearEnemySide()
    {
        for (SpriteList* list : {&g_enemyList, &g_enemyShotList, &g_effectList, &g_glowList}) {
            for (CSprite* sprite : *list)
                delete sprite;
            list->clear();
        }
    }

    // The generator's next draws after skipping some; the generator stays as it is.
    static std::vector<float> UpcomingDraws(int skipped, int n)
    {
        MersenneTwister copy = CopyOfRandomState();
        std::vector<float> upcoming(static_cast<size_t>(skipped + n));
        for (float& draw : upcoming)
            draw = static_cast<float>(copy.NextInt32() * (1.0 / 4294967295.0));
        return {upcoming.begin() + skipped, upcoming.end()};
    }
};
