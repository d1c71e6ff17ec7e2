#include "platform/Mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 8000;
using Samples = std::vector<int16_t>;

void Create(Mixer& mixer, int index, const Samples& samples, int channels = 1, int rate = kRate)
{
    std::vector<unsigned char> bytes;
    for (int16_t s : samples) {
        bytes.push_back(static_cast<unsigned char>(s & 0xFF));
        bytes.push_back(static_cast<unsigned char>((s >> 8) & 0xFF));
    }
    ASSERT_TRUE(mixer.CreateBuffer(index, {channels, 16, rate}, bytes.data(), bytes.size()));
}

// Output frames, left and right interleaved.
Samples Mixed(Mixer& mixer, size_t frames)
{
    Samples out(frames * 2, 12345);
    mixer.Mix(out.data(), frames);
    return out;
}

Samples Left(Mixer& mixer, size_t frames)
{
    const Samples out = Mixed(mixer, frames);
    Samples left;
    for (size_t i = 0; i < out.size(); i += 2)
        left.push_back(out[i]);
    return left;
}

int Attenuated(double sample, int hundredthsOfDb)
{
    return static_cast<int>(std::lround(sample * std::pow(10.0, hundredthsOfDb / 2000.0)));
}

TEST(MixerTest, VolumeAndPansFollowTheDecibelLaw)
{
    Mixer mixer(kRate);
    Create(mixer, 3, Samples(16, 10000));
    mixer.Play(3, true);
    for (int volume : {0, -600, -2000, -5000}) {
        ASSERT_TRUE(mixer.SetVolume(3, volume));
        for (int16_t sample : Mixed(mixer, 4))
            EXPECT_NEAR(sample, Attenuated(10000, volume), 1) << volume;
    }
    EXPECT_FALSE(mixer.SetVolume(3, 1));
    EXPECT_FALSE(mixer.SetVolume(3, -10001));
    EXPECT_EQ(mixer.GetVolume(3), -5000);
    ASSERT_TRUE(mixer.SetVolume(3, 0));

    // A pan attenuates the opposite channel; the master pan acts on the whole mix.
    const struct {
        int pan, masterPan, left, right;
    } pans[] = {{2000, 0, 1000, 10000}, {-1500, 0, 10000, Attenuated(10000, -1500)}, {0, -2000, 10000, 1000}};
    for (const auto& p : pans) {
        ASSERT_TRUE(mixer.SetPan(3, p.pan));
        ASSERT_TRUE(mixer.SetMasterPan(p.masterPan));
        const Samples out = Mixed(mixer, 1);
        EXPECT_NEAR(out[0], p.left, 1) << p.pan << " " << p.masterPan;
        EXPECT_NEAR(out[1], p.right, 1) << p.pan << " " << p.masterPan;
    }
    EXPECT_FALSE(mixer.SetPan(3, 10001));
    EXPECT_FALSE(mixer.SetMasterPan(-10001));
}

TEST(MixerTest, StereoAndEightBitBuffers)
{
    Mixer mixer(kRate);
    Create(mixer, 1, {1000, -2000, 3000, -4000}, 2);
    const unsigned char bytes[] = {128, 192, 0, 255};
    ASSERT_TRUE(mixer.CreateBuffer(2, {1, 8, kRate}, bytes, sizeof(bytes)));
    mixer.Play(1, false);
    EXPECT_EQ(Mixed(mixer, 2), (Samples{1000, -2000, 3000, -4000}));
    mixer.Play(2, false);
    EXPECT_EQ(Left(mixer, 4), (Samples{0, 16384, -32768, 32512}));

    // Each channel of a stereo buffer between its own neighbours, looping.
    mixer.Stop(2);
    ASSERT_TRUE(mixer.SetFrequency(1, kRate / 2));
    mixer.Play(1, true);
    EXPECT_EQ(Mixed(mixer, 4), (Samples{1000, -2000, 2000, -3000, 3000, -4000, 2000, -3000}));
}

TEST(MixerTest, ResamplesFromThePlayFrequency)
{
    Mixer mixer(kRate);
    Create(mixer, 0, {0, 1000, 2000, 3000}, 1, kRate / 2);
    mixer.Play(0, false);
    // Half the output rate: every other frame lies halfway; the last frame is held.
    EXPECT_EQ(Left(mixer, 10), (Samples{0, 500, 1000, 1500, 2000, 2500, 3000, 3000, 0, 0}));
    EXPECT_FALSE(mixer.IsPlaying(0));
    ASSERT_TRUE(mixer.SetFrequency(0, kRate * 2));
    mixer.Play(0, false);
    EXPECT_EQ(Left(mixer, 3), (Samples{0, 2000, 0}));
    ASSERT_TRUE(mixer.SetFrequency(0, 0)); // back to its own rate
    mixer.Play(0, false);
    EXPECT_EQ(Left(mixer, 3), (Samples{0, 500, 1000}));
    EXPECT_FALSE(mixer.SetFrequency(0, 99));
    EXPECT_FALSE(mixer.SetFrequency(0, 200001));
}

TEST(MixerTest, LoopingRunsAcrossTheBufferEnd)
{
    Mixer mixer(kRate);
    Create(mixer, 5, {100, 200, 300});
    mixer.Play(5, true);
    // More frames than one mixing chunk.
    const Samples left = Left(mixer, 1000);
    for (size_t i = 0; i < left.size(); ++i)
        ASSERT_EQ(left[i], 100 * static_cast<int>(i % 3 + 1)) << i;
    EXPECT_TRUE(mixer.IsPlaying(5));
    EXPECT_EQ(mixer.GetPosition(5), 1000 % 3 * 2u);

    // Resampled, the last frame leads into the first.
    Create(mixer, 6, {0, 1000}, 1, kRate / 2);
    mixer.Stop(5);
    mixer.Play(6, true);
    EXPECT_EQ(Left(mixer, 6), (Samples{0, 500, 1000, 500, 0, 500}));
}

TEST(MixerTest, PlayRestartsStopSilencesAndBuffersAreSummedAndClipped)
{
    Mixer mixer(kRate);
    Create(mixer, 0, {10, 20, 30, 40, 50});
    mixer.Play(0, false);
    EXPECT_EQ(Left(mixer, 2), (Samples{10, 20}));
    EXPECT_EQ(mixer.GetPosition(0), 4u);
    mixer.Play(0, false);
    EXPECT_EQ(Left(mixer, 2), (Samples{10, 20}));
    mixer.Stop(0);
    EXPECT_FALSE(mixer.IsPlaying(0));
    EXPECT_EQ(Left(mixer, 2), (Samples{0, 0}));

    Create(mixer, 0, {1000, 20000, -20000});
    Create(mixer, 63, {2000, 20000, -20000});
    mixer.Play(0, false);
    mixer.Play(63, false);
    EXPECT_EQ(Left(mixer, 3), (Samples{3000, 32767, -32768}));
}

TEST(MixerTest, WritingABufferReplacesItsSamplesFromTheStartAndKeepsItsState)
{
    Mixer mixer(kRate);
    Create(mixer, 5, {10, 20, 30});
    mixer.SetVolume(5, -2000);  // a tenth
    mixer.Play(5, true);
    const unsigned char longer[8] = {0xE8, 0x03, 0xD0, 0x07, 0xB8, 0x0B, 0xA0, 0x0F};  // 1000 2000 3000 4000
    EXPECT_TRUE(mixer.WriteBuffer(5, longer, 4));
    EXPECT_EQ(Left(mixer, 3), (Samples{100, 200, 3}));
    EXPECT_TRUE(mixer.WriteBuffer(5, longer, sizeof longer));  // the tail does not fit
    EXPECT_EQ(Left(mixer, 4), (Samples{100, 200, 300, 100}));
    EXPECT_FALSE(mixer.WriteBuffer(6, longer, 2));
}

TEST(MixerTest, RefusesInvalidBuffersAndIgnoresEmptyOnes)
{
    Mixer mixer(kRate);
    const unsigned char bytes[8] = {};
    const PcmFormat formats[] = {{1, 16, kRate}, {3, 16, kRate}, {1, 24, kRate}, {1, 16, 0}};
    EXPECT_FALSE(mixer.CreateBuffer(64, formats[0], bytes, 8));
    EXPECT_FALSE(mixer.CreateBuffer(0, formats[0], bytes, 1));
    for (const PcmFormat& format : {formats[1], formats[2], formats[3]})
        EXPECT_FALSE(mixer.CreateBuffer(0, format, bytes, 8));
    mixer.Play(0, true);
    EXPECT_FALSE(mixer.IsPlaying(0));
    EXPECT_FALSE(mixer.SetVolume(0, -100));
    ASSERT_TRUE(mixer.CreateBuffer(0, formats[0], bytes, 8));
    mixer.ReleaseBuffer(0);
    EXPECT_FALSE(mixer.HasBuffer(0));
}

} // namespace
