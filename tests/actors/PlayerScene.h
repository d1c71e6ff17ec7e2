// A headless scene around the player ship: null graphics, a sound manager
// that counts what it plays, the long-lived objects the program entry makes,
// and a small frame pass over the lists the ship fills.
#pragma once

#include "actors/Enemy.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "actors/PointParticles.h"
#include "actors/TriangleParticles.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "platform/NullAudioDevice.h"
#include "tests/actors/ListPass.h"
#include "tests/engine/WaveBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace playertest {

using listpass::ClearList;
using listpass::RunList;

class CountingAudioDevice : public NullAudioDevice {
public:
    explicit CountingAudioDevice(std::vector<int>* plays) : plays(plays) {}

    void Play(int index, bool looping) override
    {
        plays->push_back(index);
        NullAudioDevice::Play(index, looping);
    }

private:
    std::vector<int>* plays;
};

// Every sound the ship's side plays, each in a slot of its own.
inline int* const kSounds[] = {
    &g_seShot,          &g_seShotEmpty,  &g_seRefused,      &g_seReloadShot, &g_seRayFire,
    &g_seRayEmpty,      &g_seReloadRay,  &g_seBladeSwing,   &g_seReloadBlade, &g_seBladeReloadPress,
    &g_seShotHit,       &g_seRaySpecial, &g_seShotSpecial,  &g_seLaserHit,   &g_seBladeHit,
    &g_seBladeHit2,     &g_seDash,       &g_seExtend,       &g_sePlayerDie,  &g_seEntry,
};

inline void ClearAllLists()
{
    for (SpriteList* list : {&g_backLayerList, &g_skyList, &g_enemyList, &g_playerAttackList, &g_enemyShotList,
                             &g_effectList, &g_glowList, &g_systemSpriteList, &g_overlayList})
        ClearList(list);
}

template <typename T>
std::vector<T*> ObjectsOf(const SpriteList& list)
{
    std::vector<T*> found;
    for (CSprite* sprite : list) {
        if (T* object = dynamic_cast<T*>(sprite))
            found.push_back(object);
    }
    return found;
}

class PlayerScene : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearAllLists();
        g_graphics = new GraphicsSystem();
        g_sound = new SoundSystem(std::make_unique<CountingAudioDevice>(&plays));
        const Bytes tone = MonoWave(std::vector<int16_t>(4, 1000), 8000);
        for (int* sound : kSounds)
            *sound = g_sound->CreateFromWave(tone.data(), tone.size());
        g_worldTransform = new CSprite();
        g_lockonSystem = new CLockonSystem();
        g_lastHitEnemy = new CEnemy();
        g_pointParticles = new CPointParticles();
        g_triangleParticles = new CTriangleParticles();
        SeedRandom(1024);
        player = new CPlayer();
        g_player = player;
        plays.clear();
    }

    void TearDown() override
    {
        delete player;
        g_player = nullptr;
        ClearAllLists();
        for (int* sound : kSounds)
            *sound = -1;
        delete g_triangleParticles;
        delete g_pointParticles;
        delete g_lastHitEnemy;
        delete g_lockonSystem;
        delete g_worldTransform;
        delete g_sound;
        delete g_graphics;
        g_triangleParticles = nullptr;
        g_pointParticles = nullptr;
        g_lastHitEnemy = nullptr;
        g_lockonSystem = nullptr;
        g_worldTransform = nullptr;
        g_sound = nullptr;
        g_graphics = nullptr;
    }

public:
    // The ship, then its attacks and effects, as an unfrozen frame runs them.
    void Frame()
    {
        g_targetPosition = player->position;
        player->Draw();
        player->Update();
        RunList(&g_playerAttackList);
        RunList(&g_effectList);
        RunList(&g_overlayList);
        g_lockonSystem->CountDown();
    }

    void Frames(int n)
    {
        for (int i = 0; i < n; ++i)
            Frame();
    }

    int Plays(int sound) const { return static_cast<int>(std::count(plays.begin(), plays.end(), sound)); }

    // A still target of the given strength in the enemy list; it dies over 30 frames.
    CSprite* AddTarget(float x, float y, int maxHp, int score = 0)
    {
        CSprite* target = new CSprite();
        target->dyingFrames = 30;
        target->SetPosition(x, y, 0.0f);
        target->hp = maxHp;
        target->maxHp = maxHp;
        target->score = score;
        g_enemyList.push_back(target);
        return target;
    }

    std::vector<int> plays;
    CPlayer* player = nullptr;
};

}  // namespace playertest
