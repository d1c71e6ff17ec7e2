// WAVE images: the samples found lie inside the image, and a device buffer
// made from them mixes without reading past them.
#include "engine/WaveReader.h"
#include "fuzz/FuzzCheck.h"
#include "platform/NullAudioDevice.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WaveData wave;
    if (!ReadWave(data, size, &wave))
        return 0;
    FuzzCheck(wave.samples >= data + 12 && wave.bytes <= size - static_cast<size_t>(wave.samples - data),
              "the samples lie inside the image");
    FuzzCheck(IsReadablePcm(static_cast<uint64_t>(wave.format.channels), static_cast<uint64_t>(wave.format.bitsPerSample),
                            static_cast<uint64_t>(wave.format.sampleRate)),
              "a format the reader takes");
    NullAudioDevice device;
    if (!device.CreateBuffer(0, wave.format, wave.samples, wave.bytes))
        return 0;
    device.SetFrequency(0, wave.format.sampleRate);
    device.Play(0, true);
    int16_t out[2 * 256];
    device.Mix(out, 256);
    return 0;
}
