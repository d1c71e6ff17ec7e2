#include "engine/WaveReader.h"

#include <cstdint>
#include <cstring>

#include "engine/ByteOrder.h"

namespace {

constexpr size_t kChunkHeaderBytes = 8;
constexpr size_t kPcmFormatBytes = 16;
constexpr uint16_t kFormatPcm = 1;

struct Chunk {
    size_t body = 0;
    size_t size = 0;
    size_t next = 0;  // after the body and its pad byte
};

// Walks the chunks from `from` up to end for the one named id; false when it
// is missing or does not fit.
bool FindChunk(const unsigned char* image, size_t from, size_t end, const char* id, Chunk* out) {
    while (from <= end && end - from >= kChunkHeaderBytes) {
        const size_t body = from + kChunkHeaderBytes;
        const size_t size = LoadLe32(image + from + 4);
        if (size > end - body) {
            return false;
        }
        if (std::memcmp(image + from, id, 4) == 0) {
            *out = {body, size, body + size + (size & 1)};
            return true;
        }
        from = body + size + (size & 1);
    }
    return false;
}

bool ReadPcmFormat(const unsigned char* fmt, PcmFormat* out) {
    const uint16_t tag = LoadLe16(fmt);
    const uint16_t channels = LoadLe16(fmt + 2);
    const uint32_t rate = LoadLe32(fmt + 4);
    const uint16_t blockAlign = LoadLe16(fmt + 12);
    const uint16_t bits = LoadLe16(fmt + 14);
    if (tag != kFormatPcm || !IsReadablePcm(channels, bits, rate) || blockAlign != channels * (bits / 8)) {
        return false;
    }
    *out = {channels, bits, static_cast<int>(rate)};
    return true;
}

}  // namespace

bool IsReadablePcm(uint64_t channels, uint64_t bits, uint64_t rate) {
    return channels >= 1 && (bits == 8 || bits == 16) && rate >= 1 && rate <= INT32_MAX;
}

bool ReadWave(const unsigned char* image, size_t size, WaveData* out) {
    if (image == nullptr || size < 12 || std::memcmp(image, "RIFF", 4) != 0 ||
        std::memcmp(image + 8, "WAVE", 4) != 0) {
        return false;
    }
    const size_t riffEnd = kChunkHeaderBytes + static_cast<size_t>(LoadLe32(image + 4));
    const size_t end = riffEnd < size ? riffEnd : size;
    Chunk fmt;
    Chunk data;
    PcmFormat format;
    if (!FindChunk(image, 12, end, "fmt ", &fmt) || fmt.size < kPcmFormatBytes ||
        !ReadPcmFormat(image + fmt.body, &format) ||
        !FindChunk(image, fmt.next, end, "data", &data)) {
        return false;
    }
    *out = {format, image + data.body, data.size};
    return true;
}
