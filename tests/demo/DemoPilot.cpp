// Makes the shipped demo: a pilot plays stage 1 in process on a headless host,
// reading the game each frame and choosing only the keys it holds, so the
// play's replay (which stores nothing but keys) is an ordinary replay.
// Usage: demo_pilot <replay file to write>
#include "actors/Enemy.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "assets/EmbeddedAssets.h"
#include "engine/FileUtil.h"
#include "engine/ObjectLists.h"
#include "game/TitleMenu.h"
#include "tests/game/ProgramRun.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

constexpr float kShipSpeed = 0.09f;  // per frame at full stick
constexpr float kFieldEdge = 4.5f;
constexpr int kLookAhead = 12;       // frames
constexpr int kPlayLimit = 60 * 60 * 4;
constexpr float kAim = 0.05f;       // cost of a unit off the aiming point
constexpr float kFarSite = 7.0f;    // reticle distance: locks from low in the field

struct Stick {
    float x, y;
};

Vec3 ShipAfter(const Stick& stick, int frames)
{
    const Vec3& p = g_player->position;
    return {std::clamp(p.x + stick.x * kShipSpeed * frames, -kFieldEdge, kFieldEdge),
            std::clamp(p.y + stick.y * kShipSpeed * frames, -kFieldEdge, kFieldEdge), 0.0f};
}

// How close the things that kill come to the ship on this course, nearer
// frames weighing more; a touch costs far more than any near miss.
float Danger(const Stick& stick)
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
const CSprite* Target()
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
float Cost(const Stick& stick)
{
    const CSprite* target = Target();
    const float wantX = target != nullptr ? target->position.x : 0.0f;
    const float wantY =
        target != nullptr ? std::clamp(target->position.y - g_player->reticleDistance, -4.0f, -1.0f) : -3.0f;
    const Vec3 end = ShipAfter(stick, kLookAhead);
    return Danger(stick) + kAim * std::fabs(end.x - wantX) + 0.5f * kAim * std::fabs(end.y - wantY);
}

Stick Steer()
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

int Locks()
{
    int locks = 0;
    for (int slot = 0; slot < CLockonSystem::kSlotCount; ++slot)
        locks += g_lockonSystem->active[slot] != 0 ? 1 : 0;
    return locks;
}

// The keys of the next frame of the play: fire all the time, launch the
// lasers once the locks have gathered, steer clear.
InputState Fly(int frame)
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: demo_pilot <replay file to write>\n");
        return 2;
    }
    RegisterEmbeddedAssets();
    const std::string folder = GetProgramFolder();
    std::system(("rm -rf '" + folder + "replay'").c_str());
    const std::string settings = "scorename,PILOT\r\nwindowmode,1\r\nvsync,1\r\nglobaldifficulty,-1\r\nautomaticreload,1\r\n";
    WriteFileBytes(folder + "vostrelle.ini", settings.data(), settings.size());

    ScriptedHost host;
    host.vsync = true;
    int played = 0, furthestStep = -1, score = 0, lives = 0;
    host.onPoll = [&](int poll) {
        InputState keys;
        if (poll == 2)
            keys.credit = 1;
        if (poll == 6) {
            g_startScene = 1;  // no menu entry reaches stage 1
            keys.start = 1;
        }
        if (g_scene == 1) {
            keys = ++played < kPlayLimit ? Fly(played) : Held({&InputState::start, &InputState::credit});
            furthestStep = std::max(furthestStep, g_sceneStep);
            score = g_player->score;
            lives = g_player->lives;
        }
        host.Press(keys);
        return poll > 6 && g_scene == -2 ? HostEvent::Quit : HostEvent::None;
    };
    RunProgram(host);

    std::vector<std::string> replays;
    ListFilesInFolder(folder + "replay", &replays);
    std::vector<unsigned char> bytes;
    if (replays.size() != 1 || !ReadWholeFile(replays[0], &bytes) ||
        !WriteFileBytes(argv[1], bytes.data(), bytes.size())) {
        std::fprintf(stderr, "demo_pilot: no replay to ship\n");
        return 1;
    }
    std::printf("demo_pilot: %d frames of stage 1, step %d reached, score %d, %d lives left\n", played,
                furthestStep, score, lives);
    return 0;
}
