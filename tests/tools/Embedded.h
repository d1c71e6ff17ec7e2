// The embedded resources as the game reads them: pictures through the PNG to
// BMP conversion, sounds through the Ogg decoder and the WAVE reader.
#pragma once

#include "assets/EmbeddedAssets.h"
#include "engine/BmpImage.h"
#include "engine/OggDecoder.h"
#include "engine/ResourceLoader.h"
#include "engine/WaveReader.h"
#include "platform/Resources.h"

#include <string>
#include <vector>

inline std::vector<unsigned char> Embedded(const char* type, int id)
{
    ClearResources();
    RegisterEmbeddedAssets();
    return ReadResource(type, ("#" + std::to_string(id)).c_str());
}

// Keyed pixels come out transparent black; an empty image when it does not convert.
inline Image EmbeddedPicture(const char* type, int id)
{
    const std::vector<unsigned char> png = Embedded(type, id);
    std::vector<unsigned char> bmp;
    Image image;
    if (!png.empty() && ConvertPngToBmp(&bmp, png.data(), png.size()))
        DecodeBmp(&image, bmp.data(), bmp.size(), true);
    return image;
}

struct Sound {
    int channels = 0;
    int rate = 0;
    std::vector<float> samples; // interleaved, -1 to 1

    double Seconds() const { return channels > 0 ? static_cast<double>(samples.size()) / channels / rate : 0.0; }
};

inline Sound EmbeddedSound(const char* type, int id)
{
    const std::vector<unsigned char> ogg = Embedded(type, id);
    WaveImage image;
    size_t imageSize = 0;
    WaveData wave;
    Sound sound;
    if (ogg.empty() || !DecodeOggToWav(ogg.data(), ogg.size(), &image, &imageSize) ||
        !ReadWave(image.get(), imageSize, &wave) || wave.format.bitsPerSample != 16)
        return sound;
    sound.channels = wave.format.channels;
    sound.rate = wave.format.sampleRate;
    for (size_t i = 0; i + 1 < wave.bytes; i += 2)
        sound.samples.push_back(static_cast<int16_t>(wave.samples[i] | wave.samples[i + 1] << 8) / 32767.0f);
    return sound;
}
