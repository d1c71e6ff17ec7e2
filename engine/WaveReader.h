// Reads the format and the samples of a RIFF/WAVE image held in memory.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/AudioDevice.h"

struct WaveData {
    PcmFormat format;
    const unsigned char* samples = nullptr;  // inside the image
    size_t bytes = 0;
};

// The PCM layouts the reader takes: at least one channel, 8 or 16 bits, a
// rate from 1 to 2^31 - 1.
bool IsReadablePcm(uint64_t channels, uint64_t bits, uint64_t rate);

// Accepts a RIFF "WAVE" image whose "fmt " chunk (16 bytes or more) describes
// PCM with at least one channel, 8 or 16 bits, a matching block alignment and
// a rate, followed by a "data" chunk that lies wholly inside the image.
// False for anything else.
bool ReadWave(const unsigned char* image, size_t size, WaveData* out);
