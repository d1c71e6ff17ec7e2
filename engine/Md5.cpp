#include "engine/Md5.h"

#include <cstdio>
#include <cstring>

namespace {

const unsigned char kPadding[64] = {0x80};

uint32_t F(uint32_t x, uint32_t y, uint32_t z) { return (x & y) | (~x & z); }
uint32_t G(uint32_t x, uint32_t y, uint32_t z) { return (x & z) | (y & ~z); }
uint32_t H(uint32_t x, uint32_t y, uint32_t z) { return x ^ y ^ z; }
uint32_t I(uint32_t x, uint32_t y, uint32_t z) { return y ^ (x | ~z); }

uint32_t RotateLeft(uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

using RoundFunction = uint32_t (*)(uint32_t, uint32_t, uint32_t);

// One step of a round: a = b + ((a + f(b, c, d) + x + ac) <<< s).
void Step(RoundFunction f, uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t x, int s, uint32_t ac)
{
    a += f(b, c, d) + x + ac;
    a = RotateLeft(a, s) + b;
}

// Per step of each round: the message word index, the shift and the constant.
struct StepParams {
    int k;
    int s;
    uint32_t ac;
};

const StepParams kSteps[64] = {
    {0, 7, 0xd76aa478}, {1, 12, 0xe8c7b756}, {2, 17, 0x242070db}, {3, 22, 0xc1bdceee},
    {4, 7, 0xf57c0faf}, {5, 12, 0x4787c62a}, {6, 17, 0xa8304613}, {7, 22, 0xfd469501},
    {8, 7, 0x698098d8}, {9, 12, 0x8b44f7af}, {10, 17, 0xffff5bb1}, {11, 22, 0x895cd7be},
    {12, 7, 0x6b901122}, {13, 12, 0xfd987193}, {14, 17, 0xa679438e}, {15, 22, 0x49b40821},
    {1, 5, 0xf61e2562}, {6, 9, 0xc040b340}, {11, 14, 0x265e5a51}, {0, 20, 0xe9b6c7aa},
    {5, 5, 0xd62f105d}, {10, 9, 0x02441453}, {15, 14, 0xd8a1e681}, {4, 20, 0xe7d3fbc8},
    {9, 5, 0x21e1cde6}, {14, 9, 0xc33707d6}, {3, 14, 0xf4d50d87}, {8, 20, 0x455a14ed},
    {13, 5, 0xa9e3e905}, {2, 9, 0xfcefa3f8}, {7, 14, 0x676f02d9}, {12, 20, 0x8d2a4c8a},
    {5, 4, 0xfffa3942}, {8, 11, 0x8771f681}, {11, 16, 0x6d9d6122}, {14, 23, 0xfde5380c},
    {1, 4, 0xa4beea44}, {4, 11, 0x4bdecfa9}, {7, 16, 0xf6bb4b60}, {10, 23, 0xbebfbc70},
    {13, 4, 0x289b7ec6}, {0, 11, 0xeaa127fa}, {3, 16, 0xd4ef3085}, {6, 23, 0x04881d05},
    {9, 4, 0xd9d4d039}, {12, 11, 0xe6db99e5}, {15, 16, 0x1fa27cf8}, {2, 23, 0xc4ac5665},
    {0, 6, 0xf4292244}, {7, 10, 0x432aff97}, {14, 15, 0xab9423a7}, {5, 21, 0xfc93a039},
    {12, 6, 0x655b59c3}, {3, 10, 0x8f0ccc92}, {10, 15, 0xffeff47d}, {1, 21, 0x85845dd1},
    {8, 6, 0x6fa87e4f}, {15, 10, 0xfe2ce6e0}, {6, 15, 0xa3014314}, {13, 21, 0x4e0811a1},
    {4, 6, 0xf7537e82}, {11, 10, 0xbd3af235}, {2, 15, 0x2ad7d2bb}, {9, 21, 0xeb86d391},
};

const RoundFunction kRounds[4] = {F, G, H, I};

// Little-endian words to bytes.
void MD5Encode(unsigned char* output, const uint32_t* input, unsigned length)
{
    for (unsigned i = 0, j = 0; j < length; i++, j += 4) {
        output[j] = static_cast<unsigned char>(input[i] & 0xff);
        output[j + 1] = static_cast<unsigned char>((input[i] >> 8) & 0xff);
        output[j + 2] = static_cast<unsigned char>((input[i] >> 16) & 0xff);
        output[j + 3] = static_cast<unsigned char>((input[i] >> 24) & 0xff);
    }
}

// Bytes to little-endian words.
void MD5Decode(uint32_t* output, const unsigned char* input, unsigned length)
{
    for (unsigned i = 0, j = 0; j < length; i++, j += 4)
        output[i] = uint32_t(input[j]) | (uint32_t(input[j + 1]) << 8) | (uint32_t(input[j + 2]) << 16) |
                    (uint32_t(input[j + 3]) << 24);
}

void MD5Transform(uint32_t state[4], const unsigned char block[64])
{
    uint32_t x[16];
    MD5Decode(x, block, 64);
    uint32_t abcd[4] = {state[0], state[1], state[2], state[3]};
    for (int i = 0; i < 64; i++) {
        // The registers rotate one place per step: a, d, c, b take turns as the target.
        const int a = (4 - i % 4) % 4;
        const StepParams& p = kSteps[i];
        Step(kRounds[i / 16], abcd[a], abcd[(a + 1) % 4], abcd[(a + 2) % 4], abcd[(a + 3) % 4], x[p.k], p.s, p.ac);
    }
    for (int i = 0; i < 4; i++)
        state[i] += abcd[i];
    std::memset(x, 0, sizeof x);
}

}  // namespace

void MD5Init(MD5_CTX* context)
{
    context->count[0] = context->count[1] = 0;
    context->state[0] = 0x67452301;
    context->state[1] = 0xefcdab89;
    context->state[2] = 0x98badcfe;
    context->state[3] = 0x10325476;
}

void MD5Update(MD5_CTX* context, const unsigned char* input, unsigned length)
{
    unsigned index = (context->count[0] >> 3) & 0x3F;
    const uint32_t bits = static_cast<uint32_t>(length) << 3;
    context->count[0] += bits;
    if (context->count[0] < bits)
        context->count[1]++;
    context->count[1] += static_cast<uint32_t>(length) >> 29;

    const unsigned partLen = 64 - index;
    unsigned i = 0;
    if (length >= partLen) {
        std::memcpy(&context->buffer[index], input, partLen);
        MD5Transform(context->state, context->buffer);
        for (i = partLen; i + 63 < length; i += 64)
            MD5Transform(context->state, &input[i]);
        index = 0;
    }
    if (length > i)
        std::memcpy(&context->buffer[index], &input[i], length - i);
}

void MD5Final(unsigned char digest[16], MD5_CTX* context)
{
    unsigned char bits[8];
    MD5Encode(bits, context->count, 8);
    const unsigned index = (context->count[0] >> 3) & 0x3f;
    const unsigned padLen = (index < 56) ? (56 - index) : (120 - index);
    MD5Update(context, kPadding, padLen);
    MD5Update(context, bits, 8);
    MD5Encode(digest, context->state, 16);
    std::memset(context, 0, sizeof *context);
}

std::string Md5Hex(const void* data, size_t n)
{
    MD5_CTX context;
    MD5Init(&context);
    const auto* bytes = static_cast<const unsigned char*>(data);
    // MD5Update takes 32-bit lengths; feed larger inputs in pieces.
    constexpr size_t kChunk = 1u << 30;
    while (n > kChunk) {
        MD5Update(&context, bytes, static_cast<unsigned>(kChunk));
        bytes += kChunk;
        n -= kChunk;
    }
    MD5Update(&context, bytes, static_cast<unsigned>(n));
    unsigned char digest[16];
    MD5Final(digest, &context);
    char text[33];
    for (int i = 0; i < 16; i++)
        std::snprintf(text + 2 * i, 3, "%02x", digest[i]);
    return std::string(text, 32);
}

void Md5HexString(char* out, const char* text)
{
    const std::string hex = Md5Hex(text, std::strlen(text));
    std::memcpy(out, hex.c_str(), 33);
}

void Md5HexToString(std::string& out, const char* text) { out = Md5Hex(text, std::strlen(text)); }
