// A headless scene for the lock-on, enemy, enemy-shot and score-item tests:
// the graphics manager on a recording device (camera mode 45 set by Init), a
// silent sound manager whose slots hold a short tone, the lock-on system,
// the world placement and the sparks, seeded as a scene change seeds.
#pragma once

#include "actors/Enemy.h"
#include "actors/LockonSystem.h"
#include "actors/TriangleParticles.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "platform/NullAudioDevice.h"
#include "platform/RecordingGraphicsDevice.h"
#include "tests/engine/WaveBuilder.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class EnemySideFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(graphics.Init(&device, 640, 480, false, false));
        device.ClearRecord();
        g_graphics = &graphics;
        g_sound = &sound;
        for (int* handle : SoundHandles())
            *handle = LoadTone();
        g_worldTransform = &worldTransform;
        g_groundTransform = &groundTransform;
        g_triangleParticles = &sparks;
        g_targetPosition = Vec3{};
        g_globalDifficulty = -1;
        lockon = std::make_unique<CLockonSystem>();
        g_lockonSystem = lockon.get();
        SeedRandom(1024);
    }

    void TearDown() override
    {
        for (SpriteList* list : {&g_enemyList, &g_enemyShotList, &g_effectList, &g_playerAttackList}) {
            for (CSprite* sprite : *list)
                delete sprite;
            list->clear();
        }
        for (int* handle : SoundHandles())
            *handle = -1;
        g_lockonSystem = nullptr;
        g_triangleParticles = nullptr;
        g_worldTransform = nullptr;
        g_groundTransform = nullptr;
        g_sound = nullptr;
        g_graphics = nullptr;
    }

    static std::vector<int*> SoundHandles()
    {
        return {&g_seLock,      &g_seLockFull,   &g_seLaserHit,         &g_seLaserHit2,
                &g_seLaserHit3, &g_seEnemyExplode, &g_seEnemyShotRemove};
    }

    // Whether the sound was started since the last ask.
    bool Played(int handle)
    {
        const bool playing = sound.IsPlaying(static_cast<int8_t>(handle));
        sound.Stop(static_cast<int8_t>(handle));
        return playing;
    }

    // Whether any of the sounds was started since the last ask.
    bool AnyPlayed()
    {
        bool any = false;
        for (int* handle : SoundHandles())
            any = Played(*handle) || any;
        return any;
    }

    // The first n draws of the scene's sequence; the generator is seeded
    // afresh afterwards, so ask before acting.
    static std::vector<float> ReferenceDraws(int n)
    {
        SeedRandom(1024);
        std::vector<float> draws;
        for (int i = 0; i < n; ++i)
            draws.push_back(RandomFloat());
        SeedRandom(1024);
        return draws;
    }

    // A plain enemy in the list at (x, y, z).
    static CEnemy* AddEnemy(float x, float y, float z)
    {
        auto* enemy = new CEnemy;
        enemy->SetPosition(x, y, z);
        g_enemyList.push_back(enemy);
        return enemy;
    }

    RecordingGraphicsDevice device;
    GraphicsSystem graphics;
    SoundSystem sound{std::make_unique<NullAudioDevice>()};
    CSprite worldTransform;
    CSprite groundTransform;
    CTriangleParticles sparks;
    std::unique_ptr<CLockonSystem> lockon;

private:
    int LoadTone()
    {
        const Bytes wave = MonoWave(std::vector<int16_t>(4, 1000), 22050);
        return sound.CreateFromWave(wave.data(), wave.size());
    }
};
