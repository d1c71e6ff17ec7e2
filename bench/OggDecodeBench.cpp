// Decoding throughput of DecodeOggToWav against libvorbisfile's ov_read on
// the same stream: a music-length stereo track and an effect-length mono one.
#include "engine/OggDecoder.h"
#include "tests/engine/OggEncoder.h"
#include "tests/engine/VorbisFileReader.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct StreamKind {
    int seconds, channels, rate;
};
constexpr StreamKind kStreams[] = {{30, 2, 44100}, {1, 1, 22050}};

// Three drifting tones over a little noise, so that every band carries something.
std::vector<float> Music(const StreamKind& kind)
{
    const size_t frames = static_cast<size_t>(kind.seconds) * static_cast<size_t>(kind.rate);
    std::vector<float> samples;
    samples.reserve(frames * static_cast<size_t>(kind.channels));
    unsigned int noise = 1;
    for (size_t i = 0; i < frames; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(kind.rate);
        for (int c = 0; c < kind.channels; ++c) {
            noise = noise * 1664525u + 1013904223u;
            const float hiss = static_cast<float>(noise >> 8) / 16777216.0f - 0.5f;
            samples.push_back(0.25f * std::sin(6.2831853f * (220.0f + 3.0f * t + 2.0f * c) * t) +
                              0.15f * std::sin(6.2831853f * 554.0f * t) +
                              0.1f * std::sin(6.2831853f * (1760.0f - 10.0f * t) * t) + 0.05f * hiss);
        }
    }
    return samples;
}

const std::vector<unsigned char>& Stream(int index)
{
    static std::vector<unsigned char> streams[std::size(kStreams)];
    std::vector<unsigned char>& stream = streams[index];
    if (stream.empty()) {
        const StreamKind& kind = kStreams[index];
        stream = EncodeOgg(Music(kind), kind.channels, kind.rate, 1);
    }
    return stream;
}

void ReportPcm(benchmark::State& state, size_t pcmBytes)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(pcmBytes));
    const StreamKind& kind = kStreams[state.range(0)];
    state.SetLabel(std::to_string(kind.seconds) + " s, " + std::to_string(kind.channels) + " ch, " +
                   std::to_string(kind.rate) + " Hz");
}

void BM_DecodeOggToWav(benchmark::State& state)
{
    const std::vector<unsigned char>& ogg = Stream(static_cast<int>(state.range(0)));
    size_t size = 0;
    for (auto _ : state) {
        WaveImage image;
        if (!DecodeOggToWav(ogg.data(), ogg.size(), &image, &size)) {
            state.SkipWithError("decoding failed");
            return;
        }
        benchmark::DoNotOptimize(image.get());
    }
    ReportPcm(state, size - 44);
}
BENCHMARK(BM_DecodeOggToWav)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole stream as 16-bit little-endian PCM in one buffer, as the decoder makes it.
size_t ReadWithVorbisfile(const std::vector<unsigned char>& ogg, std::vector<char>* pcm)
{
    VorbisFileReader reader(ogg);
    if (!reader.IsOpen())
        return 0;
    OggVorbis_File* file = reader.File();
    pcm->resize(static_cast<size_t>(ov_pcm_total(file, -1)) * static_cast<size_t>(ov_info(file, -1)->channels) * 2);
    size_t done = 0;
    int link = 0;
    long got = 0;
    while (done < pcm->size() &&
           (got = ov_read(file, pcm->data() + done, static_cast<int>(std::min<size_t>(pcm->size() - done, 65536)), 0,
                          2, 1, &link)) > 0)
        done += static_cast<size_t>(got);
    return done;
}

void BM_VorbisfileOvRead(benchmark::State& state)
{
    const std::vector<unsigned char>& ogg = Stream(static_cast<int>(state.range(0)));
    size_t size = 0;
    for (auto _ : state) {
        std::vector<char> pcm;
        size = ReadWithVorbisfile(ogg, &pcm);
        benchmark::DoNotOptimize(pcm.data());
    }
    ReportPcm(state, size);
}
BENCHMARK(BM_VorbisfileOvRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
