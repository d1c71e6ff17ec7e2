// Filters for the synthesised sounds: a state-variable filter that stays
// stable while its cutoff moves, a one-pole smoother and a DC blocker.
#pragma once

#include <cstddef>

// A smooth saturation close to tanh (a rational approximation, exact at ±3,
// where it reaches ±1 and stays).
inline float Saturate(float x)
{
    const float clamped = x < -3.0f ? -3.0f : (x > 3.0f ? 3.0f : x);
    const float square = clamped * clamped;
    return clamped * (27.0f + square) / (27.0f + 9.0f * square);
}

enum class FilterMode { LowPass, BandPass, HighPass };

// Moving filters are retuned every this many samples: cheap, and still smooth.
inline constexpr size_t kFilterControlInterval = 16;

class StateVariableFilter {
public:
    // cutoff in Hz (kept below the Nyquist frequency); resonance 0 (none) .. 1 (near self-oscillation).
    void Tune(double cutoff, double resonance, double sampleRate);
    float Process(float input, FilterMode mode)
    {
        // Trapezoidal integrators (topology-preserving form).
        const float v3 = input - low_;
        const float v1 = a1_ * band_ + a2_ * v3;
        const float v2 = low_ + a2_ * band_ + a3_ * v3;
        band_ = 2.0f * v1 - band_;
        low_ = 2.0f * v2 - low_;
        if (mode == FilterMode::BandPass) {
            return v1;
        }
        return mode == FilterMode::HighPass ? input - k_ * v1 - v2 : v2;
    }

private:
    float k_ = 2.0f;
    float a1_ = 1.0f;
    float a2_ = 0.0f;
    float a3_ = 0.0f;
    float low_ = 0.0f;
    float band_ = 0.0f;
};

class OnePoleLowPass {
public:
    void Tune(double cutoff, double sampleRate);
    float Process(float input)
    {
        state_ += coefficient_ * (input - state_);
        return state_;
    }

private:
    float coefficient_ = 1.0f;
    float state_ = 0.0f;
};

class DcBlocker {
public:
    float Process(float input)
    {
        const float output = input - previousInput_ + 0.9975f * previousOutput_;
        previousInput_ = input;
        previousOutput_ = output;
        return output;
    }

private:
    float previousInput_ = 0.0f;
    float previousOutput_ = 0.0f;
};
