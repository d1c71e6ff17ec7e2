#include "tests/tools/EmbeddedAs.h"
#include "tests/tools/sounds/CollectingSink.h"
#include "tests/tools/sounds/OggTestDecoder.h"
#include "tools/assetgen/sounds/MusicStream.h"
#include "tools/assetgen/sounds/SoundLevels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class Music : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sink_ = new CollectingSink;
        GenerateMusic(*sink_);
        for (int id : {110, 111, 113})
            (*Tracks())[id] = DecodeOgg(sink_->Get("BGM", id));
    }

    static void TearDownTestSuite() { delete sink_; }

    static std::map<int, DecodedOgg>* Tracks()
    {
        static std::map<int, DecodedOgg> tracks;
        return &tracks;
    }

    static const DecodedOgg& Track(int id) { return Tracks()->at(id); }

    static std::vector<float> Slice(const DecodedOgg& track, double from, double seconds)
    {
        const size_t first = static_cast<size_t>(from * track.sampleRate) * 2;
        const size_t count = static_cast<size_t>(seconds * track.sampleRate) * 2;
        return std::vector<float>(track.samples.begin() + first, track.samples.begin() + first + count);
    }

    static CollectingSink* sink_;
};

CollectingSink* Music::sink_ = nullptr;

TEST_F(Music, GivesTheThreeTracksAsStereoStreams)
{
    EXPECT_EQ(sink_->duplicates, 0);
    ASSERT_EQ(sink_->assets.size(), 3u);
    size_t bytes = 0;
    for (const auto& [key, stream] : sink_->assets) {
        EXPECT_EQ(key.first, "BGM");
        const DecodedOgg& track = Track(key.second);
        ASSERT_TRUE(track.valid) << key.second;
        EXPECT_EQ(track.channels, 2);
        EXPECT_EQ(track.sampleRate, 22050);
        bytes += stream.size();
    }
    // About nine minutes of music in all.
    EXPECT_LT(bytes, 5u * 1024 * 1024);
}

TEST_F(Music, TheGameDecodesEveryTrack)
{
    for (int id : {110, 111, 113}) {
        const DecodedOgg game = DecodeAsTheGameDoes(sink_->Get("BGM", id));
        ASSERT_TRUE(game.valid) << id;
        EXPECT_EQ(game.channels, 2) << id;
        EXPECT_EQ(game.sampleRate, 22050) << id;
        EXPECT_EQ(game.samples.size(), Track(id).samples.size()) << id;
    }
}

TEST_F(Music, TracksLastAsLongAsTheirScenes)
{
    EXPECT_GT(Track(110).Seconds(), 60.0); // the title loop
    EXPECT_LT(Track(110).Seconds(), 90.0);
    EXPECT_GT(Track(111).Seconds(), 265.0); // stage 0 with its boss and ending
    EXPECT_LT(Track(111).Seconds(), 300.0);
    EXPECT_GT(Track(113).Seconds(), 150.0); // stage 1
}

TEST_F(Music, SitsUnderTheEffectsWithoutClipping)
{
    for (int id : {110, 111, 113}) {
        const DecodedOgg& track = Track(id);
        EXPECT_LT(PeakLevel(track.samples), 0.9f) << id;
        EXPECT_NEAR(ToDecibels(RmsLevel(track.samples)), -20.0f, 1.5f) << id;
        EXPECT_NEAR(DcOffset(track.samples, 2, 0), 0.0f, 0.001f) << id;
        EXPECT_NEAR(DcOffset(track.samples, 2, 1), 0.0f, 0.001f) << id;
        // Its loudest moments stay below a small enemy's explosion (about -14 dB).
        EXPECT_LT(ShortTermLoudness(track.samples, track.sampleRate, 2), -14.0f) << id;
    }
}

TEST_F(Music, TitleLoopCarriesItsTailRoundToTheStart)
{
    const DecodedOgg& title = Track(110);
    const float start = RmsLevel(Slice(title, 0.0, 0.1));
    const float end = RmsLevel(Slice(title, title.Seconds() - 0.1, 0.1));
    EXPECT_GT(start, 0.3f * end);
    const float seam = title.samples.front() - title.samples[title.samples.size() - 2];
    EXPECT_LT(std::fabs(seam), 0.05f);
}

TEST_F(Music, StageTracksEndInSilence)
{
    for (int id : {111, 113}) {
        const DecodedOgg& track = Track(id);
        EXPECT_LT(RmsLevel(Slice(track, track.Seconds() - 0.05, 0.05)), 0.001f) << id;
    }
}

TEST_F(Music, TracksAreWhatTheBuildEmbedded)
{
    for (int id : {110, 111, 113})
        EXPECT_TRUE(IsEmbeddedAs("BGM", id, sink_->Get("BGM", id))) << id;
}

} // namespace
