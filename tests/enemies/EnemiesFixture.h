// The enemy-side world with a tone in every sound the enemy kinds play, the
// scene's reference draws, and ways to run enemies and count what they leave.
#pragma once

#include "tests/actors/EnemySideFixture.h"

#include "engine/AssetLists.h"
#include "engine/VectorHelpers.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

// The heading of a sprite's flight in the x-y plane.
inline float Heading(const CSprite* sprite)
{
    const Vec2 flight{sprite->velocity.x, sprite->velocity.y};
    return HeadingOf(&flight);
}

class EnemiesFixture : public EnemySideFixture {
protected:
    EnemiesFixture()
    {
        static int* const more[] = {&g_seEnemyFire, &g_seEnemyDie, &g_seHeavyFire, &g_seBigExplode};
        world.LoadTones(more);
    }

    // A fresh scene: empty lists, the generator seeded.
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

    // Updates until done() holds; the updates it took, -1 when never.
    static int RunUntil(CSprite* sprite, const std::function<bool()>& done)
    {
        for (int frames = 0; frames < 2000; ++frames, sprite->Update()) {
            if (done())
                return frames;
        }
        return -1;
    }

    template <typename T>
    static size_t Count(const SpriteList& list)
    {
        return ObjectsOf<T>(list).size();
    }

    static void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-4f)
    {
        EXPECT_NEAR(Distance(&actual, &expected), 0.0f, tolerance);
    }

    const std::vector<float> draws = ReferenceDraws(2000);
};
