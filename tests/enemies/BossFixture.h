// The boss tests: the stage enemies' world with tones in the bosses' sounds,
// the flash picture, and the scripts' callbacks replaced by recorders.
#pragma once

#include "EnemyKindFixture.h"

#include "actors/ColorFilter.h"
#include "actors/EnemyShot.h"
#include "actors/LightParticle.h"
#include "actors/enemies/Bit.h"
#include "actors/enemies/BossStage0.h"
#include "actors/enemies/DanmakuBoss.h"
#include "actors/enemies/DanmakuEmitter.h"

#include <utility>
#include <vector>

class BossFixture : public EnemyKindFixture {
protected:
    BossFixture()
    {
        world.LoadTones(kBossSounds);
        flash = LoadPicture(&g_texBossFlash, "#115");
        deaths.clear();
        freezes.clear();
        g_scene = 0;
        g_sceneStep = 4;
    }

    // kind 0: the stage 0 boss; 1: the bullet-pattern boss. Both in the enemy list.
    static CBoss* AddBoss(int kind)
    {
        CBoss* boss = kind == 0 ? static_cast<CBoss*>(new CEnemyb) : new CEnemybDanmaku;
        boss->onDeath = RecordDeath;
        if (auto* danmaku = dynamic_cast<CEnemybDanmaku*>(boss))
            danmaku->onPhaseChange = RecordFreeze;
        g_enemyList.push_back(boss);
        return boss;
    }

    // Runs whole frames of the enemy list until the boss's phase is no longer
    // the one it has; the frames it took.
    static int RunWhilePhase(CBoss* boss)
    {
        const int phase = boss->phase;
        int frames = 0;
        while (boss->phase == phase && frames < 1000) {
            RunList(&g_enemyList);
            ++frames;
        }
        return frames;
    }

    static void RunEnemyFrames(int n)
    {
        for (int i = 0; i < n; ++i)
            RunList(&g_enemyList);
    }

    template <typename T>
    static size_t Count(const SpriteList& list)
    {
        return ObjectsOf<T>(list).size();
    }

    static void RecordDeath(int scene, int step) { deaths.emplace_back(scene, step); }
    static void RecordFreeze(int frames, const Vec3* centre) { freezes.emplace_back(frames, *centre); }

    static inline std::vector<std::pair<int, int>> deaths;
    static inline std::vector<std::pair<int, Vec3>> freezes;
    static inline int* const kBossSounds[] = {&g_seBossDie, &g_seBossExplode, &g_seSpecial};
    TextureId flash = kNoTexture;
};
