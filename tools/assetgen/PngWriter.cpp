#include "tools/assetgen/AssetSink.h"

#include <png.h>

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

bool IsOpaque(const Picture& picture)
{
    for (uint32_t pixel : picture.pixels)
        if ((pixel >> 24) != 0xFF)
            return false;
    return true;
}

std::vector<png_byte> PackRows(const Picture& picture, int channels)
{
    std::vector<png_byte> rows;
    rows.reserve(picture.pixels.size() * channels);
    for (uint32_t pixel : picture.pixels) {
        rows.push_back(static_cast<png_byte>(pixel >> 16));
        rows.push_back(static_cast<png_byte>(pixel >> 8));
        rows.push_back(static_cast<png_byte>(pixel));
        if (channels == 4)
            rows.push_back(static_cast<png_byte>(pixel >> 24));
    }
    return rows;
}

// libpng reports errors by a long jump back here; nothing in this frame
// changes after the jump point.
bool WriteImage(png_structp png, png_infop info, const Picture& picture, int channels, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, picture.width, picture.height, 8,
                 channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

} // namespace

std::vector<unsigned char> EncodePng(const Picture& picture)
{
    std::vector<unsigned char> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return {};
    }
    const int channels = IsOpaque(picture) ? 3 : 4;
    std::vector<png_byte> rows = PackRows(picture, channels);
    std::vector<png_bytep> rowPointers(picture.height);
    for (int y = 0; y < picture.height; ++y)
        rowPointers[y] = rows.data() + static_cast<size_t>(y) * picture.width * channels;
    png_set_write_fn(png, &out, AppendToVector, FlushNothing);
    const bool written = WriteImage(png, info, picture, channels, rowPointers.data());
    png_destroy_write_struct(&png, &info);
    return written ? out : std::vector<unsigned char>();
}
