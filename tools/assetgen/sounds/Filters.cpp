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
    k_ = static_cast<float>(k);
    a1_ = static_cast<float>(1.0 / (1.0 + g * (g + k)));
    a2_ = static_cast<float>(g) * a1_;
    a3_ = static_cast<float>(g) * a2_;
}

void OnePoleLowPass::Tune(double cutoff, double sampleRate)
{
    coefficient_ = static_cast<float>(1.0 - std::exp(-2.0 * kPi * cutoff / sampleRate));
}
