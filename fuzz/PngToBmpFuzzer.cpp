// PNG to BMP: a converted picture is a BMP of the PNG's own size that the
// texture decoder takes, pixel for pixel of that size.
#include "engine/BmpImage.h"
#include "engine/ByteOrder.h"
#include "engine/ResourceLoader.h"
#include "fuzz/FuzzCheck.h"

#include <zlib.h>

#include <cstring>
#include <vector>

namespace {

uint32_t LoadBe32(const uint8_t* p)
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// The width and height of the IHDR chunk, which the reader takes wherever it
// comes among the chunks; false when the chunks do not lead to one.
bool FindHeaderSize(const uint8_t* data, size_t size, uint32_t* width, uint32_t* height)
{
    for (size_t at = 8; at + 16 <= size;) {
        const uint32_t length = LoadBe32(data + at);
        if (std::memcmp(data + at + 4, "IHDR", 4) == 0) {
            *width = LoadBe32(data + at + 8);
            *height = LoadBe32(data + at + 12);
            return true;
        }
        if (length > size - at - 12)
            return false;
        at += 12 + size_t{length};
    }
    return false;
}

void StoreBe32(uint8_t* p, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

// The input with the checksum of every whole chunk mended, so that changed
// chunk data reaches the decoder instead of failing its checksum.
std::vector<unsigned char> WithChunkChecksums(const uint8_t* data, size_t size)
{
    std::vector<unsigned char> png(data, data + size);
    for (size_t at = 8; at + 12 <= size;) {
        const uint32_t length = LoadBe32(&png[at]);
        if (length > size - at - 12)
            break;
        StoreBe32(&png[at + 8 + length], static_cast<uint32_t>(crc32(0, &png[at + 4], 4 + length)));
        at += 12 + size_t{length};
    }
    return png;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<unsigned char> png = WithChunkChecksums(data, size);
    data = png.data();
    std::vector<unsigned char> bmp;
    if (!ConvertPngToBmp(&bmp, data, size))
        return 0;
    uint32_t width = 0, height = 0;
    FuzzCheck(FindHeaderSize(data, size, &width, &height), "a converted picture has its header");
    FuzzCheck(bmp.size() >= 54 && LoadLe32(&bmp[2]) == bmp.size(), "the BMP holds its file size");
    FuzzCheck(LoadLe32(&bmp[18]) == width && LoadLe32(&bmp[22]) == height, "the BMP has the PNG's size");
    Image image;
    FuzzCheck(DecodeBmp(&image, bmp.data(), bmp.size(), true), "the texture decoder takes the BMP");
    FuzzCheck(static_cast<uint32_t>(image.width) == width && static_cast<uint32_t>(image.height) == height,
              "the image has the PNG's size");
    return 0;
}
