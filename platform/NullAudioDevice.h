// An audio device without output: it keeps its buffers and their state, but
// nothing mixes them, so a buffer once played stays playing until stopped.
#pragma once

#include "platform/Mixer.h"

class NullAudioDevice : public Mixer {
public:
    static constexpr int kOutputRate = 44100;

    NullAudioDevice() : Mixer(kOutputRate) {}
};
