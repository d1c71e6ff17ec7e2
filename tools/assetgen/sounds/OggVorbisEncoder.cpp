#include "tools/assetgen/sounds/OggVorbisEncoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace {

constexpr int kStreamSerial = 0x564F5354;
constexpr long kChunkFrames = 4096;

class OggWriter {
public:
    explicit OggWriter(std::vector<unsigned char>& out) : out_(out) { ogg_stream_init(&stream_, kStreamSerial); }
    ~OggWriter() { ogg_stream_clear(&stream_); }
    OggWriter(const OggWriter&) = delete;
    OggWriter& operator=(const OggWriter&) = delete;

    void Add(ogg_packet* packet) { ogg_stream_packetin(&stream_, packet); }

    void WritePages(bool flush)
    {
        ogg_page page;
        while (flush ? ogg_stream_flush(&stream_, &page) : ogg_stream_pageout(&stream_, &page)) {
            out_.insert(out_.end(), page.header, page.header + page.header_len);
            out_.insert(out_.end(), page.body, page.body + page.body_len);
        }
    }

private:
    std::vector<unsigned char>& out_;
    ogg_stream_state stream_;
};

class VorbisEncoder {
public:
    VorbisEncoder()
    {
        vorbis_info_init(&info_);
        vorbis_comment_init(&comment_);
    }
    ~VorbisEncoder()
    {
        if (started_) {
            vorbis_block_clear(&block_);
            vorbis_dsp_clear(&dsp_);
        }
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;

    bool Start(const PcmSound& sound, float quality, OggWriter& writer)
    {
        if (vorbis_encode_init_vbr(&info_, sound.channels, sound.sampleRate, quality) != 0) {
            return false;
        }
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        started_ = true;
        ogg_packet identification;
        ogg_packet comments;
        ogg_packet codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &identification, &comments, &codebooks);
        writer.Add(&identification);
        writer.Add(&comments);
        writer.Add(&codebooks);
        // Audio starts on a fresh page, as the format asks.
        writer.WritePages(true);
        return true;
    }

    void Write(const PcmSound& sound, size_t firstFrame, long frames, OggWriter& writer)
    {
        if (frames > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(frames));
            const float* source = sound.samples.data() + firstFrame * static_cast<size_t>(sound.channels);
            for (long i = 0; i < frames; ++i) {
                for (int c = 0; c < sound.channels; ++c) {
                    buffer[c][i] = *source++;
                }
            }
        }
        vorbis_analysis_wrote(&dsp_, static_cast<int>(frames));
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet)) {
                writer.Add(&packet);
                writer.WritePages(false);
            }
        }
    }

private:
    vorbis_info info_;
    vorbis_comment comment_;
    vorbis_dsp_state dsp_;
    vorbis_block block_;
    bool started_ = false;
};

} // namespace

std::vector<unsigned char> EncodeOggVorbis(const PcmSound& sound, float quality)
{
    std::vector<unsigned char> out;
    if (sound.channels < 1 || sound.channels > 2 || sound.sampleRate <= 0) {
        return out;
    }
    OggWriter writer(out);
    VorbisEncoder encoder;
    if (!encoder.Start(sound, quality, writer)) {
        out.clear();
        return out;
    }
    const size_t frames = sound.Frames();
    for (size_t first = 0; first < frames; first += kChunkFrames) {
        const long count = static_cast<long>(std::min<size_t>(kChunkFrames, frames - first));
        encoder.Write(sound, first, count, writer);
    }
    // Zero frames written marks the end of the stream.
    encoder.Write(sound, frames, 0, writer);
    writer.WritePages(true);
    return out;
}
