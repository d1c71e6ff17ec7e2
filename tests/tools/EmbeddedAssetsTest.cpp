// The embedded resources as the game reads them: every picture at the size
// it is drawn, the window icon, and the ground grids.
#include "assets/EmbeddedAssets.h"
#include "engine/ByteOrder.h"
#include "engine/ResourceLoader.h"
#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Expected {
    int id;
    int width;
    int height;
};

// Every TEXTURE the game loads, at the size it is drawn or sampled.
const Expected kTextures[] = {
    {101, 128, 128}, {103, 24, 24},   {104, 172, 20},  {106, 16, 16},   {108, 64, 64},   {111, 16, 16},
    {115, 256, 256}, {162, 256, 64},  {164, 64, 32},   {169, 360, 307}, {170, 384, 16},  {184, 300, 216},
    {185, 128, 128}, {187, 256, 256}, {191, 32, 32},   {222, 64, 16},   {224, 128, 32},  {225, 128, 32},
    {226, 64, 16},   {227, 128, 32},  {229, 30, 47},   {230, 30, 47},   {231, 30, 47},   {237, 128, 128},
    {239, 64, 64},   {240, 32, 16},   {245, 32, 16},   {247, 16, 16},   {248, 16, 16},   {257, 64, 16},
    {258, 64, 16},   {259, 20, 96},   {306, 160, 480}, {309, 160, 480}, {310, 160, 480}, {312, 480, 480},
    {316, 128, 14},  {317, 16, 16},   {323, 224, 84},  {324, 128, 14},  {325, 128, 14},  {327, 12, 13},
    {328, 16, 16},   {335, 512, 512}, {336, 64, 64},   {337, 512, 256}, {339, 96, 96},   {340, 128, 16},
    {341, 128, 16},  {342, 480, 480}, {343, 16, 16},   {344, 128, 128}, {345, 320, 128}, {346, 320, 128},
    {355, 300, 26},  {356, 480, 640}, {357, 36, 36},
};

class EmbeddedAssets : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearResources();
        RegisterEmbeddedAssets();
    }
    void TearDown() override { ClearResources(); }
};

// Width and height of the texture after unscrambling and PNG to BMP, as the
// texture loader sees it; (0, 0) when it does not convert.
std::pair<int, int> TextureSize(int id)
{
    const std::string name = "#" + std::to_string(id);
    const std::vector<unsigned char> png = ReadResource("TEXTURE", name.c_str());
    std::vector<unsigned char> bmp;
    if (png.empty() || !ConvertPngToBmp(&bmp, png.data(), png.size()))
        return {0, 0};
    return {static_cast<int>(LoadLe32(&bmp[18])), static_cast<int>(LoadLe32(&bmp[22]))};
}

std::string StoredText(const char* type, const char* name)
{
    size_t size = 0;
    const unsigned char* data = LockResourceData(name, type, &size);
    return data ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
}

// The grid's lines (CR LF ended), first line first.
std::vector<std::string> GridLines(const char* name)
{
    const std::string text = StoredText("MAP", name);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << name << " does not end with CR LF";
    return lines;
}

void ExpectGrid(const char* name, size_t width, size_t height, const std::string& digits, const std::string& needed)
{
    const std::vector<std::string> lines = GridLines(name);
    ASSERT_EQ(lines.size(), height) << name;
    std::string seen;
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), width) << name;
        for (char c : line) {
            ASSERT_NE(digits.find(c), std::string::npos) << name << " holds '" << c << "'";
            if (seen.find(c) == std::string::npos)
                seen += c;
        }
    }
    for (char c : needed)
        EXPECT_NE(seen.find(c), std::string::npos) << name << " never uses " << c;
}

} // namespace

TEST_F(EmbeddedAssets, EveryTextureConvertsAtTheSizeItIsDrawn)
{
    for (const Expected& e : kTextures)
        EXPECT_EQ(TextureSize(e.id), std::make_pair(e.width, e.height)) << "TEXTURE #" << e.id;
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(TextureSize(171 + d), std::make_pair(16, 16)) << "small digit " << d;
        EXPECT_EQ(TextureSize(120 + d), std::make_pair(32, 32)) << "large digit " << d;
    }
    for (int frame = 0; frame < 16; ++frame)
        EXPECT_EQ(TextureSize(141 + frame), std::make_pair(192, 192)) << "explosion frame " << frame;
    for (int id = 347; id <= 354; ++id)
        EXPECT_EQ(TextureSize(id), std::make_pair(320, 128)) << "section card #" << id;
    for (int id : {318, 319, 320, 321, 322, 329, 330, 331, 332, 333, 334})
        EXPECT_EQ(TextureSize(id), std::make_pair(128, 128)) << "sky face #" << id;
}

TEST_F(EmbeddedAssets, TheIconIsAPlainPng)
{
    const std::string icon = StoredText("ICON", "#101");
    ASSERT_GE(icon.size(), 8u);
    EXPECT_EQ(icon.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}

TEST_F(EmbeddedAssets, GridsHaveTheirSizesAndDigitsAndTheStageGroundIsMostlyOpen)
{
    ExpectGrid("#101", 40, 20, "012", "012");
    ExpectGrid("#102", 100, 100, "012", "012");
    ExpectGrid("#103", 10, 10, "0", "0");
    ExpectGrid("#104", 100, 100, "01", "01");
    int tiles = 0;
    for (const std::string& line : GridLines("#102"))
        tiles += static_cast<int>(line.size()) - static_cast<int>(std::count(line.begin(), line.end(), '0'));
    EXPECT_GT(tiles, 500);
    EXPECT_LT(tiles, 3000);
}
