#include "engine/WaveReader.h"

#include <gtest/gtest.h>

#include <cstring>

#include "WaveBuilder.h"

namespace {

const Bytes kData = {1, 2, 3, 4, 5, 6, 7, 8};

bool Accepts(const Bytes& image) {
    WaveData wave;
    return ReadWave(image.data(), image.size(), &wave);
}

TEST(WaveReaderTest, ReadsFormatAndSamplesPastOtherChunks) {
    Bytes image = PcmWave(2, 16, 22050, kData);
    // An 18-byte format, and an odd-sized chunk with its pad byte before it.
    StoreLe32(&image[16], 18);
    image.insert(image.begin() + 36, 2, 0);
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'x', 'y', 'z', 0};
    image.insert(image.begin() + 12, list.begin(), list.end());
    StoreLe32(&image[4], static_cast<uint32_t>(image.size() - 8));
    WaveData wave;
    ASSERT_TRUE(ReadWave(image.data(), image.size(), &wave));
    EXPECT_EQ(wave.format.channels, 2);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.format.sampleRate, 22050);
    ASSERT_EQ(wave.bytes, kData.size());
    EXPECT_EQ(std::memcmp(wave.samples, kData.data(), kData.size()), 0);
    EXPECT_TRUE(Accepts(PcmWave(1, 8, 8000, {128})));
    EXPECT_TRUE(Accepts(PcmWave(1, 8, 0x7FFFFFFF, {128})));  // the highest rate an int holds
}

TEST(WaveReaderTest, RefusesAnythingButWholePcmImages) {
    const Bytes good = PcmWave(2, 16, 22050, kData);
    const struct {
        size_t offset;
        uint16_t value;
    } damage[] = {
        {0, 'X'},   // not RIFF
        {8, 'X'},   // not WAVE
        {4, 4},     // RIFF too small for its chunks
        {16, 14},   // format shorter than PCM's
        {20, 3},    // float samples
        {22, 0},    // no channel
        {34, 24},   // 24-bit samples
        {32, 2},    // block alignment of one 16-bit channel
        {24, 0},    // no rate
        {40, 9},    // data longer than the image
        {36, 'X'},  // no data chunk
        {12, 'X'},  // no fmt chunk
    };
    ASSERT_TRUE(Accepts(good));
    for (const auto& d : damage) {
        Bytes image = good;
        StoreLe16(&image[d.offset], d.value);
        EXPECT_FALSE(Accepts(image)) << d.offset;
    }
    EXPECT_FALSE(Accepts({}));
    EXPECT_FALSE(Accepts(Bytes(good.begin(), good.begin() + 11)));
    EXPECT_FALSE(Accepts(Bytes(good.begin(), good.end() - 1)));
}

}  // namespace
