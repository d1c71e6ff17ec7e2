#include "tests/tools/sounds/OggTestDecoder.h"
#include "tools/assetgen/AssetSink.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class CollectingSink : public AssetSink {
public:
    std::map<int, std::vector<unsigned char>> sounds;
    int duplicates = 0;

    void Add(const std::string& type, int id, std::vector<unsigned char> bytes) override
    {
        EXPECT_EQ(type, "SE");
        duplicates += sounds.count(id) != 0 ? 1 : 0;
        sounds[id] = std::move(bytes);
    }
};

TEST(SoundEffects, EveryEffectIsAValidStream)
{
    CollectingSink sink;
    GenerateSounds(sink);
    EXPECT_EQ(sink.duplicates, 0);
    for (const auto& [id, bytes] : sink.sounds) {
        const DecodedOgg decoded = DecodeOgg(bytes);
        EXPECT_TRUE(decoded.valid) << id;
        EXPECT_EQ(decoded.channels, 1) << id;
    }
}

} // namespace
