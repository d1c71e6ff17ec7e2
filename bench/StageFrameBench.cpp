// Whole frames of the two stages from their start, drawn by the OpenGL device
// offscreen with the game's own assets as the program draws them, nobody at
// the controls: arg 0, stage 0 with its ground (the ship's entry, the cut
// scene, the first waves); arg 1, stage 1. Run with LP_NUM_THREADS=2: the
// counters give the CPU time of the whole process a frame (Mesa's drawing
// threads included) and the share of frames over 20 ms, stage against stage.
#include "bench/GlGame.h"
#include "game/FramePass.h"
#include "game/Scenes.h"
#include "tests/common/TestWorld.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include <sys/resource.h>

namespace {

// Thirty seconds of play.
constexpr int kFrames = 1800;

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec); };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_GlStageFrames(benchmark::State& state)
{
    GlGame gl;
    if (!gl.ready) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    TestWorld world(&gl.device);
    world.ListTransforms();
    GlGame::LoadAssets();
    SetScene(static_cast<int>(state.range(0)), -1);
    int slow = 0;
    const double before = ProcessCpuSeconds();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Frame(false);
        glFinish();
        slow += std::chrono::steady_clock::now() - start > std::chrono::milliseconds(20) ? 1 : 0;
    }
    const auto frames = static_cast<double>(state.iterations());
    state.counters["cpu_ms_per_frame"] = 1000.0 * (ProcessCpuSeconds() - before) / frames;
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["over_20ms_percent"] = 100.0 * slow / frames;
    const char* threads = std::getenv("LP_NUM_THREADS");
    state.SetLabel(std::string("stage ") + std::to_string(state.range(0)) +
                   ", LP_NUM_THREADS=" + (threads ? threads : "unset"));
}
BENCHMARK(BM_GlStageFrames)->Arg(0)->Arg(1)->Iterations(kFrames)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
