// RIFF/WAVE images built field by field for the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct WaveFmt {
    uint16_t tag = 1;
    uint16_t channels = 2;
    uint32_t rate = 22050;
    uint16_t blockAlign = 4;
    uint16_t bits = 16;
    size_t extra = 0;  // bytes beyond the 16 of PCM
};

using Bytes = std::vector<unsigned char>;

void PutChunk(Bytes* image, const char* id, const Bytes& body);
Bytes FmtBody(const WaveFmt& fmt);
// "RIFF", size, "WAVE", then the chunks.
Bytes Riff(const Bytes& chunks);
// A "fmt " chunk and a "data" chunk.
Bytes Wave(const WaveFmt& fmt, const Bytes& data);
// Mono 16-bit samples at rate.
Bytes MonoWave(const std::vector<int16_t>& samples, uint32_t rate);
