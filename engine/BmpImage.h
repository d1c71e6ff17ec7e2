// Decoding of the BMP images that ConvertPngToBmp writes into the pixels a
// texture is made from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Larger pictures are refused by the converters: no texture of ours comes
// near it, and it keeps every size computation far from overflow.
inline constexpr int kMaxImageSide = 8192;

// Each pixel is 0xAARRGGBB; row 0 is the top row.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Exact opaque magenta, the transparent colour of keyed textures.
inline constexpr uint32_t kColourKey = 0xFFFF00FF;

// Decodes an uncompressed bottom-up BMP of 24 bits or a 1, 2, 4 or 8-bit
// palette. With colourKey, pixels of kColourKey become transparent black;
// every other pixel is opaque. False, with image untouched, for anything
// malformed.
bool DecodeBmp(Image* image, const unsigned char* bmp, size_t size, bool colourKey);
