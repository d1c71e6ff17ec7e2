// A headless scene around the player ship: null graphics, a sound manager
// that counts what it plays, the long-lived objects the program entry makes,
// and a small frame pass over the lists the ship fills.
#pragma once

#include "engine/AssetLists.h"
#include "platform/NullAudioDevice.h"
#include "tests/actors/PlayerWorld.h"
#include "tests/engine/WaveBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace playertest {

using playerworld::RunList;

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
        world = std::make_unique<playerworld::PlayerWorld>(std::make_unique<CountingAudioDevice>(&plays));
        const Bytes tone = MonoWave(std::vector<int16_t>(4, 1000), 8000);
        for (int* sound : kSounds)
            *sound = g_sound->CreateFromWave(tone.data(), tone.size());
        player = g_player;
    }

    void TearDown() override
    {
        world.reset();
        for (int* sound : kSounds)
            *sound = -1;
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
    std::unique_ptr<playerworld::PlayerWorld> world;
    CPlayer* player = nullptr;
};

}  // namespace playertest
