#include "engine/Md5.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

TEST(Md5, RfcTestSuite)
{
    const char* const cases[][2] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : cases) {
        char out[33];
        std::memset(out, 'x', sizeof out);
        Md5HexString(out, c[0]);
        std::string text = "stale";
        Md5HexToString(text, c[0]);
        EXPECT_EQ(std::string(out) + text, std::string(c[1]) + c[1]) << '"' << c[0] << '"';
    }
}

TEST(Md5, PiecewiseUpdatesEqualOneUpdate)
{
    // Lengths around the 56- and 64-byte padding boundaries, fed in uneven pieces.
    std::string text;
    for (int length = 0; length < 200; length++) {
        MD5_CTX context;
        MD5Init(&context);
        const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
        unsigned done = 0;
        for (unsigned piece = 1; done < text.size(); piece = piece * 3 % 71 + 1) {
            const unsigned n = std::min<unsigned>(piece, static_cast<unsigned>(text.size()) - done);
            MD5Update(&context, bytes + done, n);
            done += n;
        }
        unsigned char digest[16];
        MD5Final(digest, &context);
        char hex[33];
        for (int i = 0; i < 16; i++)
            std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
        ASSERT_EQ(std::string(hex), Md5Hex(text.data(), text.size())) << "length " << length;
        text += static_cast<char>('a' + length % 26);
    }
}
