// The enemy-side world with a tone in every sound the enemies and bosses play,
// the ship in play, recorders in place of the scripts' boss callbacks, the
// scene's reference draws, and ways to run enemies and count what they leave.
#pragma once

#include "tests/actors/EnemySideFixture.h"

#include "actors/LightParticle.h"
#include "actors/enemies/Bit.h"
#include "actors/enemies/BossStage0.h"
#include "actors/enemies/DanmakuBoss.h"
#include "engine/AssetLists.h"
#include "engine/VectorHelpers.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

class EnemiesFixture : public EnemySideFixture {
protected:
    EnemiesFixture()
    {
        static int* const more[] = {&g_seEnemyFire, &g_seEnemyDie,     &g_seHeavyFire, &g_seBigExplode,
                                    &g_seBitExplode, &g_seBeam,       &g_seMidEnemyFire, &g_seBossDie,
                                    &g_seBossExplode, &g_seSpecial};
        world.LoadTones(more);
        g_player->EnableControl();
        g_player->Activate();
        g_targetPosition = {0.0f, -3.0f, 0.0f};
        deaths.clear();
        freezes.clear();
        g_scene = 0;
        g_sceneStep = 4;
    }

    // A fresh scene: empty lists, no ship, the generator seeded.
    void Reset()
    {
        world.DeleteObjects();
        SeedRandom(1024);
    }

    // Draws made since the seeding; draws one more to tell.
    int DrawsMade()
    {
        const float next = RandomFloat();
        return static_cast<int>(std::find(draws.begin(), draws.end(), next) - draws.begin());
    }

    // Whether a 1-in-n fire chance fires on the k-th draw of the scene.
    bool Fires(int k, int n) const { return static_cast<int>(n * static_cast<double>(draws[k])) == 0; }

    template <typename T>
    static T* Add(T* enemy)
    {
        g_enemyList.push_back(enemy);
        return enemy;
    }

    static void RunFrames(CSprite* sprite, int n)
    {
        for (int i = 0; i < n; ++i) {
            sprite->Draw();
            sprite->Update();
        }
    }

    static void RunEnemyFrames(int n)
    {
        for (int i = 0; i < n; ++i)
            RunList(&g_enemyList);
    }

    template <typename T>
    static size_t Count(const SpriteList& list) { return ObjectsOf<T>(list).size(); }

    // Knocked sideways, without a spin.
    static void Push(CSprite* sprite, float impulseX)
    {
        Vec3 impulse{impulseX, 0.0f, 0.0f};
        Vec3 spin{};
        sprite->Push(&impulse, &spin);
    }

    static void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-4f)
    {
        EXPECT_NEAR(Distance(&actual, &expected), 0.0f, tolerance);
    }

    // Deletes what the enemies left; the ship keeps its own objects.
    static void Clear()
    {
        for (SpriteList* list : {&g_enemyList, &g_enemyShotList, &g_effectList, &g_glowList, &g_overlayList}) {
            for (CSprite* sprite : *list)
                delete sprite;
            list->clear();
        }
    }

    // kind 0: the stage 0 boss; 1: the bullet-pattern boss. In the enemy list.
    static CBoss* AddBoss(int kind)
    {
        CBoss* boss = kind == 0 ? static_cast<CBoss*>(new CEnemyb) : new CEnemybDanmaku;
        boss->onDeath = [](int scene, int step) { deaths.emplace_back(scene, step); };
        if (auto* danmaku = dynamic_cast<CEnemybDanmaku*>(boss))
            danmaku->onPhaseChange = [](int frames, const Vec3* centre) { freezes.emplace_back(frames, *centre); };
        return Add(boss);
    }

    // Whole frames until the boss's phase changes; how many it took.
    static int RunWhilePhase(CBoss* boss)
    {
        int frames = 0;
        for (const int phase = boss->phase; boss->phase == phase && frames < 1000; ++frames)
            RunEnemyFrames(1);
        return frames;
    }

    const std::vector<float> draws = ReferenceDraws(2000);
    static inline std::vector<std::pair<int, int>> deaths;
    static inline std::vector<std::pair<int, Vec3>> freezes;
};
