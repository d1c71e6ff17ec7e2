// Reading pixels back from a graphics device in tests.
#pragma once

#include "platform/GraphicsDevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

// 0xRRGGBB of the pixel at x, y of the render target (origin top left).
inline uint32_t ReadPixel(GraphicsDevice& device, int x, int y)
{
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    EXPECT_TRUE(device.ReadBackBuffer(&rgb, &width, &height));
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0xFFFFFFFF;
    const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
    return static_cast<uint32_t>(p[0]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[2];
}

struct ExpectedPixel {
    int x, y;
    uint32_t color; // 0xRRGGBB
};

inline void ExpectPixels(GraphicsDevice& device, std::initializer_list<ExpectedPixel> pixels)
{
    for (const ExpectedPixel& p : pixels)
        EXPECT_EQ(ReadPixel(device, p.x, p.y), p.color) << std::hex << "at " << std::dec << p.x << "," << p.y;
}

// Within one step per channel, for values that pass through float maths.
inline void ExpectNear(uint32_t actual, uint32_t expected)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF);
        const int e = static_cast<int>((expected >> shift) & 0xFF);
        EXPECT_LE(std::abs(a - e), 1) << std::hex << "actual " << actual << " expected " << expected;
    }
}
