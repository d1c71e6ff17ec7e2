// A headless scene around the player ship: the world drawing nothing, a sound
// manager that counts what it plays, and a small frame pass over the lists
// the ship fills.
#pragma once

#include "engine/AssetLists.h"
#include "platform/NullAudioDevice.h"
#include "tests/actors/VecNear.h"
#include "tests/common/TestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace playertest {

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

class PlayerScene : public ::testing::Test {
protected:
    PlayerScene() { world.LoadTones(kSounds); }

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
    TestWorld world{nullptr, std::make_unique<CountingAudioDevice>(&plays)};
    CPlayer* player = g_player;
};

}  // namespace playertest
