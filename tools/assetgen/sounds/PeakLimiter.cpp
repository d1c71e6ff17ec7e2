#include "tools/assetgen/sounds/PeakLimiter.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kAttackSeconds = 0.004;
constexpr double kReleaseSeconds = 0.2;
} // namespace

void LimitPeaks(std::vector<float>& samples, int channels, int sampleRate, float ceiling)
{
    const size_t width = static_cast<size_t>(channels);
    const size_t frames = samples.size() / width;
    std::vector<float> gain(frames, 1.0f);
    for (size_t f = 0; f < frames; ++f) {
        for (size_t c = 0; c < width; ++c) {
            const float magnitude = std::fabs(samples[f * width + c]);
            if (magnitude > ceiling) {
                gain[f] = std::min(gain[f], ceiling / magnitude);
            }
        }
    }
    // Linear recovery after each reduction, then a linear fall ahead of it;
    // neither pass ever raises a gain, so every peak stays under the ceiling.
    const float release = static_cast<float>(1.0 / (kReleaseSeconds * sampleRate));
    for (size_t f = 1; f < frames; ++f) {
        gain[f] = std::min(gain[f], gain[f - 1] + release);
    }
    const float attack = static_cast<float>(1.0 / (kAttackSeconds * sampleRate));
    for (size_t f = frames; f-- > 1;) {
        gain[f - 1] = std::min(gain[f - 1], gain[f] + attack);
    }
    for (size_t f = 0; f < frames; ++f) {
        for (size_t c = 0; c < width; ++c) {
            samples[f * width + c] *= gain[f];
        }
    }
}
