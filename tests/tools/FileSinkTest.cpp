// The generator's file sink leaves a file alone when its bytes did not change,
// so that the build does not embed and link again; the output cannot show it.
#include "tools/assetgen/FileSink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

TEST(FileSink, LeavesUnchangedFilesAloneAndRewritesChangedOnes)
{
    std::string folder = ::testing::TempDir() + "assetgen_XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    const auto generate = [&](const std::vector<unsigned char>& bytes) {
        FileSink sink(folder, "grids");
        sink.Add("MAP", 103, bytes);
        return sink.Finish();
    };
    ASSERT_TRUE(generate({'a', 'b', 'c'}));
    const std::string map = folder + "/MAP/103.txt", assembly = folder + "/grids.S";
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(map, old);
    std::filesystem::last_write_time(assembly, old);
    ASSERT_TRUE(generate({'a', 'b', 'c'}));
    EXPECT_EQ(std::filesystem::last_write_time(map), old);
    EXPECT_EQ(std::filesystem::last_write_time(assembly), old);
    // Same size, other bytes: the assembler source changes too, so that the
    // build embeds the new bytes.
    ASSERT_TRUE(generate({'x', 'b', 'c'}));
    EXPECT_NE(std::filesystem::last_write_time(map), old);
    EXPECT_NE(std::filesystem::last_write_time(assembly), old);
    std::filesystem::remove_all(folder);
}
