// Writing pictures as uncompressed 24-bit BMP files, bottom row first.
#pragma once

#include <vector>

// rgb: width × height × 3 bytes, red first, row 0 at the top.
std::vector<unsigned char> EncodeBmp24(const std::vector<unsigned char>& rgb, int width, int height);
