#include "engine/ResourceLoader.h"

#include "engine/BmpImage.h"
#include "engine/ByteOrder.h"
#include "engine/FileUtil.h"
#include "engine/Md5.h"
#include "platform/Resources.h"

#include <png.h>

#include <cctype>
#include <csetjmp>
#include <cstring>
#include <utility>

void DeriveScrambleKey(uint32_t key[kScrambleKeyWords])
{
    char hex[33];
    Md5HexString(hex, kScrambleConstant);
    static constexpr int kWindows[kScrambleKeyWords] = {0, 8, 16, 24, 2, 10, 18, 2, 10, 18};
    for (int i = 0; i < kScrambleKeyWords; ++i)
        key[i] = ParseHexWord(hex + kWindows[i]);
}

uint32_t ParseHexWord(const char* text)
{
    const size_t length = strnlen(text, 8);
    uint32_t value = 0;
    for (size_t i = 0; i < length; ++i) {
        const int c = std::tolower(static_cast<unsigned char>(text[i]));
        uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<uint32_t>(c - 'a' + 10);
        value = (value << 4) | digit;
    }
    return value;
}

// Each word is XORed with a running sum of key words seeded with the length;
// a tail of 1 to 3 bytes is XORed with the next key word itself.
void UnscrambleResource(unsigned char* out, const unsigned char* in, int n)
{
    if (n <= 0)
        return;
    uint32_t key[kScrambleKeyWords];
    DeriveScrambleKey(key);
    uint32_t sum = static_cast<uint32_t>(n);
    int k = n % kScrambleKeyWords;
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        sum += key[k];
        StoreLe32(out + i, LoadLe32(in + i) ^ sum);
        k = (k + 1) % kScrambleKeyWords;
    }
    const int tail = n - i;
    if (tail > 0) {
        unsigned char word[4] = {};
        std::memcpy(word, in + i, static_cast<size_t>(tail));
        StoreLe32(word, LoadLe32(word) ^ key[k]);
        std::memcpy(out + i, word, static_cast<size_t>(tail));
    }
}

namespace {

// The unscrambler counts in int; nothing of ours comes near that.
bool FitsUnscrambler(size_t size) { return size <= static_cast<size_t>(INT32_MAX); }

} // namespace

std::vector<unsigned char> ReadResource(const char* type, const char* name)
{
    size_t size = 0;
    const unsigned char* stored = LockResourceData(name, type, &size);
    if (stored == nullptr || !FitsUnscrambler(size))
        return {};
    std::vector<unsigned char> copy(size);
    UnscrambleResource(copy.data(), stored, static_cast<int>(size));
    return copy;
}

bool UnscrambleFile(const char* path)
{
    const std::string file = ResolveProgramPath(path);
    std::vector<unsigned char> bytes;
    if (!ReadWholeFile(file, &bytes) || !FitsUnscrambler(bytes.size()))
        return false;
    UnscrambleResource(bytes.data(), bytes.data(), static_cast<int>(bytes.size()));
    return WriteFileBytes(file + "_", bytes.data(), bytes.size());
}

namespace {

constexpr size_t kPngSignatureSize = 8;
constexpr double kScreenGamma = 2.2;
// Translucent pixels are flattened onto this colour (red, green, blue).
constexpr unsigned char kPngBackground[3] = {0, 0, 0};

struct PngSource {
    const unsigned char* data; // the bytes after the signature
    size_t size;
    size_t offset;
};

struct PngPicture {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int channels = 0;
    bool indexed = false;
    size_t rowBytes = 0;
    std::vector<unsigned char> pixels;
    std::vector<png_bytep> rows;
    std::vector<png_color> palette;
};

void PngReadFromMemory(png_structp png, png_bytep out, png_size_t n)
{
    auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (n > source->size - source->offset)
        png_error(png, "read past the end of the picture");
    std::memcpy(out, source->data + source->offset, n);
    source->offset += n;
}

// A failed conversion is reported by its result alone.
void PngFail(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void PngIgnoreWarning(png_structp, png_const_charp) {}

// Palette pictures stay indexed; grey ones become RGB so that they take the
// RGB and RGBA paths.
void SetTransformations(png_structp png, png_infop info, int colourType, int bitDepth)
{
    double fileGamma = 0.0;
    if (png_get_gAMA(png, info, &fileGamma))
        png_set_gamma(png, kScreenGamma, fileGamma);
    if (bitDepth == 16)
        png_set_strip_16(png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
}

bool HasExpectedLayout(const PngPicture& picture)
{
    if (picture.indexed)
        return picture.channels == 1 &&
               picture.rowBytes >= (picture.width * static_cast<size_t>(picture.bitDepth) + 7) / 8;
    return (picture.channels == 3 || picture.channels == 4) && picture.bitDepth == 8 &&
           picture.rowBytes >= picture.width * static_cast<size_t>(picture.channels);
}

bool CopyPalette(png_structp png, png_infop info, PngPicture* picture)
{
    png_colorp palette = nullptr;
    int count = 0;
    if (!png_get_PLTE(png, info, &palette, &count) || count > (1 << picture->bitDepth))
        return false;
    picture->palette.assign(palette, palette + count);
    return true;
}

// Every pixel of an indexed picture names an entry of its palette; libpng
// itself lets a larger index through.
bool IndexesFitPalette(const PngPicture& picture)
{
    const unsigned bits = static_cast<unsigned>(picture.bitDepth);
    if (picture.palette.size() >= (size_t{1} << bits))
        return true;
    const unsigned perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (const png_bytep row : picture.rows) {
        for (png_uint_32 x = 0; x < picture.width; ++x) {
            const unsigned shift = 8 - bits * (x % perByte + 1);
            if (((row[x / perByte] >> shift) & mask) >= picture.palette.size())
                return false;
        }
    }
    return true;
}

// libpng leaves this frame by longjmp: nothing in it may need destruction.
bool ReadPng(png_structp png, png_infop info, PngPicture* picture)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_sig_bytes(png, kPngSignatureSize);
    png_read_info(png, info);
    int colourType = 0;
    png_get_IHDR(png, info, &picture->width, &picture->height, &picture->bitDepth, &colourType,
                 nullptr, nullptr, nullptr);
    if (picture->width > kMaxImageSide || picture->height > kMaxImageSide)
        return false;
    SetTransformations(png, info, colourType, picture->bitDepth);
    png_read_update_info(png, info);
    picture->indexed = colourType == PNG_COLOR_TYPE_PALETTE;
    picture->bitDepth = png_get_bit_depth(png, info);
    picture->channels = png_get_channels(png, info);
    picture->rowBytes = png_get_rowbytes(png, info);
    if (!HasExpectedLayout(*picture))
        return false;
    picture->pixels.resize(picture->rowBytes * picture->height);
    picture->rows.resize(picture->height);
    for (png_uint_32 y = 0; y < picture->height; ++y)
        picture->rows[y] = picture->pixels.data() + picture->rowBytes * y;
    png_read_image(png, picture->rows.data());
    png_read_end(png, nullptr);
    return !picture->indexed || (CopyPalette(png, info, picture) && IndexesFitPalette(*picture));
}

unsigned char Flatten(unsigned colour, unsigned alpha, unsigned background)
{
    if (alpha == 255)
        return static_cast<unsigned char>(colour);
    if (alpha == 0)
        return static_cast<unsigned char>(background);
    const unsigned t = colour * alpha + 128 + background * (255 - alpha);
    return static_cast<unsigned char>((t + (t >> 8)) >> 8);
}

void WriteBmpRow(unsigned char* out, const unsigned char* in, const PngPicture& picture)
{
    const size_t width = picture.width;
    if (picture.indexed) {
        std::memcpy(out, in, (width * static_cast<size_t>(picture.bitDepth) + 7) / 8);
    } else if (picture.channels == 3) {
        for (size_t x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    } else {
        for (size_t x = 0; x < width; ++x, in += 4, out += 3) {
            out[0] = Flatten(in[2], in[3], kPngBackground[2]);
            out[1] = Flatten(in[1], in[3], kPngBackground[1]);
            out[2] = Flatten(in[0], in[3], kPngBackground[0]);
        }
    }
}

void WriteBmp(std::vector<unsigned char>* bmp, const PngPicture& picture)
{
    const unsigned bitCount = picture.indexed ? static_cast<unsigned>(picture.bitDepth) : 24;
    const size_t usedColours = picture.palette.size();
    const size_t colours = usedColours == 0 && bitCount < 16 ? size_t{1} << bitCount : usedColours;
    const size_t pixelOffset = 54 + 4 * colours;
    const size_t stride = (bitCount * static_cast<size_t>(picture.width) + 31) / 32 * 4;
    const size_t imageSize = stride * picture.height;
    const size_t fileSize = (pixelOffset + imageSize + 3) / 4 * 4;

    std::vector<unsigned char> out(fileSize);
    unsigned char* p = out.data();
    StoreLe16(p, 0x4D42);
    StoreLe32(p + 2, static_cast<uint32_t>(fileSize));
    StoreLe32(p + 10, static_cast<uint32_t>(pixelOffset));
    StoreLe32(p + 14, 40);
    StoreLe32(p + 18, picture.width);
    StoreLe32(p + 22, picture.height);
    StoreLe16(p + 26, 1);
    StoreLe16(p + 28, static_cast<uint16_t>(bitCount));
    StoreLe32(p + 34, static_cast<uint32_t>(imageSize));
    StoreLe32(p + 46, static_cast<uint32_t>(usedColours));
    for (size_t i = 0; i < usedColours; ++i) {
        p[54 + 4 * i] = picture.palette[i].blue;
        p[55 + 4 * i] = picture.palette[i].green;
        p[56 + 4 * i] = picture.palette[i].red;
    }
    for (png_uint_32 r = 0; r < picture.height; ++r)
        WriteBmpRow(p + pixelOffset + stride * r, picture.rows[picture.height - 1 - r], picture);
    *bmp = std::move(out);
}

} // namespace

bool HasPngSignature(const unsigned char* data, size_t size)
{
    return size >= kPngSignatureSize && png_sig_cmp(data, 0, kPngSignatureSize) == 0;
}

bool ConvertPngToBmp(std::vector<unsigned char>* bmp, const unsigned char* png, size_t size)
{
    if (!HasPngSignature(png, size))
        return false;
    png_structp read = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFail, PngIgnoreWarning);
    if (read == nullptr)
        return false;
    png_infop info = png_create_info_struct(read);
    if (info == nullptr) {
        png_destroy_read_struct(&read, nullptr, nullptr);
        return false;
    }
    PngSource source{png + kPngSignatureSize, size - kPngSignatureSize, 0};
    png_set_read_fn(read, &source, PngReadFromMemory);
    PngPicture picture;
    const bool readOk = ReadPng(read, info, &picture);
    png_destroy_read_struct(&read, &info, nullptr);
    if (!readOk)
        return false;
    WriteBmp(bmp, picture);
    return true;
}

bool ConvertStoredResourceToBmp(std::vector<unsigned char>* bmp, const char* type, const char* name)
{
    size_t size = 0;
    const unsigned char* stored = LockResourceData(name, type, &size);
    return ConvertPngToBmp(bmp, stored, size);
}
