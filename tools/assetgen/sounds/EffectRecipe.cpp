#include "tools/assetgen/sounds/EffectRecipe.h"

#include "tools/assetgen/sounds/NoiseSource.h"
#include "tools/assetgen/sounds/SoundLevels.h"
#include "tools/assetgen/sounds/VoiceEnvelope.h"

#include <algorithm>
#include <cmath>

namespace {

// Phase modulation is given in radians; our phases count cycles.
constexpr double kRadiansToCycles = 0.15915494309189535;
constexpr double kFadeOutSeconds = 0.004;

size_t ToFrames(double seconds, int sampleRate)
{
    return static_cast<size_t>(std::max(0.0, seconds) * sampleRate + 0.5);
}

void RenderTone(const ToneLayer& layer, int sampleRate, std::vector<float>& out)
{
    const size_t first = ToFrames(layer.start, sampleRate);
    const size_t count = ToFrames(layer.envelope.Length(), sampleRate);
    Phase carrier;
    Phase doubled;
    Phase modulator;
    StateVariableFilter filter;
    filter.Tune(layer.lowPass, 0.0, sampleRate);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double frequency = layer.pitch.At(t);
        if (layer.vibratoDepth > 0.0) {
            frequency *= 1.0 + layer.vibratoDepth * SineWave(layer.vibratoRate * t);
        }
        const double increment = frequency / sampleRate;
        float value = 0.0f;
        if (layer.fmRatio > 0.0) {
            const double modulation = layer.fmIndex.At(t) * SineWave(modulator.Advance(increment * layer.fmRatio));
            value = SineWave(carrier.Advance(increment) + modulation * kRadiansToCycles);
        } else {
            value = Oscillate(layer.shape, carrier.Advance(increment), increment);
        }
        if (layer.detune != 0.0) {
            const double secondIncrement = increment * (1.0 + layer.detune);
            value = 0.5f * (value + Oscillate(layer.shape, doubled.Advance(secondIncrement), secondIncrement));
        }
        if (layer.lowPass > 0.0) {
            value = filter.Process(value, FilterMode::LowPass);
        }
        out[first + i] += static_cast<float>(layer.gain * layer.envelope.Level(t)) * value;
    }
}

void RenderNoise(const NoiseLayer& layer, int sampleRate, std::vector<float>& out)
{
    const size_t first = ToFrames(layer.start, sampleRate);
    const size_t count = ToFrames(layer.envelope.Length(), sampleRate);
    NoiseSource noise(layer.seed);
    StateVariableFilter filter;
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        if (i % kFilterControlInterval == 0) {
            filter.Tune(layer.cutoff.At(t), layer.resonance, sampleRate);
        }
        float source = noise.Next();
        if (layer.density < 1.0) {
            const float chance = noise.NextUnit();
            source = chance < layer.density ? (source < 0.0f ? -1.0f : 1.0f) : 0.0f;
        }
        const float value = filter.Process(source, layer.mode);
        out[first + i] += static_cast<float>(layer.gain * layer.envelope.Level(t)) * value;
    }
}

double EffectLength(const SoundRecipe& recipe)
{
    double length = recipe.length;
    for (const ToneLayer& layer : recipe.tones) {
        length = std::max(length, layer.start + layer.envelope.Length());
    }
    for (const NoiseLayer& layer : recipe.noises) {
        length = std::max(length, layer.start + layer.envelope.Length());
    }
    if (recipe.echo.feedback > 0.0 && recipe.echo.mix > 0.0) {
        // Repeats until they have fallen by about 50 dB.
        const double repeats = std::ceil(std::log(0.003) / std::log(recipe.echo.feedback));
        length += recipe.echo.delay * repeats;
    }
    return length;
}

void ApplyDrive(double drive, std::vector<float>& samples)
{
    if (drive <= 0.0) {
        return;
    }
    const float gain = static_cast<float>(1.0 + drive);
    for (float& v : samples) {
        v = Saturate(gain * v);
    }
}

void ApplyEcho(const Echo& echo, int sampleRate, std::vector<float>& samples)
{
    const size_t delay = ToFrames(echo.delay, sampleRate);
    if (delay == 0 || echo.mix <= 0.0) {
        return;
    }
    // The echo line holds its own feedback, so the dry sound stays untouched.
    std::vector<float> line(samples.size(), 0.0f);
    for (size_t i = delay; i < samples.size(); ++i) {
        line[i] = samples[i - delay] + static_cast<float>(echo.feedback) * line[i - delay];
    }
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] += static_cast<float>(echo.mix) * line[i];
    }
}

} // namespace

double Glide::At(double t) const
{
    if (time <= 0.0) {
        return from;
    }
    if (t >= time) {
        return to;
    }
    if (from > 0.0 && to > 0.0) {
        return from * std::pow(to / from, t / time);
    }
    return from + (to - from) * t / time;
}

double Envelope::Level(double t) const
{
    if (t < 0.0) {
        return 0.0;
    }
    if (t < attack) {
        return t / attack;
    }
    const double falling = t - attack - hold;
    if (falling <= 0.0) {
        return 1.0;
    }
    if (falling >= decay) {
        return 0.0;
    }
    return std::exp(-kMinus60DbNepers * falling / decay);
}

PcmSound RenderEffect(const SoundRecipe& recipe, int sampleRate)
{
    PcmSound sound;
    sound.sampleRate = sampleRate;
    sound.channels = 1;
    sound.samples.assign(ToFrames(EffectLength(recipe), sampleRate), 0.0f);
    for (const ToneLayer& layer : recipe.tones) {
        RenderTone(layer, sampleRate, sound.samples);
    }
    for (const NoiseLayer& layer : recipe.noises) {
        RenderNoise(layer, sampleRate, sound.samples);
    }
    ApplyDrive(recipe.drive, sound.samples);
    ApplyEcho(recipe.echo, sampleRate, sound.samples);
    RemoveDcOffset(sound.samples);
    FadeOutEnd(sound.samples, ToFrames(kFadeOutSeconds, sampleRate));
    ScaleToLoudness(sound.samples, sampleRate, 1, recipe.loudness, kEffectPeakCeiling);
    return sound;
}
