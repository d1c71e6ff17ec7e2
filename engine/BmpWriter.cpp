#include "engine/BmpWriter.h"

#include "engine/ByteOrder.h"

#include <cstddef>
#include <cstdint>

std::vector<unsigned char> EncodeBmp24(const std::vector<unsigned char>& rgb, int width, int height)
{
    constexpr size_t kHeaderSize = 54;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    const size_t imageSize = stride * static_cast<size_t>(height);
    std::vector<unsigned char> out(kHeaderSize + imageSize, 0);
    unsigned char* p = out.data();
    StoreLe16(p, 0x4D42);
    StoreLe32(p + 2, static_cast<uint32_t>(out.size()));
    StoreLe32(p + 10, kHeaderSize);
    StoreLe32(p + 14, 40);
    StoreLe32(p + 18, static_cast<uint32_t>(width));
    StoreLe32(p + 22, static_cast<uint32_t>(height));
    StoreLe16(p + 26, 1);
    StoreLe16(p + 28, 24);
    StoreLe32(p + 34, static_cast<uint32_t>(imageSize));
    for (int row = 0; row < height; ++row) {
        const unsigned char* in = &rgb[static_cast<size_t>(height - 1 - row) * width * 3];
        unsigned char* line = p + kHeaderSize + stride * row;
        for (int x = 0; x < width; ++x) {
            line[x * 3] = in[x * 3 + 2];
            line[x * 3 + 1] = in[x * 3 + 1];
            line[x * 3 + 2] = in[x * 3];
        }
    }
    return out;
}
