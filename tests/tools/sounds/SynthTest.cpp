#include "tests/tools/sounds/OggTestDecoder.h"
#include "tools/assetgen/sounds/Filters.h"
#include "tools/assetgen/sounds/MusicRenderer.h"
#include "tools/assetgen/sounds/NoiseSource.h"
#include "tools/assetgen/sounds/Oscillators.h"
#include "tools/assetgen/sounds/PeakLimiter.h"
#include "tools/assetgen/sounds/ScoreParser.h"
#include "tools/assetgen/sounds/SoundLevels.h"
#include "tools/assetgen/sounds/VoiceEnvelope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Magnitude of one frequency in a signal (a single DFT bin, Goertzel's way).
double Magnitude(const std::vector<float>& signal, double frequency, int sampleRate)
{
    const double coefficient = 2.0 * std::cos(kTwoPi * frequency / sampleRate);
    double previous = 0.0;
    double older = 0.0;
    for (float v : signal) {
        const double current = v + coefficient * previous - older;
        older = previous;
        previous = current;
    }
    return std::sqrt(previous * previous + older * older - coefficient * previous * older) / signal.size();
}

TEST(Synth, NoiseIsSeededAndInRange)
{
    NoiseSource a(7);
    NoiseSource b(7);
    NoiseSource c(8);
    double sum = 0.0;
    bool differs = false;
    for (int i = 0; i < 100000; ++i) {
        const float v = a.Next();
        ASSERT_EQ(v, b.Next());
        differs = differs || v != c.Next();
        ASSERT_GE(v, -1.0f);
        ASSERT_LT(v, 1.0f);
        sum += v;
    }
    EXPECT_TRUE(differs);
    EXPECT_NEAR(sum / 100000.0, 0.0, 0.01);
}

TEST(Synth, BandLimitedSawKeepsAliasesDown)
{
    // Harmonics 10 and up of this pitch lie above the Nyquist frequency; their
    // mirror images fall between the true harmonics, where we measure them.
    const int rate = 44100;
    const double pitch = 2236.07;
    const double alias = rate - 12 * pitch;
    std::vector<float> naive;
    std::vector<float> limited;
    Phase phase;
    for (int i = 0; i < rate; ++i) {
        const double p = phase.Advance(pitch / rate);
        naive.push_back(static_cast<float>(2.0 * p - 1.0));
        limited.push_back(SawWave(p, pitch / rate));
    }
    EXPECT_LT(Magnitude(limited, alias, rate), 0.25 * Magnitude(naive, alias, rate));
    EXPECT_NEAR(Magnitude(limited, pitch, rate), Magnitude(naive, pitch, rate), 0.02);
}

TEST(Synth, LowPassKeepsLowsAndCutsHighs)
{
    for (double frequency : {200.0, 8000.0}) {
        StateVariableFilter filter;
        filter.Tune(1000.0, 0.0, 44100);
        std::vector<float> out;
        for (int i = 0; i < 44100; ++i)
            out.push_back(filter.Process(static_cast<float>(std::sin(kTwoPi * frequency * i / 44100)), FilterMode::LowPass));
        const double gain = 2.0 * Magnitude(out, frequency, 44100);
        EXPECT_TRUE(frequency < 1000.0 ? gain > 0.9 : gain < 0.03) << frequency << " Hz: " << gain;
    }
}

TEST(Synth, EnvelopeRisesHoldsAndReleases)
{
    VoiceEnvelope envelope({0.01, 0.05, 0.5, 0.1}, 0.2, 1000);
    ASSERT_EQ(envelope.Frames(), 301u);
    std::vector<float> levels;
    for (size_t i = 0; i < envelope.Frames(); ++i)
        levels.push_back(envelope.Next());
    EXPECT_FLOAT_EQ(levels[9], 1.0f);
    EXPECT_NEAR(levels[199], 0.5f, 0.01f);
    EXPECT_LT(levels[300], 0.001f);
    for (size_t i = 200; i < levels.size(); ++i) {
        ASSERT_LT(levels[i], levels[i - 1]);
    }
}

TEST(Synth, LimiterHoldsPeaksAndLeavesTheRestAlone)
{
    std::vector<float> samples(2 * 44100, 0.1f);
    samples[44100] = 2.0f;
    LimitPeaks(samples, 2, 44100, 0.8f);
    EXPECT_LE(PeakLevel(samples), 0.8f);
    EXPECT_FLOAT_EQ(samples[0], 0.1f);
    EXPECT_FLOAT_EQ(samples.back(), 0.1f);
    // Both channels of a frame share the gain, and it moves smoothly.
    EXPECT_FLOAT_EQ(samples[44100 - 20], samples[44100 - 19]);
    for (size_t i = 2; i < samples.size(); i += 2) {
        if (i != 44100 && i != 44102) {
            ASSERT_LT(std::fabs(samples[i] - samples[i - 2]), 0.001f) << i;
        }
    }
}

TEST(Synth, EncoderKeepsTheExactLength)
{
    for (int channels : {1, 2}) {
        PcmSound sound;
        sound.sampleRate = 22050;
        sound.channels = channels;
        for (int i = 0; i < 12345 * channels; ++i)
            sound.samples.push_back(0.5f * static_cast<float>(std::sin(i * 0.05)));
        const DecodedOgg decoded = DecodeOgg(EncodeOggVorbis(sound, 0.3f));
        ASSERT_TRUE(decoded.valid);
        EXPECT_EQ(decoded.channels, channels);
        EXPECT_EQ(decoded.sampleRate, 22050);
        EXPECT_EQ(decoded.samples.size(), sound.samples.size());
    }
    PcmSound empty;
    EXPECT_TRUE(DecodeOgg(EncodeOggVorbis(empty, 0.3f)).valid);
    PcmSound surround;
    surround.channels = 6;
    EXPECT_TRUE(EncodeOggVorbis(surround, 0.3f).empty());
}

TEST(Synth, LoudnessFollowsTheTargetUnderTheCeiling)
{
    std::vector<float> tone;
    for (int i = 0; i < 44100; ++i)
        tone.push_back(static_cast<float>(std::sin(kTwoPi * 1000.0 * i / 44100)));
    ScaleToLoudness(tone, 44100, 1, -20.0f, 0.9f);
    EXPECT_NEAR(ShortTermLoudness(tone, 44100), -20.0f, 0.1f);
    ScaleToLoudness(tone, 44100, 1, 0.0f, 0.9f);
    EXPECT_NEAR(PeakLevel(tone), 0.9f, 1e-5f);
}

// Every instrument and every drum, in one small score.
const char* const kEveryVoice = R"(
tempo 150
loop
track bass bass low=33
track lead lead
track chip chip
track pluck pluck low=57
track pad pad low=55 reverb=0.5
track bell bell delay=0.4
track drums drums reverb=0.1
melody tune
  o5 c4 e4 g4 > c4 |
figure arp 8
  0 1 2 3 2 1 0 -1 |
figure hold 1
  * |
groove kit 1
  k X.......x.......
  s ....x.......X...
  c ..........x.....
  h x.x.x.x.x.x.x.x.
  o ..............x.
  y X...............
  r ......x.........
  t ........x.......
  m ..........x.....
  u ............x...
  p ..x.............
  w x-------........
section all 2
  chords C Am
  bass arp
  lead tune
  chip tune:-12
  pluck arp
  pad hold
  bell tune:12
  drums kit
arrange all
)";

TEST(Synth, EveryVoiceRendersCleanAudio)
{
    Score score;
    std::string error;
    ASSERT_TRUE(ParseScore(kEveryVoice, score, error)) << error;
    const PcmSound sound = RenderScore(score, 22050);
    // A looped piece is exactly its bars long: the tail has wrapped round.
    EXPECT_EQ(sound.Frames(), static_cast<size_t>(2 * 4 * 0.4 * 22050 + 0.5));
    for (float v : sound.samples) {
        ASSERT_TRUE(std::isfinite(v));
    }
    EXPECT_GT(RmsLevel(sound.samples), 0.01f);
    EXPECT_LT(PeakLevel(sound.samples), 4.0f);
    EXPECT_NEAR(DcOffset(sound.samples, 2, 0), 0.0f, 0.002f);
    EXPECT_NEAR(DcOffset(sound.samples, 2, 1), 0.0f, 0.002f);
}

} // namespace
