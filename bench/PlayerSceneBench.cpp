// Cost of one frame of a busy scene on the null device: the ship with its
// reticle and blade, 8 locks with their markers, 8 homing lasers, 50 enemies
// and 500 enemy shots, each list drawn and updated as the frame pass does.
#include "actors/EnemyShot.h"
#include "actors/LockedMarker.h"
#include "engine/ObjectLists.h"
#include "platform/NullAudioDevice.h"
#include "tests/actors/PlayerWorld.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kEnemies = 50;
constexpr int kEnemyShots = 500;

using playerworld::RunList;

class BusyScene {
public:
    BusyScene() : world(std::make_unique<NullAudioDevice>())
    {
        g_player->EnableControl();
        g_player->SetPosition(0.0f, -2.5f, 0.0f);
        AddEnemies();
        AddShots();
        LockAndFire();
    }

    void Frame()
    {
        g_targetPosition = g_player->position;
        g_player->Draw();
        g_player->Update();
        RunList(&g_enemyList);
        RunList(&g_playerAttackList);
        RunList(&g_enemyShotList);
        RunList(&g_effectList);
        g_lockonSystem->CountDown();
    }

private:
    playerworld::PlayerWorld world;

    static void AddEnemies()
    {
        for (int i = 0; i < kEnemies; ++i) {
            CEnemy* enemy = new CEnemy();
            enemy->SetPosition(static_cast<float>(i % 10) - 4.5f, static_cast<float>(i / 10) + 0.5f, 0.0f);
            enemy->hp = 400;
            enemy->maxHp = 400;
            enemy->hitRadius = 0.5f;
            g_enemyList.push_back(enemy);
        }
    }

    // Still shots: they stay in the field, so every frame has all 500.
    static void AddShots()
    {
        for (int i = 0; i < kEnemyShots; ++i) {
            const Vec3 at{static_cast<float>(i % 25) * 0.36f - 4.5f, static_cast<float>(i / 25) * 0.4f - 4.0f, 0.0f};
            FireShotAt(at.x, at.y, at.z, Vec3{}, 0.1f);
        }
    }

    // Fired slots no longer lapse, and the lasers home on living targets for good.
    static void LockAndFire()
    {
        for (int slot = 0; slot < CLockonSystem::kSlotCount; ++slot) {
            const int target = g_enemyList[static_cast<std::size_t>(slot)]->serialId;
            g_lockonSystem->intervalCounter = 0;
            const int taken = g_lockonSystem->Lock(target);
            g_effectList.push_back(new CLockedMarker(target, taken));
        }
        g_player->FireRay();
    }
};

void BM_BusySceneFrame(benchmark::State& state)
{
    BusyScene scene;
    for (int i = 0; i < 120; ++i)
        scene.Frame();
    for (auto _ : state)
        scene.Frame();
    state.counters["enemies"] = static_cast<double>(g_enemyList.size());
    state.counters["enemyShots"] = static_cast<double>(g_enemyShotList.size());
    state.counters["playerAttacks"] = static_cast<double>(g_playerAttackList.size());
    state.counters["effects"] = static_cast<double>(g_effectList.size());
}
BENCHMARK(BM_BusySceneFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
