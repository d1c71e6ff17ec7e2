#include "engine/Random.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Random, MatchesTheReferenceSequenceFromAFreshState)
{
    // A never-seeded generator behaves as if seeded with 5489.
    MersenneTwister fresh;
    const uint32_t expected[] = {3499211612u, 581869302u, 3890346734u, 3586334585u, 545404204u};
    for (uint32_t value : expected)
        EXPECT_EQ(fresh.NextInt32(), value);

    MersenneTwister seeded;
    seeded.Init(5489u);
    uint32_t value = 0;
    for (int i = 0; i < 10000; i++)
        value = seeded.NextInt32();
    EXPECT_EQ(value, 4123659995u);
}

TEST(Random, GlobalGeneratorFollowsItsSeed)
{
    SeedRandom(5489u);
    EXPECT_EQ(GenrandInt32(), 3499211612u);

    SeedRandom(1024u);
    std::vector<float> first;
    for (int i = 0; i < 700; i++)
        first.push_back(RandomFloat());
    SeedRandom(1024u);
    for (int i = 0; i < 700; i++)
        ASSERT_EQ(RandomFloat(), first[i]) << "draw " << i;
}

TEST(Random, RangesOfTheWrappers)
{
    SeedRandom(1u);
    for (int i = 0; i < 5000; i++) {
        const float f = RandomFloat();
        ASSERT_GE(f, 0.0f);
        ASSERT_LE(f, 1.0f);
        const int n = RandomInt(3);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 2);
    }
    EXPECT_EQ(RandomInt(0), 0);
}

TEST(Random, ArraySeedingAndTheOtherOutputsFollowTheReference)
{
    // The reference test key and its first outputs.
    const uint32_t key[] = {0x123, 0x234, 0x345, 0x456};
    const uint32_t first = 1067595299u, second = 955945823u;
    const struct {
        double (*draw)();
        double expected;
    } cases[] = {
        {[] { return static_cast<double>(GenrandInt31()); }, first >> 1},
        {GenrandReal2, first / 4294967296.0},
        {GenrandReal3, (first + 0.5) / 4294967296.0},
        {GenrandRes53, ((first >> 5) * 67108864.0 + (second >> 6)) / 9007199254740992.0},
    };
    for (const auto& test : cases) {
        InitByArray(key, 4);
        EXPECT_EQ(test.draw(), test.expected);
    }
    InitByArray(key, 4);
    uint32_t value = 0;
    for (int i = 0; i < 1000; i++)
        value = GenrandInt32();
    EXPECT_EQ(value, 3460025646u);
    EXPECT_NEAR(GenrandReal2(), 0.76275443, 1e-8);
    InitByArray(nullptr, 0);  // an empty key reads nothing
    GenrandInt32();
}
