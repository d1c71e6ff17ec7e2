#include "platform/Resources.h"

#include <gtest/gtest.h>

TEST(Resources, FindsByTypeAndNameAndLaterTablesWin)
{
    static const unsigned char a[] = {1, 2, 3};
    static const unsigned char b[] = {9};
    static const EmbeddedResource first[] = {{"TEXTURE", "#106", a, sizeof a}, {"SE", "#106", b, 1}};
    static const EmbeddedResource second[] = {{"TEXTURE", "#106", b, 1}};
    ClearResources();
    RegisterResources(first, 2);

    size_t size = 99;
    EXPECT_EQ(LockResourceData("#106", "TEXTURE", &size), a);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(LockResourceData("#106", "SE", &size), b);
    EXPECT_EQ(LockResourceData("#107", "TEXTURE", &size), nullptr);
    EXPECT_EQ(size, 0u);

    RegisterResources(second, 1);
    EXPECT_EQ(LockResourceData("#106", "TEXTURE", &size), b);
    ClearResources();
    EXPECT_EQ(LockResourceData("#106", "SE", &size), nullptr);
}
