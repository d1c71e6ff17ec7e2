// The demo's pilot: reads the game each frame and chooses the keys it holds,
// firing all the time, launching lasers once locks have gathered, striking
// the boss with the special and steering clear of what kills.
#pragma once

#include "actors/Enemy.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "engine/InputState.h"
#include "engine/ObjectLists.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace demo {

constexpr float kShipSpeed = 0.09f;  // per frame at full stick
constexpr float kFieldEdge = 4.5f;
constexpr int kLookAhead = 12;       // frames
constexpr float kAim = 0.05f;       // cost of a unit off the aiming point
constexpr float kFarSite = 7.0f;    // reticle distance: locks from low in the field

struct Stick {
    float x, y;
};

inline Vec3 ShipAfter(const Stick& stick, int frames)
{
    const Vec3& p = g_player->position;
    return {std::clamp(p.x + stick.x * kShipSpeed * frames, -kFieldEdge, kFieldEdge),
            std::clamp(p.y + stick.y * kShipSpeed * frames, -kFieldEdge, kFieldEdge), 0.0f};
}

// How close the things that kill come to the ship on this course, nearer
// frames weighing more; a touch costs far more than any near miss.
inline float Danger(const Stick& stick)
{
    float danger = 0.0f;
    auto weigh = [&](const CSprite* s, float reach, int t, const Vec3& ship) {
        const float dx = s->position.x + s->velocity.x * t - ship.x;
        const float dy = s->position.y + s->velocity.y * t - ship.y;
        const float distance = std::sqrt(dx * dx + dy * dy);
        if (distance <= reach)
            danger += 1000.0f / t;
        else if (distance < reach + 0.7f)
            danger += (reach + 0.7f - distance) * (reach + 0.7f - distance) / t;
    };
    for (int t = 1; t <= kLookAhead; ++t) {
        const Vec3 ship = ShipAfter(stick, t);
        for (const CSprite* shot : g_enemyShotList)
            if (shot->state == STATE_ACTIVE && std::fabs(shot->position.z) < 1.0f)
                weigh(shot, std::max(shot->hitRadius, g_player->hitRadius) + 0.05f, t, ship);
        for (const CSprite* enemy : g_enemyList) {
            const auto* e = dynamic_cast<const CEnemy*>(enemy);
            if (e != nullptr && e->hurtsOnContact && e->state == STATE_ACTIVE)
                weigh(e, std::max(e->hitRadius, g_player->hitRadius) + 0.1f, t, ship);
        }
    }
    return danger;
}

// The strongest enemy in the field: the boss once it is there.
inline const CSprite* Target()
{
    const CSprite* best = nullptr;
    for (const CSprite* s : g_enemyList) {
        const auto* e = dynamic_cast<const CEnemy*>(s);
        if (e == nullptr || e->state != STATE_ACTIVE || std::fabs(e->position.x) > 4.5f || e->position.y < -2.0f)
            continue;
        if (best == nullptr || e->maxHp > best->maxHp || (e->maxHp == best->maxHp && e->position.y < best->position.y))
            best = e;
    }
    return best;
}

// Under the target, at the reticle's distance so that it locks on too.
inline float Cost(const Stick& stick)
{
    const CSprite* target = Target();
    const float wantX = target != nullptr ? target->position.x : 0.0f;
    const float wantY =
        target != nullptr ? std::clamp(target->position.y - g_player->reticleDistance, -4.0f, -1.0f) : -3.0f;
    const Vec3 end = ShipAfter(stick, kLookAhead);
    return Danger(stick) + kAim * std::fabs(end.x - wantX) + 0.5f * kAim * std::fabs(end.y - wantY);
}

inline Stick Steer()
{
    Stick best{0.0f, 0.0f};
    float bestCost = std::numeric_limits<float>::max();
    for (float x : {0.0f, -1.0f, 1.0f})
        for (float y : {0.0f, -1.0f, 1.0f}) {
            const float cost = Cost({x, y});
            if (cost < bestCost) {
                bestCost = cost;
                best = {x, y};
            }
        }
    return best;
}

inline int Locks()
{
    int locks = 0;
    for (int slot = 0; slot < CLockonSystem::kSlotCount; ++slot)
        locks += g_lockonSystem->active[slot] != 0 ? 1 : 0;
    return locks;
}

// The keys of the next frame of the play: fire all the time, launch the
// lasers once the locks have gathered, steer clear.
inline InputState Fly(int frame)
{
    InputState keys;
    if (g_player->reticleDistance < kFarSite && g_player->controlEnabled && !g_controlLocked) {
        keys.reload = keys.leftroll = 1;  // the reticle out to where the boss will be
        keys.y = 1.0f;
        return keys;
    }
    const CSprite* target = Target();
    if (target != nullptr && target->maxHp >= 5000 && g_player->specialGauge >= CPlayer::kSpecialCost &&
        std::fabs(target->position.x - g_player->position.x) < 0.5f * (target->position.y - g_player->position.y)) {
        keys.dash = keys.shot = 1;  // the strike, with the stick at rest
        return keys;
    }
    keys.shot = 1;
    keys.ray = (frame % 20 == 0 && Locks() >= 4) || (frame % 60 == 0 && Locks() > 0) ? 1 : 0;
    const Stick stick = Steer();
    keys.x = stick.x;
    keys.y = stick.y;
    return keys;
}

}  // namespace demo
