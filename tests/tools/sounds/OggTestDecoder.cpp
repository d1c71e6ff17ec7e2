#include "tests/tools/sounds/OggTestDecoder.h"

#include "engine/OggDecoder.h"
#include "engine/WaveReader.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

struct MemoryStream {
    const std::vector<unsigned char>* bytes = nullptr;
    size_t position = 0;
};

size_t ReadMemory(void* destination, size_t size, size_t count, void* source)
{
    MemoryStream& stream = *static_cast<MemoryStream*>(source);
    const size_t wanted = size * count;
    const size_t available = stream.bytes->size() - stream.position;
    const size_t taken = std::min(wanted, available);
    std::memcpy(destination, stream.bytes->data() + stream.position, taken);
    stream.position += taken;
    return size == 0 ? 0 : taken / size;
}

} // namespace

DecodedOgg DecodeOgg(const std::vector<unsigned char>& bytes)
{
    DecodedOgg decoded;
    MemoryStream stream{&bytes, 0};
    OggVorbis_File file;
    const ov_callbacks callbacks{ReadMemory, nullptr, nullptr, nullptr};
    if (ov_open_callbacks(&stream, &file, nullptr, 0, callbacks) != 0) {
        return decoded;
    }
    const vorbis_info* info = ov_info(&file, -1);
    decoded.sampleRate = static_cast<int>(info->rate);
    decoded.channels = info->channels;
    decoded.valid = true;
    int section = 0;
    float** pcm = nullptr;
    long frames = 0;
    while ((frames = ov_read_float(&file, &pcm, 4096, &section)) != 0) {
        if (frames < 0) {
            decoded.valid = false;
            break;
        }
        for (long i = 0; i < frames; ++i) {
            for (int c = 0; c < decoded.channels; ++c) {
                decoded.samples.push_back(pcm[c][i]);
            }
        }
    }
    ov_clear(&file);
    return decoded;
}

DecodedOgg DecodeAsTheGameDoes(const std::vector<unsigned char>& bytes)
{
    DecodedOgg decoded;
    WaveImage image;
    size_t imageSize = 0;
    WaveData wave;
    if (!DecodeOggToWav(bytes.data(), bytes.size(), &image, &imageSize) ||
        !ReadWave(image.get(), imageSize, &wave) || wave.format.bitsPerSample != 16) {
        return decoded;
    }
    decoded.valid = true;
    decoded.channels = wave.format.channels;
    decoded.sampleRate = wave.format.sampleRate;
    for (size_t i = 0; i + 1 < wave.bytes; i += 2) {
        const int16_t value = static_cast<int16_t>(wave.samples[i] | (wave.samples[i + 1] << 8));
        decoded.samples.push_back(static_cast<float>(value) / 32767.0f);
    }
    return decoded;
}
