// The generator's file sink and PNG writer: the stored form of each type, the
// embedding sources, and files left alone when their bytes did not change.
#include "engine/BmpImage.h"
#include "engine/ResourceLoader.h"
#include "tools/assetgen/FileSink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class FileSinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = ::testing::TempDir() + "assetgen_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string folder;
};

const std::vector<unsigned char> kPlain = {'a', 'b', 'c', 'd', 'e', 'f', 'g'};

Picture TwoPixels(uint32_t first, uint32_t second) { return Picture{2, 1, {first, second}}; }

Image Decoded(const std::vector<unsigned char>& png)
{
    std::vector<unsigned char> bmp;
    Image image;
    EXPECT_TRUE(ConvertPngToBmp(&bmp, png.data(), png.size()));
    EXPECT_TRUE(DecodeBmp(&image, bmp.data(), bmp.size(), true));
    return image;
}

} // namespace

TEST_F(FileSinkTest, WritesEachTypeInItsStoredForm)
{
    FileSink sink(folder, "mixed");
    sink.Add("TEXTURE", 101, kPlain);
    sink.Add("SE", 105, kPlain);
    sink.Add("MAP", 102, kPlain);
    sink.Add("ICON", 101, kPlain);
    ASSERT_TRUE(sink.Finish());

    std::vector<unsigned char> scrambled(kPlain.size());
    UnscrambleResource(scrambled.data(), kPlain.data(), static_cast<int>(kPlain.size()));
    const std::string stored(scrambled.begin(), scrambled.end()), plain(kPlain.begin(), kPlain.end());
    EXPECT_EQ(Read(folder + "/TEXTURE/101.png"), stored);
    EXPECT_EQ(Read(folder + "/SE/105.ogg"), stored);
    EXPECT_EQ(Read(folder + "/MAP/102.txt"), plain);
    EXPECT_EQ(Read(folder + "/ICON/101.png"), plain);

    const std::string assembly = Read(folder + "/mixed.S");
    EXPECT_NE(assembly.find("vostrelle_TEXTURE_101:\n    .incbin \""), std::string::npos);
    EXPECT_NE(assembly.find("/MAP/102.txt\""), std::string::npos);
    const std::string table = Read(folder + "/mixed.cpp");
    EXPECT_NE(table.find("{\"SE\", \"#105\", vostrelle_SE_105, 7u}"), std::string::npos);
    EXPECT_NE(table.find("EmbeddedTable_mixed(size_t* count)"), std::string::npos);
    EXPECT_NE(table.find("*count = 4u;"), std::string::npos);
}

TEST_F(FileSinkTest, LeavesUnchangedFilesAloneAndRewritesChangedOnes)
{
    const auto generate = [this](const std::vector<unsigned char>& bytes) {
        FileSink sink(folder, "grids");
        sink.Add("MAP", 103, bytes);
        return sink.Finish();
    };
    ASSERT_TRUE(generate(kPlain));
    const std::string map = folder + "/MAP/103.txt", assembly = folder + "/grids.S";
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(map, old);
    std::filesystem::last_write_time(assembly, old);

    ASSERT_TRUE(generate(kPlain));
    EXPECT_EQ(std::filesystem::last_write_time(map), old);
    EXPECT_EQ(std::filesystem::last_write_time(assembly), old);

    // Same size, other bytes: the assembler source changes too, so that the
    // build embeds the new bytes.
    ASSERT_TRUE(generate({'x', 'b', 'c', 'd', 'e', 'f', 'g'}));
    EXPECT_NE(std::filesystem::last_write_time(map), old);
    EXPECT_NE(std::filesystem::last_write_time(assembly), old);
}

TEST_F(FileSinkTest, AnEmptyCategoryStillGivesATable)
{
    FileSink sink(folder, "music");
    ASSERT_TRUE(sink.Finish());
    EXPECT_NE(Read(folder + "/music.cpp").find("*count = 0u;"), std::string::npos);
}

TEST(PngWriter, OpaquePicturesStayExactAndTheKeyBecomesTransparent)
{
    const Image image = Decoded(EncodePng(TwoPixels(0xFF123456, 0xFFFF00FF)));
    ASSERT_EQ(image.width, 2);
    EXPECT_EQ(image.pixels[0], 0xFF123456u);
    EXPECT_EQ(image.pixels[1], 0x00000000u);
}

TEST(PngWriter, TranslucentPixelsFlattenOntoBlackAsTheGameReadsThem)
{
    const std::vector<unsigned char> png = EncodePng(TwoPixels(0x80C86432, 0xFFFFFFFF));
    // Colour type 6 (RGBA) in the header.
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(png[25], 6);
    const Image image = Decoded(png);
    EXPECT_EQ(image.pixels[0], 0xFF643219u);
    EXPECT_EQ(image.pixels[1], 0xFFFFFFFFu);
}
