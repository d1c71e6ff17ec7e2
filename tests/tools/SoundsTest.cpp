// The embedded sound effects and music as the game decodes them: their
// formats, lengths and levels, and how they sit together in play.
#include "tests/tools/Embedded.h"
#include "tools/assetgen/sounds/SoundLevels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

const Sound& Effect(int id)
{
    static std::map<int, Sound> decoded;
    if (!decoded.count(id))
        decoded[id] = EmbeddedSound("SE", id);
    return decoded.at(id);
}

float Loudness(int id) { return ShortTermLoudness(Effect(id).samples, Effect(id).rate); }

std::vector<float> Slice(const Sound& sound, double from, double seconds)
{
    const auto first = sound.samples.begin() + static_cast<ptrdiff_t>(from * sound.rate) * sound.channels;
    return std::vector<float>(first, first + static_cast<ptrdiff_t>(seconds * sound.rate) * sound.channels);
}

} // namespace

TEST(Sounds, EveryEffectOfTheGameIsShortMonoAudioThatDoesNotClip)
{
    for (int id : {101, 102, 103, 105, 106, 107, 108, 109, 110, 111, 112, 113, 115, 116, 118, 119, 121, 123, 125,
                   126, 127, 128, 129, 131, 132, 134, 136, 137, 138, 139, 140, 141, 142, 146, 147, 148, 149, 152,
                   153, 154, 155, 157, 158, 159, 160, 161, 162, 163, 164, 165, 166, 167, 168, 170, 171}) {
        const Sound& sound = Effect(id);
        EXPECT_EQ(sound.channels, 1) << id;
        EXPECT_EQ(sound.rate, 44100) << id;
        EXPECT_GT(sound.Seconds(), 0.02) << id;
        EXPECT_LT(sound.Seconds(), 6.0) << id;
        EXPECT_LT(PeakLevel(sound.samples), 1.0f) << id;
        EXPECT_GT(RmsLevel(sound.samples), 0.001f) << id;
        EXPECT_NEAR(DcOffset(sound.samples, 1, 0), 0.0f, 0.002f) << id;
    }
}

TEST(Sounds, FrequentEffectsAreShortAndLight)
{
    // The shot restarts every fourth frame (67 ms).
    EXPECT_LT(Effect(115).Seconds(), 0.067);
    for (int id : {109, 111, 101, 170, 146, 139})
        EXPECT_LT(Effect(id).Seconds(), 0.13) << id;
    for (int light : {115, 111, 109, 170})
        for (int explosion : {105, 106, 102, 103})
            EXPECT_LT(Loudness(light), Loudness(explosion) - 5.0f) << light << " vs " << explosion;
}

TEST(Sounds, WarningToneRepeatsBackToBack)
{
    // Restarted whenever it ends: it must sound at once and end in a rest.
    const Sound& tone = Effect(165);
    EXPECT_GT(RmsLevel(Slice(tone, 0.005, 0.015)), 0.05f);
    EXPECT_LT(RmsLevel(Slice(tone, tone.Seconds() - 0.05, 0.05)), 0.005f);
    EXPECT_LT(tone.Seconds(), 0.4);
}

TEST(Sounds, EachTrackIsAStereoStreamAsLongAsItsSceneSittingUnderTheEffects)
{
    const struct {
        int id;
        double shortest, longest;
        bool loops; // the title; the stage tracks end in silence
    } tracks[] = {{110, 60.0, 90.0, true}, {111, 265.0, 300.0, false}, {113, 150.0, 1e9, false}};
    size_t bytes = 0;
    for (const auto& row : tracks) {
        SCOPED_TRACE(row.id);
        bytes += Embedded("BGM", row.id).size();
        const Sound track = EmbeddedSound("BGM", row.id);
        EXPECT_EQ(track.channels, 2);
        EXPECT_EQ(track.rate, 22050);
        EXPECT_GT(track.Seconds(), row.shortest);
        EXPECT_LT(track.Seconds(), row.longest);
        EXPECT_LT(PeakLevel(track.samples), 0.9f);
        EXPECT_NEAR(ToDecibels(RmsLevel(track.samples)), -20.0f, 1.5f);
        EXPECT_NEAR(DcOffset(track.samples, 2, 0), 0.0f, 0.001f);
        EXPECT_NEAR(DcOffset(track.samples, 2, 1), 0.0f, 0.001f);
        // Its loudest moments stay below a small enemy's explosion (about -14 dB).
        EXPECT_LT(ShortTermLoudness(track.samples, track.rate, 2), -14.0f);
        const float end = RmsLevel(Slice(track, track.Seconds() - 0.1, 0.1));
        if (row.loops) {
            // The tail carries round to the start.
            EXPECT_GT(RmsLevel(Slice(track, 0.0, 0.1)), 0.3f * end);
            EXPECT_LT(std::fabs(track.samples.front() - track.samples[track.samples.size() - 2]), 0.05f);
        } else {
            EXPECT_LT(RmsLevel(Slice(track, track.Seconds() - 0.05, 0.05)), 0.001f);
        }
    }
    EXPECT_LT(bytes, 5u * 1024 * 1024) << "about nine minutes of music in all";
}
