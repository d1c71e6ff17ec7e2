// Decodes Ogg Vorbis streams held in memory two ways: with libvorbisfile, a
// decoder that is not our own, and the way the game loads a sound (its Ogg
// decoder, then its WAVE reader).
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
DecodedOgg DecodeAsTheGameDoes(const std::vector<unsigned char>& bytes);

// The game's decoding of the stream matches the reference to within its 16-bit steps.
void ExpectTheGameDecodesAlike(const std::vector<unsigned char>& bytes, const DecodedOgg& reference);
