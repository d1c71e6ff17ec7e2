// Frames per second of the whole frame pass on the null device: the title,
// and a play scene with 50 enemies and 500 enemy shots around the ship under
// control (collisions, rear cone, radar and HUD included).
#include "actors/EnemyShot.h"
#include "game/FramePass.h"
#include "game/Scenes.h"
#include "platform/NullGraphicsDevice.h"
#include "tests/game/HeadlessWorld.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEnemies = 50;
constexpr int kEnemyShots = 500;

// Still enemies and shots away from the ship, so every frame has all of them.
void FillPlayScene()
{
    for (int i = 0; i < kEnemies; ++i) {
        auto* enemy = new CEnemy();
        enemy->SetPosition(static_cast<float>(i % 10) - 4.5f, static_cast<float>(i / 10) + 0.5f, 0.0f);
        enemy->hp = enemy->maxHp = 400;
        enemy->hitRadius = 0.5f;
        enemy->hurtsOnContact = false;
        g_enemyList.push_back(enemy);
    }
    for (int i = 0; i < kEnemyShots; ++i) {
        const Vec3 at{static_cast<float>(i % 25) * 0.36f - 4.5f, static_cast<float>(i / 25) * 0.2f - 4.0f, 0.0f};
        FireShotAt(at.x, at.y, at.z, Vec3{}, 0.1f);
    }
    g_player->SetPosition(0.0f, -4.5f, 0.0f);
    g_player->countdown = 1000000;
}

void ReportFramesPerSecond(benchmark::State& state)
{
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_TitleFrame(benchmark::State& state)
{
    NullGraphicsDevice device;
    HeadlessWorld world(&device);
    SetScene(-2, 0);
    for (auto _ : state)
        Frame(false);
    ReportFramesPerSecond(state);
}
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);

void BM_PlayFrame(benchmark::State& state)
{
    NullGraphicsDevice device;
    HeadlessWorld world(&device);
    SetScene(113, -1);
    g_player->EnableControl();
    g_player->Activate();
    FillPlayScene();
    for (auto _ : state)
        Frame(false);
    state.counters["enemies"] = static_cast<double>(g_enemyList.size());
    state.counters["enemyShots"] = static_cast<double>(g_enemyShotList.size());
    ReportFramesPerSecond(state);
}
BENCHMARK(BM_PlayFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
