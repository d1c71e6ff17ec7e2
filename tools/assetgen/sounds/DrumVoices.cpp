// The drum kit: every piece synthesised from sines, noise and a cluster of
// detuned square waves for the metal.
#include "tools/assetgen/sounds/Instruments.h"

#include "tools/assetgen/sounds/Filters.h"
#include "tools/assetgen/sounds/NoiseSource.h"
#include "tools/assetgen/sounds/Oscillators.h"
#include "tools/assetgen/sounds/VoiceEnvelope.h"

#include <algorithm>
#include <cmath>

namespace {

float Decay(double seconds, int sampleRate)
{
    return static_cast<float>(DecayPerSample(seconds, sampleRate));
}

// Six square waves at unrelated frequencies: the shimmer of hats and cymbals.
class MetalCluster {
public:
    explicit MetalCluster(double scale, int sampleRate)
    {
        static const double kFrequencies[6] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
        for (int i = 0; i < 6; ++i) {
            increments_[i] = kFrequencies[i] * scale / sampleRate;
        }
    }

    float Next()
    {
        float sum = 0.0f;
        for (int i = 0; i < 6; ++i) {
            sum += PulseWave(phases_[i].Advance(increments_[i]), increments_[i], 0.5);
        }
        return sum * (1.0f / 6.0f);
    }

private:
    double increments_[6] = {};
    Phase phases_[6];
};

class HitWriter {
public:
    HitWriter(const PlayedNote& note, double seconds, double panOffset, int sampleRate, TrackOutput& out)
        : out_(out), gains_(PanGains::For(out.Pan() + panOffset)), velocity_(note.velocity)
    {
        first_ = static_cast<size_t>(note.start * sampleRate + 0.5);
        const size_t wanted = static_cast<size_t>(seconds * sampleRate);
        count_ = first_ < out.Frames() ? std::min(wanted, out.Frames() - first_) : 0;
    }

    size_t Count() const { return count_; }

    void Write(size_t i, float value)
    {
        const float v = value * velocity_ * 1.41f;
        out_.AddStereo(first_ + i, v * gains_.left, v * gains_.right);
    }

private:
    TrackOutput& out_;
    PanGains gains_;
    float velocity_;
    size_t first_ = 0;
    size_t count_ = 0;
};

void Kick(const PlayedNote& note, uint32_t seed, int rate, TrackOutput& out)
{
    HitWriter hit(note, 0.5, 0.0, rate, out);
    NoiseSource noise(seed);
    Phase phase;
    const float bodyDecay = Decay(0.45, rate);
    const float pitchDecay = Decay(0.12, rate);
    const float clickDecay = Decay(0.01, rate);
    float body = 1.0f;
    float pitch = 1.0f;
    float click = 0.35f;
    for (size_t i = 0; i < hit.Count(); ++i) {
        const double frequency = 48.0 + 115.0 * pitch;
        const float tone = SineWave(phase.Advance(frequency / rate));
        hit.Write(i, Saturate(1.6f * body * tone) + click * noise.Next());
        body *= bodyDecay;
        pitch *= pitchDecay;
        click *= clickDecay;
    }
}

void Snare(const PlayedNote& note, uint32_t seed, int rate, TrackOutput& out)
{
    HitWriter hit(note, 0.35, 0.0, rate, out);
    NoiseSource noise(seed);
    StateVariableFilter filter;
    filter.Tune(2800.0, 0.0, rate);
    Phase low;
    Phase high;
    const float toneDecay = Decay(0.12, rate);
    const float noiseDecay = Decay(0.3, rate);
    float tone = 0.4f;
    float hiss = 0.5f;
    for (size_t i = 0; i < hit.Count(); ++i) {
        const float body = SineWave(low.Advance(185.0 / rate)) + 0.5f * SineWave(high.Advance(330.0 / rate));
        const float snares = filter.Process(noise.Next(), FilterMode::HighPass);
        hit.Write(i, tone * body + hiss * snares);
        tone *= toneDecay;
        hiss *= noiseDecay;
    }
}

void Clap(const PlayedNote& note, uint32_t seed, int rate, TrackOutput& out)
{
    HitWriter hit(note, 0.35, -0.1, rate, out);
    NoiseSource noise(seed);
    StateVariableFilter filter;
    filter.Tune(1200.0, 0.3, rate);
    const size_t burst = static_cast<size_t>(0.011 * rate);
    const float burstDecay = Decay(0.012, rate);
    const float tailDecay = Decay(0.3, rate);
    float level = 1.0f;
    for (size_t i = 0; i < hit.Count(); ++i) {
        if (i < 3 * burst && i % burst == 0) {
            level = 1.0f;
        }
        hit.Write(i, level * 4.5f * filter.Process(noise.Next(), FilterMode::BandPass));
        level *= i < 3 * burst ? burstDecay : tailDecay;
    }
}

void Metal(const PlayedNote& note, uint32_t seed, int rate, TrackOutput& out, double seconds, double cutoff,
           double panOffset, float startLevel)
{
    HitWriter hit(note, seconds, panOffset, rate, out);
    NoiseSource noise(seed);
    MetalCluster metal(1.7, rate);
    StateVariableFilter filter;
    filter.Tune(cutoff, 0.2, rate);
    const float decay = Decay(seconds, rate);
    float level = startLevel;
    for (size_t i = 0; i < hit.Count(); ++i) {
        const float source = metal.Next() + 0.5f * noise.Next();
        hit.Write(i, level * filter.Process(source, FilterMode::HighPass));
        level *= decay;
    }
}

void Ride(const PlayedNote& note, uint32_t seed, int rate, TrackOutput& out)
{
    HitWriter hit(note, 1.4, -0.3, rate, out);
    NoiseSource noise(seed);
    MetalCluster metal(2.3, rate);
    StateVariableFilter filter;
    filter.Tune(5200.0, 0.3, rate);
    Phase ping;
    const float decay = Decay(1.4, rate);
    const float pingDecay = Decay(0.25, rate);
    float level = 0.6f;
    float bell = 0.25f;
    for (size_t i = 0; i < hit.Count(); ++i) {
        const float source = filter.Process(metal.Next() + 0.3f * noise.Next(), FilterMode::BandPass);
        hit.Write(i, level * source + bell * SineWave(ping.Advance(3150.0 / rate)));
        level *= decay;
        bell *= pingDecay;
    }
}

void Tom(const PlayedNote& note, uint32_t seed, int rate, TrackOutput& out, double frequency, double panOffset,
         float startLevel)
{
    HitWriter hit(note, 0.6, panOffset, rate, out);
    NoiseSource noise(seed);
    Phase phase;
    const float decay = Decay(0.6, rate);
    const float bendDecay = Decay(0.2, rate);
    float level = startLevel;
    float bend = 0.5f;
    for (size_t i = 0; i < hit.Count(); ++i) {
        const float tone = SineWave(phase.Advance(frequency * (1.0 + bend) / rate));
        hit.Write(i, level * (tone + 0.08f * noise.Next()));
        level *= decay;
        bend *= bendDecay;
    }
}

void Rim(const PlayedNote& note, uint32_t seed, int rate, TrackOutput& out)
{
    HitWriter hit(note, 0.07, 0.2, rate, out);
    NoiseSource noise(seed);
    StateVariableFilter filter;
    filter.Tune(3000.0, 0.4, rate);
    Phase phase;
    const float decay = Decay(0.05, rate);
    float level = 1.0f;
    for (size_t i = 0; i < hit.Count(); ++i) {
        const float tone = TriangleWave(phase.Advance(1700.0 / rate));
        hit.Write(i, level * (0.6f * tone + filter.Process(noise.Next(), FilterMode::BandPass)));
        level *= decay;
    }
}

// Rising noise that fills the note's whole length and stops at its end.
void Swell(const PlayedNote& note, uint32_t seed, int rate, TrackOutput& out)
{
    HitWriter hit(note, note.length, 0.0, rate, out);
    NoiseSource noise(seed);
    StateVariableFilter filter;
    const double length = static_cast<double>(std::max<size_t>(hit.Count(), 1));
    const size_t fade = static_cast<size_t>(0.01 * rate);
    for (size_t i = 0; i < hit.Count(); ++i) {
        const double progress = static_cast<double>(i) / length;
        if (i % kFilterControlInterval == 0) {
            filter.Tune(300.0 * std::pow(30.0, progress), 0.3, rate);
        }
        const size_t left = hit.Count() - i;
        const float ending = left < fade ? static_cast<float>(left) / static_cast<float>(fade) : 1.0f;
        hit.Write(i, static_cast<float>(0.4 * progress * progress) * ending *
                         filter.Process(noise.Next(), FilterMode::LowPass));
    }
}

} // namespace

void RenderDrumHit(const PlayedNote& note, uint32_t seed, int sampleRate, TrackOutput& out)
{
    switch (static_cast<DrumKind>(note.pitch)) {
    case DrumKind::Kick:
        Kick(note, seed, sampleRate, out);
        break;
    case DrumKind::Snare:
        Snare(note, seed, sampleRate, out);
        break;
    case DrumKind::Clap:
        Clap(note, seed, sampleRate, out);
        break;
    case DrumKind::ClosedHat:
        Metal(note, seed, sampleRate, out, 0.07, 7000.0, 0.25, 1.3f);
        break;
    case DrumKind::OpenHat:
        Metal(note, seed, sampleRate, out, 0.55, 6500.0, 0.25, 0.65f);
        break;
    case DrumKind::Crash:
        Metal(note, seed, sampleRate, out, 2.8, 4200.0, -0.15, 0.65f);
        break;
    case DrumKind::Ride:
        Ride(note, seed, sampleRate, out);
        break;
    case DrumKind::LowTom:
        Tom(note, seed, sampleRate, out, 98.0, -0.35, 0.9f);
        break;
    case DrumKind::MidTom:
        Tom(note, seed, sampleRate, out, 131.0, 0.0, 0.6f);
        break;
    case DrumKind::HighTom:
        Tom(note, seed, sampleRate, out, 175.0, 0.35, 0.5f);
        break;
    case DrumKind::Rim:
        Rim(note, seed, sampleRate, out);
        break;
    case DrumKind::Swell:
        Swell(note, seed, sampleRate, out);
        break;
    }
}
