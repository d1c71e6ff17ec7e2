// The boss tests: the stage enemies' world with tones in the bosses' sounds
// and recorders in place of the scripts' callbacks.
#pragma once

#include "EnemyKindFixture.h"

#include "actors/LightParticle.h"
#include "actors/enemies/Bit.h"
#include "actors/enemies/BossStage0.h"
#include "actors/enemies/DanmakuBoss.h"

#include <utility>
#include <vector>

class BossFixture : public EnemyKindFixture {
protected:
    BossFixture()
    {
        world.LoadTones(kBossSounds);
        deaths.clear();
        freezes.clear();
        g_scene = 0;
        g_sceneStep = 4;
    }

    // kind 0: the stage 0 boss; 1: the bullet-pattern boss. In the enemy list.
    static CBoss* AddBoss(int kind)
    {
        CBoss* boss = kind == 0 ? static_cast<CBoss*>(new CEnemyb) : new CEnemybDanmaku;
        boss->onDeath = [](int scene, int step) { deaths.emplace_back(scene, step); };
        if (auto* danmaku = dynamic_cast<CEnemybDanmaku*>(boss))
            danmaku->onPhaseChange = [](int frames, const Vec3* centre) { freezes.emplace_back(frames, *centre); };
        g_enemyList.push_back(boss);
        return boss;
    }

    static void RunEnemyFrames(int n)
    {
        for (int i = 0; i < n; ++i)
            RunList(&g_enemyList);
    }

    // Whole frames until the boss's phase changes; how many it took.
    static int RunWhilePhase(CBoss* boss)
    {
        int frames = 0;
        for (const int phase = boss->phase; boss->phase == phase && frames < 1000; ++frames)
            RunEnemyFrames(1);
        return frames;
    }

    static inline std::vector<std::pair<int, int>> deaths;
    static inline std::vector<std::pair<int, Vec3>> freezes;
    static inline int* const kBossSounds[] = {&g_seBossDie, &g_seBossExplode, &g_seSpecial};
};
