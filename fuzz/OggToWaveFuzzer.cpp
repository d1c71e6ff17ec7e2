// Ogg Vorbis to WAVE: every image the decoder makes is one the WAVE reader
// takes, with all the decoded samples.
#include "engine/OggDecoder.h"
#include "engine/WaveReader.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WaveImage image;
    size_t imageSize = 0;
    if (!DecodeOggToWav(data, size, &image, &imageSize))
        return 0;
    FuzzCheck(imageSize >= 44 && imageSize <= kMaxWaveImageBytes, "the image has its header and no more");
    WaveData wave;
    FuzzCheck(ReadWave(image.get(), imageSize, &wave), "the WAVE reader takes the image");
    FuzzCheck(wave.format.bitsPerSample == 16 && wave.samples == image.get() + 44 && wave.bytes == imageSize - 44,
              "16-bit samples fill the image");
    FuzzCheck(wave.bytes % (2u * static_cast<size_t>(wave.format.channels)) == 0, "whole frames only");
    return 0;
}
