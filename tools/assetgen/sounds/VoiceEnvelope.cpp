#include "tools/assetgen/sounds/VoiceEnvelope.h"

#include <algorithm>
#include <cmath>

double DecayPerSample(double seconds, int sampleRate)
{
    return std::exp(-kMinus60DbNepers / (std::max(seconds, 0.001) * sampleRate));
}

VoiceEnvelope::VoiceEnvelope(const EnvelopeShape& shape, double gateSeconds, int sampleRate)
    : attackFrames_(static_cast<size_t>(std::max(1.0, shape.attack * sampleRate))),
      gateFrames_(static_cast<size_t>(std::max(1.0, gateSeconds * sampleRate))),
      total_(gateFrames_ + static_cast<size_t>(shape.release * sampleRate) + 1), sustain_(shape.sustain),
      decayFactor_(DecayPerSample(shape.decay, sampleRate)), releaseFactor_(DecayPerSample(shape.release, sampleRate))
{
}

float VoiceEnvelope::Next()
{
    if (frame_ < gateFrames_) {
        if (frame_ < attackFrames_) {
            level_ = static_cast<double>(frame_ + 1) / static_cast<double>(attackFrames_);
        } else {
            excess_ *= decayFactor_;
            level_ = sustain_ + (1.0 - sustain_) * excess_;
        }
    } else {
        level_ *= releaseFactor_;
    }
    ++frame_;
    return static_cast<float>(level_);
}
