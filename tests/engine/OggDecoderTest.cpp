#include "engine/OggDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "OggEncoder.h"
#include "engine/ByteOrder.h"
#include "engine/WaveReader.h"

namespace {

struct Decoded {
    bool ok = false;
    WaveImage image;
    size_t size = 0;

    const int16_t* Samples() const { return reinterpret_cast<const int16_t*>(image.get() + 44); }
    size_t SampleCount() const { return (size - 44) / 2; }
};

Decoded Decode(const std::vector<unsigned char>& ogg) {
    Decoded d;
    d.ok = DecodeOggToWav(ogg.data(), ogg.size(), &d.image, &d.size);
    return d;
}

TEST(OggDecoderTest, StreamBecomesAPcmWaveImageOfItsLength) {
    for (int channels : {1, 2}) {
        const uint32_t rate = channels == 1 ? 44100 : 22050;
        const Decoded d = Decode(EncodeOgg(Sine(4410, channels, 0.5f, 0.01f), channels, rate, 7));
        ASSERT_TRUE(d.ok);
        ASSERT_EQ(d.size, 44u + 4410 * 2 * channels);
        const unsigned char* h = d.image.get();
        EXPECT_EQ(std::memcmp(h, "RIFF", 4), 0);
        EXPECT_EQ(LoadLe32(h + 4), d.size - 8);
        EXPECT_EQ(std::memcmp(h + 8, "WAVEfmt ", 8), 0);
        EXPECT_EQ(LoadLe32(h + 16), 16u);
        EXPECT_EQ(LoadLe16(h + 20), 1);
        EXPECT_EQ(LoadLe16(h + 22), channels);
        EXPECT_EQ(LoadLe32(h + 24), rate);
        EXPECT_EQ(LoadLe32(h + 28), rate * 2 * channels);
        EXPECT_EQ(LoadLe16(h + 32), 2 * channels);
        EXPECT_EQ(LoadLe16(h + 34), 16);
        EXPECT_EQ(std::memcmp(h + 36, "data", 4), 0);
        EXPECT_EQ(LoadLe32(h + 40), d.size - 44);
        EXPECT_NEAR(*std::max_element(d.Samples(), d.Samples() + d.SampleCount()), 16383, 1600);
        WaveData wave;
        EXPECT_TRUE(ReadWave(d.image.get(), d.size, &wave));
    }
}

// A full-scale square wave overshoots 1.0 after decoding: the overshoot must
// clamp to the limits, never wrap to the other sign.
TEST(OggDecoderTest, OvershootClampsToTheSampleRange) {
    std::vector<float> square;
    for (int i = 0; i < 8000; ++i) {
        square.push_back(i % 100 < 50 ? 1.0f : -1.0f);
    }
    const Decoded d = Decode(EncodeOgg(square, 1, 8000, 3));
    ASSERT_TRUE(d.ok);
    const int16_t* s = d.Samples();
    EXPECT_EQ(*std::max_element(s, s + d.SampleCount()), 32767);
    EXPECT_EQ(*std::min_element(s, s + d.SampleCount()), -32768);
    for (size_t i = 200; i + 200 < d.SampleCount(); ++i) {
        const size_t phase = i % 100;
        if (phase > 10 && phase < 40) {
            ASSERT_GT(s[i], 0) << i;
        } else if (phase > 60 && phase < 90) {
            ASSERT_LT(s[i], 0) << i;
        }
    }
}

TEST(OggDecoderTest, ChainedStreamStopsAtTheFirstEnd) {
    std::vector<unsigned char> chained = EncodeOgg(Sine(1000, 1, 0.5f, 0.01f), 1, 8000, 1);
    const std::vector<unsigned char> second = EncodeOgg(Sine(5000, 1, 0.5f, 0.01f), 1, 8000, 2);
    chained.insert(chained.end(), second.begin(), second.end());
    const Decoded d = Decode(chained);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.SampleCount(), 1000u);
}

TEST(OggDecoderTest, LongStreamGrowsTheImageBeyondFourMegabytes) {
    const size_t frames = 1200000;
    const Decoded d = Decode(EncodeOgg(Sine(frames, 2, 0.5f, 0.001f), 2, 8000, 5));
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.size, 44 + frames * 4);
}

TEST(OggDecoderTest, DamagedHeadersGiveNoImageAndACutStreamWhatWasDecoded) {
    size_t headerBytes = 0;
    const std::vector<unsigned char> ogg =
        EncodeOgg(Sine(200000, 1, 0.5f, 0.01f), 1, 8000, 9, &headerBytes);
    std::vector<std::vector<unsigned char>> damaged;
    for (size_t cut : {size_t{0}, size_t{30}, size_t{58}, size_t{200}, headerBytes - 1}) {
        damaged.emplace_back(ogg.begin(), ogg.begin() + cut);
    }
    damaged.emplace_back(5000, 0x5A);
    damaged.push_back(ogg);
    damaged.back()[29] ^= 0xFF;  // inside "vorbis" of the identification packet
    for (const std::vector<unsigned char>& stream : damaged) {
        WaveImage image;
        size_t size = 1234;
        EXPECT_FALSE(DecodeOggToWav(stream.data(), stream.size(), &image, &size));
        EXPECT_EQ(image, nullptr);
        EXPECT_EQ(size, 1234u);
    }

    EXPECT_EQ(Decode({ogg.begin(), ogg.begin() + headerBytes}).size, 44u);
    const size_t cut = headerBytes + (ogg.size() - headerBytes) / 2;
    const Decoded half = Decode({ogg.begin(), ogg.begin() + cut});
    ASSERT_TRUE(half.ok);
    EXPECT_GT(half.SampleCount(), 0u);
    EXPECT_LT(half.SampleCount(), 200000u);
}

}  // namespace
