// CPU time of the mixer for one second of output with all 64 buffers playing.
#include "platform/Mixer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr size_t kOutputRate = 48000;
// SDL asks for this many frames per callback.
constexpr size_t kCallbackFrames = 1024;

// One second of a tone: sound effects are mono at 22050 Hz, music stereo at 44100 Hz.
std::vector<unsigned char> Tone(int channels, int rate)
{
    std::vector<unsigned char> pcm;
    for (int i = 0; i < rate * channels; ++i) {
        const auto value = static_cast<int16_t>(8000.0 * std::sin(0.05 * i));
        pcm.push_back(static_cast<unsigned char>(value & 0xFF));
        pcm.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
    }
    return pcm;
}

void BM_MixOneSecondOf64Voices(benchmark::State& state)
{
    Mixer mixer(static_cast<int>(kOutputRate));
    const std::vector<unsigned char> effect = Tone(1, 22050), music = Tone(2, 44100);
    for (int i = 0; i < AudioDevice::kBufferCount; ++i) {
        const bool stereo = i % 8 == 0;
        const std::vector<unsigned char>& pcm = stereo ? music : effect;
        mixer.CreateBuffer(i, {stereo ? 2 : 1, 16, stereo ? 44100 : 22050}, pcm.data(), pcm.size());
        mixer.SetVolume(i, -(i * 37 % 3000));
        mixer.SetPan(i, i * 311 % 20001 - 10000);
        // Looping, so that every voice plays through the whole second.
        mixer.Play(i, true);
    }
    std::vector<int16_t> out(2 * kCallbackFrames);
    for (auto _ : state) {
        for (size_t done = 0; done < kOutputRate; done += kCallbackFrames)
            mixer.Mix(out.data(), std::min(kCallbackFrames, kOutputRate - done));
        benchmark::DoNotOptimize(out.data());
    }
    // The time per iteration is the time per second of audio: 10 ms is 1 % of a core.
    state.SetLabel("1 s at 48 kHz, 56 mono 22050 Hz and 8 stereo 44100 Hz voices");
}
BENCHMARK(BM_MixOneSecondOf64Voices)->Unit(benchmark::kMillisecond);

}  // namespace
