// The enemy-side world with a tone in every sound the enemy kinds play, the
// scene's reference draws, and ways to run enemies and count what they leave.
#pragma once

#include "tests/actors/EnemySideFixture.h"

#include "engine/AssetLists.h"
#include "engine/VectorHelpers.h"

#include <algorithm>
#include <cmath>
#include <vector>

class EnemiesFixture : public EnemySideFixture {
protected:
    EnemiesFixture()
    {
        static int* const more[] = {&g_seEnemyFire, &g_seEnemyDie, &g_seHeavyFire, &g_seBigExplode};
        world.LoadTones(more);
    }

    // How many draws were made since the scene's seeding; draws one more to tell.
    int DrawsMade()
    {
        const float next = RandomFloat();
        return static_cast<int>(std::find(draws.begin(), draws.end(), next) - draws.begin());
    }

    // Whether a 1-in-n fire chance fires on the k-th draw of the scene.
    bool Fires(int k, int n) const { return static_cast<int>(n * static_cast<double>(draws[k])) == 0; }

    template <typename T>
    T* Add(T* enemy)
    {
        g_enemyList.push_back(enemy);
        return enemy;
    }

    // Updates until the condition holds; the updates it took (-1 when never within the limit).
    template <typename Condition>
    static int RunUntil(CSprite* sprite, Condition done, int limit = 2000)
    {
        for (int frames = 0; frames < limit; ++frames) {
            if (done())
                return frames;
            sprite->Update();
        }
        return -1;
    }

    template <typename T>
    static size_t Count(const SpriteList& list)
    {
        return ObjectsOf<T>(list).size();
    }

    static float HeadingOfVelocity(const CSprite* sprite)
    {
        const Vec2 flight{sprite->velocity.x, sprite->velocity.y};
        return HeadingOf(&flight);
    }

    static void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-4f)
    {
        EXPECT_NEAR(actual.x, expected.x, tolerance);
        EXPECT_NEAR(actual.y, expected.y, tolerance);
        EXPECT_NEAR(actual.z, expected.z, tolerance);
    }

    const std::vector<float> draws = ReferenceDraws(2000);
};
