// MD5 message digest (RFC 1321) and its lower-case hexadecimal rendering.
// The replay checksum and the resource key depend on the exact text form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct MD5_CTX {
    uint32_t state[4];
    uint32_t count[2];  // number of bits, modulo 2^64, low word first
    unsigned char buffer[64];
};

void MD5Init(MD5_CTX* context);
void MD5Update(MD5_CTX* context, const unsigned char* input, unsigned length);
// Writes the digest and wipes the context.
void MD5Final(unsigned char digest[16], MD5_CTX* context);

// The digest of n bytes as 32 lower-case hexadecimal digits.
std::string Md5Hex(const void* data, size_t n);
// The digest of strlen(text) bytes; out must hold 33 characters.
void Md5HexString(char* out, const char* text);
// The same digest text into a string.
void Md5HexToString(std::string& out, const char* text);
