// Band-limited oscillator shapes on a phase in [0, 1). The step corrections
// (polynomial band-limited steps) keep saw and pulse waves free of the
// aliasing that naive shapes produce at high pitch.
#pragma once

// One oscillator's running phase; Advance returns the phase before the step.
class Phase {
public:
    double value = 0.0;

    double Advance(double increment)
    {
        const double current = value;
        value += increment;
        value -= static_cast<double>(static_cast<long long>(value));
        return current;
    }
};

// Any phase, wrapped into one cycle.
float SineWave(double phase);
float TriangleWave(double phase);
// increment: the phase step per sample (frequency / sample rate).
float SawWave(double phase, double increment);
float PulseWave(double phase, double increment, double width);

enum class Waveform { Sine, Triangle, Saw, Square, Pulse25, Pulse12 };

float Oscillate(Waveform shape, double phase, double increment);
