#include "tools/assetgen/sounds/SoundLevels.h"

#include "tools/assetgen/sounds/Filters.h"

#include <algorithm>
#include <cmath>

float PeakLevel(const std::vector<float>& samples)
{
    float peak = 0.0f;
    for (float v : samples) {
        peak = std::fmax(peak, std::fabs(v));
    }
    return peak;
}

float RmsLevel(const std::vector<float>& samples)
{
    if (samples.empty()) {
        return 0.0f;
    }
    double sum = 0.0;
    for (float v : samples) {
        sum += static_cast<double>(v) * v;
    }
    return static_cast<float>(std::sqrt(sum / static_cast<double>(samples.size())));
}

float DcOffset(const std::vector<float>& samples, int channels, int channel)
{
    double sum = 0.0;
    size_t count = 0;
    for (size_t i = static_cast<size_t>(channel); i < samples.size(); i += static_cast<size_t>(channels)) {
        sum += samples[i];
        ++count;
    }
    return count == 0 ? 0.0f : static_cast<float>(sum / static_cast<double>(count));
}

float ToDecibels(float level)
{
    return level > 0.0f ? 20.0f * std::log10(level) : -200.0f;
}

float ShortTermLoudness(const std::vector<float>& samples, int sampleRate, int channels)
{
    constexpr double kWindowSeconds = 0.05;
    constexpr double kHighPassHz = 150.0;
    const size_t window = static_cast<size_t>(kWindowSeconds * sampleRate) * static_cast<size_t>(channels);
    std::vector<StateVariableFilter> filters(static_cast<size_t>(channels));
    for (StateVariableFilter& filter : filters) {
        filter.Tune(kHighPassHz, 0.0, sampleRate);
    }
    double loudest = 0.0;
    double sum = 0.0;
    size_t inWindow = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        const float v = filters[i % static_cast<size_t>(channels)].Process(samples[i], FilterMode::HighPass);
        sum += static_cast<double>(v) * v;
        if (++inWindow == window) {
            loudest = std::fmax(loudest, sum / static_cast<double>(window));
            sum = 0.0;
            inWindow = 0;
        }
    }
    if (inWindow > 0) {
        loudest = std::fmax(loudest, sum / static_cast<double>(window));
    }
    return ToDecibels(static_cast<float>(std::sqrt(loudest)));
}

void ScaleToLoudness(std::vector<float>& samples, int sampleRate, int channels, float loudnessDb, float ceiling)
{
    const float peak = PeakLevel(samples);
    if (peak <= 0.0f) {
        return;
    }
    const float current = ShortTermLoudness(samples, sampleRate, channels);
    const float gain = std::fmin(std::pow(10.0f, (loudnessDb - current) / 20.0f), ceiling / peak);
    for (float& v : samples) {
        v *= gain;
    }
}

void ScaleToRms(std::vector<float>& samples, float rmsDb, float ceiling)
{
    const float peak = PeakLevel(samples);
    if (peak <= 0.0f) {
        return;
    }
    const float gain = std::fmin(std::pow(10.0f, rmsDb / 20.0f) / RmsLevel(samples), ceiling / peak);
    for (float& v : samples) {
        v *= gain;
    }
}

void ScaleToPeak(std::vector<float>& samples, float peak)
{
    const float current = PeakLevel(samples);
    if (current <= 0.0f) {
        return;
    }
    const float gain = peak / current;
    for (float& v : samples) {
        v *= gain;
    }
}

void FadeOutEnd(std::vector<float>& samples, size_t frames)
{
    const size_t fade = std::min(frames, samples.size());
    for (size_t i = 0; i < fade; ++i) {
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    }
}

void TrimSilentEnd(std::vector<float>& samples, float threshold, size_t fadeFrames)
{
    size_t end = samples.size();
    while (end > 0 && std::fabs(samples[end - 1]) <= threshold) {
        --end;
    }
    samples.resize(std::min(samples.size(), end + fadeFrames));
    FadeOutEnd(samples, fadeFrames);
}

void RemoveDcOffset(std::vector<float>& samples, int channels)
{
    for (int c = 0; c < channels; ++c) {
        DcBlocker blocker;
        for (size_t i = static_cast<size_t>(c); i < samples.size(); i += static_cast<size_t>(channels)) {
            samples[i] = blocker.Process(samples[i]);
        }
    }
}
