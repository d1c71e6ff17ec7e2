// Decoding of whole Ogg Vorbis streams held in memory into RIFF/WAVE images
// of 16-bit PCM, which the sound manager's WAVE reader takes.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

struct FreeBytes {
    void operator()(unsigned char* bytes) const { std::free(bytes); }
};
using WaveImage = std::unique_ptr<unsigned char, FreeBytes>;

// The largest image made; a longer stream fails.
constexpr size_t kMaxWaveImageBytes = 256u * 1024 * 1024;

// Decodes the first logical stream of ogg into a 44-byte WAVE header followed
// by interleaved 16-bit PCM. False, leaving *image and *imageSize as they
// were, when the first page or a header packet cannot be read, when memory
// runs out or when the image would exceed kMaxWaveImageBytes. A stream cut
// short after its headers gives the samples decoded up to the cut.
bool DecodeOggToWav(const unsigned char* ogg, size_t oggSize, WaveImage* image, size_t* imageSize);
