#include "engine/BmpImage.h"

#include "engine/ByteOrder.h"

#include <utility>

namespace {

constexpr size_t kHeadersSize = 54;

struct BmpLayout {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    size_t colours = 0;
    size_t pixelOffset = 0;
    size_t stride = 0;
};

bool IsSupportedBitCount(int bitCount)
{
    return bitCount == 1 || bitCount == 2 || bitCount == 4 || bitCount == 8 || bitCount == 24;
}

bool ReadLayout(BmpLayout* layout, const unsigned char* bmp, size_t size)
{
    if (size < kHeadersSize || bmp[0] != 'B' || bmp[1] != 'M')
        return false;
    const int32_t width = static_cast<int32_t>(LoadLe32(bmp + 18));
    const int32_t height = static_cast<int32_t>(LoadLe32(bmp + 22));
    const int bitCount = LoadLe16(bmp + 28);
    if (LoadLe32(bmp + 14) != 40 || LoadLe16(bmp + 26) != 1 || LoadLe32(bmp + 30) != 0)
        return false;
    if (width < 1 || width > kMaxImageSide || height < 1 || height > kMaxImageSide)
        return false;
    if (!IsSupportedBitCount(bitCount))
        return false;
    size_t colours = 0;
    if (bitCount <= 8) {
        const size_t most = size_t{1} << bitCount;
        colours = LoadLe32(bmp + 46);
        if (colours == 0)
            colours = most;
        if (colours > most)
            return false;
    }
    layout->width = width;
    layout->height = height;
    layout->bitCount = bitCount;
    layout->colours = colours;
    layout->pixelOffset = LoadLe32(bmp + 10);
    layout->stride = (static_cast<size_t>(bitCount) * static_cast<size_t>(width) + 31) / 32 * 4;
    const size_t paletteEnd = kHeadersSize + 4 * colours;
    const size_t imageSize = layout->stride * static_cast<size_t>(height);
    return paletteEnd <= layout->pixelOffset && layout->pixelOffset <= size &&
           imageSize <= size - layout->pixelOffset;
}

uint32_t OpaqueBgr(const unsigned char* bgr)
{
    return 0xFF000000u | (static_cast<uint32_t>(bgr[2]) << 16) |
           (static_cast<uint32_t>(bgr[1]) << 8) | bgr[0];
}

void DecodeTrueColourRow(uint32_t* out, const unsigned char* row, int width)
{
    for (int x = 0; x < width; ++x)
        out[x] = OpaqueBgr(row + 3 * x);
}

// Indices are packed from the most significant bits of each byte.
bool DecodePaletteRow(uint32_t* out, const unsigned char* row, const BmpLayout& layout,
                      const uint32_t* palette)
{
    const int bits = layout.bitCount;
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int x = 0; x < layout.width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        const size_t index = (row[x / perByte] >> shift) & mask;
        if (index >= layout.colours)
            return false;
        out[x] = palette[index];
    }
    return true;
}

bool DecodePixels(std::vector<uint32_t>* pixels, const unsigned char* bmp, const BmpLayout& layout)
{
    uint32_t palette[256];
    for (size_t i = 0; i < layout.colours; ++i)
        palette[i] = OpaqueBgr(bmp + kHeadersSize + 4 * i);
    pixels->resize(static_cast<size_t>(layout.width) * static_cast<size_t>(layout.height));
    for (int r = 0; r < layout.height; ++r) {
        const unsigned char* row = bmp + layout.pixelOffset + layout.stride * static_cast<size_t>(r);
        uint32_t* out = pixels->data() + static_cast<size_t>(layout.height - 1 - r) * layout.width;
        if (layout.bitCount == 24)
            DecodeTrueColourRow(out, row, layout.width);
        else if (!DecodePaletteRow(out, row, layout, palette))
            return false;
    }
    return true;
}

} // namespace

bool DecodeBmp(Image* image, const unsigned char* bmp, size_t size, bool colourKey)
{
    BmpLayout layout;
    if (!ReadLayout(&layout, bmp, size))
        return false;
    std::vector<uint32_t> pixels;
    if (!DecodePixels(&pixels, bmp, layout))
        return false;
    if (colourKey) {
        for (uint32_t& pixel : pixels)
            if (pixel == kColourKey)
                pixel = 0;
    }
    image->width = layout.width;
    image->height = layout.height;
    image->pixels = std::move(pixels);
    return true;
}
