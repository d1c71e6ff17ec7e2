#include "tests/tools/EmbeddedAs.h"
#include "tests/tools/sounds/CollectingSink.h"
#include "tests/tools/sounds/OggTestDecoder.h"
#include "tools/assetgen/sounds/EffectCatalogue.h"
#include "tools/assetgen/sounds/SoundLevels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

// The SE ids the game loads.
const std::set<int> kEffectIds = {101, 102, 103, 105, 106, 107, 108, 109, 110, 111, 112, 113, 115, 116,
                                  118, 119, 121, 123, 125, 126, 127, 128, 129, 131, 132, 134, 136, 137,
                                  138, 139, 140, 141, 142, 146, 147, 148, 149, 152, 153, 154, 155, 157,
                                  158, 159, 160, 161, 162, 163, 164, 165, 166, 167, 168, 170, 171};

// Every effect generated once, decoded by libvorbisfile, by id.
const std::map<int, DecodedOgg>& Decoded()
{
    static const std::map<int, DecodedOgg> decoded = [] {
        CollectingSink sink;
        GenerateSounds(sink);
        std::map<int, DecodedOgg> byId;
        EXPECT_EQ(sink.duplicates, 0);
        for (const auto& [key, bytes] : sink.assets) {
            SCOPED_TRACE(key.second);
            EXPECT_EQ(key.first, "SE");
            const DecodedOgg& decoded = byId[key.second] = DecodeOgg(bytes);
            ExpectTheGameDecodesAlike(bytes, decoded);
            EXPECT_TRUE(IsEmbeddedAs(key.first, key.second, bytes));
        }
        return byId;
    }();
    return decoded;
}

const DecodedOgg& Decoded(int id) { return Decoded().at(id); }

float Loudness(int id) { return ShortTermLoudness(Decoded(id).samples, Decoded(id).sampleRate); }

std::vector<EffectEntry> AllRecipes()
{
    std::vector<EffectEntry> all = ExplosionEffects();
    for (const std::vector<EffectEntry>& group : {WeaponEffects(), InterfaceEffects()})
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

// Each is the build's, decodes alike in the game, and is short mono audio that does not clip.
TEST(SoundEffects, GivesEveryEffectOfTheGameOnce)
{
    std::set<int> ids;
    for (const auto& [id, decoded] : Decoded()) {
        ids.insert(id);
        ASSERT_TRUE(decoded.valid) << id;
        EXPECT_EQ(decoded.channels, 1) << id;
        EXPECT_EQ(decoded.sampleRate, 44100) << id;
        EXPECT_GT(decoded.Seconds(), 0.02) << id;
        EXPECT_LT(decoded.Seconds(), 6.0) << id;
        EXPECT_LT(PeakLevel(decoded.samples), 1.0f) << id;
        EXPECT_GT(RmsLevel(decoded.samples), 0.001f) << id;
    }
    EXPECT_EQ(ids, kEffectIds);
}

TEST(SoundEffects, FrequentSoundsAreShortAndLight)
{
    // The shot restarts every fourth frame (67 ms).
    EXPECT_LT(Decoded(115).Seconds(), 0.067);
    for (int id : {109, 111, 101, 170, 146, 139}) {
        EXPECT_LT(Decoded(id).Seconds(), 0.13) << id;
    }
    for (int light : {115, 111, 109, 170}) {
        for (int explosion : {105, 106, 102, 103}) {
            EXPECT_LT(Loudness(light), Loudness(explosion) - 5.0f) << light << " vs " << explosion;
        }
    }
}

TEST(SoundEffects, WarningToneRepeatsBackToBack)
{
    // Restarted whenever it ends: it must sound at once and end in a rest.
    const DecodedOgg& tone = Decoded(165);
    const size_t rate = static_cast<size_t>(tone.sampleRate);
    const std::vector<float> start(tone.samples.begin() + rate / 200, tone.samples.begin() + rate / 50);
    const std::vector<float> end(tone.samples.end() - rate / 20, tone.samples.end());
    EXPECT_GT(RmsLevel(start), 0.05f);
    EXPECT_LT(RmsLevel(end), 0.005f);
    EXPECT_LT(tone.Seconds(), 0.4);
}

TEST(SoundEffectRecipes, RenderFiniteCentredAudioAtTheirLoudness)
{
    for (const EffectEntry& effect : AllRecipes()) {
        const PcmSound sound = RenderEffect(effect.recipe, 44100);
        for (float v : sound.samples) {
            ASSERT_TRUE(std::isfinite(v)) << effect.id;
        }
        const float peak = PeakLevel(sound.samples);
        EXPECT_LE(peak, kEffectPeakCeiling + 1e-6f) << effect.id;
        EXPECT_NEAR(DcOffset(sound.samples, 1, 0), 0.0f, 0.002f) << effect.id;
        const float loudness = ShortTermLoudness(sound.samples, 44100);
        EXPECT_LE(loudness, effect.recipe.loudness + 0.05f) << effect.id;
        if (peak < kEffectPeakCeiling - 1e-3f) {
            EXPECT_NEAR(loudness, effect.recipe.loudness, 0.05f) << effect.id;
        }
        EXPECT_EQ(sound.samples.back(), 0.0f) << effect.id;
    }
}

} // namespace
