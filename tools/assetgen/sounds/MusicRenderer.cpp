#include "tools/assetgen/sounds/MusicRenderer.h"

#include "tools/assetgen/sounds/Instruments.h"
#include "tools/assetgen/sounds/MixBus.h"
#include "tools/assetgen/sounds/Reverb.h"
#include "tools/assetgen/sounds/ScorePerformance.h"
#include "tools/assetgen/sounds/SoundLevels.h"
#include "tools/assetgen/sounds/StereoEcho.h"

#include <algorithm>

namespace {

// Room for the last notes' release, the echoes and the reverb to die away.
constexpr double kTailSeconds = 4.0;
constexpr double kEndingFadeSeconds = 1.5;
constexpr double kEchoBeats = 0.75;
constexpr float kEchoFeedback = 0.35f;

uint32_t NoteSeed(size_t track, size_t note)
{
    return static_cast<uint32_t>(0x2545F491u + 7919u * track + 2654435761u * note);
}

void RenderTracks(const Score& score, const Performance& performance, int sampleRate, MixBus& bus)
{
    for (size_t t = 0; t < score.tracks.size(); ++t) {
        const TrackSetup& track = score.tracks[t];
        TrackOutput out(bus, track.gain, track.pan, track.reverb, track.delay);
        const std::vector<PlayedNote>& notes = performance.tracks[t];
        for (size_t n = 0; n < notes.size(); ++n) {
            RenderNote(track, notes[n], NoteSeed(t, n), sampleRate, out);
        }
    }
}

// A looped piece is heard again from its start: its tail belongs there.
void WrapTail(size_t length, std::vector<float>& channel)
{
    for (size_t i = length; i < channel.size(); ++i) {
        channel[(i - length) % length] += channel[i];
    }
    channel.resize(length);
}

} // namespace

PcmSound RenderScore(const Score& score, int sampleRate)
{
    const Performance performance = PerformScore(score);
    const size_t length = static_cast<size_t>(performance.seconds * sampleRate + 0.5);
    MixBus bus(length + static_cast<size_t>(kTailSeconds * sampleRate));
    RenderTracks(score, performance, sampleRate, bus);
    AddStereoEcho(bus.delay, kEchoBeats * score.SecondsPerBeat(), kEchoFeedback, sampleRate, bus.left, bus.right);
    Reverb(sampleRate).Process(bus.reverb, bus.left, bus.right);
    for (std::vector<float>* channel : {&bus.left, &bus.right}) {
        RemoveDcOffset(*channel);
        if (score.loop && length > 0) {
            WrapTail(length, *channel);
        } else {
            FadeOutEnd(*channel, static_cast<size_t>(kEndingFadeSeconds * sampleRate));
        }
    }
    PcmSound sound;
    sound.sampleRate = sampleRate;
    sound.channels = 2;
    sound.samples.resize(bus.left.size() * 2);
    for (size_t i = 0; i < bus.left.size(); ++i) {
        sound.samples[2 * i] = bus.left[i];
        sound.samples[2 * i + 1] = bus.right[i];
    }
    return sound;
}

PcmSound MixToMono(const PcmSound& stereo)
{
    PcmSound mono;
    mono.sampleRate = stereo.sampleRate;
    mono.channels = 1;
    mono.samples.resize(stereo.Frames());
    for (size_t i = 0; i < mono.samples.size(); ++i) {
        mono.samples[i] = 0.5f * (stereo.samples[2 * i] + stereo.samples[2 * i + 1]);
    }
    return mono;
}
