#include "OggEncoder.h"

#include <vorbis/vorbisenc.h>

#include <cmath>

namespace {

void AppendPage(const ogg_page& page, std::vector<unsigned char>* out) {
    out->insert(out->end(), page.header, page.header + page.header_len);
    out->insert(out->end(), page.body, page.body + page.body_len);
}

struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    std::vector<unsigned char> out;

    void Drain() {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page))
                    AppendPage(page, &out);
            }
        }
    }
};

}  // namespace

std::vector<unsigned char> EncodeOgg(const std::vector<float>& samples, int channels, int rate,
                                     int serial, size_t* headerBytes) {
    Encoder e;
    vorbis_info_init(&e.info);
    vorbis_encode_init_vbr(&e.info, channels, rate, 0.3f);
    vorbis_comment_init(&e.comment);
    vorbis_analysis_init(&e.dsp, &e.info);
    vorbis_block_init(&e.dsp, &e.block);
    ogg_stream_init(&e.stream, serial);

    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&e.dsp, &e.comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&e.stream, &identification);
    ogg_stream_packetin(&e.stream, &comments);
    ogg_stream_packetin(&e.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&e.stream, &page))
        AppendPage(page, &e.out);
    if (headerBytes != nullptr)
        *headerBytes = e.out.size();

    const size_t frames = samples.size() / channels;
    for (size_t done = 0; done < frames;) {
        const size_t count = std::min<size_t>(1024, frames - done);
        float** buffer = vorbis_analysis_buffer(&e.dsp, static_cast<int>(count));
        for (size_t i = 0; i < count; ++i) {
            for (int c = 0; c < channels; ++c)
                buffer[c][i] = samples[(done + i) * channels + c];
        }
        vorbis_analysis_wrote(&e.dsp, static_cast<int>(count));
        e.Drain();
        done += count;
    }
    vorbis_analysis_wrote(&e.dsp, 0);
    e.Drain();
    while (ogg_stream_flush(&e.stream, &page))
        AppendPage(page, &e.out);

    ogg_stream_clear(&e.stream);
    vorbis_block_clear(&e.block);
    vorbis_dsp_clear(&e.dsp);
    vorbis_comment_clear(&e.comment);
    vorbis_info_clear(&e.info);
    return e.out;
}

std::vector<float> Sine(size_t frames, int channels, float amplitude, float cyclesPerFrame) {
    std::vector<float> samples;
    for (size_t i = 0; i < frames; ++i) {
        const float value = amplitude * std::sin(6.2831853f * cyclesPerFrame * i);
        samples.insert(samples.end(), channels, value);
    }
    return samples;
}
