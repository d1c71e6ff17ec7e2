// Turning the executable's stored resources into usable bytes: the
// unscrambler (the same routine scrambles), resource reading, and the
// conversion of PNG pictures into BMP images for texture creation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The six bytes the scrambling key is derived from. The stored assets are
// scrambled with it: changing it means regenerating every asset.
inline constexpr char kScrambleConstant[] = "Vz#r5K";

inline constexpr int kScrambleKeyWords = 10;

// The key words derived from the MD5 digest of kScrambleConstant.
void DeriveScrambleKey(uint32_t key[kScrambleKeyWords]);

// Writes the n unscrambled bytes of in to out; applied to plain bytes it
// gives their stored form. out and in may be the same buffer.
void UnscrambleResource(unsigned char* out, const unsigned char* in, int n);

// Up to eight hexadecimal digits, the first the most significant; any other
// character counts as 0.
uint32_t ParseHexWord(const char* text);

// An unscrambled copy of the resource, empty when there is none.
std::vector<unsigned char> ReadResource(const char* type, const char* name);

// Writes the unscrambled bytes of the file beside it, under its path with "_"
// appended. A relative path is taken below the program folder. False when the
// file cannot be read or the copy cannot be written.
bool UnscrambleFile(const char* path);

// Whether the bytes open with the eight-byte PNG signature.
bool HasPngSignature(const unsigned char* data, size_t size);

// Converts a PNG picture into a BMP image: palette pictures stay indexed,
// everything else becomes 24-bit with translucent pixels flattened onto
// black. False, with bmp untouched, for anything that is not a readable PNG.
bool ConvertPngToBmp(std::vector<unsigned char>* bmp, const unsigned char* png, size_t size);

// ConvertPngToBmp of a resource's stored bytes as they are, not unscrambled.
bool ConvertStoredResourceToBmp(std::vector<unsigned char>* bmp, const char* type, const char* name);
