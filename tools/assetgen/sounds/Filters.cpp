#include "tools/assetgen/sounds/Filters.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;
}

void StateVariableFilter::Tune(double cutoff, double resonance, double sampleRate)
{
    const double limited = std::clamp(cutoff, 10.0, sampleRate * 0.45);
    const double g = std::tan(kPi * limited / sampleRate);
    const double k = 2.0 - 1.96 * std::clamp(resonance, 0.0, 1.0);
    g_ = static_cast<float>(g);
    k_ = static_cast<float>(k);
    a1_ = static_cast<float>(1.0 / (1.0 + g * (g + k)));
    a2_ = static_cast<float>(g) * a1_;
    a3_ = static_cast<float>(g) * a2_;
}

float StateVariableFilter::Process(float input, FilterMode mode)
{
    // Trapezoidal integrators (topology-preserving form).
    const float v3 = input - low_;
    const float v1 = a1_ * band_ + a2_ * v3;
    const float v2 = low_ + a2_ * band_ + a3_ * v3;
    band_ = 2.0f * v1 - band_;
    low_ = 2.0f * v2 - low_;
    switch (mode) {
    case FilterMode::LowPass:
        return v2;
    case FilterMode::BandPass:
        return v1;
    case FilterMode::HighPass:
        return input - k_ * v1 - v2;
    }
    return v2;
}

void StateVariableFilter::Reset()
{
    low_ = 0.0f;
    band_ = 0.0f;
}

void OnePoleLowPass::Tune(double cutoff, double sampleRate)
{
    coefficient_ = static_cast<float>(1.0 - std::exp(-2.0 * kPi * cutoff / sampleRate));
}
