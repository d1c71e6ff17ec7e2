// PCM WAVE images for the tests: "RIFF", a 16-byte "fmt " chunk, "data".
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/ByteOrder.h"

using Bytes = std::vector<unsigned char>;

inline Bytes PcmWave(uint16_t channels, uint16_t bits, uint32_t rate, const Bytes& data) {
    Bytes image(44);
    const uint16_t blockAlign = static_cast<uint16_t>(channels * bits / 8);
    std::copy_n("RIFF\0\0\0\0WAVEfmt ", 16, image.begin());
    StoreLe32(&image[4], static_cast<uint32_t>(36 + data.size()));
    const uint32_t fmt[] = {16, 1u | channels << 16, rate, rate * blockAlign,
                            blockAlign | static_cast<uint32_t>(bits) << 16};
    for (int i = 0; i < 5; ++i)
        StoreLe32(&image[16 + 4 * i], fmt[i]);
    std::copy_n("data", 4, image.begin() + 36);
    StoreLe32(&image[40], static_cast<uint32_t>(data.size()));
    image.insert(image.end(), data.begin(), data.end());
    return image;
}

inline Bytes MonoWave(const std::vector<int16_t>& samples, uint32_t rate) {
    Bytes data(2 * samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        StoreLe16(&data[2 * i], static_cast<uint16_t>(samples[i]));
    return PcmWave(1, 16, rate, data);
}
