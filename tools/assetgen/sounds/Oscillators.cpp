#include "tools/assetgen/sounds/Oscillators.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Residual of a band-limited unit step at a discontinuity at phase 0.
double StepResidual(double phase, double increment)
{
    if (increment <= 0.0) {
        return 0.0;
    }
    if (phase < increment) {
        const double t = phase / increment;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - increment) {
        const double t = (phase - 1.0) / increment;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Wrap(double phase)
{
    return phase - std::floor(phase);
}

// One cycle of a sine, with a guard point for interpolating past the end.
constexpr size_t kSineSize = 4096;

const std::array<float, kSineSize + 1>& SineTable()
{
    static const std::array<float, kSineSize + 1> table = [] {
        std::array<float, kSineSize + 1> values{};
        for (size_t i = 0; i <= kSineSize; ++i) {
            values[i] = static_cast<float>(std::sin(kTwoPi * static_cast<double>(i) / kSineSize));
        }
        return values;
    }();
    return table;
}

} // namespace

float SineWave(double phase)
{
    const std::array<float, kSineSize + 1>& table = SineTable();
    const double position = Wrap(phase) * kSineSize;
    const size_t index = std::min(static_cast<size_t>(position), kSineSize - 1);
    const float fraction = static_cast<float>(position - static_cast<double>(index));
    return table[index] + fraction * (table[index + 1] - table[index]);
}

float TriangleWave(double phase)
{
    const double v = 4.0 * phase;
    if (phase < 0.25) {
        return static_cast<float>(v);
    }
    if (phase < 0.75) {
        return static_cast<float>(2.0 - v);
    }
    return static_cast<float>(v - 4.0);
}

float SawWave(double phase, double increment)
{
    return static_cast<float>(2.0 * phase - 1.0 - StepResidual(phase, increment));
}

float PulseWave(double phase, double increment, double width)
{
    double v = phase < width ? 1.0 : -1.0;
    v += StepResidual(phase, increment);
    v -= StepResidual(Wrap(phase - width), increment);
    // Centre the wave so narrow pulses carry no DC.
    return static_cast<float>(v + 1.0 - 2.0 * width);
}

float Oscillate(Waveform shape, double phase, double increment)
{
    switch (shape) {
    case Waveform::Sine:
        return SineWave(phase);
    case Waveform::Triangle:
        return TriangleWave(phase);
    case Waveform::Saw:
        return SawWave(phase, increment);
    case Waveform::Square:
        return PulseWave(phase, increment, 0.5);
    case Waveform::Pulse25:
        return PulseWave(phase, increment, 0.25);
    case Waveform::Pulse12:
        return PulseWave(phase, increment, 0.125);
    }
    return 0.0f;
}
