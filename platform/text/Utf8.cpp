#include "platform/text/Utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Lead bytes of the multi-byte sequences: the bits that tell the length, the
// length, and the lowest code point that needs that length.
struct LeadByte {
    unsigned char mask, value;
    int length;
    char32_t lowest;
};
constexpr LeadByte kLeadBytes[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// False when the sequence is not well formed.
bool Decode(const unsigned char* bytes, const LeadByte& lead, char32_t* code)
{
    *code = bytes[0] & static_cast<unsigned char>(~lead.mask);
    // A zero byte is no continuation: decoding stops at the end of the text.
    for (int i = 1; i < lead.length; ++i) {
        if (!IsContinuation(bytes[i]))
            return false;
        *code = *code << 6 | (bytes[i] & 0x3F);
    }
    return *code >= lead.lowest && *code <= 0x10FFFF && (*code < 0xD800 || *code > 0xDFFF);
}

}  // namespace

char32_t NextCodePoint(const char** text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(*text);
    ++*text;
    if (bytes[0] < 0x80)
        return bytes[0];
    for (const LeadByte& lead : kLeadBytes) {
        if ((bytes[0] & lead.mask) != lead.value)
            continue;
        char32_t code = 0;
        if (!Decode(bytes, lead, &code))
            return kReplacement;
        *text += lead.length - 1;
        return code;
    }
    return kReplacement;
}
