#include "tests/tools/EmbeddedAs.h"
#include "tests/tools/sounds/CollectingSink.h"
#include "tests/tools/sounds/OggTestDecoder.h"
#include "tools/assetgen/sounds/MusicStream.h"
#include "tools/assetgen/sounds/SoundLevels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::vector<float> Slice(const DecodedOgg& track, double from, double seconds)
{
    const size_t first = static_cast<size_t>(from * track.sampleRate) * 2;
    const size_t count = static_cast<size_t>(seconds * track.sampleRate) * 2;
    return std::vector<float>(track.samples.begin() + first, track.samples.begin() + first + count);
}

TEST(Music, EachTrackIsAStereoStreamAsLongAsItsSceneSittingUnderTheEffects)
{
    struct Row {
        int id;
        double shortest, longest;
        bool loops;  // the title; the stage tracks end in silence
    } const rows[] = {{110, 60.0, 90.0, true}, {111, 265.0, 300.0, false}, {113, 150.0, 1e9, false}};
    CollectingSink sink;
    GenerateMusic(sink);
    EXPECT_EQ(sink.duplicates, 0);
    ASSERT_EQ(sink.assets.size(), 3u);
    size_t bytes = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        const std::vector<unsigned char>& stream = sink.Get("BGM", row.id);
        bytes += stream.size();
        const DecodedOgg track = DecodeOgg(stream);
        ASSERT_TRUE(track.valid);
        EXPECT_EQ(track.channels, 2);
        EXPECT_EQ(track.sampleRate, 22050);
        ExpectTheGameDecodesAlike(stream, track);
        EXPECT_TRUE(IsEmbeddedAs("BGM", row.id, stream));
        EXPECT_GT(track.Seconds(), row.shortest);
        EXPECT_LT(track.Seconds(), row.longest);

        EXPECT_LT(PeakLevel(track.samples), 0.9f);
        EXPECT_NEAR(ToDecibels(RmsLevel(track.samples)), -20.0f, 1.5f);
        EXPECT_NEAR(DcOffset(track.samples, 2, 0), 0.0f, 0.001f);
        EXPECT_NEAR(DcOffset(track.samples, 2, 1), 0.0f, 0.001f);
        // Its loudest moments stay below a small enemy's explosion (about -14 dB).
        EXPECT_LT(ShortTermLoudness(track.samples, track.sampleRate, 2), -14.0f);

        const float end = RmsLevel(Slice(track, track.Seconds() - 0.1, 0.1));
        if (row.loops) {
            // The tail carries round to the start.
            EXPECT_GT(RmsLevel(Slice(track, 0.0, 0.1)), 0.3f * end);
            EXPECT_LT(std::fabs(track.samples.front() - track.samples[track.samples.size() - 2]), 0.05f);
        } else {
            EXPECT_LT(RmsLevel(Slice(track, track.Seconds() - 0.05, 0.05)), 0.001f);
        }
    }
    // About nine minutes of music in all.
    EXPECT_LT(bytes, 5u * 1024 * 1024);
}

} // namespace
