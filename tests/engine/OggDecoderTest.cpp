#include "engine/OggDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "OggEncoder.h"
#include "VorbisFileReader.h"
#include "WaveBuilder.h"
#include "engine/ByteOrder.h"

#include <ogg/ogg.h>

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

// libvorbisfile's decoding of the same bytes, every float sample made 16-bit
// as the decoder must: times 32767, clamped to the sample range, truncated.
struct Reference {
    long rate = 0;
    int channels = 0;
    size_t frames = 0;
    std::vector<int16_t> samples;
};

Reference DecodeWithVorbisfile(const std::vector<unsigned char>& ogg) {
    Reference r;
    VorbisFileReader reader(ogg);
    if (!reader.IsOpen())
        return r;
    r.rate = ov_info(reader.File(), -1)->rate;
    r.channels = ov_info(reader.File(), -1)->channels;
    r.frames = static_cast<size_t>(ov_pcm_total(reader.File(), -1));
    float** pcm = nullptr;
    int link = 0;
    for (long frames; (frames = ov_read_float(reader.File(), &pcm, 4096, &link)) > 0;) {
        for (long i = 0; i < frames * r.channels; ++i) {
            const float value = pcm[i % r.channels][i / r.channels] * 32767.0f;
            r.samples.push_back(value >= 32767.0f    ? int16_t{32767}
                                : value <= -32768.0f ? int16_t{-32768}
                                                     : static_cast<int16_t>(value));
        }
    }
    return r;
}

// A 16-bit PCM wave image whose samples equal libvorbisfile's, one for one, up to frames frames.
void ExpectSameSamples(const Decoded& d, const Reference& r, size_t frames) {
    ASSERT_TRUE(d.ok);
    ASSERT_EQ(d.SampleCount(), frames * static_cast<size_t>(r.channels));
    const Bytes wave = PcmWave(static_cast<uint16_t>(r.channels), 16, static_cast<uint32_t>(r.rate), Bytes(d.size - 44));
    ASSERT_EQ(Bytes(d.image.get(), d.image.get() + 44), Bytes(wave.begin(), wave.begin() + 44));
    ASSERT_LE(d.SampleCount(), r.samples.size());
    const int16_t* differs = std::mismatch(d.Samples(), d.Samples() + d.SampleCount(), r.samples.begin()).first;
    EXPECT_EQ(static_cast<size_t>(differs - d.Samples()), d.SampleCount()) << "the first sample that differs";
}

// Tones and noise loud enough that decoding overshoots the sample range.
std::vector<float> Loud(size_t frames, int channels) {
    std::vector<float> samples;
    unsigned int noise = 1;
    for (size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            noise = noise * 1664525u + 1013904223u;
            const float hiss = static_cast<float>(noise >> 8) / 16777216.0f - 0.5f;
            samples.push_back(0.6f * std::sin(0.03f * static_cast<float>(i) * static_cast<float>(c + 1)) +
                              0.35f * std::sin(0.31f * static_cast<float>(i)) + 0.2f * hiss);
        }
    }
    return samples;
}

// The last stream grows the image beyond four megabytes.
TEST(OggDecoderTest, SamplesEqualLibvorbisfilesDecodingOfTheSameBytes) {
    const struct {
        int channels, rate;
        size_t frames;
    } streams[] = {{1, 8000, 12000},  {1, 22050, 33075}, {2, 11025, 16537}, {2, 44100, 66150},
                   {1, 48000, 72000}, {3, 16000, 24000}, {2, 8000, 1200000}};
    for (const auto& stream : streams) {
        SCOPED_TRACE(testing::Message() << stream.channels << " channels at " << stream.rate);
        const std::vector<unsigned char> ogg =
            EncodeOgg(Loud(stream.frames, stream.channels), stream.channels, stream.rate, 4);
        const Reference reference = DecodeWithVorbisfile(ogg);
        ASSERT_EQ(reference.frames, stream.frames);
        ExpectSameSamples(Decode(ogg), reference, stream.frames);
    }
}

// The first stream comes out as it would alone. (libvorbisfile itself, handed
// the chain, seeks and so decodes the first stream's opening differently.)
TEST(OggDecoderTest, ChainedStreamStopsAtTheFirstEnd) {
    const std::vector<unsigned char> first = EncodeOgg(Sine(1000, 1, 0.5f, 0.01f), 1, 8000, 1);
    const std::vector<unsigned char> second = EncodeOgg(Sine(5000, 1, 0.5f, 0.01f), 1, 8000, 2);
    std::vector<unsigned char> chained = first;
    chained.insert(chained.end(), second.begin(), second.end());
    ExpectSameSamples(Decode(chained), DecodeWithVorbisfile(first), 1000);
}

// The stream with another rate in its identification packet, which sits
// alone on the first page; the page's checksum is mended.
std::vector<unsigned char> WithRate(std::vector<unsigned char> ogg, uint32_t rate) {
    EXPECT_EQ(ogg[26], 1);  // one segment
    StoreLe32(&ogg[40], rate);
    ogg_page page{ogg.data(), 28, ogg.data() + 28, ogg[27]};
    ogg_page_checksum_set(&page);
    return ogg;
}

TEST(OggDecoderTest, DamagedHeadersGiveNoImageAndACutStreamWhatWasDecoded) {
    size_t headerBytes = 0;
    const std::vector<unsigned char> ogg =
        EncodeOgg(Sine(200000, 1, 0.5f, 0.01f), 1, 8000, 9, &headerBytes);
    std::vector<std::vector<unsigned char>> damaged;
    for (size_t cut : {size_t{0}, size_t{30}, size_t{58}, size_t{200}, headerBytes - 1})
        damaged.emplace_back(ogg.begin(), ogg.begin() + cut);
    damaged.emplace_back(5000, 0x5A);
    damaged.push_back(ogg);
    damaged.back()[29] ^= 0xFF;  // inside "vorbis" of the identification packet
    damaged.push_back(WithRate(ogg, 0x80000000u));  // a rate the WAVE reader refuses
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
