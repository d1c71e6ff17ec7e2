// The whole game state a replay must reproduce, as one row of numbers per
// frame: a play and its playback are compared row by row.
#pragma once

#include "actors/Enemy.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "engine/ObjectLists.h"
#include "engine/Random.h"

#include <initializer_list>
#include <vector>

// Everything a frame leaves behind that later frames depend on. Serial ids
// differ between runs (the title creates sprites too) and are left out; the
// game only ever compares them with each other.
inline std::vector<double> GameState()
{
    std::vector<double> state = {double(g_scene), double(g_sceneStep), double(g_sceneFrame), double(g_stepFrame),
                                 double(g_freezeFrames), g_fadeLevel, double(g_controlLocked)};
    const CPlayer& p = *g_player;
    for (double value : {p.position.x, p.position.y, p.position.z, p.velocity.x, p.velocity.y, p.rotation.x,
                         p.rotation.y, p.rotation.z, p.roll, p.reticleDistance, p.bladeGauge, p.forwardSpeed,
                         p.sideSpeed})
        state.push_back(value);
    for (int value : {p.state, p.score, p.killCount, p.lives, p.shotAmmo, p.rayAmmo, p.bladeEnergy, p.specialGauge,
                      p.reloadTimer, p.bladeReloadTimer, p.burstCounter, p.auraTimer, int(p.blade != nullptr)})
        state.push_back(value);
    for (int slot = 0; slot < CLockonSystem::kSlotCount; ++slot) {
        state.push_back(g_lockonSystem->active[slot]);
        state.push_back(g_lockonSystem->fired[slot]);
    }
    for (const SpriteList* list : {&g_backLayerList, &g_skyList, &g_enemyList, &g_playerAttackList,
                                   &g_enemyShotList, &g_effectList, &g_glowList, &g_systemSpriteList, &g_overlayList}) {
        state.push_back(double(list->size()));
        for (const CSprite* s : *list)
            for (double value : std::initializer_list<double>{double(s->state), double(s->hp), s->position.x,
                                                              s->position.y, s->position.z, s->velocity.x,
                                                              s->velocity.y, s->velocity.z})
                state.push_back(value);
    }
    state.push_back(g_lastHitEnemy->hp);
    MersenneTwister random = CopyOfRandomState();
    for (int i = 0; i < 3; ++i)
        state.push_back(random.NextInt32());
    return state;
}
