// A sound effect described as layers of tones and filtered noise, each with
// its own pitch or cutoff glide and envelope, plus a little post-processing.
#pragma once

#include "tools/assetgen/sounds/Filters.h"
#include "tools/assetgen/sounds/OggVorbisEncoder.h"
#include "tools/assetgen/sounds/Oscillators.h"

#include <cstdint>
#include <vector>

// A value that glides exponentially from `from` to `to` in `time` seconds and
// then stays; time 0 holds `from`.
struct Glide {
    double from = 0.0;
    double to = 0.0;
    double time = 0.0;

    double At(double t) const;
};

// Linear attack, a hold at full level, then an exponential fall that reaches
// -60 dB after `decay` seconds, where the layer ends.
struct Envelope {
    double attack = 0.002;
    double hold = 0.0;
    double decay = 0.1;

    double Level(double t) const;
    double Length() const { return attack + hold + decay; }
};

struct ToneLayer {
    Waveform shape = Waveform::Sine;
    Glide pitch{};
    double start = 0.0;
    Envelope envelope{};
    double gain = 1.0;
    // A second oscillator this far above in pitch (a ratio, e.g. 0.01 = 1 %).
    double detune = 0.0;
    // Pitch wobble: rate in Hz, depth as a fraction of the frequency.
    double vibratoRate = 0.0;
    double vibratoDepth = 0.0;
    // Phase modulation of a sine carrier by a sine at pitch × fmRatio.
    double fmRatio = 0.0;
    Glide fmIndex{};
    // A fixed low-pass on the layer in Hz (0 = none), to tame bright shapes.
    double lowPass = 0.0;
};

struct NoiseLayer {
    FilterMode mode = FilterMode::LowPass;
    Glide cutoff{};
    double resonance = 0.0;
    double start = 0.0;
    Envelope envelope{};
    double gain = 1.0;
    // Below 1, the noise is a sparse crackle of impulses at this rate per sample.
    double density = 1.0;
    uint32_t seed = 1;
};

struct Echo {
    double delay = 0.0;
    double feedback = 0.0;
    double mix = 0.0;
};

struct SoundRecipe {
    // Silence after the layers up to this length (seconds), e.g. for a beep that repeats.
    double length = 0.0;
    std::vector<ToneLayer> tones{};
    std::vector<NoiseLayer> noises{};
    // Soft saturation of the summed layers (0 = clean).
    double drive = 0.0;
    Echo echo{};
    // How loud the finished effect is heard (short-term loudness, dB).
    float loudness = -18.0f;
};

// The loudest sample of a finished effect: room for the encoder's small overshoots.
constexpr float kEffectPeakCeiling = 0.8f;

PcmSound RenderEffect(const SoundRecipe& recipe, int sampleRate);
