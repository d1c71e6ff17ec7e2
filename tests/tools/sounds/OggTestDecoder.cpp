#include "tests/tools/sounds/OggTestDecoder.h"

#include "engine/OggDecoder.h"
#include "engine/WaveReader.h"
#include "tests/engine/VorbisFileReader.h"

#include <gtest/gtest.h>

#include <cstdint>

DecodedOgg DecodeOgg(const std::vector<unsigned char>& bytes)
{
    DecodedOgg decoded;
    VorbisFileReader reader(bytes);
    if (!reader.IsOpen())
        return decoded;
    const vorbis_info* info = ov_info(reader.File(), -1);
    decoded.sampleRate = static_cast<int>(info->rate);
    decoded.channels = info->channels;
    decoded.valid = true;
    int section = 0;
    float** pcm = nullptr;
    long frames = 0;
    while ((frames = ov_read_float(reader.File(), &pcm, 4096, &section)) != 0) {
        if (frames < 0) {
            decoded.valid = false;
            break;
        }
        for (long i = 0; i < frames; ++i)
            for (int c = 0; c < decoded.channels; ++c)
                decoded.samples.push_back(pcm[c][i]);
    }
    return decoded;
}

DecodedOgg DecodeAsTheGameDoes(const std::vector<unsigned char>& bytes)
{
    DecodedOgg decoded;
    WaveImage image;
    size_t imageSize = 0;
    WaveData wave;
    if (!DecodeOggToWav(bytes.data(), bytes.size(), &image, &imageSize) ||
        !ReadWave(image.get(), imageSize, &wave) || wave.format.bitsPerSample != 16) {
        return decoded;
    }
    decoded.valid = true;
    decoded.channels = wave.format.channels;
    decoded.sampleRate = wave.format.sampleRate;
    for (size_t i = 0; i + 1 < wave.bytes; i += 2) {
        const int16_t value = static_cast<int16_t>(wave.samples[i] | (wave.samples[i + 1] << 8));
        decoded.samples.push_back(static_cast<float>(value) / 32767.0f);
    }
    return decoded;
}

void ExpectTheGameDecodesAlike(const std::vector<unsigned char>& bytes, const DecodedOgg& reference)
{
    const DecodedOgg game = DecodeAsTheGameDoes(bytes);
    ASSERT_TRUE(game.valid);
    EXPECT_EQ(game.channels, reference.channels);
    EXPECT_EQ(game.sampleRate, reference.sampleRate);
    ASSERT_EQ(game.samples.size(), reference.samples.size());
    for (size_t i = 0; i < game.samples.size(); ++i) {
        ASSERT_NEAR(game.samples[i], reference.samples[i], 2.0f / 32767.0f) << "at " << i;
    }
}
