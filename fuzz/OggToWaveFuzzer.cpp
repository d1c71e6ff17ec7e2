// Ogg Vorbis to WAVE: every image the decoder makes is one the WAVE reader
// takes, with all the decoded samples.
#include "engine/OggDecoder.h"
#include "engine/WaveReader.h"
#include "fuzz/FuzzCheck.h"

#include <ogg/ogg.h>

#include <cstring>
#include <vector>

namespace {

// The input with the checksum of every whole page mended, so that changed
// packets reach the decoder instead of failing their page's checksum.
std::vector<unsigned char> WithPageChecksums(const uint8_t* data, size_t size)
{
    constexpr size_t kPageHeader = 27;
    std::vector<unsigned char> ogg(data, data + size);
    for (size_t at = 0; at + kPageHeader <= size && std::memcmp(&ogg[at], "OggS", 4) == 0;) {
        const size_t segments = ogg[at + 26];
        if (segments > size - at - kPageHeader)
            break;
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i)
            body += ogg[at + kPageHeader + i];
        const size_t header = kPageHeader + segments;
        if (body > size - at - header)
            break;
        ogg_page page{&ogg[at], static_cast<long>(header), &ogg[at + header], static_cast<long>(body)};
        ogg_page_checksum_set(&page);
        at += header + body;
    }
    return ogg;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<unsigned char> ogg = WithPageChecksums(data, size);
    WaveImage image;
    size_t imageSize = 0;
    if (!DecodeOggToWav(ogg.data(), size, &image, &imageSize))
        return 0;
    FuzzCheck(imageSize >= 44 && imageSize <= kMaxWaveImageBytes, "the image has its header and no more");
    WaveData wave;
    FuzzCheck(ReadWave(image.get(), imageSize, &wave), "the WAVE reader takes the image");
    FuzzCheck(wave.format.bitsPerSample == 16 && wave.samples == image.get() + 44 && wave.bytes == imageSize - 44,
              "16-bit samples fill the image");
    FuzzCheck(wave.bytes % (2u * static_cast<size_t>(wave.format.channels)) == 0, "whole frames only");
    return 0;
}
