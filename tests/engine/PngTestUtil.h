// Builds PNG files in memory for the decoder tests, with libpng's writer.
#pragma once

#include <png.h>

#include <utility>
#include <vector>

struct TestPng {
    int width = 1;
    int height = 1;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    // Packed rows, top row first, as libpng expects them.
    std::vector<unsigned char> rows;
    std::vector<png_color> palette;
    double gamma = 0.0; // written as a gAMA chunk when set
};

// A picture of packed rows, top row first; its height is what the rows fill.
inline TestPng Png(int width, int colourType, std::vector<unsigned char> rows, int bitDepth = 8, int height = 1)
{
    TestPng picture;
    picture.width = width;
    picture.height = height;
    picture.colourType = colourType;
    picture.bitDepth = bitDepth;
    picture.rows = std::move(rows);
    return picture;
}

inline void AppendPngBytes(png_structp png, png_bytep data, png_size_t n)
{
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}

inline std::vector<unsigned char> EncodeTestPng(const TestPng& picture)
{
    std::vector<unsigned char> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPngBytes, nullptr);
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colourType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!picture.palette.empty())
        png_set_PLTE(png, info, picture.palette.data(), static_cast<int>(picture.palette.size()));
    if (picture.gamma > 0.0)
        png_set_gAMA(png, info, picture.gamma);
    png_write_info(png, info);
    const size_t rowBytes = picture.rows.size() / picture.height;
    std::vector<png_bytep> rows;
    for (int y = 0; y < picture.height; ++y)
        rows.push_back(const_cast<png_bytep>(picture.rows.data() + rowBytes * y));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}
