// Filters for the synthesised sounds: a state-variable filter that stays
// stable while its cutoff moves, a one-pole smoother and a DC blocker.
#pragma once

enum class FilterMode { LowPass, BandPass, HighPass };

class StateVariableFilter {
public:
    // cutoff in Hz (kept below the Nyquist frequency); resonance 0 (none) .. 1 (near self-oscillation).
    void Tune(double cutoff, double resonance, double sampleRate);
    float Process(float input, FilterMode mode);
    void Reset();

private:
    float g_ = 0.0f;
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
