#include "tools/assetgen/sounds/Oscillators.h"

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

} // namespace

float SineWave(double phase)
{
    return static_cast<float>(std::sin(kTwoPi * phase));
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
