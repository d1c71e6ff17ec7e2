// Ogg Vorbis encoding of synthesised sounds with libvorbisenc.
#pragma once

#include <cstddef>
#include <vector>

struct PcmSound {
    int sampleRate = 44100;
    int channels = 1;
    // Interleaved samples in -1..1.
    std::vector<float> samples;

    size_t Frames() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
    double Seconds() const { return static_cast<double>(Frames()) / sampleRate; }
};

// Variable-bit-rate encoding at the given quality (-0.1 .. 1.0). The stream
// serial number is fixed, so the same sound always gives the same bytes.
// Returns an empty vector when the encoder refuses the format.
std::vector<unsigned char> EncodeOggVorbis(const PcmSound& sound, float quality);
