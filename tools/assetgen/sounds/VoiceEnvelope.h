// Attack, decay to a sustain level, and release after the note's gate,
// stepped once per sample without any per-sample exponentials.
#pragma once

#include <cstddef>

// ln(1000): an exponential decay falls by 60 dB after this many time constants.
inline constexpr double kMinus60DbNepers = 6.907755278982137;

// The per-sample factor of an exponential decay that falls 60 dB in `seconds`.
double DecayPerSample(double seconds, int sampleRate);

struct EnvelopeShape {
    double attack = 0.005;  // seconds, linear
    double decay = 0.2;     // seconds to fall most of the way (-60 dB) to the sustain level
    double sustain = 1.0;   // 0..1
    double release = 0.1;   // seconds to -60 dB after the gate
};

class VoiceEnvelope {
public:
    VoiceEnvelope(const EnvelopeShape& shape, double gateSeconds, int sampleRate);

    // Frames until the release has died away.
    size_t Frames() const { return total_; }
    float Next();

private:
    size_t attackFrames_;
    size_t gateFrames_;
    size_t total_;
    double sustain_;
    double decayFactor_;
    double releaseFactor_;
    double excess_ = 1.0; // level above the sustain, decaying
    double level_ = 0.0;
    size_t frame_ = 0;
};
