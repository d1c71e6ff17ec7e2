#include "engine/BmpImage.h"

#include "engine/BmpWriter.h"
#include "engine/ByteOrder.h"
#include "engine/ResourceLoader.h"
#include "tests/engine/PngTestUtil.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

std::vector<unsigned char> BmpOf(const TestPng& picture)
{
    const std::vector<unsigned char> png = EncodeTestPng(picture);
    std::vector<unsigned char> bmp;
    EXPECT_TRUE(ConvertPngToBmp(&bmp, png.data(), png.size()));
    return bmp;
}

Image Decode(const std::vector<unsigned char>& bmp, bool colourKey)
{
    Image image;
    EXPECT_TRUE(DecodeBmp(&image, bmp.data(), bmp.size(), colourKey));
    return image;
}

TEST(BmpImage, TrueColourRowsComeOutTopFirstOpaqueAndKeyedOnExactMagentaOnly)
{
    const Image image = Decode(BmpOf(Png(3, PNG_COLOR_TYPE_RGB_ALPHA,
                                         {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255,
                                          255, 0, 255, 255, 1, 2, 3, 255, 200, 100, 50, 128}, 8, 2)),
                               false);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                                   0xFFFF00FF, 0xFF010203, 0xFF643219}));
    const std::vector<unsigned char> bmp = BmpOf(Png(3, PNG_COLOR_TYPE_RGB, {255, 0, 255, 254, 0, 255, 255, 1, 255}));
    EXPECT_EQ(Decode(bmp, true).pixels, (std::vector<uint32_t>{0x00000000, 0xFFFE00FF, 0xFFFF01FF}));
    EXPECT_EQ(Decode(bmp, false).pixels, (std::vector<uint32_t>{0xFFFF00FF, 0xFFFE00FF, 0xFFFF01FF}));
}

TEST(BmpImage, WrittenPicturesReadBackTopFirst)
{
    const std::vector<unsigned char> bmp = EncodeBmp24({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 2, 2);
    EXPECT_EQ(std::tuple(bmp.size(), LoadLe32(&bmp[2]), LoadLe32(&bmp[34])), std::tuple(size_t{70}, 70u, 16u));
    EXPECT_EQ(Decode(bmp, false).pixels, (std::vector<uint32_t>{0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C}));
}

// Widths that leave part of the last byte unused, at every palette depth.
TEST(BmpImage, PalettePixelsAreLookedUpAtEveryDepth)
{
    for (int bits : {1, 2, 4, 8}) {
        TestPng picture = Png(5, PNG_COLOR_TYPE_PALETTE, {}, bits, 2);
        const int entries = 1 << bits;
        for (int i = 0; i < entries; ++i)
            picture.palette.push_back({static_cast<png_byte>(i), 0, static_cast<png_byte>(255 - i)});
        const int rowBytes = (5 * bits + 7) / 8;
        std::vector<int> indices;
        for (int y = 0; y < 2; ++y) {
            std::vector<unsigned char> row(static_cast<size_t>(rowBytes));
            for (int x = 0; x < 5; ++x) {
                const int index = (x + 3 * y) % entries;
                indices.push_back(index);
                row[static_cast<size_t>(x * bits / 8)] |= static_cast<unsigned char>(index << (8 - bits - x * bits % 8));
            }
            picture.rows.insert(picture.rows.end(), row.begin(), row.end());
        }
        const Image image = Decode(BmpOf(picture), false);
        ASSERT_EQ(image.pixels.size(), 10u) << bits;
        for (size_t i = 0; i < 10; ++i)
            EXPECT_EQ(image.pixels[i], 0xFF000000u | (static_cast<uint32_t>(indices[i]) << 16) | static_cast<uint32_t>(255 - indices[i]))
                << bits << " bits, pixel " << i;
    }
}

std::vector<unsigned char> PaletteBmp()
{
    TestPng picture = Png(2, PNG_COLOR_TYPE_PALETTE, {0, 1, 2, 1}, 8, 2);
    picture.palette = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    return BmpOf(picture);
}

TEST(BmpImage, RefusesMalformedImages)
{
    const std::vector<unsigned char> good = PaletteBmp();
    Image image;
    image.width = 77;
    ASSERT_TRUE(DecodeBmp(&image, good.data(), good.size(), false));
    image.width = 77;
    auto refused = [&](std::vector<unsigned char> bmp) {
        return !DecodeBmp(&image, bmp.data(), bmp.size(), false) && image.width == 77;
    };
    auto with32 = [&](size_t offset, uint32_t value) {
        std::vector<unsigned char> bmp = good;
        StoreLe32(&bmp[offset], value);
        return bmp;
    };
    // A 16-bit field: the 16 bits after it are kept.
    auto with16 = [&](size_t offset, uint16_t value) {
        return with32(offset, value | (LoadLe32(&good[offset]) & ~0xFFFFu));
    };
    EXPECT_TRUE(refused(with16(0, 0x4D43)));         // signature
    EXPECT_TRUE(refused(with32(14, 108)));           // another header kind
    EXPECT_TRUE(refused(with32(18, 0)));             // width
    EXPECT_TRUE(refused(with32(22, 0xFFFFFFFE)));    // top-down rows
    EXPECT_TRUE(refused(with32(22, 8193)));          // too tall
    EXPECT_TRUE(refused(with16(26, 2)));             // planes
    EXPECT_TRUE(refused(with16(28, 32)));            // bit count
    EXPECT_TRUE(refused(with32(30, 1)));             // compression
    EXPECT_TRUE(refused(with32(46, 257)));           // more colours than 8 bits hold
    EXPECT_TRUE(refused(with32(46, 2)));             // pixel index 2 beyond the palette
    EXPECT_TRUE(refused(with32(10, 60)));            // pixels inside the palette
    EXPECT_TRUE(refused(with32(10, static_cast<uint32_t>(good.size()) - 7))); // rows beyond the end
    // Anything shorter than the header, the palette and both rows.
    for (long n = 0; n < 66 + 8; ++n)
        EXPECT_TRUE(refused(std::vector<unsigned char>(good.begin(), good.begin() + n))) << n;
}

} // namespace
