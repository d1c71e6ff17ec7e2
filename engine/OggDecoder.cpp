#include "engine/OggDecoder.h"

#include <ogg/ogg.h>
#include <vorbis/codec.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/ByteOrder.h"
#include "engine/WaveReader.h"

namespace {

constexpr size_t kReadBytes = 4096;
constexpr size_t kGrowBytes = 4u * 1024 * 1024;
constexpr size_t kHeaderBytes = 44;
constexpr int kConvertValues = 4096;
// Samples of each channel converted together.
constexpr size_t kConvertBlock = 16;
// The identification header holds the channel count in one byte.
constexpr size_t kMaxChannels = 255;

// Copies up to n bytes from src at *position, stopping at size; returns the count.
size_t ReadOggFromMemory(void* dst, const unsigned char* src, size_t* position, size_t n,
                         size_t size) {
    const size_t count = std::min(n, size - *position);
    if (count > 0) {
        std::memcpy(dst, src + *position, count);
    }
    *position += count;
    return count;
}

// Clamped in float first: converting an out-of-range float to int is
// undefined. Selects rather than branches, so that a block of samples
// converts in vector registers.
int16_t ToSample(float sample) {
    float value = sample * 32767.0f;
    value = value >= 32767.0f ? 32767.0f : value;
    value = value <= -32768.0f ? -32768.0f : value;
    value = std::isnan(value) ? 0.0f : value;
    return static_cast<int16_t>(value);
}

// Converts kConvertBlock samples of each channel from first on and writes
// them interleaved. Channels 0: any count; a known count lets the compiler
// interleave in vector registers too.
template <size_t Channels>
void ConvertBlock(float** pcm, size_t first, size_t channels, unsigned char* out) {
    const size_t count = Channels != 0 ? Channels : channels;
    int16_t block[(Channels != 0 ? Channels : kMaxChannels) * kConvertBlock];
    for (size_t c = 0; c < count; ++c) {
        for (size_t i = 0; i < kConvertBlock; ++i) {
            block[c * kConvertBlock + i] = ToSample(pcm[c][first + i]);
        }
    }
    for (size_t i = 0; i < kConvertBlock; ++i) {
        for (size_t c = 0; c < count; ++c) {
            StoreLe16(out + 2 * (i * count + c), static_cast<uint16_t>(block[c * kConvertBlock + i]));
        }
    }
}

void WriteWaveHeader(unsigned char* image, size_t imageSize, uint32_t channels, uint32_t rate) {
    std::memcpy(image, "RIFF", 4);
    StoreLe32(image + 4, static_cast<uint32_t>(imageSize - 8));
    std::memcpy(image + 8, "WAVEfmt ", 8);
    StoreLe32(image + 16, 16);
    StoreLe16(image + 20, 1);
    StoreLe16(image + 22, static_cast<uint16_t>(channels));
    StoreLe32(image + 24, rate);
    StoreLe32(image + 28, rate * 2 * channels);
    StoreLe16(image + 32, static_cast<uint16_t>(channels * 2));
    StoreLe16(image + 34, 16);
    std::memcpy(image + 36, "data", 4);
    StoreLe32(image + 40, static_cast<uint32_t>(imageSize - kHeaderBytes));
}

// The libogg and libvorbis state of one decoding and the image it grows;
// everything is cleared on destruction.
class OggDecoding {
public:
    OggDecoding(const unsigned char* ogg, size_t oggSize) : ogg_(ogg), oggSize_(oggSize) {
        ogg_sync_init(&sync_);
    }
    ~OggDecoding();

    bool Run(WaveImage* image, size_t* imageSize);

private:
    size_t ReadMore();
    bool ReadHeaders();
    bool ReadFurtherHeaders();
    bool StartSynthesis();
    bool DecodeStream();
    bool DecodePackets();
    bool AppendSamples(float** pcm, int samples);
    bool Reserve(size_t bytes);

    const unsigned char* ogg_;
    size_t oggSize_;
    size_t position_ = 0;
    ogg_sync_state sync_;
    ogg_stream_state stream_;
    ogg_page page_;
    ogg_packet packet_;
    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    bool streamReady_ = false;
    bool infoReady_ = false;
    bool synthesisReady_ = false;
    int convertSamples_ = 0;
    WaveImage image_;
    size_t capacity_ = 0;
    size_t offset_ = kHeaderBytes;
};

OggDecoding::~OggDecoding() {
    if (synthesisReady_) {
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
    }
    if (infoReady_) {
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    if (streamReady_) {
        ogg_stream_clear(&stream_);
    }
    ogg_sync_clear(&sync_);
}

size_t OggDecoding::ReadMore() {
    char* buffer = ogg_sync_buffer(&sync_, kReadBytes);
    if (buffer == nullptr) {
        return 0;
    }
    const size_t bytes = ReadOggFromMemory(buffer, ogg_, &position_, kReadBytes, oggSize_);
    ogg_sync_wrote(&sync_, static_cast<long>(bytes));
    return bytes;
}

bool OggDecoding::ReadHeaders() {
    ReadMore();
    if (ogg_sync_pageout(&sync_, &page_) != 1) {
        return false;
    }
    ogg_stream_init(&stream_, ogg_page_serialno(&page_));
    streamReady_ = true;
    vorbis_info_init(&info_);
    vorbis_comment_init(&comment_);
    infoReady_ = true;
    if (ogg_stream_pagein(&stream_, &page_) < 0 ||
        ogg_stream_packetout(&stream_, &packet_) != 1 ||
        vorbis_synthesis_headerin(&info_, &comment_, &packet_) < 0) {
        return false;
    }
    return ReadFurtherHeaders();
}

// The comment and set-up packets, reading more of the stream as needed.
bool OggDecoding::ReadFurtherHeaders() {
    int taken = 0;
    while (taken < 2) {
        int result = 0;
        while (taken < 2 && (result = ogg_sync_pageout(&sync_, &page_)) != 0) {
            if (result != 1) {
                continue;
            }
            ogg_stream_pagein(&stream_, &page_);
            while (taken < 2 && (result = ogg_stream_packetout(&stream_, &packet_)) != 0) {
                if (result < 0 || vorbis_synthesis_headerin(&info_, &comment_, &packet_) < 0) {
                    return false;
                }
                ++taken;
            }
        }
        if (taken < 2 && ReadMore() == 0) {
            return false;
        }
    }
    return true;
}

// A stream whose image the WAVE reader would refuse is not decoded at all.
bool OggDecoding::StartSynthesis() {
    if (info_.channels < 1 || info_.rate < 1 ||
        !IsReadablePcm(static_cast<uint64_t>(info_.channels), 16, static_cast<uint64_t>(info_.rate)) ||
        vorbis_synthesis_init(&dsp_, &info_) != 0) {
        return false;
    }
    vorbis_block_init(&dsp_, &block_);
    synthesisReady_ = true;
    convertSamples_ = kConvertValues / info_.channels;
    return true;
}

bool OggDecoding::DecodeStream() {
    bool endOfStream = false;
    while (!endOfStream) {
        int result = 0;
        while (!endOfStream && (result = ogg_sync_pageout(&sync_, &page_)) != 0) {
            if (result < 0) {
                continue;  // a gap in the data
            }
            ogg_stream_pagein(&stream_, &page_);
            if (!DecodePackets()) {
                return false;
            }
            endOfStream = ogg_page_eos(&page_) != 0;
        }
        if (!endOfStream && ReadMore() == 0) {
            endOfStream = true;
        }
    }
    return true;
}

bool OggDecoding::DecodePackets() {
    int result = 0;
    while ((result = ogg_stream_packetout(&stream_, &packet_)) != 0) {
        if (result < 0) {
            continue;  // a hole in the data
        }
        if (vorbis_synthesis(&block_, &packet_) == 0) {
            vorbis_synthesis_blockin(&dsp_, &block_);
        }
        float** pcm = nullptr;
        int samples = 0;
        while ((samples = vorbis_synthesis_pcmout(&dsp_, &pcm)) > 0) {
            const int count = std::min(samples, convertSamples_);
            if (!AppendSamples(pcm, count)) {
                return false;
            }
            vorbis_synthesis_read(&dsp_, count);
        }
    }
    return true;
}

bool OggDecoding::AppendSamples(float** pcm, int samples) {
    const size_t channels = static_cast<size_t>(info_.channels);
    const size_t bytes = static_cast<size_t>(samples) * 2 * channels;
    if (!Reserve(bytes)) {
        return false;
    }
    unsigned char* out = image_.get() + offset_;
    const size_t count = static_cast<size_t>(samples);
    size_t i = 0;
    for (; i + kConvertBlock <= count; i += kConvertBlock) {
        unsigned char* at = out + 2 * i * channels;
        if (channels == 1) {
            ConvertBlock<1>(pcm, i, channels, at);
        } else if (channels == 2) {
            ConvertBlock<2>(pcm, i, channels, at);
        } else {
            ConvertBlock<0>(pcm, i, channels, at);
        }
    }
    for (; i < count; ++i) {
        for (size_t c = 0; c < channels; ++c) {
            StoreLe16(out + 2 * (i * channels + c), static_cast<uint16_t>(ToSample(pcm[c][i])));
        }
    }
    offset_ += bytes;
    return true;
}

// Grows the image in 4 MB steps so that bytes more fit at the write offset.
bool OggDecoding::Reserve(size_t bytes) {
    if (bytes > kMaxWaveImageBytes - offset_) {
        return false;
    }
    if (capacity_ > offset_ + bytes) {
        return true;
    }
    void* grown = std::realloc(image_.get(), capacity_ + kGrowBytes);
    if (grown == nullptr) {
        return false;
    }
    image_.release();
    image_.reset(static_cast<unsigned char*>(grown));
    capacity_ += kGrowBytes;
    return true;
}

bool OggDecoding::Run(WaveImage* image, size_t* imageSize) {
    if (!Reserve(0) || !ReadHeaders() || !StartSynthesis() || !DecodeStream()) {
        return false;
    }
    WriteWaveHeader(image_.get(), offset_, static_cast<uint32_t>(info_.channels),
                    static_cast<uint32_t>(info_.rate));
    *image = std::move(image_);
    *imageSize = offset_;
    return true;
}

}  // namespace

bool DecodeOggToWav(const unsigned char* ogg, size_t oggSize, WaveImage* image, size_t* imageSize) {
    OggDecoding decoding(ogg, oggSize);
    return decoding.Run(image, imageSize);
}
