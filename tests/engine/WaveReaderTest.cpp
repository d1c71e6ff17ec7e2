#include "engine/WaveReader.h"

#include <gtest/gtest.h>

#include <cstring>

#include "WaveBuilder.h"

namespace {

bool Accepts(const Bytes& image) {
    WaveData wave;
    return ReadWave(image.data(), image.size(), &wave);
}

TEST(WaveReaderTest, ReadsFormatAndSamples) {
    const Bytes data = {1, 2, 3, 4, 5, 6, 7, 8};
    Bytes chunks;
    PutChunk(&chunks, "LIST", {'x', 'y', 'z'});  // odd size, padded
    WaveFmt f;
    f.extra = 2;  // an 18-byte format with its extra-size field
    PutChunk(&chunks, "fmt ", FmtBody(f));
    PutChunk(&chunks, "data", data);
    const Bytes image = Riff(chunks);

    WaveData wave;
    ASSERT_TRUE(ReadWave(image.data(), image.size(), &wave));
    EXPECT_EQ(wave.format.channels, 2);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.format.sampleRate, 22050);
    ASSERT_EQ(wave.bytes, data.size());
    EXPECT_EQ(std::memcmp(wave.samples, data.data(), data.size()), 0);

    WaveFmt eightBitMono;
    eightBitMono.channels = 1;
    eightBitMono.bits = 8;
    eightBitMono.blockAlign = 1;
    EXPECT_TRUE(Accepts(Wave(eightBitMono, {128})));
}

TEST(WaveReaderTest, RefusesWhatIsNotPlainPcm) {
    const Bytes data(8, 0);
    std::vector<WaveFmt> bad(6);
    bad[0].tag = 3;  // float samples
    bad[1].channels = 0;
    bad[2].bits = 24;
    bad[2].blockAlign = 6;
    bad[3].blockAlign = 2;
    bad[4].rate = 0;
    bad[5].tag = 0xFFFE;
    for (const WaveFmt& f : bad) {
        EXPECT_FALSE(Accepts(Wave(f, data)));
    }

    Bytes shortFmt;
    Bytes body = FmtBody(WaveFmt());
    body.resize(14);
    PutChunk(&shortFmt, "fmt ", body);
    PutChunk(&shortFmt, "data", data);
    EXPECT_FALSE(Accepts(Riff(shortFmt)));
}

TEST(WaveReaderTest, RefusesBrokenContainers) {
    const Bytes good = Wave(WaveFmt(), Bytes(8, 0));
    ASSERT_TRUE(Accepts(good));
    EXPECT_FALSE(Accepts({}));
    EXPECT_FALSE(Accepts(Bytes(good.begin(), good.begin() + 11)));
    // Data chunk longer than what is left of the image.
    EXPECT_FALSE(Accepts(Bytes(good.begin(), good.end() - 1)));

    Bytes notRiff = good;
    notRiff[0] = 'X';
    EXPECT_FALSE(Accepts(notRiff));
    Bytes notWave = good;
    notWave[8] = 'X';
    EXPECT_FALSE(Accepts(notWave));
    // RIFF size too small to hold the chunks.
    Bytes smallRiff = good;
    smallRiff[4] = 2;
    smallRiff[5] = smallRiff[6] = smallRiff[7] = 0;
    EXPECT_FALSE(Accepts(smallRiff));

    Bytes noData;
    PutChunk(&noData, "fmt ", FmtBody(WaveFmt()));
    EXPECT_FALSE(Accepts(Riff(noData)));
    Bytes noFmt;
    PutChunk(&noFmt, "data", {0, 0, 0, 0});
    EXPECT_FALSE(Accepts(Riff(noFmt)));
    // A chunk size that runs past the end while searching.
    const Bytes huge = {'J', 'U', 'N', 'K', 0xF0, 0xFF, 0xFF, 0xFF};
    EXPECT_FALSE(Accepts(Riff(huge)));
}

}  // namespace
