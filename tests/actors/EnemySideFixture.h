// The lock-on, enemy, enemy-shot and score-item tests: the recorded world
// (camera mode 45 set by the device set-up) with a short tone in each sound
// the enemy side plays.
#pragma once

#include "tests/actors/VecNear.h"
#include "tests/common/RecordedWorldTest.h"

#include <vector>

class EnemySideFixture : public RecordedWorldTest {
protected:
    EnemySideFixture() { world.LoadTones(SoundHandles()); }

    static std::vector<int*> SoundHandles()
    {
        return {&g_seLock,      &g_seLockFull,   &g_seLaserHit,         &g_seLaserHit2,
                &g_seLaserHit3, &g_seEnemyExplode, &g_seEnemyShotRemove};
    }

    // Whether the sound was started since the last ask.
    bool Played(int handle)
    {
        const bool playing = world.sound.IsPlaying(static_cast<int8_t>(handle));
        world.sound.Stop(static_cast<int8_t>(handle));
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

    // A plain enemy in the list at (x, y, z).
    static CEnemy* AddEnemy(float x, float y, float z)
    {
        auto* enemy = new CEnemy;
        enemy->SetPosition(x, y, z);
        g_enemyList.push_back(enemy);
        return enemy;
    }

    CLockonSystem* const lockon = &world.lockonSystem;
    CTriangleParticles& sparks = world.triangleParticles;
};
