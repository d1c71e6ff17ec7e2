#include "engine/ResourceLoader.h"

#include "engine/ByteOrder.h"
#include "platform/Resources.h"
#include "tests/engine/PngTestUtil.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include <sys/stat.h>

namespace {

std::vector<unsigned char> Scramble(std::vector<unsigned char> bytes)
{
    UnscrambleResource(bytes.data(), bytes.data(), static_cast<int>(bytes.size()));
    return bytes;
}

TEST(Unscrambler, KeyComesFromTheDigestOfTheConstant)
{
    // MD5("Vz#r5K") = 3f4c37e1bdd7c21ba03a1512d6014767, read in eight-digit windows.
    uint32_t key[kScrambleKeyWords];
    DeriveScrambleKey(key);
    const uint32_t expected[kScrambleKeyWords] = {0x3f4c37e1, 0xbdd7c21b, 0xa03a1512, 0xd6014767,
                                                  0x4c37e1bd, 0xd7c21ba0, 0x3a1512d6, 0x4c37e1bd,
                                                  0xd7c21ba0, 0x3a1512d6};
    for (int i = 0; i < kScrambleKeyWords; ++i)
        EXPECT_EQ(key[i], expected[i]) << i;
}

TEST(Unscrambler, ParseHexWordReadsEightDigitsOfAnyCase)
{
    const std::pair<const char*, uint32_t> words[] = {{"3f4c37e1", 0x3f4c37e1}, {"ABCDEF01", 0xabcdef01}, {"ff", 0xff},
                                                      {"123456789", 0x12345678}, {"1g2", 0x102}, {"", 0}};
    for (const auto& [text, value] : words)
        EXPECT_EQ(ParseHexWord(text), value) << text;
}

TEST(Unscrambler, StreamDependsOnLengthAndPosition)
{
    // Scrambling zeros shows the stream: words XOR the running sum n + key[k]...,
    // a tail XORs the next key word itself.
    unsigned char out[25];
    std::memset(out, 0xAA, sizeof out);
    const unsigned char zeros[25] = {};
    UnscrambleResource(out, zeros, 0);
    EXPECT_EQ(out[0], 0xAA);
    UnscrambleResource(out, zeros, 3);
    EXPECT_EQ(std::vector<unsigned char>(out, out + 4), (std::vector<unsigned char>{0x67, 0x47, 0x01, 0xAA}));
    UnscrambleResource(out, zeros, 4);
    EXPECT_EQ(LoadLe32(out), 4u + 0x4c37e1bdu);
    UnscrambleResource(out, zeros, 25);
    const unsigned char expected25[25] = {0xb9, 0x1b, 0xc2, 0xd7, 0x8f, 0x2e, 0xd7, 0x11, 0x4c,
                                          0x10, 0x0f, 0x5e, 0xec, 0x2b, 0xd1, 0x35, 0xc2, 0x3e,
                                          0xe6, 0x6f, 0xa3, 0x76, 0x32, 0xaf, 0x1b};
    EXPECT_EQ(0, std::memcmp(out, expected25, 25));
}

TEST(Unscrambler, ReadResourceGivesAnUnscrambledCopy)
{
    static const std::vector<unsigned char> stored = Scramble({'x', 'o', 'f', ' ', '0', '3'});
    static const EmbeddedResource table[] = {{"MODEL", "#101", stored.data(), stored.size()}};
    RegisterResources(table, 1);
    EXPECT_EQ(ReadResource("MODEL", "#101"), (std::vector<unsigned char>{'x', 'o', 'f', ' ', '0', '3'}));
    EXPECT_TRUE(ReadResource("MODEL", "#102").empty());
    EXPECT_TRUE(ReadResource("TEXTURE", "#101").empty());
    ClearResources();
}

using UnscrambleFileTest = TempFolderTest;

TEST_F(UnscrambleFileTest, WritesThePlainBytesBesideTheFileOrFailsCleanly)
{
    const std::vector<unsigned char> stored = Scramble({'O', 'g', 'g', 'S', 0, 2, 7});
    for (const char* file : {"105.ogg", "busy.ogg"})
        ASSERT_TRUE(WriteFileBytes(folder + file, stored.data(), stored.size()));
    ASSERT_EQ(mkdir((folder + "busy.ogg_").c_str(), 0700), 0);
    EXPECT_TRUE(UnscrambleFile((folder + "105.ogg").c_str()));
    EXPECT_EQ(ReadText(folder + "105.ogg_"), std::string("OggS\0\2\7", 7));
    EXPECT_FALSE(UnscrambleFile((folder + "busy.ogg").c_str()));
    EXPECT_FALSE(UnscrambleFile((folder + "missing.ogg").c_str()));
    EXPECT_FALSE(FileExists(folder + "missing.ogg_"));
}

// PNG to BMP.

std::vector<unsigned char> ConvertOrFail(const std::vector<unsigned char>& png)
{
    std::vector<unsigned char> bmp;
    EXPECT_TRUE(ConvertPngToBmp(&bmp, png.data(), png.size()));
    return bmp;
}

TEST(PngToBmp, RgbPictureBecomesBottomUpBgrRowsPaddedToFourBytes)
{
    const std::vector<unsigned char> bmp = ConvertOrFail(
        EncodeTestPng(Png(3, PNG_COLOR_TYPE_RGB, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19}, 8, 2)));
    ASSERT_EQ(bmp.size(), 80u);
    // offset: value of the file and info headers, 16-bit below 1000
    const std::pair<int, uint32_t> fields[] = {{1000, 'B' | 'M' << 8}, {2, 80}, {10, 54}, {14, 40}, {18, 3},
                                               {22, 2}, {1026, 1}, {1028, 24}, {34, 24}, {46, 0}};
    for (const auto& [at, value] : fields)
        EXPECT_EQ(at >= 1000 ? LoadLe16(&bmp[at - 1000]) : LoadLe32(&bmp[at]), value) << at;
    EXPECT_EQ(std::vector<unsigned char>(bmp.begin() + 54, bmp.begin() + 78),
              (std::vector<unsigned char>{13, 12, 11, 16, 15, 14, 19, 18, 17, 0, 0, 0,
                                          3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0}));
}

TEST(PngToBmp, PaletteStaysIndexed)
{
    TestPng picture = Png(3, PNG_COLOR_TYPE_PALETTE, {0x1F, 0x50}, 4);
    for (int i = 0; i < 16; ++i)
        picture.palette.push_back({static_cast<png_byte>(i), static_cast<png_byte>(i * 2), static_cast<png_byte>(i * 3)});
    const std::vector<unsigned char> bmp = ConvertOrFail(EncodeTestPng(picture));
    ASSERT_EQ(bmp.size(), 124u);
    EXPECT_EQ(std::tuple(LoadLe16(&bmp[28]), LoadLe32(&bmp[46]), LoadLe32(&bmp[10]), LoadLe32(&bmp[34])),
              std::tuple(4u, 16u, 118u, 4u));
    // Entry 5 is blue, green, red, 0.
    EXPECT_EQ(std::vector<unsigned char>(bmp.begin() + 74, bmp.begin() + 78), (std::vector<unsigned char>{15, 10, 5, 0}));
    EXPECT_EQ(LoadLe16(&bmp[118]), 0x501Fu);
}

TEST(PngToBmp, EveryKindOfPixelBecomesBgr)
{
    TestPng linear = Png(1, PNG_COLOR_TYPE_RGB, {0, 128, 255});
    linear.gamma = 1.0;
    const struct {
        const char* name;
        TestPng png;
        std::vector<unsigned char> bgr;  // the first pixels of the bottom row
    } cases[] = {
        {"translucent pixels flatten onto black",
         Png(3, PNG_COLOR_TYPE_RGB_ALPHA, {200, 100, 50, 128, 200, 100, 50, 255, 200, 100, 50, 0}),
         {25, 50, 100, 50, 100, 200, 0, 0, 0}},
        {"grey", Png(2, PNG_COLOR_TYPE_GRAY, {10, 250}), {10, 10, 10, 250, 250, 250}},
        {"grey and alpha", Png(2, PNG_COLOR_TYPE_GRAY_ALPHA, {100, 128, 250, 0}), {50, 50, 50, 0, 0, 0}},
        {"one-bit grey", Png(2, PNG_COLOR_TYPE_GRAY, {0x40}, 1), {0, 0, 0, 255, 255, 255}},
        {"16-bit channels keep their high byte", Png(1, PNG_COLOR_TYPE_RGB, {0x12, 0xFF, 0x34, 0x00, 0x56, 0x80}, 16),
         {0x56, 0x34, 0x12}},
        {"no gamma chunk: as stored", Png(1, PNG_COLOR_TYPE_RGB, {0, 128, 255}), {255, 128, 0}},
        // A screen of 2.2: 255 * (128 / 255) ^ (1 / 2.2).
        {"linear samples come out brighter", linear, {255, 186, 0}},
    };
    for (const auto& c : cases) {
        const std::vector<unsigned char> bmp = ConvertOrFail(EncodeTestPng(c.png));
        ASSERT_GE(bmp.size(), 54 + c.bgr.size()) << c.name;
        EXPECT_EQ(LoadLe16(&bmp[28]), 24u) << c.name;
        EXPECT_EQ(std::vector<unsigned char>(bmp.begin() + 54, bmp.begin() + 54 + c.bgr.size()), c.bgr) << c.name;
    }
}

TEST(PngToBmp, StoredResourceIsConvertedWithoutUnscrambling)
{
    static const std::vector<unsigned char> plain = EncodeTestPng(Png(1, PNG_COLOR_TYPE_RGB, {1, 2, 3}));
    static const std::vector<unsigned char> scrambled = Scramble(plain);
    static const EmbeddedResource table[] = {{"TEXTURE", "#101", plain.data(), plain.size()},
                                             {"TEXTURE", "#102", scrambled.data(), scrambled.size()}};
    RegisterResources(table, 2);
    std::vector<unsigned char> bmp;
    EXPECT_FALSE(ConvertStoredResourceToBmp(&bmp, "TEXTURE", "#102"));
    EXPECT_FALSE(ConvertStoredResourceToBmp(&bmp, "TEXTURE", "#103"));
    EXPECT_TRUE(ConvertStoredResourceToBmp(&bmp, "TEXTURE", "#101"));
    EXPECT_EQ(bmp.size(), 60u);
    ClearResources();
}

TEST(PngToBmp, RefusesWhatIsNotAReadablePngOrAbove8192Pixels)
{
    const std::vector<unsigned char> png = EncodeTestPng(Png(4, PNG_COLOR_TYPE_RGB, std::vector<unsigned char>(48, 7), 8, 4));
    std::vector<unsigned char> badSignature = png, badCrc = png;
    badSignature[1] = 'Q';
    badCrc[29] ^= 1;  // inside the IHDR checksum
    const std::vector<unsigned char> wide = EncodeTestPng(Png(8193, PNG_COLOR_TYPE_RGB, std::vector<unsigned char>(3 * 8193)));
    std::vector<unsigned char> bmp = {42};
    for (const auto& [bytes, size] : {std::pair{&png, size_t{0}}, {&png, size_t{7}}, {&badSignature, badSignature.size()},
                                      {&badCrc, badCrc.size()}, {&wide, wide.size()}})
        EXPECT_FALSE(ConvertPngToBmp(&bmp, bytes->data(), size)) << size;
    EXPECT_EQ(bmp, std::vector<unsigned char>{42});
    const std::vector<unsigned char> widest = EncodeTestPng(Png(8192, PNG_COLOR_TYPE_RGB, std::vector<unsigned char>(3 * 8192)));
    EXPECT_TRUE(ConvertPngToBmp(&bmp, widest.data(), widest.size()));
}

// Each prefix and each single corrupted byte is read from a buffer of exactly
// its size, so that the sanitizers catch any read beyond it.
TEST(PngToBmp, SurvivesEveryTruncationAndCorruption)
{
    std::vector<unsigned char> rows;
    for (int i = 0; i < 60; ++i)
        rows.push_back(static_cast<unsigned char>(i * 13));
    const std::vector<unsigned char> png = EncodeTestPng(Png(5, PNG_COLOR_TYPE_RGB_ALPHA, rows, 8, 3));
    std::vector<unsigned char> bmp;
    for (size_t n = 0; n < png.size(); ++n) {
        const std::vector<unsigned char> prefix(png.begin(), png.begin() + static_cast<long>(n));
        EXPECT_FALSE(ConvertPngToBmp(&bmp, prefix.data(), prefix.size())) << n;
    }
    for (size_t i = 8; i < png.size(); ++i) {
        std::vector<unsigned char> corrupt = png;
        corrupt[i] ^= 0x5A;
        EXPECT_FALSE(ConvertPngToBmp(&bmp, corrupt.data(), corrupt.size())) << i;  // every chunk is checksummed
    }
    EXPECT_TRUE(ConvertPngToBmp(&bmp, png.data(), png.size()));
}

} // namespace
