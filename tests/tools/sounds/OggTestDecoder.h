// Decodes an Ogg Vorbis stream held in memory with libvorbisfile, so the
// tests check our streams with a decoder that is not our own.
#pragma once

#include <vector>

struct DecodedOgg {
    bool valid = false;
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved

    double Seconds() const
    {
        return valid && channels > 0 ? static_cast<double>(samples.size()) / channels / sampleRate : 0.0;
    }
};

DecodedOgg DecodeOgg(const std::vector<unsigned char>& bytes);
