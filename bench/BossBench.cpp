// Frame costs of the stage 1 boss's densest moments under the whole frame
// pass: arg 3, phase 3 with its four spiral emitters, two drifting emitters of
// each kind beside them and the enemy shots they build up; arg 1, the
// rotating cross, whose burst shots linger. Once on the null device, once
// drawn by the OpenGL device offscreen with the game's own pictures and
// meshes (run with LP_NUM_THREADS=2, as the goal assumes).
#include "actors/enemies/DanmakuBoss.h"
#include "actors/enemies/DanmakuEmitter.h"
#include "bench/GlGame.h"
#include "game/FramePass.h"
#include "game/Scenes.h"
#include "tests/common/TestWorld.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

namespace {

// The boss fighting a ship that cannot be hurt, its shots built up.
class DanmakuScene {
public:
    DanmakuScene(int phase, GraphicsDevice* device = nullptr) : world(device)
    {
        world.ListTransforms();
        SetScene(113, -1);
        g_player->EnableControl();
        g_player->Activate();
        g_player->SetPosition(0.0f, -4.5f, 0.0f);
        g_player->countdown = 1000000;
        auto* boss = new CEnemybDanmaku;
        g_enemyList.push_back(boss);
        while (boss->phase != 0)
            Frame(false);
        boss->hp = boss->maxHp * 7 / 10;  // no threshold of phase 1 or 3 is crossed
        boss->SetPhase(phase);
        for (int type : {2, 3, 2, 3})
            if (phase == 3)
                g_enemyList.push_back(new CEnemyBitDanmaku(type, &boss->position, &boss->position));
        for (int i = 0; i < 600; ++i)
            Frame(false);
    }

    void Report(benchmark::State& state) const
    {
        state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
        state.counters["enemies"] = static_cast<double>(g_enemyList.size());
        state.counters["enemyShots"] = static_cast<double>(g_enemyShotList.size());
    }

private:
    TestWorld world;
};

void BM_DanmakuBossFrame(benchmark::State& state)
{
    DanmakuScene scene(static_cast<int>(state.range(0)));
    for (auto _ : state)
        Frame(false);
    scene.Report(state);
}
BENCHMARK(BM_DanmakuBossFrame)->Arg(3)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_GlDanmakuBossFrame(benchmark::State& state)
{
    GlGame gl;
    if (!gl.ready) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    DanmakuScene scene(static_cast<int>(state.range(0)), &gl.device);
    GlGame::LoadAssets();
    double worst = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Frame(false);
        glFinish();
        worst = std::max(worst, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    scene.Report(state);
    state.counters["worstMs"] = worst;
    const char* threads = std::getenv("LP_NUM_THREADS");
    state.SetLabel(std::string("LP_NUM_THREADS=") + (threads ? threads : "unset"));
}
BENCHMARK(BM_GlDanmakuBossFrame)->Arg(3)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
