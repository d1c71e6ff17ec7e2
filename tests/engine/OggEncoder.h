// Small Ogg Vorbis streams made in the tests.
#pragma once

#include <cstddef>
#include <vector>

// Encodes interleaved float samples into one logical Ogg Vorbis stream.
// *headerBytes, when given, receives the length of the pages that carry the
// three header packets.
std::vector<unsigned char> EncodeOgg(const std::vector<float>& samples, int channels, int rate,
                                     int serial, size_t* headerBytes = nullptr);

// frames frames of a sine wave of the given amplitude on every channel.
std::vector<float> Sine(size_t frames, int channels, float amplitude, float cyclesPerFrame);
