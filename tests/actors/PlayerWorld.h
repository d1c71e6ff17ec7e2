// The long-lived objects the ship's side stands on, made as the program entry
// makes them but on the null graphics device and a given audio device, and the
// frame pass's walk over one list: for the player tests and the benchmark.
#pragma once

#include "actors/Enemy.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "actors/PointParticles.h"
#include "actors/TriangleParticles.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"
#include "engine/SoundSystem.h"
#include "platform/AudioDevice.h"

#include <cstddef>
#include <memory>

namespace playerworld {

inline void ClearList(SpriteList* list)
{
    for (CSprite* sprite : *list)
        delete sprite;
    list->clear();
}

inline void ClearAllLists()
{
    for (SpriteList* list : {&g_backLayerList, &g_skyList, &g_enemyList, &g_playerAttackList, &g_enemyShotList,
                             &g_effectList, &g_glowList, &g_systemSpriteList, &g_overlayList})
        ClearList(list);
}

// Draw, then update, every object; dead ones are deleted where they stand.
inline void RunList(SpriteList* list)
{
    for (std::size_t i = 0; i < list->size();) {
        CSprite* sprite = (*list)[i];
        if (sprite->state == STATE_DEAD) {
            delete sprite;
            list->erase(list->begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        sprite->Draw();
        sprite->Update();
        ++i;
    }
}

// Seeded as a scene change seeds; the lists start and end empty.
class PlayerWorld {
public:
    explicit PlayerWorld(std::unique_ptr<AudioDevice> audio)
    {
        ClearAllLists();
        g_graphics = new GraphicsSystem();
        g_sound = new SoundSystem(std::move(audio));
        g_worldTransform = new CSprite();
        g_lockonSystem = new CLockonSystem();
        g_lastHitEnemy = new CEnemy();
        g_pointParticles = new CPointParticles();
        g_triangleParticles = new CTriangleParticles();
        SeedRandom(1024);
        g_player = new CPlayer();
    }

    PlayerWorld(const PlayerWorld&) = delete;
    PlayerWorld& operator=(const PlayerWorld&) = delete;

    ~PlayerWorld()
    {
        delete g_player;
        ClearAllLists();
        delete g_triangleParticles;
        delete g_pointParticles;
        delete g_lastHitEnemy;
        delete g_lockonSystem;
        delete g_worldTransform;
        delete g_sound;
        delete g_graphics;
        g_player = nullptr;
        g_triangleParticles = nullptr;
        g_pointParticles = nullptr;
        g_lastHitEnemy = nullptr;
        g_lockonSystem = nullptr;
        g_worldTransform = nullptr;
        g_sound = nullptr;
        g_graphics = nullptr;
    }
};

}  // namespace playerworld
